#include "dialogs/ConfigWin32.h"

#include <commdlg.h>

#include <algorithm>
#include <exception>

#include "catalogue/NqIniFiles.h"
#include "dialogs/ThemedDBGridWin32.h"
#include "menus/ShortCut.h"
#include "resource.h"
#include "support/ArquivoDialogoWin32.h"
#include "support/Caminho.h"
#include "support/MessageFilterWin32.h"
#include "support/NqDlgWin32.h"
#include "support/NqFunWin32.h"
#include "support/Platform.h"
#include "support/Text.h"
#include "support/Win32Text.h"
#include "ui/GdiWin32.h"
#include "ui/NqMsgAllForm.h"
#include "ui/NqMsgAllFormWin32.h"

namespace nq {

TfrmConfig* frmConfig = nullptr;

namespace {

constexpr TColor clTeal = RGBColor(0, 128, 128);
constexpr TColor clAzul = RGBColor(0, 0, 255);
constexpr int kColunaMenu = 1;  // "M" in the grid

struct BotaoNavegador {
    const char* nome;
    int imagem;
    const char* dica;
};
constexpr BotaoNavegador kNavegador[] = {
    {"nvPrimeiro", IDI_NAV_PRIMEIRO, "Primeiro"}, {"nvAnterior", IDI_NAV_ANTERIOR, "Anterior"},
    {"nvProximo", IDI_NAV_PROXIMO, "Próximo"},    {"nvUltimo", IDI_NAV_ULTIMO, "Último"},
    {"nvIncluir", IDI_NAV_INCLUIR, "Incluir"},    {"nvExcluir", IDI_NAV_EXCLUIR, "Excluir"},
    {"nvAlterar", IDI_NAV_ALTERAR, "Alterar"},
};

const char* const kFiltros[] = {"RadioButton1", "RadioButton2", "RadioButton3", "RadioButton4",
                                "RadioButton5"};

ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.titulo = "Configurações";
    d.enterComoTab = true;
    d.botaoF5 = TfrmConfig::bok;
    d.largura = 538;
    d.altura = 495;
    d.fonte = ProjetoFonte{"Tahoma", 0, 11};
    auto& c = d.controles;
    const unsigned direita = akTop | akRight, lados = akLeft | akTop | akRight;
    const ProjetoFonte nota{.italico = true, .cor = clTeal};

