#include "ui/DialogoWin32.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "support/MessageFilterWin32.h"
#include "support/NqConst.h"
#include "support/NqFun.h"
#include "support/NqOutrosWin32.h"
#include "support/Win32Text.h"
#include "ui/DialogLayout.h"
#include "ui/DpiWin32.h"
#include "ui/ImagensWin32.h"

namespace nq {

namespace {

constexpr int kIdPrimeiro = 100;  // control i has the identifier kIdPrimeiro + i
constexpr const wchar_t* kClasseContainer = L"NqContainer";
constexpr const wchar_t* kPropIndice = L"NqIndice";  // a container's table index + 1
constexpr int kExtraCombo = 200;                     // room for a drop-down list, 96 dpi

bool EhBotao(TipoControle t) {
    return t == TipoControle::Botao || t == TipoControle::BotaoPlano || t == TipoControle::Caixa ||
           t == TipoControle::Opcao;
}

// The dialog that a window of it (a control, a container) belongs to.
TDialogo* DialogoDe(HWND w) {
    HWND raiz = GetAncestor(w, GA_ROOT);
    return raiz ? reinterpret_cast<TDialogo*>(GetWindowLongPtrW(raiz, DWLP_USER)) : nullptr;
}

// The in-memory template of an empty dialog: the dialog manager runs it, the table fills it.
std::vector<DWORD> ModeloVazio(const std::wstring& titulo, bool redimensionavel) {
    std::vector<WORD> w(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* t = reinterpret_cast<DLGTEMPLATE*>(w.data());
    t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_CLIPCHILDREN |
               (redimensionavel ? WS_THICKFRAME : 0);
    t->dwExtendedStyle = WS_EX_CONTROLPARENT;
    w.push_back(0);  // no menu
    w.push_back(0);  // the dialog class
    w.insert(w.end(), titulo.begin(), titulo.end());
    w.push_back(0);
    std::vector<DWORD> out((w.size() + 1) / 2, 0);
    std::copy(w.begin(), w.end(), reinterpret_cast<WORD*>(out.data()));
    return out;
}

}  // namespace

TDialogo::TDialogo(ProjetoDialogo projeto) : projeto_(std::move(projeto)) {}

TDialogo::~TDialogo() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
    if (filtro_) RemoveMessageFilter(filtro_);
    for (HIMAGELIST l : listas_) ImageList_Destroy(l);
}

int TDialogo::S(int px96) const {
    return Scale(px96, dpi_);
}

int TDialogo::ShowModal(HWND owner) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), kClasseContainer, &wc)) {
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ContainerProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClasseContainer;
        RegisterClassExW(&wc);
    }
    // Modal to the whole program: every other window of it waits, as the owner does (the system
    // disables the owner itself, and enables it again before the dialog goes, so that it gets the focus).
    owner_ = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    desligadas_.clear();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND w, LPARAM p) -> BOOL {
            auto* self = reinterpret_cast<TDialogo*>(p);
            if (IsWindowVisible(w) && IsWindowEnabled(w) && w != self->owner_) {
                self->desligadas_.push_back(w);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND w : desligadas_) EnableWindow(w, FALSE);
    resultado_ = 0;
    const std::vector<DWORD> modelo = ModeloVazio(Wide(projeto_.titulo), projeto_.redimensionavel);
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                              reinterpret_cast<const DLGTEMPLATE*>(modelo.data()), owner,
                                              DlgProc, reinterpret_cast<LPARAM>(this));
    ReligarJanelas();
    hwnd_ = nullptr;
    if (r == -1) resultado_ = 2;
    return resultado_;
}

void TDialogo::GuardarValores() {
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (!janelas_[i]) continue;
        ProjetoControle& c = projeto_.controles[i];
        switch (c.tipo) {
            case TipoControle::Edicao:
            case TipoControle::Combo:
                c.texto = Texto(c.nome);
                break;
            case TipoControle::Numero:
            case TipoControle::TeclaAtalho:
                c.texto = std::to_string(Valor(c.nome));
                break;
            case TipoControle::Caixa:
            case TipoControle::Opcao:
                c.flags = Marcado(c.nome) ? (c.flags | fMarcado) : (c.flags & ~fMarcado);
                break;
            default:
                break;
        }
    }
}

void TDialogo::ReligarJanelas() {
    for (HWND w : desligadas_)
        if (IsWindow(w)) EnableWindow(w, TRUE);
    desligadas_.clear();
}

void TDialogo::Fechar(int resultado) {
    if (!hwnd_) return;
    resultado_ = resultado;
    FormClose();
    if (!hwnd_) return;
    // The other windows come back before this one goes, so that the system gives the focus back to the
    // program and not to another one.
    ReligarJanelas();
    EndDialog(hwnd_, resultado);
}

// --- Finding controls ---------------------------------------------------------------------------------

int TDialogo::Indice(std::string_view nome) const {
    for (std::size_t i = 0; i < projeto_.controles.size(); ++i)
        if (projeto_.controles[i].nome == nome) return static_cast<int>(i);
    return -1;
}

ProjetoControle& TDialogo::Item(std::string_view nome) {
    const int i = Indice(nome);
    if (i < 0) throw std::out_of_range("controle desconhecido: " + std::string(nome));
    return projeto_.controles[static_cast<std::size_t>(i)];
}

HWND TDialogo::Controle(std::string_view nome) const {
    const int i = Indice(nome);
    return i >= 0 && static_cast<std::size_t>(i) < janelas_.size() ? janelas_[static_cast<std::size_t>(i)]
                                                                   : nullptr;
}

int TDialogo::IdDe(std::string_view nome) const {
    const int i = Indice(nome);
    return i < 0 ? 0 : kIdPrimeiro + i;
}

std::string TDialogo::NomeDe(HWND controle) const {
    for (std::size_t i = 0; i < janelas_.size(); ++i)
        if (janelas_[i] && janelas_[i] == controle) return projeto_.controles[i].nome;
    return {};
}

// --- Reading and changing controls -----------------------------------------------------------------

void TDialogo::SetCaption(const std::string& titulo) {
    projeto_.titulo = titulo;
    if (hwnd_) SetWindowTextW(hwnd_, Wide(titulo).c_str());
}

