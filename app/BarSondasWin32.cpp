#include "app/BarSondasWin32.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/MainWin32.h"
#include "support/NqConst.h"
#include "support/Platform.h"
#include "support/Text.h"
#include "support/Win32Text.h"
#include "ui/GdiWin32.h"

namespace nq {

namespace {

// A shell whose existence checks wait first for the paths under one prefix.
class ShellLento final : public IShell {
public:
    ShellLento(IShell& real, std::string prefixo, DWORD ms) : real_(real), prefixo_(std::move(prefixo)), ms_(ms) {}
    ShellLinkData LoadShellLink(const std::string& f) override { return real_.LoadShellLink(f); }
    bool ExtractsIcon(const std::string& path) override { return real_.ExtractsIcon(path); }
    bool FileExists(const std::string& path) override { return Esperar(path), real_.FileExists(path); }
    bool DirectoryExists(const std::string& path) override { return Esperar(path), real_.DirectoryExists(path); }
    std::optional<std::string> UserRegistryString(const std::string& key, const std::string& name) override {
        return real_.UserRegistryString(key, name);
    }
    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        return real_.EnvironmentVariable(name);
    }
    std::string SystemFolder() override { return real_.SystemFolder(); }

private:
    void Esperar(const std::string& path) const {
        if (SameText(path.substr(0, prefixo_.size()), prefixo_)) Sleep(ms_);
    }
    IShell& real_;
    std::string prefixo_;
    DWORD ms_;
};

// The system's monitors less those a test unplugged.
class MonitoresDeTeste final : public IMonitores {
public:
    explicit MonitoresDeTeste(IMonitores& real) : real_(real) {}
    std::vector<TMonitor> Listar() override {
        std::vector<TMonitor> todos = real_.Listar(), lista;
        for (std::size_t i = 0; i < todos.size(); ++i)
            if (i >= 32 || !(tirados & (1u << i))) lista.push_back(todos[i]);
        return lista.empty() ? todos : lista;  // never none: the system always has one
    }
    unsigned tirados = 0;

private:
    IMonitores& real_;
};

}  // namespace

void InstalarAlvoLento() {
    wchar_t value[1024];
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_ALVO_LENTO", value, 1024);
    if (n == 0 || n >= 1024) return;
    const std::string text = Narrow(value);
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return;
    static ShellLento lento(*CurrentPlatform().shell, text.substr(colon + 1),
                            LerInteiro<DWORD>(text, 10, TFormaInteiro::Inicio).value_or(0));
    CurrentPlatform().shell = &lento;
}

bool EscreverRelatorioInicio() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_STARTUP_REPORT", path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return false;
    FILE* f = _wfopen(path, L"wb");
    if (!f) return true;
    std::fprintf(f, "DirAplic=%s\nNqParams=%s\ninProgrammingMode=%d\nFMsgFonteFixa=%s\nclCorDesligado=%ld\n",
                 DirAplic.c_str(), NqParams.c_str(), inProgrammingMode ? 1 : 0, FMsgFonteFixa.c_str(),
                 static_cast<long>(clCorDesligado));
    std::fprintf(f, "Version=%s\n", GetVersionSis(true).c_str());
    std::fclose(f);
    return true;
}

namespace {

bool Ligada(const char* variavel) {
    const char* v = std::getenv(variavel);
    return v && std::string(v) == "1";
}

}  // namespace

bool PastaDoProgramaSomenteLeitura() { return Ligada("PIVEL_PASTA_SOMENTE_LEITURA"); }

bool UnidadeRemovivelSimulada() { return Ligada("PIVEL_UNIDADE_REMOVIVEL"); }

std::string ShellDeTeste() {
    wchar_t v[MAX_PATH] = L"";
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_SHELL", v, MAX_PATH);
    return n > 0 && n < MAX_PATH ? Narrow(v) : std::string();
}