    c.push_back({.tipo = TipoControle::Abas,
                 .nome = "pc",
                 .r = {8, 8, 522, 447},
                 .ancoras = akLeft | akTop | akRight | akBottom,
                 .ordem = 0,
                 .alturaItem = 28,
                 .larguraItem = 120});
    // Page "Atalhos": the navigator and the search on top, the filters below, the grid in between.
    std::vector<ProjetoControle> atalhos;
    atalhos.push_back({.tipo = TipoControle::Painel,
                 .nome = "Panel1",
                 .r = {0, 0, 514, 37},
                 .alinha = Alinhamento::alTop,
                 .ordem = 0});
    atalhos.push_back({.tipo = TipoControle::Painel,
                 .nome = "Panel2",
                 .r = {0, 333, 514, 30},
                 .alinha = Alinhamento::alBottom,
                 .ordem = 2});
    atalhos.push_back({.tipo = TipoControle::Classe,
                 .nome = "g",
                 .texto = "Atalhos",
                 .alinha = Alinhamento::alClient,
                 .ordem = 1,
                 .classe = "TDBGrid"});
    for (int i = 0; i < 7; ++i)
        atalhos.push_back({.tipo = TipoControle::BotaoPlano,
                     .nome = kNavegador[i].nome,
                     .r = {3 + 27 * i, 5, 27, 25},
                     .pai = "Panel1",
                     .dica = kNavegador[i].dica,
                     .imagem = kNavegador[i].imagem});
    atalhos.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Label16",
                 .texto = "Pesquisar",
                 .r = {309, 11, 56, 13},
                 .pai = "Panel1",
                 .flags = fSemQuebra,
                 .ancoras = direita});
    atalhos.push_back({.tipo = TipoControle::Edicao,
                 .nome = "eFind",
                 .r = {365, 7, 121, 21},
                 .pai = "Panel1",
                 .ancoras = direita});
    atalhos.push_back({.tipo = TipoControle::BotaoPlano,
                 .nome = "bClear",
                 .r = {485, 7, 23, 22},
                 .pai = "Panel1",
                 .ancoras = direita,
                 .dica = "Limpar a pesquisa",
                 .imagem = IDI_BTN_LIMPAR});
    atalhos.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Label7",
                 .texto = "Filtrar:",
                 .r = {8, 8, 44, 13},
                 .pai = "Panel2",
                 .flags = fSemQuebra});
    const int xs[] = {56, 122, 212, 286, 416};
    const int ws[] = {64, 88, 72, 128, 98};
    const char* textos[] = {"Todos", "Programas", "Pastas", "Exibir como ícone", "Exibir no menu"};
    for (int i = 0; i < 5; ++i)
        atalhos.push_back({.tipo = TipoControle::Opcao,
                     .nome = kFiltros[i],
                     .texto = textos[i],
                     .r = {xs[i], 8, ws[i], 17},
                     .pai = "Panel2",
                     .flags = i == 0 ? (fGrupo | fMarcado) : 0u});

    AdicionarPagina(c, "pc", {.nome = "tsAtalhos", .texto = "Atalhos"}, std::move(atalhos));

    // Page "Configurações": captions on the left, controls from x = 128.
    std::vector<ProjetoControle> conf;
    auto rotulo = [&](const char* nome, const char* texto, Rect r, ProjetoFonte f = {}) {
        conf.push_back({.tipo = TipoControle::Rotulo,
                     .nome = nome,
                     .texto = texto,
                     .r = r,
                     .flags = fSemQuebra,
                     .fonte = f});
    };
    auto caixa = [&](const char* nome, const char* texto, Rect r) {
        conf.push_back({.tipo = TipoControle::Caixa, .nome = nome, .texto = texto, .r = r});
    };
    auto linha = [&](const char* nome, int y) {
        conf.push_back({.tipo = TipoControle::Linha,
                     .nome = nome,
                     .r = {8, y, 498, 15},
                     .ancoras = lados});
    };
    rotulo("Label1", "Titulo", {8, 11, 110, 13});
    conf.push_back({.tipo = TipoControle::Edicao, .nome = "eTitulo", .r = {128, 8, 377, 21}});
    rotulo("Label2", "Ícone", {8, 32, 110, 13});
    conf.push_back({.tipo = TipoControle::Linha,
                 .nome = "Bevel1",
                 .r = {128, 34, 37, 39},
                 .forma = TBevelShape::bsFrame});
    conf.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "icoTit",
                 .r = {130, 37, 32, 32},
                 .flags = fMaozinha | fSemTab,
                 .dica = "Clique no ícone para alterá-lo"});
    rotulo("Label8", "Clique no ícone para alterá-lo", {176, 46, 250, 13}, nota);
    linha("nqBevel1", 66);
    caixa("ckSobreOF", "Mostrar a Pivel sobre outras janelas", {128, 88, 330, 17});
    rotulo("Label6", "Comportamento", {8, 112, 110, 13});
    caixa("ckUsarTransp", "Usar transparência", {128, 112, 330, 17});
    caixa("ckEditarTit", "Editar o título do atalho ao arrastar para a Pivel", {128, 136, 330, 17});
    caixa("ckAuto", "Ocultar automaticamente", {128, 160, 170, 17});
    // Off by default: a click on the closed strip stays the way to open the bar.
    caixa("ckAbrirAoApontar", "Abrir ao apontar", {304, 160, 200, 17});
    linha("nqBevel3", 176);
    rotulo("Label5", "Nível de transparência", {8, 203, 120, 13});
    conf.push_back({.tipo = TipoControle::Numero,
                 .nome = "spTransp",
                 .r = {128, 200, 49, 21},
                 .limite = kNivelMinimo,
                 .maximo = kNivelMaximo,
                 .passo = kNivelPasso});
    rotulo("Label9", "(quanto menor o valor, maior a transparência)", {184, 203, 300, 13}, nota);
    rotulo("Label3", "Tamanho dos ícones", {8, 235, 120, 13});
    conf.push_back({.tipo = TipoControle::Numero,
                 .nome = "spSalto",
                 .r = {128, 232, 49, 21},
                 .limite = kSaltoMinimo,
                 .maximo = kSaltoMaximo});
    caixa("ckIconHeightAuto", "Automático", {184, 234, 120, 17});
    linha("nqBevel2", 248);
    rotulo("Label4", "Visual da Pivel", {8, 272, 110, 13});
    conf.push_back({.tipo = TipoControle::Linha,
                 .nome = "Bevel2",
                 .r = {126, 270, 301, 37},
                 .forma = TBevelShape::bsFrame});
    conf.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbEx",
                 .texto = "Exemplo",
                 .r = {128, 272, 297, 33},
                 .flags = fCentro | fCentroV | fSemQuebra | fSemPrefixo});
    conf.push_back({.tipo = TipoControle::BotaoPlano,
                 .nome = "bpesqCorFnd",
                 .texto = "Alterar a cor",
                 .r = {129, 312, 96, 27},
                 .imagem = IDI_BTN_COR});
    conf.push_back({.tipo = TipoControle::BotaoPlano,
                 .nome = "bpesqFontIco",
                 .texto = "Alterar a fonte",
                 .r = {233, 312, 104, 27},
                 .imagem = IDI_BTN_FONTE});
    linha("nqBevel8", 336);
    // The key that opens the bar from anywhere.
    rotulo("Label10", "Tecla de atalho", {8, 355, 110, 13});
    conf.push_back({.tipo = TipoControle::TeclaAtalho,
                 .nome = "hkTeclaAtalho",
                 .r = {128, 352, 150, 21}});
    // The look of the bar's menus, in their own window; taken when this one saves.
    rotulo("Label11", "Menus", {8, 390, 110, 13});
    conf.push_back({.tipo = TipoControle::Botao,
                    .nome = "bAparenciaMenu",
                    .texto = "Aparência do menu...",
                    .r = {128, 384, 150, 25}});
    // Where the bar stands: a monitor by the system's number, or the primary, and its edge.
    rotulo("Label12", "Monitor", {296, 355, 56, 13});
    conf.push_back({.tipo = TipoControle::Combo, .nome = "cbMonitor", .r = {356, 352, 149, 21}});
    rotulo("Label13", "Lado", {296, 390, 56, 13});
    conf.push_back({.tipo = TipoControle::Combo, .nome = "cbLado", .r = {356, 386, 149, 21}});
    AdicionarPagina(c, "pc", {.nome = "tsconf", .texto = "Configurações"}, std::move(conf));

    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bok",
                 .texto = "Salvar | F5",
                 .r = {329, 460, 97, 25},
                 .ancoras = akRight | akBottom,
                 .imagem = IDI_BTN_SALVAR,
                 .ordem = 1});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bcanc",
                 .texto = "Cancelar",
                 .r = {433, 460, 97, 25},
                 .flags = fCancelar,
                 .ancoras = akRight | akBottom,
                 .imagem = IDI_BTN_CANCELAR,
                 .resultado = mrCancel,
                 .ordem = 2});
    return d;
}

