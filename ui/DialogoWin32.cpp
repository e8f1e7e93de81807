// A dialog's run: showing it modally, placing it, its messages and keys.
#include "ui/DialogoWin32.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "support/Errors.h"
#include "support/MessageFilterWin32.h"
#include "support/NqEnterAsTabWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqOutrosWin32.h"
#include "support/Win32Text.h"
#include "ui/DialogLayout.h"
#include "ui/DialogoInternoWin32.h"
#include "ui/TemaWin32.h"
#include "ui/DpiWin32.h"
#include "ui/ImagensWin32.h"
#include "ui/WindowWin32.h"

namespace nq {

using namespace dialogo;

namespace {

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

TDialogo::TDialogo(ProjetoDialogo projeto, std::span<const char* const> controles) : projeto_(std::move(projeto)) {
    for (ProjetoControle& c : projeto_.controles) {
        if (!(c.flags & fLink)) continue;
        c.flags |= fMaozinha;
        c.fonte.sublinhado = true;
        if (c.fonte.cor == clWindowText) c.fonte.cor = RGBColor(0, 0, 255);
    }
    if (controles.empty()) return;
    for (std::size_t i = 0; i < std::max(controles.size(), projeto_.controles.size()); ++i) {
        const std::string esperado = i < controles.size() ? controles[i] : "(nenhum)";
        const std::string tabela = i < projeto_.controles.size() ? projeto_.controles[i].nome : "(nenhum)";
        if (esperado != tabela)
            throw std::logic_error("a tabela de \"" + projeto_.titulo + "\" tem " + tabela + " onde o enum diz " + esperado);
    }
}

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
    JanelaDeClasse<TContainer>::Registrar(kClasseContainer);
    // Modal to the whole program: every other window of it waits, as the owner does (the system
    // disables the owner itself, and enables it again before the dialog goes, so that it gets the focus).
    owner_ = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
    anterior_ = GetForegroundWindow();
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
    if (GetForegroundWindow() != anterior_) DevolverTeclado();
    if (r == -1) resultado_ = 2;
    return resultado_;
}

// The keyboard goes back to the window that had it when the dialog opened: the bar, the window that
// opened this one, or another program's window when the tray icon opened it. Left to the system, a
// dialog without an owner would hand it to whatever window comes next.
void TDialogo::DevolverTeclado() {
    HWND volta = anterior_;
    if (!volta || volta == hwnd_ || !IsWindow(volta) || !IsWindowVisible(volta) || !IsWindowEnabled(volta)) return;
    SetForegroundWindow(volta);
}

void TDialogo::GuardarValores() {
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        if (!janelas_[i]) continue;
        ProjetoControle& c = projeto_.controles[i];
        switch (c.tipo) {
            case TipoControle::Edicao:
            case TipoControle::Combo:
                c.texto = Texto(static_cast<int>(i));
                break;
            case TipoControle::Numero:
            case TipoControle::TeclaAtalho:
                c.texto = std::to_string(Valor(static_cast<int>(i)));
                break;
            case TipoControle::Caixa:
            case TipoControle::Opcao:
                c.flags = Marcado(static_cast<int>(i)) ? (c.flags | fMarcado) : (c.flags & ~fMarcado);
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
    // The other windows come back, and the keyboard to the one that had it, before this one goes.
    ReligarJanelas();
    DevolverTeclado();
    EndDialog(hwnd_, resultado);
}

void TDialogo::Iniciar() {
    dpi_ = DpiDaJanela(hwnd_);
    TituloEscuro(hwnd_, ModoEscuroDoWindows());  // a dark title bar in Windows' dark mode
    // A dialog shown again may be on another monitor: fonts and pictures are made anew for it.
    fontes_.clear();
    estreitas_.clear();
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
    Tag = 0;
    if (projeto_.enterComoTab) enterComoTab_ = std::make_unique<TNqEnterAsTab>(hwnd_);
    FormCreate();
    Posicionar();
    FormShow();
}

void TDialogo::Posicionar() {
    RECT meu{};
    GetWindowRect(hwnd_, &meu);
    const int w = meu.right - meu.left, h = meu.bottom - meu.top;
    HWND principal = MainWindow();
    RECT p{};
    const bool temPrincipal = principal && GetWindowRect(principal, &p);
    switch (projeto_.lugar) {
        case LugarDialogo::SobrePrincipalMaior:
            if (temPrincipal && p.right - p.left > w) return CentraForm(hwnd_, principal);
            break;
        case LugarDialogo::SobrePrincipalMaiorAlta:
            if (temPrincipal && p.right - p.left > w && p.bottom - p.top > h) return CentraForm(hwnd_, principal);
            break;
        case LugarDialogo::SobrePrincipalVisivel:
            if (principal && IsWindowVisible(principal)) {
                CentraForm(hwnd_, principal);
                ManterNaTela(hwnd_);
                return;
            }
            break;
        case LugarDialogo::SobreDonoMaior:
            if (HWND dono = GetWindow(hwnd_, GW_OWNER)) {
                RECT r{};
                GetWindowRect(dono, &r);
                if (r.right - r.left >= w) return CentrarEm(r);
            }
            break;
        case LugarDialogo::Tela:
            break;
    }
    HWND perto = GetWindow(hwnd_, GW_OWNER);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(perto ? perto : hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
    CentrarEm(mi.rcMonitor);
}

void ManterNaTela(HWND janela) {
    RECT r{};
    if (!GetWindowRect(janela, &r)) return;
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) return;
    const RECT& a = mi.rcWork;
    const int w = r.right - r.left, h = r.bottom - r.top;
    const int x = std::max<int>(a.left, std::min<int>(r.left, a.right - w));
    const int y = std::max<int>(a.top, std::min<int>(r.top, a.bottom - h));
    if (x != r.left || y != r.top)
        SetWindowPos(janela, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
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
    for (std::size_t i = 0; i < janelas_.size(); ++i) AjustarAoTexto(i);
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
    estreitas_.clear();  // made again for the new density by the layout
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

std::optional<std::string> TDialogo::NumeroInvalido(std::size_t i) const {
    if (i >= janelas_.size() || !janelas_[i] || projeto_.controles[i].tipo != TipoControle::Numero ||
        !IsWindowEnabled(janelas_[i]))
        return std::nullopt;
    const ProjetoControle& c = projeto_.controles[i];
    return ForaDoIntervalo(Texto(static_cast<int>(i)), c.limite, std::max(c.limite, c.maximo));
}

// A box left out of range is told only when the focus went to another control of this dialog: not to
// its cancel button (the user is leaving without saving), nor out of the dialog (another program, or
// the dialog closing); the box is back in front when the dialog is.
void TDialogo::ConferirNumero(std::size_t i) {
    const HWND foco = GetFocus();
    if (!hwnd_ || avisandoNumero_ || !foco || foco == janelas_[i] || foco == setas_[i] || !IsChild(hwnd_, foco))
        return;
    const int para = IndiceDe(foco);
    if (para >= 0 && (projeto_.controles[static_cast<std::size_t>(para)].flags & fCancelar)) return;
    if (const auto m = NumeroInvalido(i)) AvisarNumero(i, *m);
}

bool TDialogo::NumerosValidos() {
    for (std::size_t i = 0; i < janelas_.size(); ++i) {
        const auto m = NumeroInvalido(i);
        if (!m) continue;
        AvisarNumero(i, *m);
        return false;
    }
    return true;
}

void TDialogo::AvisarNumero(std::size_t i, const std::string& mensagem) {
    if (avisandoNumero_) return;  // already being told: the answer brings the focus back to the box
    avisandoNumero_ = true;
    struct Fim {
        bool& avisando;
        ~Fim() { avisando = false; }
    } fim{avisandoNumero_};
    MostrarPaginaDe(i);
    Foco(static_cast<int>(i));
    ErroNaoTratado(ENqError(mensagem));
    if (hwnd_) Foco(static_cast<int>(i));
}

void TDialogo::MostrarPaginaDe(std::size_t i) {
    for (int c = containers_[i]; c != kSemPai; c = containers_[static_cast<std::size_t>(c)]) {
        if (projeto_.controles[static_cast<std::size_t>(c)].tipo != TipoControle::Pagina) continue;
        const int abas = containers_[static_cast<std::size_t>(c)];
        if (abas == kSemPai) continue;
        int pagina = 0;
        for (int p = 0; p < c; ++p)
            if (containers_[static_cast<std::size_t>(p)] == abas &&
                projeto_.controles[static_cast<std::size_t>(p)].tipo == TipoControle::Pagina)
                ++pagina;
        if (PaginaAtiva(abas) != pagina) SetPagina(abas, pagina);
    }
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

bool TDialogo::TeclaDeEntrada(WPARAM tecla) {
    if (tecla == VK_ESCAPE && Valido(projeto_.botaoEsc) >= 0) {
        Foco(projeto_.botaoEsc);
        if (HWND b = Controle(projeto_.botaoEsc)) SendMessageW(b, BM_CLICK, 0, 0);
        return true;
    }
    if (tecla == VK_F5 && Valido(projeto_.botaoF5) >= 0) {
        HWND salvar = Controle(projeto_.botaoF5);
        if (!salvar || !IsWindowEnabled(salvar) || !IsWindowVisible(salvar)) return false;
        // A number box being typed in is checked first: the save waits for a number in its range.
        const int foco = IndiceDe(GetFocus());
        if (foco >= 0 && projeto_.controles[static_cast<std::size_t>(foco)].tipo == TipoControle::Numero)
            if (const auto m = NumeroInvalido(static_cast<std::size_t>(foco))) {
                AvisarNumero(static_cast<std::size_t>(foco), *m);
                return true;
            }
        Foco(projeto_.botaoF5);
        // Pressed once the key has left the message filters: saving may show messages.
        PostMessageW(salvar, BM_CLICK, 0, 0);
        return true;
    }
    return false;
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
                Notificar(static_cast<int>(a), &nm);
                return true;
            }
        }
        // Shift+Esc in programming mode belongs to the program, which ends at once; otherwise it is no
        // key of the dialog's (Esc alone cancels).
        if (msg.wParam == VK_ESCAPE && GetKeyState(VK_SHIFT) < 0) return !inProgrammingMode;
        return TeclaDeEntrada(msg.wParam) || FormKeyDown(msg.wParam);
    }
    if (msg.message == WM_CHAR) return FormKeyPress(static_cast<wchar_t>(msg.wParam));
    return false;
}

// --- Messages
// -----------------------------------------------------------------------------------------------

void TDialogo::ComandoDe(HWND controle, int codigo) {
    const int i = IndiceDe(controle);
    if (i < 0) return;
    const ProjetoControle& c = projeto_.controles[static_cast<std::size_t>(i)];
    if (EhBotao(c.tipo) && codigo == BN_CLICKED) {
        const int resultado = c.resultado;
        Click(i);
        if (resultado && hwnd_) Fechar(resultado);
        return;
    }
    if (c.tipo == TipoControle::Rotulo && codigo == STN_CLICKED) {
        Click(i);
        return;
    }
    if (c.tipo == TipoControle::Numero && codigo == EN_KILLFOCUS) {
        // Out of range: told once the focus has settled where it went; otherwise the box shows its number.
        if (NumeroInvalido(static_cast<std::size_t>(i)))
            PostMessageW(hwnd_, kMsgConferirNumero, static_cast<WPARAM>(i), 0);
        else
            LimitarNumero(static_cast<std::size_t>(i));
    }
    Comando(i, codigo);
}

INT_PTR TDialogo::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    bool tratada = false;
    const INT_PTR r = HandleMessage(msg, wp, lp, tratada);
    if (tratada) return r;
    switch (msg) {
        case kMsgConferirNumero:
            if (wp < janelas_.size()) ConferirNumero(wp);
            return TRUE;
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
            const int i = IndiceDe(nm->hwndFrom);
            if (i >= 0 && projeto_.controles[static_cast<std::size_t>(i)].tipo == TipoControle::Abas &&
                nm->code == static_cast<UINT>(TCN_SELCHANGE))
                TrocarPagina(static_cast<std::size_t>(i));
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, Notificar(i, nm));
            return TRUE;
        }
        case WM_DRAWITEM: {
            auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
            const int i = IndiceDe(dis->hwndItem);
            if (i < 0) return FALSE;
            const TipoControle t = projeto_.controles[static_cast<std::size_t>(i)].tipo;
            if (t == TipoControle::Rotulo) {
                if (!DesenharItem(i, dis)) DesenharRotulo(static_cast<std::size_t>(i), dis);
            } else if (t == TipoControle::BotaoPlano)
                DesenharBotaoPlano(static_cast<std::size_t>(i), dis);
            else
                return DesenharItem(i, dis);
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
            const int i = IndiceDe(reinterpret_cast<HWND>(lp));
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
            const int i = IndiceDe(reinterpret_cast<HWND>(wp));
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
            enterComoTab_.reset();
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
        return self->HandleMessage(msg, wp, lp);
    } catch (const std::exception& e) {
        self->ErroNaoTratado(e);
        return TRUE;
    }
}

LRESULT dialogo::TContainer::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
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
            if (HWND raiz = GetAncestor(hwnd_, GA_ROOT)) return SendMessageW(raiz, msg, wp, lp);
            break;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            TDialogo* d = DialogoDe(hwnd_);
            RECT cliente{};
            GetClientRect(hwnd_, &cliente);
            if (d && indice >= 0)
                d->Pintar(dc, indice, cliente);
            else
                FillRect(dc, &cliente, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(hwnd_, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
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
