#include "menus/NqMenusConfigWin32.h"

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>

#include "resource.h"
#include "support/NqFunWin32.h"
#include "support/Win32Text.h"
#include "ui/NqMsgAllForm.h"

namespace nq {

namespace {

constexpr const char* kTamanhos[] = {"Automático", "16 pixels", "20 pixels", "24 pixels", "28 pixels", "32 pixels"};

// The window as designed. The two radio groups are a group box with its buttons; a group's buttons go
// down each column first, as many rows as the items need.
ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.lugar = LugarDialogo::SobreDonoMaior;
    d.titulo = "Menus";
    d.largura = 370;
    d.altura = 409;
    d.fonte = ProjetoFonte{.nome = "Tahoma", .pixels = 11};
    auto& c = d.controles;
    auto add = [&](ProjetoControle s) { c.push_back(std::move(s)); };
    add({.tipo = TipoControle::Abas, .nome = "pc", .r = {8, 8, 353, 361}, .alturaItem = 22});
    std::vector<ProjetoControle> pagina;  // everything but the buttons stands on the one page
    auto naPagina = [&](ProjetoControle s) { pagina.push_back(std::move(s)); };
    auto grupoDeOpcoes = [&](const char* nome, const char* titulo, Rect r, const char* const* itens, int n, int colunas,
                             const char* dica) {
        naPagina({.tipo = TipoControle::Grupo, .nome = nome, .texto = titulo, .r = r, .dica = dica ? dica : ""});
        const int linhas = (n + colunas - 1) / colunas;
        const int largura = (r.width - 16) / colunas;
        for (int i = 0; i < n; ++i) {
            ProjetoControle o;
            o.tipo = TipoControle::Opcao;
            o.nome = std::string(nome) + std::to_string(i);
            o.texto = itens[i];
            o.r = Rect{r.left + 8 + (i / linhas) * largura, r.top + 16 + (i % linhas) * 18, largura - 4, 17};
            o.flags = i == 0 ? fGrupo : 0u;
            o.dica = dica ? dica : "";
            naPagina(std::move(o));
        }
    };
    grupoDeOpcoes("gestilo", "ESTILO", {8, 8, 329, 57}, kEstilosMenu, 4, 2, nullptr);
    grupoDeOpcoes("gicones", "TAMANHO DOS ÍCONES", {8, 72, 329, 57}, kTamanhos, 6, 3, "Tamanho dos ícones do menu");
    naPagina({.tipo = TipoControle::Grupo, .nome = "gfonte", .texto = "FONTE", .r = {8, 136, 329, 105}});
    naPagina({.tipo = TipoControle::Rotulo, .nome = "Label1", .texto = "No&me", .r = {16, 152, 60, 14},
         .flags = fSemQuebra});
    naPagina({.tipo = TipoControle::Combo, .nome = "cbFonte", .r = {16, 168, 257, 21}});
    naPagina({.tipo = TipoControle::Rotulo, .nome = "Label2", .texto = "&Tamanho", .r = {280, 152, 56, 14},
         .flags = fSemQuebra});
    naPagina({.tipo = TipoControle::Numero, .nome = "edTam", .texto = "8", .r = {280, 168, 47, 21},
         .flags = fSomenteLeitura, .limite = kTamanhoFonteMin, .maximo = kTamanhoFonteMax});
    naPagina({.tipo = TipoControle::Rotulo, .nome = "lblExemplo", .texto = "Exemplo da fonte escolhida...",
         .r = {16, 195, 313, 38}, .flags = fCentroV});
    naPagina({.tipo = TipoControle::Grupo, .nome = "gopcoes", .texto = "OPÇÕES", .r = {8, 248, 329, 73}});
    naPagina({.tipo = TipoControle::Caixa, .nome = "ckFonteWin", .texto = "&Fonte padrão dos menus do Windows",
         .r = {16, 264, 300, 17}});
    naPagina({.tipo = TipoControle::Caixa, .nome = "Degrade", .texto = "F&undo dos ícones em degradê de cinza",
         .r = {16, 280, 300, 17}, .dica = "Fundo dos ícones em degradê de cores"});
    naPagina({.tipo = TipoControle::Caixa, .nome = "ckicon", .texto = "Não e&xibir ícones nos menus", .r = {16, 296, 300, 17}});
    AdicionarPagina(c, "pc", {.nome = "tsConfig", .texto = "Configuração"}, std::move(pagina));
    add({.tipo = TipoControle::Botao, .nome = "BitBtn1", .texto = "&OK", .r = {192, 376, 81, 25},
         .dica = "Salvar configurações", .imagem = IDI_BTN_OK, .resultado = mrOk});
    add({.tipo = TipoControle::Botao, .nome = "BitBtn2", .texto = "Ca&ncelar", .r = {280, 376, 81, 25},
         .flags = fCancelar, .dica = "Cancelar alterações", .imagem = IDI_BTN_NAO, .resultado = mrCancel});
    return d;
}


}  // namespace