// A shortcut as a hot-key box holds it (the key in the low byte, HOTKEYF_ modifiers in the high one),
// and back.
int TeclaDoAtalho(TShortCut atalho) {
    const BYTE mods =
        static_cast<BYTE>(((atalho & scShift) ? HOTKEYF_SHIFT : 0) |
                          ((atalho & scCtrl) ? HOTKEYF_CONTROL : 0) | ((atalho & scAlt) ? HOTKEYF_ALT : 0));
    return (atalho & 0xFF) ? MAKEWORD(atalho & 0xFF, mods) : 0;
}
TShortCut AtalhoDaTecla(int tecla) {
    const BYTE mods = HIBYTE(tecla);
    if (!LOBYTE(tecla)) return 0;
    return ShortCut(LOBYTE(tecla), static_cast<TShortCut>(((mods & HOTKEYF_SHIFT) ? scShift : 0) |
                                                          ((mods & HOTKEYF_CONTROL) ? scCtrl : 0) |
                                                          ((mods & HOTKEYF_ALT) ? scAlt : 0)));
}

// The first control inside a window that Tab reaches, in tab order (which is the order of creation).
HWND PrimeiroComTab(HWND pai) {
    for (HWND w = pai ? GetWindow(pai, GW_CHILD) : nullptr; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsWindowVisible(w) || !IsWindowEnabled(w)) continue;
        if (GetWindowLongPtrW(w, GWL_STYLE) & WS_TABSTOP) return w;
        if (GetWindowLongPtrW(w, GWL_EXSTYLE) & WS_EX_CONTROLPARENT)
            if (HWND dentro = PrimeiroComTab(w)) return dentro;
    }
    return nullptr;
}