TTipoMenu TipoMenuBarra() {
    const char* v = std::getenv("PIVEL_TIPO_MENU");
    const int tipo = v ? LerInteiro(v, 10, TFormaInteiro::Inicio).value_or(0) : -1;
    return v && *v && tipo >= 0 && tipo <= static_cast<int>(TTipoMenu::tmMarvo) ? static_cast<TTipoMenu>(tipo)
                                                                                 : TTipoMenu::tmOffice;
}

TBarSondas::TBarSondas(TfrmMainPivel& barra)
    : barra_(barra),
      objetosGdi_(RegisterWindowMessageW(kMsgObjetosGdi)),
      itemMenu_(RegisterWindowMessageW(kMsgItemMenu)),
      atalhos_(RegisterWindowMessageW(kMsgAtalhos)),
      textoMenu_(RegisterWindowMessageW(kMsgTextoMenu)),
      legenda_(RegisterWindowMessageW(kMsgLegenda)),
      rolar_(RegisterWindowMessageW(kMsgRolar)),
      monitores_(RegisterWindowMessageW(kMsgMonitores)),
      falhar_(RegisterWindowMessageW(kMsgFalhar)) {}

bool TBarSondas::Responder(UINT msg, WPARAM wp, LPARAM lp, LRESULT& resposta) const {
    if (msg == 0) return false;
    if (msg == objetosGdi_) {
        resposta = GdiObjectsLive() + IconsLive();
    } else if (msg == itemMenu_) {
        resposta = barra_.Menu().ItemMenu(wp, lp);
    } else if (msg == textoMenu_) {
        resposta = barra_.Menu().TextoItemMenu(wp, lp);
    } else if (msg == atalhos_) {
        const auto& botoes = barra_.Painel().Botoes();
        if (wp == 0) {
            resposta = static_cast<LRESULT>(botoes.size());
        } else if (wp == 1) {
            resposta = static_cast<LRESULT>(barra_.Menu().Atalhos());
        } else if (wp == 2) {
            resposta = barra_.Reconstrucoes();
        } else if (wp == 4) {
            resposta = barra_.Painel().Primeiro();
        } else {
            const TBuscaAlvos* busca = barra_.Lancamento().Busca();
            LRESULT pendentes = 0;
            for (std::size_t i = 0; busca && i < botoes.size(); ++i)
                pendentes += busca->Botao(i).estado == TBuscaAlvos::Estado::Pendente;
            resposta = pendentes;
        }
    } else if (msg == legenda_) {
        std::string texto;
        for (const std::string& linha : barra_.LinhasDoBotao(wp)) texto += (texto.empty() ? "" : "\n") + linha;
        resposta = wp < barra_.Painel().Botoes().size() ? GlobalAddAtomW(Wide(texto).c_str()) : 0;
    } else if (msg == rolar_) {
        LARGE_INTEGER f, t0, t1;
        QueryPerformanceFrequency(&f);
        QueryPerformanceCounter(&t0);
        const int antes = barra_.Painel().Primeiro();
        barra_.Rolar(static_cast<int>(static_cast<INT_PTR>(wp)));
        UpdateWindow(barra_.hwnd());
        QueryPerformanceCounter(&t1);
        resposta = barra_.Painel().Primeiro() == antes ? -1 : static_cast<LRESULT>((t1.QuadPart - t0.QuadPart) * 1000000 / f.QuadPart);
    } else if (msg == monitores_) {
        static MonitoresDeTeste deTeste(*CurrentPlatform().monitores);
        CurrentPlatform().monitores = &deTeste;
        deTeste.tirados = static_cast<unsigned>(wp);
        resposta = static_cast<LRESULT>(deTeste.Listar().size());
        PostMessageW(barra_.hwnd(), WM_DISPLAYCHANGE, 0, 0);
    } else if (msg == falhar_) {
        throw std::runtime_error(kFalhaDeTeste);
    } else {
        return false;
    }
    return true;
}

}  // namespace nq
