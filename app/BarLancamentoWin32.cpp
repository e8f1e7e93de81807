#include "app/BarLancamentoWin32.h"

#include <objbase.h>
#include <shellapi.h>

#include <exception>
#include <string>

#include "app/BarSondasWin32.h"
#include "app/MainWin32.h"
#include "app/MenuAtalho.h"
#include "catalogue/AlvoEmUso.h"
#include "catalogue/AlvosWin32.h"
#include "support/Caminho.h"
#include "support/ErroSistemaWin32.h"
#include "support/NqConst.h"
#include "support/NqDlg.h"
#include "support/NqFunWin32.h"
#include "support/Platform.h"
#include "support/RegistroDeEventos.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

// The workers join COM on their own threads: shell links, the shell's icons and its launches want it.
thread_local bool comJoined = false;
void JoinCom() {
    comJoined = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
}
void LeaveCom() {
    if (comJoined) CoUninitialize();
}

// On the target worker: whether the target exists and is a folder, and its icon at the size it is
// drawn when that is not kept already. A bare name is looked up beside the program, where the bar's
// current folder stands except while a launch has moved it.
TAlvoBuscado BuscarAlvo(const TPedidoAlvo& p) {
    const std::string alvo = AlvoExistente(p.programa);
    const TipoCaminho tipo = TipoDoCaminho(alvo);
    const bool absoluto = tipo.forma == FormaCaminho::Unc || tipo.NaUnidade();
    const std::string caminho = absoluto || alvo.empty() ? alvo : DirAplic + alvo;
    IShell& shell = *CurrentPlatform().shell;
    TAlvoBuscado r;
    r.pasta = shell.DirectoryExists(caminho);
    r.existe = r.pasta || shell.FileExists(caminho);
    if (r.existe && p.precisaImagem) {
        auto imagem = std::make_unique<TImagemIcone>();
        if (readIcon(caminho, imagem->icone, p.tamanho)) r.imagem = std::move(imagem);
    }
    return r;
}

// The system's side of a launch.
class LancadorWin32 final : public ILancador {
public:
    explicit LancadorWin32(HWND owner) : owner_(owner) {}
    bool SetCurrentFolder(const std::string& pasta) override {
        if (SetCurrentDirectoryW(Wide(pasta).c_str())) return true;
        Motivo(TextoErroSistema(GetLastError()));
        return false;
    }
    bool ShellOpen(const std::string& verbo, const std::string& programa, const std::string& parametros,
                   const std::string& pasta, int showCmd) override {
        if (const std::string teste = ShellDeTeste(); !teste.empty())
            return ExecutarTeste(teste, verbo + "|" + programa + "|" + parametros + "|" + pasta);
        if (verbo == "open") {
            // Empty texts go as empty strings, never as absent values. The shell tells the user of its own
            // failures, and the launch counts as done: only the log keeps them.
            const auto r = reinterpret_cast<INT_PTR>(ShellExecuteW(owner_, L"open", Wide(programa).c_str(),
                                                                   Wide(parametros).c_str(), Wide(pasta).c_str(),
                                                                   showCmd));
            if (r <= 32)
                RegistrarEvento(TNivelEvento::Erro,
                                "Não foi possível abrir " + programa + (parametros.empty() ? "" : " " + parametros) +
                                    ": " + TextoErroSistema(GetLastError() ? GetLastError() : static_cast<DWORD>(r)));
            return true;
        }
        const std::wstring v = Wide(verbo), p = Wide(programa), a = Wide(parametros), d = Wide(pasta);
        SHELLEXECUTEINFOW sei{};
        sei.cbSize = sizeof sei;
        sei.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;  // the bar's notice tells of a failure
        sei.hwnd = owner_;
        sei.lpVerb = v.c_str();
        sei.lpFile = p.c_str();
        sei.lpParameters = a.c_str();
        sei.lpDirectory = d.c_str();
        sei.nShow = showCmd;
        // The user who says No to the elevation has answered: nothing to tell.
        if (ShellExecuteExW(&sei) || GetLastError() == ERROR_CANCELLED) return true;
        Motivo(TextoErroSistema(GetLastError()));
        return false;
    }
    // The window's thread shows the busy pointer for the whole launch.
    void CursorAmp() override {}
    void CursorNormal() override {}
    // The system's words for the first failure of the launch, which its caller tells and logs; empty
    // while none.
    const std::string& Motivo() const { return motivo_; }

private:
    void Motivo(const std::string& erro) {
        if (motivo_.empty()) motivo_ = erro;
    }
    bool ExecutarTeste(const std::string& programa, const std::string& pedido) {
        std::wstring linha = L"\"" + Wide(programa) + L"\" " + Wide(pedido);
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            Motivo(TextoErroSistema(GetLastError()));
            return false;
        }
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return true;
    }
    HWND owner_;
    std::string motivo_;
};

// A target as the launcher's thread finds it: through its variables and relative folder, and a bare name
// where the shell would look for it (the program's folder, then the system's path). Empty when missing.
std::string AlvoNoDisco(const std::string& guardado) {
    std::string alvo = AlvoExistente(guardado);
    IShell& shell = *CurrentPlatform().shell;
    if (shell.DirectoryExists(alvo) || shell.FileExists(alvo)) return alvo;
    if (alvo.empty() || alvo.find_first_of("\\/:") != std::string::npos) return {};
    for (const std::string& pasta : {DirAplic, std::string()}) {
        wchar_t achado[MAX_PATH];
        const DWORD n = SearchPathW(pasta.empty() ? nullptr : Wide(pasta).c_str(), Wide(alvo).c_str(), L".exe",
                                    MAX_PATH, achado, nullptr);
        if (n > 0 && n < MAX_PATH) return Narrow(achado);
    }
    return {};
}

}  // namespace