// The window's font as the system's font dialog describes it, and back.
LOGFONTW LogFontDe(const TFont& f) {
    HDC tela = GetDC(nullptr);
    const int dpi = GetDeviceCaps(tela, LOGPIXELSY);
    ReleaseDC(nullptr, tela);
    return DescricaoFonte(f, dpi);
}

}  // namespace

TfrmConfig::TfrmConfig(IBarConfig& barra)
    : TDialogo(Desenho(), kControles), barra_(barra), atalhos_(barra.Catalogo()), tabela_(barra.Catalogo()) {
    TDBGridWin32::Registrar();
    atalhos_.Confirmar = [](const std::string& texto, const std::vector<std::string>& valores) {
        return Conf(texto, valores, 2);
    };
}

TfrmConfig::~TfrmConfig() {
    if (filtroSalto_) RemoveMessageFilter(filtroSalto_);
    if (frmConfig == this) frmConfig = nullptr;
}

// --- Creating and showing -------------------------------------------------------------------------------

void TfrmConfig::FormCreate() {
    frmConfig = this;
    const TVisualBarra v = barra_.Visual();
    SetTexto(eTitulo, v.titulo);
    if (HICON icone = barra_.IconeTitulo()) icoTit_.reset(CopyIcon(icone));
    Marcar(ckUsarTransp, v.transparente);
    Marcar(ckSobreOF, v.sobreOutros);
    corExemplo_ = v.cor;
    fonteExemplo_ = v.fonte;
    MostrarExemplo();
    SetValor(spTransp, v.nivel);
    if (NqIni) LerConfig(*NqIni, lidos_);
    SetValor(spSalto, lidos_.salto);
    Marcar(ckEditarTit, lidos_.editarTitulo);
    Marcar(ckAuto, lidos_.autoOcultar);
    Marcar(ckAbrirAoApontar, lidos_.abrirAoApontar);
    Marcar(ckIconHeightAuto, lidos_.alturaAutomatica);
    teclaLida_ = TeclaDoAtalho(TextToShortCut(lidos_.teclaAtalho));
    SetValor(hkTeclaAtalho, teclaLida_);
    slocalicon_ = lidos_.icone;
    MostrarLugar();
    lidos_.titulo = v.titulo;
    lidos_.sobreOutros = v.sobreOutros;
    lidos_.transparente = v.transparente;
    lidos_.nivel = v.nivel;
    lidos_.cor = v.cor;
    lidos_.fonte = v.fonte;

    g_ = TDBGridWin32::De(Controle(g));
    if (g_) {
        TDBGrid& g = g_->Grade();
        g.Columns = {{"Titulo", "Titulo", 448},
                     {"OpcaoMenu", "M", 21, TAlignment::taLeftJustify, TAlignment::taCenter}};
        g.SetDataSource(&tabela_);
        g.OnDrawColumnCell = [this](int recNo, int coluna, TFont& f) { gDrawColumnCell(recNo, coluna, f); };
        g.OnKeyDown = [this](int tecla, bool, bool) { return gKeyDown(tecla); };
        g.OnCellClick = [this](int coluna) { gCellClick(coluna); };
        g.OnDblClick = [this] { gDblClick(); };
    }

    // Enter in the distance box turns the page; it is seen before Enter-as-Tab would move on.
    filtroSalto_ = AddMessageFilter([this](MSG& m) {
        if (m.message != WM_KEYDOWN || m.wParam != VK_RETURN || m.hwnd != Controle(spSalto)) return false;
        spSaltoKeyDown();
        return true;
    });
}