TfrmMenusConfig::TfrmMenusConfig() : TDialogo(Desenho(), kControles) {}

void TfrmMenusConfig::PreencherFontes(const std::string& escolhida) {
    HWND combo = Controle(cbFonte);
    if (!combo) return;
    std::set<std::wstring> nomes;
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(
        dc, &lf,
        [](const LOGFONTW* f, const TEXTMETRICW*, DWORD, LPARAM p) -> int {
            if (f->lfFaceName[0] != L'@') reinterpret_cast<std::set<std::wstring>*>(p)->insert(f->lfFaceName);
            return 1;
        },
        reinterpret_cast<LPARAM>(&nomes), 0);
    ReleaseDC(nullptr, dc);
    for (const std::wstring& n : nomes) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    // The renderer's font chosen; none when it is not installed.
    const LRESULT i = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(Wide(escolhida).c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(i), 0);
}

void TfrmMenusConfig::FormShow() {
    if (!FMenuComp) return;
    const TMenusEscolha e = EscolhaInicial(*FMenuComp);
    Marcar(gestilo0 + e.estilo, true);
    gestiloClick();
    Marcar(gicones0 + e.tamanho, true);
    Marcar(Degrade, e.degrade);
    PreencherFontes(e.fonteNome);
    SetValor(edTam, e.fonteTamanho);
    AtualizaFonte();
    Marcar(ckFonteWin, e.fonteWin);
    ckFonteWinClick();
    Marcar(ckicon, e.semIcones);
    Foco(gestilo0 + e.estilo);
}

int TfrmMenusConfig::EstiloMarcado() const {
    for (int i = 0; i < 4; ++i)
        if (Marcado(gestilo0 + i)) return i;
    return -1;
}

TMenusEscolha TfrmMenusConfig::Escolha() const {
    TMenusEscolha e;
    e.estilo = std::max(0, EstiloMarcado());
    for (int i = 0; i < 6; ++i)
        if (Marcado(gicones0 + i)) e.tamanho = i;
    e.fonteNome = Texto(cbFonte);
    e.fonteTamanho = Valor(edTam);
    e.fonteWin = Marcado(ckFonteWin);
    e.degrade = Marcado(Degrade);
    e.semIcones = Marcado(ckicon);
    return e;
}

void TfrmMenusConfig::gestiloClick() {
    const TMenusHabilitacao h = Habilitacao(EstiloMarcado(), Marcado(ckFonteWin));
    Habilitar(gicones, h.icones);
    for (int i = 0; i < 6; ++i) Habilitar(gicones0 + i, h.icones);
    Habilitar(Degrade, h.degrade);
    Habilitar(ckicon, h.semIcones);
}

void TfrmMenusConfig::ckFonteWinClick() { LigaDes(gfonte, Habilitacao(0, Marcado(ckFonteWin)).fonte); }

void TfrmMenusConfig::AtualizaFonte() {
    // The example shows the font named in the list at the size in the box.
    ProjetoControle& exemplo = Item(lblExemplo);
    const std::string nome = Texto(cbFonte);
    exemplo.fonte.nome = nome.empty() ? Projeto().fonte.nome : nome;
    exemplo.fonte.pixels = 0;
    exemplo.fonte.pontos = Valor(edTam);
    AplicarFonte(lblExemplo);
}

void TfrmMenusConfig::Click(int controle) {
    if (controle >= gestilo0 && controle <= gestilo3) gestiloClick();
    if (controle == ckFonteWin) ckFonteWinClick();
}

void TfrmMenusConfig::Comando(int controle, int codigo) {
    // edTamChange: the font list's choice and the size box.
    if ((controle == cbFonte && codigo == CBN_SELCHANGE) || (controle == edTam && codigo == EN_CHANGE)) AtualizaFonte();
}

std::optional<TMenusEscolha> MostrarMenusConfig(TNqMenu& menu) {
    TfrmMenusConfig janela;
    janela.FMenuComp = &menu;
    if (janela.ShowModal(JanelaDasMensagens()) != mrOk) return std::nullopt;
    return janela.Escolha();
}

}  // namespace nq