void TBarLancamento::Iniciar() {
    const HWND janela = barra_.hwnd();
    busca_ = std::make_unique<TBuscaAlvos>(
        BuscarAlvo,
        [janela](std::unique_ptr<TAlvoBuscado> r) {
            // An answer the window can no longer take is released here.
            if (PostMessageW(janela, WM_ALVO_BUSCADO, 0, reinterpret_cast<LPARAM>(r.get()))) r.release();
        },
        JoinCom, LeaveCom);
    lancador_ = std::make_unique<TTrabalhador>(JoinCom, LeaveCom);
}

void TBarLancamento::clickIcone(std::function<TAtalhoRec()> ler) {
    const std::string dirAplic = DirAplic;
    Lancar([dirAplic, ler = std::move(ler)](HWND janela, TFimLancamento& fim) {
        TAtalhoRec r;
        LancadorWin32 sistema(janela);
        try {
            r = ler();
            if (executeProgram(r, sistema, dirAplic, true, {})) return true;
            fim.falha = TextoFalhaLancamento(r, sistema.Motivo());
        } catch (const std::exception& e) {
            fim.falha = TextoFalhaLancamento(r, e.what());
        }
        RegistrarEvento(TNivelEvento::Erro, fim.falha);
        return false;
    });
}

void TBarLancamento::AbrirLocal(const std::string& programa) {
    Lancar([programa](HWND janela, TFimLancamento& fim) {
        const std::string alvo = AlvoNoDisco(programa);
        if (alvo.empty()) {
            // Nothing else is opened in its place: the user hears that it is gone.
            const std::string usado = AlvoEmUso(programa);
            fim.naoEncontrado = usado.rfind(kAlvoInvalido, 0) == 0 ? programa : usado;
            return true;
        }
        LancadorWin32 sistema(janela);
        return sistema.ShellOpen("open", "explorer.exe", ParametrosDoLocal(alvo), "", SW_SHOWNORMAL);
    });
}

void TBarLancamento::Lancar(std::function<bool(HWND, TFimLancamento&)> trabalho) {
    barra_.AvisoErro().Hide();
    if (!lancador_) return;
    if (lancamentos_++ == 0) nq::CursorAmp();
    const HWND janela = barra_.hwnd();
    focoNoClique_ = GetForegroundWindow() == janela;
    // On the launcher's thread: a target on a share that does not answer holds up that thread, never
    // the bar's painting. The bar is switched on its own thread once the launch is over.
    lancador_->Enfileirar([janela, trabalho = std::move(trabalho)] {
        bool ok = false;
        auto fim = std::make_unique<TFimLancamento>();
        try {
            ok = trabalho(janela, *fim);
        } catch (const std::exception& e) {
            ok = false;  // the notice tells of it
            fim->falha = e.what();
        }
        if (fim->naoEncontrado.empty() && fim->falha.empty()) fim.reset();
        if (PostMessageW(janela, WM_LANCADO, ok, reinterpret_cast<LPARAM>(fim.get()))) fim.release();
    });
}

void TBarLancamento::Lancado(bool ok, LPARAM fim) {
    const std::unique_ptr<TFimLancamento> f(reinterpret_cast<TFimLancamento*>(fim));
    if (lancamentos_ > 0 && --lancamentos_ == 0) nq::CursorNormal();
    if (f && !f->naoEncontrado.empty()) {
        // Nothing was opened: the bar stays as it is and says why.
        MsgBox(AvisoNaoEncontrado(f->naoEncontrado));
        return;
    }
    // The keyboard stays with the bar if it had it at the click and nothing else took it meanwhile (an
    // X server without a window manager drops the focus of a window that has moved).
    if (focoNoClique_ && NobodyInFront()) SetForegroundWindow(barra_.hwnd());
    if (!barra_.Config().autoOcultar) barra_.clickForm();
    // The notice keeps its picture; a click on it reads what failed and why.
    if (!ok) {
        std::function<void()> ler;
        if (f && !f->falha.empty()) ler = [texto = f->falha] { MsgBoxTexto(texto); };
        barra_.AvisoErro().Show(std::move(ler));
    }
}

void TBarLancamento::clickBotao(std::size_t i) {
    TIconeComando botao = barra_.Painel().Botoes()[i];
    const TBuscaAlvos::TBotao estado = busca_ ? busca_->Botao(i) : TBuscaAlvos::TBotao{};
    if (estado.estado != TBuscaAlvos::Estado::Pendente) {
        botao.SetPrograma(botao.Programa(), estado.pasta);
        clickIcone([botao] { return readProgramData(botao); });
        return;
    }
    // Not looked at yet: the launcher's thread finds out whether it is a folder.
    clickIcone([botao]() mutable {
        botao.SetPrograma(botao.Programa(), CurrentPlatform().shell->DirectoryExists(AlvoEmUso(botao.Programa())));
        return readProgramData(botao);
    });
}

void TBarLancamento::Recebido(LPARAM resposta) {
    std::unique_ptr<TAlvoBuscado> r(reinterpret_cast<TAlvoBuscado*>(resposta));
    if (busca_)
        if (const auto i = busca_->Receber(std::move(r))) barra_.InvalidarBotao(static_cast<int>(*i));
}

void TBarLancamento::DescartarRespostas() {
    MSG m;
    while (PeekMessageW(&m, barra_.hwnd(), WM_ALVO_BUSCADO, WM_ALVO_BUSCADO, PM_REMOVE))
        delete reinterpret_cast<TAlvoBuscado*>(m.lParam);
    while (PeekMessageW(&m, barra_.hwnd(), WM_LANCADO, WM_LANCADO, PM_REMOVE))
        delete reinterpret_cast<TFimLancamento*>(m.lParam);
}

}  // namespace nq