void TfrmConfig::FormShow() {
    atalhos_.Mostrar();
    SetPagina(pc, 0);
    ckIconHeightAutoClick();
    AtualizarGrade();
    Foco(g);
}

void TfrmConfig::FormClose() {
    // However the window closes, the catalogue shows every record again.
    atalhos_.Fechar();
    if (filtroSalto_) RemoveMessageFilter(filtroSalto_);
    filtroSalto_ = 0;
}

// --- Events ---------------------------------------------------------------------------------------------

void TfrmConfig::Click(int controle) {
    if (controle >= nvPrimeiro && controle <= nvAlterar)
        return nvBeforeAction(static_cast<TAcaoNavegador>(controle - nvPrimeiro));
    if (controle >= RadioButton1 && controle <= RadioButton5) return FiltrarClick(controle - RadioButton1 + 1);
    if (controle == bok) bokClick();
    if (controle == bClear) bClearClick();
    if (controle == icoTit) icoTitClick();
    if (controle == bpesqCorFnd) bpesqCorFndClick();
    if (controle == bpesqFontIco) bpesqFontIcoClick();
    if (controle == ckIconHeightAuto) ckIconHeightAutoClick();
    if (controle == bAparenciaMenu) bAparenciaMenuClick();
}

void TfrmConfig::bAparenciaMenuClick() {
    if (std::optional<TMenusEscolha> escolha = barra_.EscolherAparenciaMenu()) aparenciaMenu_ = *escolha;
}

void TfrmConfig::Comando(int controle, int codigo) {
    if (controle == eFind && codigo == EN_CHANGE) eFindChange();
}

void TfrmConfig::eFindChange() {
    atalhos_.Pesquisar(Texto(eFind));
    AtualizarGrade();
}

void TfrmConfig::bClearClick() {
    SetTexto(eFind, "");
    eFindChange();
    Foco(eFind);
}

void TfrmConfig::FiltrarClick(int tag) {
    atalhos_.Filtrar(tag);
    AtualizarGrade();
}