std::string TDialogo::Texto(std::string_view nome) const {
    const int i = Indice(nome);
    if (i < 0) return {};
    HWND w = Controle(nome);
    if (!w) return projeto_.controles[static_cast<std::size_t>(i)].texto;
    const int n = GetWindowTextLengthW(w);
    std::wstring t(static_cast<std::size_t>(n) + 1, L'\0');
    t.resize(static_cast<std::size_t>(GetWindowTextW(w, t.data(), n + 1)));
    return Narrow(t);
}

void TDialogo::SetTexto(std::string_view nome, const std::string& texto) {
    const int i = Indice(nome);
    if (i < 0) return;
    projeto_.controles[static_cast<std::size_t>(i)].texto = texto;
    if (HWND w = Controle(nome)) {
        SetWindowTextW(w, Wide(texto).c_str());
        InvalidateRect(w, nullptr, TRUE);
    }
}

bool TDialogo::Marcado(std::string_view nome) const {
    HWND w = Controle(nome);
    if (!w) {
        const int i = Indice(nome);
        return i >= 0 && (projeto_.controles[static_cast<std::size_t>(i)].flags & fMarcado);
    }
    return SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TDialogo::Marcar(std::string_view nome, bool marcado) {
    const int i = Indice(nome);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = marcado ? (c.flags | fMarcado) : (c.flags & ~fMarcado);
    HWND w = Controle(nome);
    if (!w) return;
    if (c.tipo == TipoControle::Opcao && marcado) {
        // The others of its group go off, as a click would make them.
        for (std::size_t j = 0; j < projeto_.controles.size(); ++j) {
            if (j == static_cast<std::size_t>(i) || projeto_.controles[j].tipo != TipoControle::Opcao)
                continue;
            if (containers_[j] != containers_[static_cast<std::size_t>(i)]) continue;
            // Same group: no group start between the two.
            const std::size_t a = std::min(j, static_cast<std::size_t>(i)),
                              b = std::max(j, static_cast<std::size_t>(i));
            bool mesmo = true;
            for (std::size_t k = a + 1; k <= b; ++k)
                if (projeto_.controles[k].tipo == TipoControle::Opcao &&
                    (projeto_.controles[k].flags & fGrupo) &&
                    containers_[k] == containers_[static_cast<std::size_t>(i)])
                    mesmo = false;
            if (mesmo && janelas_[j]) SendMessageW(janelas_[j], BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(w, BM_SETCHECK, marcado ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TDialogo::Mostrar(std::string_view nome, bool visivel) {
    const int i = Indice(nome);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = visivel ? (c.flags & ~fOculto) : (c.flags | fOculto);
    if (HWND w = Controle(nome)) {
        ShowWindow(w, visivel ? SW_SHOWNA : SW_HIDE);
        if (static_cast<std::size_t>(i) < setas_.size() && setas_[static_cast<std::size_t>(i)])
            ShowWindow(setas_[static_cast<std::size_t>(i)], visivel ? SW_SHOWNA : SW_HIDE);
    } else {
        Invalidar();
    }
}

void TDialogo::Habilitar(std::string_view nome, bool habilitado) {
    const int i = Indice(nome);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = habilitado ? (c.flags & ~fDesligado) : (c.flags | fDesligado);
    if (HWND w = Controle(nome)) {
        EnableWindow(w, habilitado);
        if (static_cast<std::size_t>(i) < setas_.size() && setas_[static_cast<std::size_t>(i)])
            EnableWindow(setas_[static_cast<std::size_t>(i)], habilitado);
    } else {
        Invalidar();
    }
}

void TDialogo::LigaDes(std::string_view nome, bool ligado) {
    const int i = Indice(nome);
    if (i < 0) return;
    for (std::size_t j : ItensDentro(projeto_, static_cast<std::size_t>(i))) {
        ProjetoControle& c = projeto_.controles[j];
        Habilitar(c.nome, ligado);
        if (c.tipo != TipoControle::Rotulo && LigaDesMudaCor(ClasseToolkit(c)))
            c.cor = ligado ? clWindow : clCorDesligado;
        if (j < janelas_.size() && janelas_[j]) InvalidateRect(janelas_[j], nullptr, TRUE);
    }
    Invalidar();
}

void TDialogo::Foco(std::string_view nome) {
    HWND w = Controle(nome);
    if (!w || !hwnd_) return;
    // Through the dialog manager, which also keeps the default button and an edit's selection right.
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(w), TRUE);
}

int TDialogo::Valor(std::string_view nome) const {
    const int i = Indice(nome);
    if (i < 0) return 0;
    const std::size_t k = static_cast<std::size_t>(i);
    if (k < setas_.size() && setas_[k]) return static_cast<int>(SendMessageW(setas_[k], UDM_GETPOS32, 0, 0));
    const ProjetoControle& c = projeto_.controles[k];
    if (c.tipo == TipoControle::TeclaAtalho && k < janelas_.size() && janelas_[k])
        return static_cast<int>(SendMessageW(janelas_[k], HKM_GETHOTKEY, 0, 0) & 0xFFFF);
    return c.texto.empty() ? c.limite : std::atoi(c.texto.c_str());
}

void TDialogo::SetValor(std::string_view nome, int valor) {
    const int i = Indice(nome);
    if (i < 0) return;
    const std::size_t k = static_cast<std::size_t>(i);
    ProjetoControle& c = projeto_.controles[k];
    if (c.tipo == TipoControle::TeclaAtalho) {
        // A hot-key box's value is its key in the low byte and its HOTKEYF_ modifiers in the high one.
        c.texto = std::to_string(valor & 0xFFFF);
        if (k < janelas_.size() && janelas_[k]) SendMessageW(janelas_[k], HKM_SETHOTKEY, valor & 0xFFFF, 0);
        return;
    }
    valor = std::clamp(valor, c.limite, std::max(c.limite, c.maximo));
    c.texto = std::to_string(valor);
    if (k < setas_.size() && setas_[k]) SendMessageW(setas_[k], UDM_SETPOS32, 0, valor);
}

int TDialogo::PaginaAtiva(std::string_view abas) const {
    HWND w = Controle(abas);
    return w ? static_cast<int>(SendMessageW(w, TCM_GETCURSEL, 0, 0)) : -1;
}

void TDialogo::SetPagina(std::string_view abas, int pagina) {
    const int i = Indice(abas);
    HWND w = Controle(abas);
    if (!w || i < 0) return;
    SendMessageW(w, TCM_SETCURSEL, static_cast<WPARAM>(pagina), 0);
    TrocarPagina(static_cast<std::size_t>(i));
}

void TDialogo::SetPadrao(std::string_view nome) {
    if (!hwnd_) return;
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (projeto_.controles[i].tipo != TipoControle::Botao || !janelas_[i]) continue;
        const bool padrao = projeto_.controles[i].nome == nome;
        projeto_.controles[i].flags =
            padrao ? (projeto_.controles[i].flags | fPadrao) : (projeto_.controles[i].flags & ~fPadrao);
        SendMessageW(janelas_[i], BM_SETSTYLE, padrao ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    const int id = IdDe(nome);
    if (id && Controle(nome))
        SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    else
        SendMessageW(hwnd_, DM_SETDEFID, 0, 0);  // Enter presses only the button that has the focus
}

void TDialogo::SetImagem(std::string_view nome, IconHandle icone) {
    const int i = Indice(nome);
    if (i < 0) return;
    if (icone)
        imagens_[static_cast<std::size_t>(i)] = std::move(icone);
    else
        imagens_.erase(static_cast<std::size_t>(i));
    if (!hwnd_ || static_cast<std::size_t>(i) >= rects_.size()) return;
    const Rect& r = rects_[static_cast<std::size_t>(i)];
    const int c = containers_[static_cast<std::size_t>(i)];
    HWND onde = c == kSemPai ? hwnd_ : janelas_[static_cast<std::size_t>(c)];
    RECT rc{r.left, r.top, r.right(), r.bottom()};
    if (onde) InvalidateRect(onde, &rc, FALSE);
}

void TDialogo::ErroNaoTratado(const std::exception& e) {
    // The text as it is: the program's own messages carry no "|" for this way.
    MessageBoxW(hwnd_, Wide(e.what()).c_str(), Wide(ApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
}

// --- Fonts, colours and pictures ------------------------------------------------------------------------

ProjetoFonte TDialogo::FonteEfetiva(std::size_t i) const {
    ProjetoFonte f = projeto_.controles[i].fonte;
    // What the control leaves open comes from its container, and at the top from the dialog.
    for (int c = containers_.empty() ? kSemPai : containers_[i];;
         c = containers_[static_cast<std::size_t>(c)]) {
        const ProjetoFonte& de =
            c == kSemPai ? projeto_.fonte : projeto_.controles[static_cast<std::size_t>(c)].fonte;
        if (f.nome.empty()) f.nome = de.nome;
        if (f.pontos == 0 && f.pixels == 0) {
            f.pontos = de.pontos;
            f.pixels = de.pixels;
            f.icone = f.icone || de.icone;
        }
        if (c == kSemPai) break;
    }
    if (f.pontos == 0 && f.pixels == 0) f.pontos = 8;
    return f;
}

HFONT TDialogo::Fonte(const ProjetoFonte& f) {
    const std::string chave = f.nome + "|" + std::to_string(f.pontos) + "|" + std::to_string(f.pixels) + "|" +
                              std::to_string(f.negrito) + std::to_string(f.italico) +
                              std::to_string(f.sublinhado) + std::to_string(f.icone) +
                              std::to_string(f.riscado);
    auto it = fontes_.find(chave);
    if (it != fontes_.end()) return it->second.get();
    LOGFONTW lf{};
    if (f.icone) SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0);
    lf.lfHeight = f.pixels > 0 ? -S(f.pixels) : -MulDiv(f.pontos, dpi_, 72);
    lf.lfWidth = 0;
    lf.lfWeight = f.negrito ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.italico;
    lf.lfUnderline = f.sublinhado;
    lf.lfStrikeOut = f.riscado;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    if (!f.icone || !lf.lfFaceName[0]) lstrcpynW(lf.lfFaceName, Wide(f.nome).c_str(), LF_FACESIZE);
    FontHandle h(CreateFontIndirectW(&lf));
    HFONT out = h.get();
    if (out) fontes_.emplace(chave, std::move(h));
    return out ? out : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT TDialogo::FonteDe(std::string_view nome) {
    const int i = Indice(nome);
    return i < 0 ? Fonte(projeto_.fonte) : Fonte(FonteEfetiva(static_cast<std::size_t>(i)));
}

HBRUSH TDialogo::Pincel(TColor cor) {
    auto it = pinceis_.find(cor);
    if (it != pinceis_.end()) return it->second.get();
    BrushHandle b(CreateSolidBrush(ToColorRef(cor)));
    HBRUSH out = b.get();
    if (out) pinceis_.emplace(cor, std::move(b));
    return out ? out : GetSysColorBrush(COLOR_BTNFACE);
}

TColor TDialogo::CorAtras(std::size_t i) const {
    const ProjetoControle& c = projeto_.controles[i];
    if (c.cor != clNenhuma && !(c.flags & fTransparente) && c.tipo != TipoControle::Edicao) return c.cor;
    // The last band of the same window under the control's middle shows through.
    if (i < rects_.size()) {
        const Rect& r = rects_[i];
        const int mx = r.left + r.width / 2, my = r.top + r.height / 2;
        for (std::size_t j = projeto_.controles.size(); j-- > 0;) {
            const ProjetoControle& f = projeto_.controles[j];
            if (j == i || f.tipo != TipoControle::Faixa || (f.flags & fOculto) ||
                containers_[j] != containers_[i])
                continue;
            const Rect& fr = rects_[j];
            if (mx >= fr.left && mx < fr.right() && my >= fr.top && my < fr.bottom()) return f.cor;
        }
    }
    for (int k = containers_[i]; k != kSemPai; k = containers_[static_cast<std::size_t>(k)]) {
        const TColor cor = projeto_.controles[static_cast<std::size_t>(k)].cor;
        if (cor != clNenhuma) return cor;
    }
    return clBtnFace;
}

HICON TDialogo::Icone(std::size_t i, int tamanho) {
    const auto chave = std::make_pair(i, tamanho);
    auto it = icones_.find(chave);
    if (it != icones_.end()) return it->second.get();
    IconHandle h = IconeRecurso(projeto_.controles[i].imagem, tamanho & 0xFFFF);
    if (h && (tamanho & 0x10000)) h = IconeCinza(h.get());
    HICON out = h.get();
    icones_.emplace(chave, std::move(h));
    return out;
}

void TDialogo::ImagemDoBotao(std::size_t i) {
    HWND w = janelas_[i];
    if (!w || !projeto_.controles[i].imagem) return;
    const int tamanho = S(16);
    HICON normal = Icone(i, tamanho);
    HICON cinza = Icone(i, tamanho | 0x10000);
    if (!normal) return;
    HIMAGELIST lista = ImageList_Create(tamanho, tamanho, ILC_COLOR32, 6, 0);
    if (!lista) return;
    // One picture per state (normal, hot, pressed, disabled, default, stylus hot): grey when disabled.
    for (int estado = 0; estado < 6; ++estado)
        ImageList_AddIcon(lista, estado == 3 && cinza ? cinza : normal);
    BUTTON_IMAGELIST bil{};
    bil.himl = lista;
    bil.margin = RECT{S(2), 0, 0, 0};
    bil.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    if (SendMessageW(w, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&bil)))
        listas_.push_back(lista);
    else
        ImageList_Destroy(lista);
}

// --- Creation -------------------------------------------------------------------------------------------

HWND TDialogo::CriarControle(std::size_t i, HWND pai) {
    const ProjetoControle& c = projeto_.controles[i];
    const wchar_t* classe = L"STATIC";
    std::wstring classeOutra;
    DWORD style = WS_CHILD | WS_GROUP;
    DWORD ex = 0;
    switch (c.tipo) {
        case TipoControle::Rotulo:
            style |= SS_OWNERDRAW | SS_NOTIFY;
            break;
        case TipoControle::Edicao:
        case TipoControle::Numero:
            classe = WC_EDITW;
            style |= WS_TABSTOP | ES_AUTOHSCROLL;
            if (c.flags & fSomenteLeitura) style |= ES_READONLY;
            if (c.flags & fNumeros || c.tipo == TipoControle::Numero) style |= ES_NUMBER;
            ex |= WS_EX_CLIENTEDGE;
            break;
        case TipoControle::Botao:
            classe = WC_BUTTONW;
            style |= WS_TABSTOP | ((c.flags & fPadrao) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
            break;
        case TipoControle::BotaoPlano:
            classe = WC_BUTTONW;
            style |= BS_OWNERDRAW;
            break;
        case TipoControle::Caixa:
            classe = WC_BUTTONW;
            style |= WS_TABSTOP | BS_AUTOCHECKBOX;
            break;
        case TipoControle::Opcao:
            classe = WC_BUTTONW;
            style =
                (style & ~WS_GROUP) | WS_TABSTOP | BS_AUTORADIOBUTTON | ((c.flags & fGrupo) ? WS_GROUP : 0);
            break;
        case TipoControle::Lista:
            classe = WC_LISTBOXW;
            style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            if (c.flags & fDonoDesenha) style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
            ex |= WS_EX_CLIENTEDGE;
            break;
        case TipoControle::Combo:
            classe = WC_COMBOBOXW;
            style |= WS_TABSTOP | WS_VSCROLL | CBS_HASSTRINGS |
                     ((c.flags & fEditavel) ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
            break;
        case TipoControle::Abas:
            classe = WC_TABCONTROLW;
            style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (c.larguraItem > 0 ? TCS_FIXEDWIDTH : 0);
            ex |= WS_EX_CONTROLPARENT;
            break;
        case TipoControle::Pagina:
        case TipoControle::Painel:
            classe = kClasseContainer;
            style |= WS_CLIPCHILDREN;
            ex |= WS_EX_CONTROLPARENT;
            break;
        case TipoControle::TeclaAtalho:
            classe = HOTKEY_CLASSW;
            style |= WS_TABSTOP;
            break;
        case TipoControle::Classe:
            classeOutra = Wide(c.classe);
            classe = classeOutra.c_str();
            style |= WS_TABSTOP;
            break;
        default:
            return nullptr;
    }
    if (c.flags & fSemTab) style &= ~WS_TABSTOP;
    if (c.flags & fDesligado) style |= WS_DISABLED;
    if (!(c.flags & fOculto) && c.tipo != TipoControle::Pagina) style |= WS_VISIBLE;
    const bool valor = c.tipo == TipoControle::Numero || c.tipo == TipoControle::TeclaAtalho;
    const std::wstring texto = valor ? L"" : Wide(c.texto);
    HWND w = CreateWindowExW(ex, classe, texto.c_str(), style, 0, 0, 0, 0, pai,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdPrimeiro + i)),
                             GetModuleHandleW(nullptr), nullptr);
    if (!w) return nullptr;
    janelas_[i] = w;
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(Fonte(FonteEfetiva(i))), FALSE);
    switch (c.tipo) {
        case TipoControle::Edicao:
            if (c.limite > 0) SendMessageW(w, EM_LIMITTEXT, static_cast<WPARAM>(c.limite), 0);
            break;
        case TipoControle::Numero: {
            HWND seta = CreateWindowExW(
                0, UPDOWN_CLASSW, nullptr,
                WS_CHILD | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_HOTTRACK |
                    ((c.flags & fOculto) ? 0 : WS_VISIBLE) | ((c.flags & fDesligado) ? WS_DISABLED : 0),
                0, 0, 0, 0, pai, nullptr, GetModuleHandleW(nullptr), nullptr);
            setas_[i] = seta;
            if (seta) {
                SendMessageW(seta, UDM_SETBUDDY, reinterpret_cast<WPARAM>(w), 0);
                SendMessageW(seta, UDM_SETRANGE32, static_cast<WPARAM>(c.limite), c.maximo);
                UDACCEL passo{0, static_cast<UINT>(std::max(1, c.passo))};
                SendMessageW(seta, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&passo));
                SendMessageW(seta, UDM_SETPOS32, 0, c.texto.empty() ? c.limite : std::atoi(c.texto.c_str()));
            }
            break;
        }
        case TipoControle::Caixa:
        case TipoControle::Opcao:
            if (c.flags & fMarcado) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case TipoControle::TeclaAtalho:
            SendMessageW(w, HKM_SETHOTKEY, static_cast<WPARAM>(std::atoi(c.texto.c_str()) & 0xFFFF), 0);
            break;
        case TipoControle::Botao:
            ImagemDoBotao(i);
            break;
        case TipoControle::BotaoPlano:
            SetWindowSubclass(w, BotaoPlanoProc, 1, reinterpret_cast<DWORD_PTR>(this));
            break;
        case TipoControle::Pagina:
        case TipoControle::Painel:
            SetPropW(w, kPropIndice, reinterpret_cast<HANDLE>(i + 1));
            break;
        default:
            break;
    }
    return w;
}

void TDialogo::CriarControles() {
    containers_ = Containers(projeto_);
    janelas_.assign(projeto_.controles.size(), nullptr);
    setas_.assign(projeto_.controles.size(), nullptr);
    for (std::size_t i : OrdemCriacao(projeto_)) {
        const int c = containers_[i];
        HWND pai = c == kSemPai ? hwnd_ : janelas_[static_cast<std::size_t>(c)];
        if (pai) CriarControle(i, pai);
    }
    // The tabs of every tab control: its pages' captions, in table order; the first page shows.
    for (std::size_t a = 0; a < projeto_.controles.size(); ++a) {
        if (projeto_.controles[a].tipo != TipoControle::Abas || !janelas_[a]) continue;
        int n = 0;
        for (std::size_t p = 0; p < projeto_.controles.size(); ++p) {
            if (containers_[p] != static_cast<int>(a) || projeto_.controles[p].tipo != TipoControle::Pagina)
                continue;
            std::wstring t = Wide(projeto_.controles[p].texto);
            TCITEMW item{};
            item.mask = TCIF_TEXT | TCIF_PARAM;
            item.pszText = t.data();
            item.lParam = static_cast<LPARAM>(p);
            SendMessageW(janelas_[a], TCM_INSERTITEMW, static_cast<WPARAM>(n++),
                         reinterpret_cast<LPARAM>(&item));
        }
        SendMessageW(janelas_[a], TCM_SETCURSEL, 0, 0);
        TrocarPagina(a);
    }
    for (std::size_t i = 0; i < projeto_.controles.size(); ++i)
        if (projeto_.controles[i].tipo == TipoControle::Botao && (projeto_.controles[i].flags & fPadrao) &&
            janelas_[i])
            SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(kIdPrimeiro + i), 0);
}

void TDialogo::CriarDicas() {
    for (std::size_t i = 0; i < projeto_.controles.size(); ++i)
        if (!projeto_.controles[i].dica.empty()) AdicionarDica(i);
}

void TDialogo::AdicionarDica(std::size_t i) {
    if (!projeto_.dicas || i >= janelas_.size() || !janelas_[i]) return;
    if (!dicas_) {
        dicas_ = CreateWindowExW(
            WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!dicas_) return;
    }
    std::wstring texto = Wide(projeto_.controles[i].dica);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(janelas_[i]);
    SendMessageW(dicas_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    if (texto.empty()) return;
    ti.lpszText = texto.data();
    SendMessageW(dicas_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TDialogo::SetDica(std::string_view nome, const std::string& dica) {
    const int i = Indice(nome);
    if (i < 0) return;
    projeto_.controles[static_cast<std::size_t>(i)].dica = dica;
    AdicionarDica(static_cast<std::size_t>(i));
}

void TDialogo::AjustarTamanho(int clientW, int clientH) {
    // The frame's size as the system draws it, whatever the density the dialog is laid out for.
    RECT janela{}, cliente{};
    GetWindowRect(hwnd_, &janela);
    GetClientRect(hwnd_, &cliente);
    const int molduraW = (janela.right - janela.left) - cliente.right;
    const int molduraH = (janela.bottom - janela.top) - cliente.bottom;
    SetWindowPos(hwnd_, nullptr, 0, 0, clientW + molduraW, clientH + molduraH,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TDialogo::Iniciar() {
    dpi_ = DpiDaJanela(hwnd_);
    // A dialog shown again may be on another monitor: fonts and pictures are made anew for it.
    fontes_.clear();
    icones_.clear();
    for (HIMAGELIST l : listas_) ImageList_Destroy(l);
    listas_.clear();
    SetWindowTextW(hwnd_, Wide(projeto_.titulo).c_str());
    // A first size, so that the frame can be measured with a client area to compare.
    SetWindowPos(hwnd_, nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CriarControles();
    CriarDicas();
    AjustarTamanho(S(projeto_.largura), S(projeto_.altura));
    Relayout();
    filtro_ = AddMessageFilter([this](MSG& m) { return PreVisualizar(m); });
    FormCreate();
    Posicionar();
    FormShow();
}

void TDialogo::Posicionar() {
    HWND perto = GetWindow(hwnd_, GW_OWNER);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(perto ? perto : hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
    CentrarEm(mi.rcMonitor);
}

void TDialogo::CentrarEm(const RECT& area) {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    SetWindowPos(hwnd_, nullptr, area.left + ((area.right - area.left) - w) / 2,
                 area.top + ((area.bottom - area.top) - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TDialogo::Redimensionar(int largura96, int altura96) {
    projeto_.largura = largura96;
    projeto_.altura = altura96;
    if (!hwnd_) return;
    AjustarTamanho(S(largura96), S(altura96));
    Relayout();
}

void TDialogo::Relayout() {
    if (!hwnd_ || janelas_.empty()) return;
    RECT cliente{};
    GetClientRect(hwnd_, &cliente);
    rects_ = PosicionarControles(projeto_, dpi_, cliente.right, cliente.bottom);
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (!janelas_[i]) continue;
        const Rect& r = rects_[i];
        const int extra = projeto_.controles[i].tipo == TipoControle::Combo ? S(kExtraCombo) : 0;
        SetWindowPos(janelas_[i], nullptr, r.left, r.top, r.width, r.height + extra,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (projeto_.controles[i].tipo == TipoControle::Abas) {
            const ProjetoControle& a = projeto_.controles[i];
            SendMessageW(janelas_[i], TCM_SETITEMSIZE, 0,
                         MAKELPARAM(a.larguraItem > 0 ? S(a.larguraItem) : 0,
                                    S(a.alturaItem > 0 ? a.alturaItem : 21)));
        }
        // The arrows take their place inside the box again.
        if (setas_[i]) SendMessageW(setas_[i], UDM_SETBUDDY, reinterpret_cast<WPARAM>(janelas_[i]), 0);
    }
    Invalidar();
}

void TDialogo::Invalidar() {
    if (!hwnd_) return;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TDialogo::AplicarDpi(int dpi) {
    if (dpi == dpi_ || dpi <= 0) return;
    RECT cliente{};
    GetClientRect(hwnd_, &cliente);
    const int w = MulDiv(cliente.right, dpi, dpi_), h = MulDiv(cliente.bottom, dpi, dpi_);
    dpi_ = dpi;
    fontes_.clear();
    icones_.clear();
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (!janelas_[i]) continue;
        SendMessageW(janelas_[i], WM_SETFONT, reinterpret_cast<WPARAM>(Fonte(FonteEfetiva(i))), TRUE);
        if (projeto_.controles[i].tipo == TipoControle::Botao) ImagemDoBotao(i);
    }
    AjustarTamanho(w, h);
    Relayout();
}

void TDialogo::TrocarPagina(std::size_t abas) {
    const int atual = static_cast<int>(SendMessageW(janelas_[abas], TCM_GETCURSEL, 0, 0));
    int n = 0;
    for (std::size_t p = 0; p < projeto_.controles.size(); ++p) {
        if (containers_[p] != static_cast<int>(abas) || projeto_.controles[p].tipo != TipoControle::Pagina)
            continue;
        if (janelas_[p]) ShowWindow(janelas_[p], n == atual ? SW_SHOWNA : SW_HIDE);
        ++n;
    }
}

void TDialogo::LimitarNumero(std::size_t i) {
    if (!setas_[i]) return;
    BOOL erro = FALSE;
    const int v = static_cast<int>(SendMessageW(setas_[i], UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&erro)));
    // Out of range or not a number: the box shows the nearest value it allows.
    SendMessageW(setas_[i], UDM_SETPOS32, 0, v);
}

// --- Painting ---------------------------------------------------------------------------------------------

void TDialogo::Pintar(HDC dc, int container, const RECT& area) {
    HBRUSH fundo = Pincel(container == kSemPai
                              ? clBtnFace
                              : (projeto_.controles[static_cast<std::size_t>(container)].cor != clNenhuma
                                     ? projeto_.controles[static_cast<std::size_t>(container)].cor
                                     : CorAtras(static_cast<std::size_t>(container))));
    FillRect(dc, &area, fundo);
    for (std::size_t i = 0; i < projeto_.controles.size() && i < rects_.size(); ++i) {
        const ProjetoControle& c = projeto_.controles[i];
        if (containers_[i] != container || !EhSemJanela(c.tipo) || (c.flags & fOculto)) continue;
        const Rect& r = rects_[i];
        switch (c.tipo) {
            case TipoControle::Faixa: {
                RECT rc{r.left, r.top, r.right(), r.bottom()};
                FillRect(dc, &rc, Pincel(c.cor == clNenhuma ? clWhite : c.cor));
                if (c.corBorda != clNenhuma) FrameRect(dc, &rc, Pincel(c.corBorda));
                break;
            }
            case TipoControle::Linha: {
                TNqBevel b;
                b.Shape = c.forma;
                b.Left = r.left;
                b.Top = r.top;
                b.Width = r.width;
                b.Height = r.height;
                b.Raised = (c.flags & fElevada) != 0;
                b.Paint(dc);
                break;
            }
            case TipoControle::Grupo: {
                // An etched frame from the middle of the caption's line down, the caption on it.
                ScopedSelectObject fonte(dc, Fonte(FonteEfetiva(i)));
                const std::wstring texto = Wide(c.texto);
                TEXTMETRICW tm{};
                GetTextMetricsW(dc, &tm);
                RECT moldura{r.left, r.top + tm.tmHeight / 2, r.right(), r.bottom()};
                DrawEdge(dc, &moldura, EDGE_ETCHED, BF_RECT);
                if (!texto.empty()) {
                    RECT tr{r.left + S(8), r.top, r.right() - S(8), r.top + tm.tmHeight};
                    RECT calc = tr;
                    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &calc, DT_SINGLELINE | DT_CALCRECT);
                    RECT fundo{tr.left, tr.top, std::min<LONG>(calc.right + S(2), tr.right), tr.bottom};
                    FillRect(dc, &fundo, Pincel(CorAtras(i)));
                    SetBkMode(dc, TRANSPARENT);
                    const bool ligado = !(c.flags & fDesligado);
                    SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
                    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &tr, DT_SINGLELINE | DT_END_ELLIPSIS);
                }
                break;
            }
            case TipoControle::Imagem: {
                const int tamanho = std::min(r.width, r.height);
                auto proprio = imagens_.find(i);
                if (HICON ic = proprio != imagens_.end() ? proprio->second.get() : Icone(i, tamanho))
                    DrawIconEx(dc, r.left + (r.width - tamanho) / 2, r.top + (r.height - tamanho) / 2, ic,
                               tamanho, tamanho, 0, nullptr, DI_NORMAL);
                break;
            }
            default:
                break;
        }
    }
    PintarExtra(dc, container);
}

void TDialogo::DesenharRotulo(std::size_t i, DRAWITEMSTRUCT* dis) {
    const ProjetoControle& c = projeto_.controles[i];
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    FillRect(dc, &r, Pincel(CorAtras(i)));
    const std::wstring texto = Wide(Texto(c.nome));
    const ProjetoFonte f = FonteEfetiva(i);
    ScopedSelectObject sel(dc, Fonte(f));
    SetBkMode(dc, TRANSPARENT);
    const bool ligado = IsWindowEnabled(dis->hwndItem);
    SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
    UINT flags = DT_EDITCONTROL | ((c.flags & fSemQuebra) ? DT_SINGLELINE : DT_WORDBREAK);
    if (c.flags & fSemPrefixo) flags |= DT_NOPREFIX;
    if (c.flags & fCentro) flags |= DT_CENTER;
    if (c.flags & fDireita) flags |= DT_RIGHT;
    if (c.flags & fCentroV) {
        RECT calc = r;
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &calc, flags | DT_CALCRECT);
        const int h = calc.bottom - calc.top;
        if (h < r.bottom - r.top) r.top += ((r.bottom - r.top) - h) / 2;
    }
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &r, flags);
}

void TDialogo::DesenharBotaoPlano(std::size_t i, DRAWITEMSTRUCT* dis) {
    const ProjetoControle& c = projeto_.controles[i];
    HDC dc = dis->hDC;
    RECT r = dis->rcItem;
    FillRect(dc, &r, Pincel(CorAtras(i)));
    const bool ligado = !(dis->itemState & ODS_DISABLED);
    const bool apertado = apertado_ == static_cast<int>(i) && quente_ == static_cast<int>(i);
    if (ligado && apertado)
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    else if (ligado && quente_ == static_cast<int>(i))
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    const int tamanho = S(16);
    const std::wstring texto = Wide(c.texto);
    int x = r.left + (r.right - r.left - tamanho) / 2;
    if (!texto.empty()) {
        // Picture and caption side by side, centred together.
        ScopedSelectObject sel(dc, Fonte(FonteEfetiva(i)));
        SIZE ts{};
        GetTextExtentPoint32W(dc, texto.c_str(), static_cast<int>(texto.size()), &ts);
        const int total = (c.imagem ? tamanho + S(4) : 0) + ts.cx;
        x = r.left + (r.right - r.left - total) / 2;
        RECT tr{x + (c.imagem ? tamanho + S(4) : 0), r.top, r.right, r.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ligado ? ToColorRef(c.fonte.cor) : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &tr,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    const int d = apertado ? 1 : 0;
    if (HICON ic = c.imagem ? Icone(i, ligado ? tamanho : (tamanho | 0x10000)) : nullptr)
        DrawIconEx(dc, x + d, r.top + (r.bottom - r.top - tamanho) / 2 + d, ic, tamanho, tamanho, 0, nullptr,
                   DI_NORMAL);
}

// --- Keys
// ---------------------------------------------------------------------------------------------------

bool TDialogo::PreVisualizar(MSG& msg) {
    if (!hwnd_ || !(msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) return false;
    try {
        return PreVisualizarTecla(msg);
    } catch (const std::exception& e) {
        ErroNaoTratado(e);
        return true;
    }
}

bool TDialogo::PreVisualizarTecla(MSG& msg) {
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0) {
            // Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the first tab control.
            for (std::size_t a = 0; a < janelas_.size(); ++a) {
                if (projeto_.controles[a].tipo != TipoControle::Abas || !janelas_[a]) continue;
                const int n = static_cast<int>(SendMessageW(janelas_[a], TCM_GETITEMCOUNT, 0, 0));
                if (n <= 0) break;
                const int atual = static_cast<int>(SendMessageW(janelas_[a], TCM_GETCURSEL, 0, 0));
                const int nova = (atual + (GetKeyState(VK_SHIFT) < 0 ? n - 1 : 1)) % n;
                SendMessageW(janelas_[a], TCM_SETCURSEL, static_cast<WPARAM>(nova), 0);
                TrocarPagina(a);
                NMHDR nm{janelas_[a], static_cast<UINT_PTR>(kIdPrimeiro + a),
                         static_cast<UINT>(TCN_SELCHANGE)};
                Notificar(projeto_.controles[a].nome, &nm);
                return true;
            }
        }
        // Shift+Esc in programming mode belongs to the program, which ends at once; otherwise it is no
        // key of the dialog's (Esc alone cancels).
        if (msg.wParam == VK_ESCAPE && GetKeyState(VK_SHIFT) < 0) return !inProgrammingMode;
        return FormKeyDown(msg.wParam);
    }
    if (msg.message == WM_CHAR) return FormKeyPress(static_cast<wchar_t>(msg.wParam));
    return false;
}

// --- Messages
// -----------------------------------------------------------------------------------------------

void TDialogo::ComandoDe(HWND controle, int codigo) {
    const std::string nome = NomeDe(controle);
    const int i = Indice(nome);
    if (i < 0) return;
    const ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    if (EhBotao(c.tipo) && codigo == BN_CLICKED) {
        const int resultado = c.resultado;
        Click(nome);
        if (resultado && hwnd_) Fechar(resultado);
        return;
    }
    if (c.tipo == TipoControle::Rotulo && codigo == STN_CLICKED) {
        Click(nome);
        return;
    }
    if (c.tipo == TipoControle::Numero && codigo == EN_KILLFOCUS) LimitarNumero(static_cast<std::size_t>(i));
    Comando(nome, codigo);
}

INT_PTR TDialogo::Tratar(UINT msg, WPARAM wp, LPARAM lp) {
    bool tratada = false;
    const INT_PTR r = Mensagem(msg, wp, lp, tratada);
    if (tratada) return r;
    switch (msg) {
        case WM_INITDIALOG:
            Iniciar();
            // A first focus set by FormShow stays; otherwise the dialog manager picks the first control.
            return GetFocus() && IsChild(hwnd_, GetFocus()) ? FALSE : TRUE;
        case WM_COMMAND: {
            HWND controle = reinterpret_cast<HWND>(lp);
            const int id = LOWORD(wp);
            if (!controle && id >= kIdPrimeiro &&
                static_cast<std::size_t>(id - kIdPrimeiro) < janelas_.size())
                controle = janelas_[static_cast<std::size_t>(
                    id - kIdPrimeiro)];  // the default button, through Enter
            if (controle) {
                ComandoDe(controle, HIWORD(wp));
                return TRUE;
            }
            if (id == IDCANCEL) {
                // Esc: the button that answers it, as if clicked; without one the dialog is cancelled.
                for (std::size_t i = 0; i < janelas_.size(); ++i) {
                    const ProjetoControle& c = projeto_.controles[i];
                    if ((c.flags & fCancelar) && janelas_[i] && IsWindowVisible(janelas_[i]) &&
                        IsWindowEnabled(janelas_[i])) {
                        ComandoDe(janelas_[i], BN_CLICKED);
                        if (hwnd_ && c.resultado == 0) Fechar(2);
                        return TRUE;
                    }
                }
                Fechar(2);
            }
            return TRUE;
        }
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lp);
            const std::string nome = NomeDe(nm->hwndFrom);
            const int i = Indice(nome);
            if (i >= 0 && projeto_.controles[static_cast<std::size_t>(i)].tipo == TipoControle::Abas &&
                nm->code == static_cast<UINT>(TCN_SELCHANGE))
                TrocarPagina(static_cast<std::size_t>(i));
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, Notificar(nome, nm));
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            const std::string nome = NomeDe(dis->hwndItem);
            const int i = Indice(nome);
            if (i < 0) return FALSE;
            const TipoControle t = projeto_.controles[static_cast<std::size_t>(i)].tipo;
            if (t == TipoControle::Rotulo) {
                if (!DesenharItem(nome, dis)) DesenharRotulo(static_cast<std::size_t>(i), dis);
            } else if (t == TipoControle::BotaoPlano)
                DesenharBotaoPlano(static_cast<std::size_t>(i), dis);
            else
                return DesenharItem(nome, dis);
            return TRUE;
        }
        case WM_MEASUREITEM: {
            auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
            const int i = static_cast<int>(mis->CtlID) - kIdPrimeiro;
            if (mis->CtlType != ODT_LISTBOX || i < 0 ||
                static_cast<std::size_t>(i) >= projeto_.controles.size())
                return FALSE;
            mis->itemHeight =
                static_cast<UINT>(S(std::max(1, projeto_.controles[static_cast<std::size_t>(i)].alturaItem)));
            return TRUE;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN: {
            HDC dc = reinterpret_cast<HDC>(wp);
            const std::string nome = NomeDe(reinterpret_cast<HWND>(lp));
            const int i = Indice(nome);
            if (i < 0) return FALSE;
            const ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
            const bool caixaDeTexto = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
            TColor cor = caixaDeTexto ? c.cor : CorAtras(static_cast<std::size_t>(i));
            if (caixaDeTexto && cor == clNenhuma) return FALSE;
            if (msg == WM_CTLCOLORSTATIC &&
                (c.tipo == TipoControle::Edicao || c.tipo == TipoControle::Numero))
                cor = c.cor == clNenhuma ? clBtnFace : c.cor;  // a read-only or disabled box
            SetBkColor(dc, ToColorRef(cor));
            if (c.fonte.cor != clWindowText && !caixaDeTexto) SetTextColor(dc, ToColorRef(c.fonte.cor));
            return reinterpret_cast<INT_PTR>(Pincel(cor));
        }
        case WM_SETCURSOR: {
            const int i = Indice(NomeDe(reinterpret_cast<HWND>(wp)));
            if (i >= 0 && (projeto_.controles[static_cast<std::size_t>(i)].flags & fMaozinha)) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            return FALSE;
        }
        case WM_ERASEBKGND:
            return TRUE;  // all painted in WM_PAINT
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            RECT cliente{};
            GetClientRect(hwnd_, &cliente);
            Pintar(dc, kSemPai, cliente);
            EndPaint(hwnd_, &ps);
            return TRUE;
        }
        case WM_LBUTTONDBLCLK:
            DuploClique();
            return TRUE;
        case WM_SIZE:
            Relayout();
            return TRUE;
        case WM_GETMINMAXINFO:
            if (projeto_.redimensionavel && (projeto_.larguraMinima || projeto_.alturaMinima)) {
                auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
                mmi->ptMinTrackSize.x = S(projeto_.larguraMinima);
                mmi->ptMinTrackSize.y = S(projeto_.alturaMinima);
                return TRUE;
            }
            return FALSE;
        case WM_DPICHANGED:
            if (!ForcedDpi()) AplicarDpi(LOWORD(wp));
            return TRUE;
        case WM_CLOSE:
            if (FormCloseQuery()) Fechar(2);
            return TRUE;
        case WM_DESTROY:
            GuardarValores();
            if (filtro_) RemoveMessageFilter(filtro_);
            filtro_ = 0;
            ReligarJanelas();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK TDialogo::DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    TDialogo* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<TDialogo*>(lp);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<TDialogo*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!self) return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->janelas_.clear();
        self->setas_.clear();
        self->hwnd_ = nullptr;
        return FALSE;
    }
    // A failure must not cross the system's frames: it is reported, and the dialog goes on.
    try {
        return self->Tratar(msg, wp, lp);
    } catch (const std::exception& e) {
        self->ErroNaoTratado(e);
        return TRUE;
    }
}

LRESULT CALLBACK TDialogo::ContainerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_VSCROLL:
        case WM_HSCROLL:
            // The dialog owns every control of the table, wherever it sits.
            if (HWND raiz = GetAncestor(hwnd, GA_ROOT)) return SendMessageW(raiz, msg, wp, lp);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            TDialogo* d = DialogoDe(hwnd);
            const auto indice = reinterpret_cast<INT_PTR>(GetPropW(hwnd, kPropIndice)) - 1;
            RECT cliente{};
            GetClientRect(hwnd, &cliente);
            if (d && indice >= 0)
                d->Pintar(dc, static_cast<int>(indice), cliente);
            else
                FillRect(dc, &cliente, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_NCDESTROY:
            RemovePropW(hwnd, kPropIndice);
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK TDialogo::BotaoPlanoProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                          DWORD_PTR ref) {
    auto* self = reinterpret_cast<TDialogo*>(ref);
    const int i = static_cast<int>(GetDlgCtrlID(hwnd)) - kIdPrimeiro;
    // A flat button works with the mouse alone and never takes the focus from the control that has it.
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            SetCapture(hwnd);
            self->apertado_ = i;
            self->quente_ = i;
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_MOUSEMOVE: {
            RECT r;
            GetClientRect(hwnd, &r);
            const bool dentro = PtInRect(&r, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != 0;
            const int antes = self->quente_;
            self->quente_ = dentro ? i : -1;
            if (dentro) {
                TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, hwnd, 0};
                TrackMouseEvent(&tme);
            }
            if (antes != self->quente_) InvalidateRect(hwnd, nullptr, FALSE);
            break;
        }
        case WM_MOUSELEAVE:
            if (self->quente_ == i && GetCapture() != hwnd) {
                self->quente_ = -1;
                InvalidateRect(hwnd, nullptr, FALSE);
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool era = self->apertado_ == i;
            if (GetCapture() == hwnd) ReleaseCapture();
            self->apertado_ = -1;
            RECT r;
            GetClientRect(hwnd, &r);
            const bool dentro = PtInRect(&r, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}) != 0;
            InvalidateRect(hwnd, nullptr, FALSE);
            if (era && dentro && IsWindowEnabled(hwnd))
                SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd));
            return 0;
        }
        case WM_CAPTURECHANGED:
            self->apertado_ = -1;
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, BotaoPlanoProc, 1);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace nq
