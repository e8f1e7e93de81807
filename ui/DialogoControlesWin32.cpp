// A dialog's controls: finding them by index, reading and changing them, and creating them from the table.
#include "ui/DialogoWin32.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "support/Errors.h"
#include "support/MessageFilterWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqOutrosWin32.h"
#include "support/RegistroDeEventos.h"
#include "support/Text.h"
#include "support/Win32Text.h"
#include "ui/DialogLayout.h"
#include "ui/DialogoInternoWin32.h"
#include "ui/DpiWin32.h"
#include "ui/ImagensWin32.h"

namespace nq {

using namespace dialogo;

// --- Finding controls ---------------------------------------------------------------------------------

int TDialogo::Indice(std::string_view nome) const {
    for (std::size_t i = 0; i < projeto_.controles.size(); ++i)
        if (projeto_.controles[i].nome == nome) return static_cast<int>(i);
    return -1;
}

int TDialogo::Valido(int controle) const {
    return controle >= 0 && static_cast<std::size_t>(controle) < projeto_.controles.size() ? controle : -1;
}

ProjetoControle& TDialogo::Item(int controle) {
    const int i = Valido(controle);
    if (i < 0) throw std::out_of_range("controle desconhecido: " + std::to_string(controle));
    return projeto_.controles[static_cast<std::size_t>(i)];
}

HWND TDialogo::Controle(int controle) const {
    const int i = Valido(controle);
    return i >= 0 && static_cast<std::size_t>(i) < janelas_.size() ? janelas_[static_cast<std::size_t>(i)]
                                                                   : nullptr;
}

int TDialogo::IdDe(int controle) const {
    const int i = Valido(controle);
    return i < 0 ? 0 : kIdPrimeiro + i;
}

int TDialogo::IndiceDe(HWND janela) const {
    if (!janela) return -1;
    const int i = Valido(static_cast<int>(GetDlgCtrlID(janela)) - kIdPrimeiro);
    return i >= 0 && static_cast<std::size_t>(i) < janelas_.size() && janelas_[static_cast<std::size_t>(i)] == janela
               ? i
               : -1;
}

// --- Reading and changing controls -----------------------------------------------------------------

void TDialogo::SetCaption(const std::string& titulo) {
    projeto_.titulo = titulo;
    if (hwnd_) SetWindowTextW(hwnd_, Wide(titulo).c_str());
}

std::string TDialogo::Texto(int controle) const {
    const int i = Valido(controle);
    if (i < 0) return {};
    HWND w = Controle(controle);
    if (!w) return projeto_.controles[static_cast<std::size_t>(i)].texto;
    const int n = GetWindowTextLengthW(w);
    std::wstring t(static_cast<std::size_t>(n) + 1, L'\0');
    t.resize(static_cast<std::size_t>(GetWindowTextW(w, t.data(), n + 1)));
    return Narrow(t);
}

void TDialogo::SetTexto(int controle, const std::string& texto) {
    const int i = Valido(controle);
    if (i < 0) return;
    projeto_.controles[static_cast<std::size_t>(i)].texto = texto;
    if (HWND w = Controle(controle)) {
        SetWindowTextW(w, Wide(texto).c_str());
        if (static_cast<std::size_t>(i) < rects_.size()) AjustarAoTexto(static_cast<std::size_t>(i));
        InvalidateRect(w, nullptr, TRUE);
    }
}

bool TDialogo::Marcado(int controle) const {
    HWND w = Controle(controle);
    if (!w) {
        const int i = Valido(controle);
        return i >= 0 && (projeto_.controles[static_cast<std::size_t>(i)].flags & fMarcado);
    }
    return SendMessageW(w, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TDialogo::Marcar(int controle, bool marcado) {
    const int i = Valido(controle);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = marcado ? (c.flags | fMarcado) : (c.flags & ~fMarcado);
    HWND w = Controle(controle);
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

void TDialogo::Mostrar(int controle, bool visivel) {
    const int i = Valido(controle);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = visivel ? (c.flags & ~fOculto) : (c.flags | fOculto);
    if (HWND w = Controle(controle)) {
        ShowWindow(w, visivel ? SW_SHOWNA : SW_HIDE);
        if (static_cast<std::size_t>(i) < setas_.size() && setas_[static_cast<std::size_t>(i)])
            ShowWindow(setas_[static_cast<std::size_t>(i)], visivel ? SW_SHOWNA : SW_HIDE);
    } else {
        Invalidar();
    }
}

void TDialogo::Habilitar(int controle, bool habilitado) {
    const int i = Valido(controle);
    if (i < 0) return;
    ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    c.flags = habilitado ? (c.flags & ~fDesligado) : (c.flags | fDesligado);
    if (HWND w = Controle(controle)) {
        EnableWindow(w, habilitado);
        if (static_cast<std::size_t>(i) < setas_.size() && setas_[static_cast<std::size_t>(i)])
            EnableWindow(setas_[static_cast<std::size_t>(i)], habilitado);
    } else {
        Invalidar();
    }
}

void TDialogo::LigaDes(int controle, bool ligado) {
    const int i = Valido(controle);
    if (i < 0) return;
    for (std::size_t j : ItensDentro(projeto_, static_cast<std::size_t>(i))) {
        ProjetoControle& c = projeto_.controles[j];
        Habilitar(static_cast<int>(j), ligado);
        if (c.tipo != TipoControle::Rotulo && LigaDesMudaCor(ClasseToolkit(c)))
            c.cor = ligado ? clWindow : clCorDesligado;
        if (j < janelas_.size() && janelas_[j]) InvalidateRect(janelas_[j], nullptr, TRUE);
    }
    Invalidar();
}

void TDialogo::Foco(int controle) {
    HWND w = Controle(controle);
    if (!w || !hwnd_) return;
    // Through the dialog manager, which also keeps the default button and an edit's selection right.
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(w), TRUE);
}

int TDialogo::Valor(int controle) const {
    const int i = Valido(controle);
    if (i < 0) return 0;
    const std::size_t k = static_cast<std::size_t>(i);
    if (k < setas_.size() && setas_[k]) return static_cast<int>(SendMessageW(setas_[k], UDM_GETPOS32, 0, 0));
    const ProjetoControle& c = projeto_.controles[k];
    if (c.tipo == TipoControle::TeclaAtalho && k < janelas_.size() && janelas_[k])
        return static_cast<int>(SendMessageW(janelas_[k], HKM_GETHOTKEY, 0, 0) & 0xFFFF);
    return c.texto.empty() ? c.limite : LerInteiro(c.texto, 10, TFormaInteiro::Inicio).value_or(0);
}

void TDialogo::SetValor(int controle, int valor) {
    const int i = Valido(controle);
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

int TDialogo::PaginaAtiva(int abas) const {
    HWND w = Controle(abas);
    return w ? static_cast<int>(SendMessageW(w, TCM_GETCURSEL, 0, 0)) : -1;
}

void TDialogo::SetPagina(int abas, int pagina) {
    const int i = Valido(abas);
    HWND w = Controle(abas);
    if (!w || i < 0) return;
    SendMessageW(w, TCM_SETCURSEL, static_cast<WPARAM>(pagina), 0);
    TrocarPagina(static_cast<std::size_t>(i));
}

void TDialogo::SetPadrao(int controle) {
    if (!hwnd_) return;
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (projeto_.controles[i].tipo != TipoControle::Botao || !janelas_[i]) continue;
        const bool padrao = static_cast<int>(i) == controle;
        projeto_.controles[i].flags =
            padrao ? (projeto_.controles[i].flags | fPadrao) : (projeto_.controles[i].flags & ~fPadrao);
        SendMessageW(janelas_[i], BM_SETSTYLE, padrao ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    const int id = IdDe(controle);
    if (id && Controle(controle))
        SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
    else
        SendMessageW(hwnd_, DM_SETDEFID, 0, 0);  // Enter presses only the button that has the focus
}

void TDialogo::SetImagem(int controle, IconHandle icone) {
    const int i = Valido(controle);
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
    // A validation message is the user's to read, not a failure to keep.
    if (!dynamic_cast<const ENqError*>(&e))
        RegistrarEvento(TNivelEvento::Erro, "Em " + projeto_.titulo + ": " + e.what());
    // The text as it is: the program's own messages carry no "|" for this way.
    MessageBoxW(hwnd_, Wide(e.what()).c_str(), Wide(ApplicationTitle).c_str(), MB_OK | MB_ICONERROR);
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
                SendMessageW(seta, UDM_SETPOS32, 0,
                             c.texto.empty() ? c.limite : LerInteiro(c.texto, 10, TFormaInteiro::Inicio).value_or(0));
            }
            break;
        }
        case TipoControle::Caixa:
        case TipoControle::Opcao:
            if (c.flags & fMarcado) SendMessageW(w, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case TipoControle::TeclaAtalho:
            SendMessageW(w, HKM_SETHOTKEY,
                         static_cast<WPARAM>(LerInteiro(c.texto, 10, TFormaInteiro::Inicio).value_or(0) & 0xFFFF), 0);
            break;
        case TipoControle::Botao:
            ImagemDoBotao(i);
            break;
        case TipoControle::BotaoPlano:
            SetWindowSubclass(w, BotaoPlanoProc, 1, reinterpret_cast<DWORD_PTR>(this));
            break;
        case TipoControle::Pagina:
        case TipoControle::Painel:
            if (TContainer* container = JanelaDeClasse<TContainer>::De(w)) container->indice = static_cast<int>(i);
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

void TDialogo::SetDica(int controle, const std::string& dica) {
    const int i = Valido(controle);
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

// Labels on one line, check boxes and radio buttons take the width their text needs in the font in use,
// standing where the table puts them (never narrower than it makes them). A text with no room for that
// width (the next control on its row, or its container's edge, comes first) is drawn in a narrower cut of
// the same font, so that it is whole wherever the system's font is wider than the design's.
void TDialogo::AjustarAoTexto(std::size_t i) {
    const ProjetoControle& c = projeto_.controles[i];
    const bool botao = c.tipo == TipoControle::Caixa || c.tipo == TipoControle::Opcao;
    const bool rotulo = c.tipo == TipoControle::Rotulo && (c.flags & fSemQuebra) && !(c.flags & (fCentro | fDireita));
    HWND w = janelas_[i];
    if ((!botao && !rotulo) || !w) return;
    const std::wstring texto = Wide(Texto(static_cast<int>(i)));
    const UINT prefixo = (rotulo && (c.flags & fSemPrefixo)) ? DT_NOPREFIX : 0;
    HFONT fonte = Fonte(FonteEfetiva(i));
    HDC dc = GetDC(w);
    ScopedSelectObject sel(dc, fonte);
    RECT calc{};
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &calc, DT_SINGLELINE | DT_CALCRECT | prefixo);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    ReleaseDC(w, dc);
    // A button's box and the gap before its text, and a pixel for the focus frame around it.
    const int caixa = botao ? GetSystemMetrics(SM_CXMENUCHECK) * dpi_ / 96 + S(4) + 1 : 0;
    const int largura = static_cast<int>(calc.right - calc.left);
    Rect& r = rects_[i];
    int limite = containers_[i] == kSemPai ? 0 : rects_[static_cast<std::size_t>(containers_[i])].width;
    if (containers_[i] == kSemPai) {
        RECT cliente{};
        GetClientRect(hwnd_, &cliente);
        limite = cliente.right;
    }
    for (std::size_t j = 0; j < rects_.size(); ++j) {
        const Rect& o = rects_[j];
        if (j == i || containers_[j] != containers_[i] || (projeto_.controles[j].flags & fOculto)) continue;
        if (o.top < r.top + r.height && o.top + o.height > r.top && o.left >= r.left + r.width)
            limite = std::min(limite, o.left);
        // A group box around it: its frame.
        if (projeto_.controles[j].tipo == TipoControle::Grupo && o.left <= r.left && o.top <= r.top &&
            o.left + o.width > r.left && o.top + o.height >= r.top + r.height)
            limite = std::min(limite, o.left + o.width - S(2));
    }
    const int precisa = largura + caixa;
    const int cabe = std::max(r.width, std::min(precisa, limite - r.left));
    if (cabe != r.width) {
        r.width = cabe;
        SetWindowPos(w, nullptr, 0, 0, r.width, r.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    HFONT usar = fonte;
    if (precisa > cabe && largura > 0 && tm.tmAveCharWidth > 0) {
        LOGFONTW lf{};
        GetObjectW(fonte, sizeof lf, &lf);
        lf.lfWidth = std::max<LONG>(1, MulDiv(tm.tmAveCharWidth, cabe - caixa, largura));
        FontHandle& estreita = estreitas_[i];
        // Glyph widths round per character: the cut is narrowed until the text is seen to fit.
        HDC medir = GetDC(w);
        for (int tentativa = 0; tentativa < 8; ++tentativa) {
            estreita.reset(CreateFontIndirectW(&lf));
            if (!estreita) break;
            ScopedSelectObject cut(medir, estreita.get());
            RECT r2{};
            DrawTextW(medir, texto.c_str(), static_cast<int>(texto.size()), &r2,
                      DT_SINGLELINE | DT_CALCRECT | prefixo);
            if (r2.right - r2.left <= cabe - caixa || lf.lfWidth <= 1) break;
            --lf.lfWidth;
        }
        ReleaseDC(w, medir);
        if (estreita) usar = estreita.get();
    }
    if (reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)) != usar)
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(usar), TRUE);
    if (usar == fonte) estreitas_.erase(i);
}

}  // namespace nq