void TfrmConfig::nvBeforeAction(TAcaoNavegador acao) {
    TClientDataset& cds = barra_.Catalogo();
    try {
        switch (acao) {
            case TAcaoNavegador::nbFirst:
                cds.First();
                break;
            case TAcaoNavegador::nbPrior:
                cds.Prior();
                break;
            case TAcaoNavegador::nbNext:
                cds.Next();
                break;
            case TAcaoNavegador::nbLast:
                cds.Last();
                break;
            case TAcaoNavegador::nbInsert:
                atalhos_.Incluir();
                break;
            case TAcaoNavegador::nbDelete:
                atalhos_.Excluir();
                break;
            case TAcaoNavegador::nbEdit:
                atalhos_.Alterar();
                break;
        }
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
    if (hwnd()) AtualizarGrade();
}

void TfrmConfig::updateOpcaoMenu() {
    atalhos_.AlternarMenu();
    AtualizarGrade();
}

void TfrmConfig::gDblClick() {
    nvBeforeAction(TAcaoNavegador::nbEdit);
}

bool TfrmConfig::gKeyDown(int key) {
    switch (key) {
        case VK_SPACE:
            updateOpcaoMenu();
            return true;
        case VK_INSERT:
            nvBeforeAction(TAcaoNavegador::nbInsert);
            return true;
        case VK_DELETE:
            nvBeforeAction(TAcaoNavegador::nbDelete);
            return true;
        case VK_F2:
            nvBeforeAction(TAcaoNavegador::nbEdit);
            return true;
        default:
            return false;
    }
}

void TfrmConfig::gCellClick(int coluna) {
    if (coluna == kColunaMenu) updateOpcaoMenu();
}

void TfrmConfig::gDrawColumnCell(int recNo, int, TFont& fonte) {
    if (atalhos_.NoMenu(recNo)) fonte.color = clAzul;
}

void TfrmConfig::AtualizarGrade() {
    if (g_) g_->Atualizar();
    AtualizarNavegador();
}

void TfrmConfig::AtualizarNavegador() {
    const TClientDataset& cds = barra_.Catalogo();
    const int n = cds.RecordCount(), atual = cds.RecNo();
    Habilitar(nvPrimeiro, n > 0 && atual > 1);
    Habilitar(nvAnterior, n > 0 && atual > 1);
    Habilitar(nvProximo, n > 0 && atual < n);
    Habilitar(nvUltimo, n > 0 && atual < n);
    Habilitar(nvExcluir, n > 0);
    Habilitar(nvAlterar, n > 0);
}

// --- Page "Configurações" ------------------------------------------------------------------------------

void TfrmConfig::MostrarExemplo() {
    ProjetoControle& ex = Item(lbEx);
    ex.cor = corExemplo_;
    ex.fonte.nome = fonteExemplo_.name;
    ex.fonte.pontos = fonteExemplo_.size;
    ex.fonte.pixels = 0;
    ex.fonte.negrito = fonteExemplo_.bold;
    ex.fonte.italico = fonteExemplo_.italic;
    ex.fonte.sublinhado = fonteExemplo_.underline;
    ex.fonte.riscado = fonteExemplo_.strikeOut;
    ex.fonte.cor = fonteExemplo_.color;
    AplicarFonte(lbEx);
}

bool TfrmConfig::DesenharItem(int controle, DRAWITEMSTRUCT* dis) {
    if (controle != icoTit) return false;
    HDC dc = dis->hDC;
    const RECT r = dis->rcItem;
    BrushHandle fundo(CreateSolidBrush(ToColorRef(CorAtras(icoTit))));
    FillRect(dc, &r, fundo.get());
    // Centred and scaled to the box.
    const int lado = std::min(r.right - r.left, r.bottom - r.top);
    if (icoTit_)
        DrawIconEx(dc, r.left + (r.right - r.left - lado) / 2, r.top + (r.bottom - r.top - lado) / 2,
                   icoTit_.get(), lado, lado, 0, nullptr, DI_NORMAL);
    return true;
}

void TfrmConfig::icoTitClick() {
    std::string arquivo;
    // The folder of the icon stored in the settings, not of one picked before in this window.
    if (!PromptForFileName(arquivo, "Ícones (*.ico)|*.ico", "", "Ícone para o Título",
                           std::string(PastaDoCaminho(NqIni ? LerConfig(*NqIni).icone : "")), true, hwnd()))
        return;
    const int lado = S(32);
    HICON icone =
        static_cast<HICON>(LoadImageW(nullptr, Wide(arquivo).c_str(), IMAGE_ICON, lado, lado, LR_LOADFROMFILE));
    if (!icone) {
        // The window stays as it was, with the icon it showed.
        MsgBoxErro("Não foi possível carregar o ícone:|" + arquivo);
        return;
    }
    icoTit_.reset(icone);
    slocalicon_ = arquivo;
    if (HWND w = Controle(icoTit)) InvalidateRect(w, nullptr, TRUE);
}

void TfrmConfig::bpesqCorFndClick() {
    static COLORREF personalizadas[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = hwnd();
    cc.rgbResult = ToColorRef(corExemplo_);
    cc.lpCustColors = personalizadas;
    cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&cc)) return;
    corExemplo_ = static_cast<TColor>(cc.rgbResult & 0xFFFFFF);
    MostrarExemplo();
}

void TfrmConfig::bpesqFontIcoClick() {
    LOGFONTW lf = LogFontDe(fonteExemplo_);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = hwnd();
    cf.lpLogFont = &lf;
    cf.rgbColors = ToColorRef(fonteExemplo_.color);
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | CF_EFFECTS;
    if (!ChooseFontW(&cf)) return;
    TFont f = fonteExemplo_;
    f.name = Narrow(lf.lfFaceName);
    if (cf.iPointSize > 0) f.size = (cf.iPointSize + 5) / 10;
    f.color = static_cast<TColor>(cf.rgbColors & 0xFFFFFF);
    f.italic = lf.lfItalic != 0;
    f.strikeOut = lf.lfStrikeOut != 0;
    // The captions of the bar are never bold nor underlined.
    f.bold = false;
    f.underline = false;
    fonteExemplo_ = f;
    MostrarExemplo();
}

void TfrmConfig::ckIconHeightAutoClick() {
    LigaDes(spSalto, !Marcado(ckIconHeightAuto));
}

void TfrmConfig::spSaltoKeyDown() {
    const int n = 2;
    const int proxima = (PaginaAtiva(pc) + 1) % n;
    SetPagina(pc, proxima);
    // The page takes the focus: its first control that takes it.
    if (HWND w = PrimeiroComTab(Controle(proxima == 0 ? tsAtalhos : tsconf)))
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(w), TRUE);
}

// The monitors the system lists now, by number, after "Principal"; the edges. A value the file holds that
// is neither (a monitor not plugged in now, a word the program does not know) is shown as written, chosen,
// and written back so until the user picks another entry.
void TfrmConfig::MostrarLugar() {
    const auto preencher = [this](int lista, std::vector<std::string> itens, const std::string& lido, int& indice) {
        const HWND w = Controle(lista);
        if (!w) return;
        indice = -1;
        for (std::size_t i = 0; i < itens.size(); ++i)
            if (SameText(itens[i], Trim(lido))) indice = static_cast<int>(i);
        if (indice < 0) {
            itens.push_back(lido);
            indice = static_cast<int>(itens.size()) - 1;
        }
        for (const std::string& item : itens)
            SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item).c_str()));
        SendMessageW(w, CB_SETCURSEL, static_cast<WPARAM>(indice), 0);
    };
    std::vector<std::string> monitores{kMonitorPrincipal};
    const std::size_t n = CurrentPlatform().monitores->Listar().size();
    for (std::size_t i = 1; i <= n; ++i) monitores.push_back(std::to_string(i));
    preencher(cbMonitor, std::move(monitores), lidos_.monitor, monitorLido_);
    preencher(cbLado, {kLadoDireita, kLadoEsquerda}, lidos_.lado, ladoLido_);
}

// --- Saving ---------------------------------------------------------------------------------------------

TConfigBarra TfrmConfig::Valores() const {
    // A setting the page does not offer keeps what was read.
    TConfigBarra c = lidos_;
    c.titulo = Texto(eTitulo);
    c.icone = slocalicon_;
    c.sobreOutros = Marcado(ckSobreOF);
    c.transparente = Marcado(ckUsarTransp);
    c.nivel = NivelNoIntervalo(Valor(spTransp));
    c.cor = corExemplo_;
    c.fonte = fonteExemplo_;
    c.salto = SaltoNoIntervalo(Valor(spSalto));
    c.editarTitulo = Marcado(ckEditarTit);
    c.autoOcultar = Marcado(ckAuto);
    c.abrirAoApontar = Marcado(ckAbrirAoApontar);
    c.alturaAutomatica = Marcado(ckIconHeightAuto);
    // An untouched key keeps its text as the file had it.
    const int tecla = Valor(hkTeclaAtalho);
    c.teclaAtalho = tecla == teclaLida_ ? lidos_.teclaAtalho : ShortCutToText(AtalhoDaTecla(tecla));
    const auto escolhido = [this](int lista) {
        return static_cast<int>(SendMessageW(Controle(lista), CB_GETCURSEL, 0, 0));
    };
    c.monitor = escolhido(cbMonitor) == monitorLido_ ? lidos_.monitor : Texto(cbMonitor);
    c.lado = escolhido(cbLado) == ladoLido_ ? lidos_.lado : Texto(cbLado);
    return c;
}

void TfrmConfig::bokClick() {
    if (!hwnd() || !NumerosValidos()) return;
    const TConfigBarra c = Valores();
    if (NqIni) {
        const TCopiaConfig antes = CopiarConfig(*NqIni);
        const TMenusEscolha menuAntes = barra_.AparenciaMenu();
        GravarConfig(*NqIni, c);
        if (aparenciaMenu_) barra_.AplicarAparenciaMenu(*aparenciaMenu_);
        try {
            NqIni->UpdateFile();
        } catch (const std::exception& e) {
            // Nothing was saved: the settings in memory are as before, and the window stays open with
            // what the user chose, to try again or cancel.
            RestaurarConfig(*NqIni, antes, lidos_);
            if (aparenciaMenu_) barra_.AplicarAparenciaMenu(menuAntes);
            MsgBoxErro(e.what());
            return;
        }
    }
    barra_.AplicarConfig(lidos_, c, icoTit_.get());
    Fechar(mrOk);
}

}  // namespace nq
