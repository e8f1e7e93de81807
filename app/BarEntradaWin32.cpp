#include "app/BarEntradaWin32.h"

#include <utility>

#include "app/BarLayout.h"
#include "app/ComandosBarra.h"
#include "app/MainWin32.h"
#include "app/MensagensBarraWin32.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"

namespace nq {

namespace {
constexpr UINT kSetaMs = 150;         // one button per tick
}  // namespace

// --- The keyboard ---------------------------------------------------------------------------------------

bool TBarEntrada::PreTranslate(MSG& msg) {
    // Shift+Esc in programming mode ends the process at once from any window but the bar, whose own
    // Shift+Esc ends the program in order.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE && inProgrammingMode &&
        KeyIsDown(VK_SHIFT) && barra_.hwnd() && GetAncestor(msg.hwnd, GA_ROOT) != barra_.hwnd())
        ExitProcess(0);
    // While the popup menu runs its own loop the keys are the menu's (Esc closes it, not the bar).
    if (barra_.Menu().Aberto()) return false;
    if (msg.message == WM_KEYDOWN && barra_.hwnd() && (msg.hwnd == barra_.hwnd() || IsChild(barra_.hwnd(), msg.hwnd)))
        return FormKeyDown(msg.wParam);  // a key it leaves comes back as a character (WM_CHAR)
    return false;
}

bool TBarEntrada::FormKeyDown(WPARAM key) {
    const bool ctrl = KeyIsDown(VK_CONTROL);
    const bool shift = KeyIsDown(VK_SHIFT);
    // A command's key ("Finalizar" takes Shift+Esc before the bar does) runs it as its menu entry does,
    // from the message loop once the key has left the message filters.
    const auto modificadores = static_cast<TShortCut>((shift ? scShift : 0) | (ctrl ? scCtrl : 0));
    if (const TComandoBarra* comando = ComandoDaTecla(ShortCut(static_cast<int>(key), modificadores))) {
        PostMessageW(barra_.hwnd(), WM_COMMAND, comando->id, 0);
        return true;
    }
    if (ctrl && (key == VK_UP || key == VK_DOWN)) {
        barra_.MudarNivel(key == VK_UP);
        return true;
    }
    // The open bar at the keyboard: a mark moves across the buttons and typing finds them.
    if (barra_.Aberta() && !ctrl) {
        static const std::pair<WPARAM, TeclaBarra> teclas[] = {
            {VK_UP, TeclaBarra::Cima},      {VK_DOWN, TeclaBarra::Baixo}, {VK_TAB, TeclaBarra::Tab},
            {VK_HOME, TeclaBarra::Inicio},  {VK_END, TeclaBarra::Fim},    {VK_RETURN, TeclaBarra::Enter},
            {VK_ESCAPE, TeclaBarra::Esc},   {VK_BACK, TeclaBarra::Apagar},
        };
        for (const auto& [vk, tecla] : teclas) {
            if (vk != key) continue;
            const int antes = teclado_.Marcado();
            const std::string buscaAntes = teclado_.Busca();
            const TAcaoBarra acao = teclado_.Tecla(tecla, shift);
            if (acao.tipo != TAcaoBarra::Passar) {
                AcaoDoTeclado(acao, antes, buscaAntes);
                return true;
            }
            if (key != VK_ESCAPE) return true;  // nothing to do with it now
        }
    }
    if (key == VK_ESCAPE) {
        if (inProgrammingMode)
            barra_.Finalizar();
        else
            barra_.clickForm();
        return true;
    }
    return false;
}

void TBarEntrada::WMChar(wchar_t ch) {
    if (!barra_.Aberta()) return;
    const int antes = teclado_.Marcado();
    const std::string buscaAntes = teclado_.Busca();
    const TAcaoBarra acao = teclado_.Caractere(static_cast<char32_t>(ch));
    if (acao.tipo != TAcaoBarra::Passar) AcaoDoTeclado(acao, antes, buscaAntes);
}

void TBarEntrada::AcaoDoTeclado(const TAcaoBarra& acao, int marcadoAntes, const std::string& buscaAntes) {
    if (acao.tipo == TAcaoBarra::Abrir && acao.botao >= 0 &&
        static_cast<std::size_t>(acao.botao) < barra_.Painel().Botoes().size()) {
        barra_.Lancamento().clickBotao(static_cast<std::size_t>(acao.botao));
        return;
    }
    if (acao.tipo == TAcaoBarra::Recusar) MessageBeep(MB_OK);  // nothing holds that text
    // The typed text shows in the title and dims and brightens the buttons; a mark that moved is
    // scrolled into view.
    if (teclado_.Busca() == buscaAntes && marcadoAntes == teclado_.Marcado()) return;
    barra_.MostrarBotao(teclado_.Marcado());
    InvalidateRect(barra_.hwnd(), nullptr, FALSE);
    if (teclado_.Marcado() != marcadoAntes) barra_.AvisarFoco(teclado_.Marcado());
}

// --- The pointer ----------------------------------------------------------------------------------------

int TBarEntrada::X96(int x) const { return MulDiv(x, 96, barra_.Dpi()); }

int TBarEntrada::Y96(int y) const { return MulDiv(y - barra_.S(kTitlePanelHeight), 96, barra_.Dpi()); }

bool TBarEntrada::InButtonPanel(int, int y) const { return y >= barra_.S(kTitlePanelHeight); }

bool TBarEntrada::NaFaixaDeSeta(int x, int y) const {
    if (!InButtonPanel(x, y)) return false;
    const TBotoesPainel::Part part = barra_.Painel().HitTest(X96(x), Y96(y)).part;
    return part == TBotoesPainel::Part::SetaAcima || part == TBotoesPainel::Part::SetaAbaixo;
}

int TBarEntrada::SetaEm(int x, int y) const {
    if (!InButtonPanel(x, y)) return 0;
    switch (barra_.Painel().HitTest(X96(x), Y96(y)).part) {
        case TBotoesPainel::Part::SetaAcima: return barra_.Painel().MaisAcima() ? -1 : 0;
        case TBotoesPainel::Part::SetaAbaixo: return barra_.Painel().MaisAbaixo() ? 1 : 0;
        default: return 0;
    }
}

// Resting on an arrow keeps the buttons scrolling, one per tick, until the pointer leaves it or the end
// comes.
void TBarEntrada::VigiarSeta(int seta) {
    if (seta == seta_) return;
    seta_ = seta;
    if (seta_ != 0)
        SetTimer(barra_.hwnd(), kTimerSeta, kSetaMs, nullptr);
    else
        KillTimer(barra_.hwnd(), kTimerSeta);
}

void TBarEntrada::WMTimer() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(barra_.hwnd(), &pt);
    const int seta = barra_.Aberta() ? SetaEm(pt.x, pt.y) : 0;
    if (seta != 0 && seta == seta_)
        barra_.Rolar(seta);
    else
        VigiarSeta(0);  // the pointer left the arrow, or the end came
}

void TBarEntrada::WMMouseWheel(int delta) {
    if (!barra_.Aberta() || !barra_.Painel().Rolavel()) return;
    UINT linhas = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linhas, 0);
    if (linhas == 0) return;
    // A page for the "one screen at a time" setting.
    const int porNotch = linhas == WHEEL_PAGESCROLL ? barra_.Painel().Cabem() : static_cast<int>(linhas);
    rodaResto_ += delta * porNotch;  // fine wheels send less than a notch
    const int botoes = rodaResto_ / WHEEL_DELTA;
    if (botoes == 0) return;
    rodaResto_ -= botoes * WHEEL_DELTA;
    barra_.Rolar(-botoes);
}

// The button under a point of the client area, or -1.
int TBarEntrada::HitButton(int x, int y) const {
    if (!InButtonPanel(x, y)) return -1;
    return barra_.Painel().HitTest(X96(x), Y96(y)).index;
}

// The hand over a button; false leaves the pointer to the system.
bool TBarEntrada::WMSetCursor() {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(barra_.hwnd(), &pt);
    if (HitButton(pt.x, pt.y) < 0) return false;
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return true;
}

void TBarEntrada::WMMouseMove(int x, int y) {
    if (!trackingMouse_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, barra_.hwnd(), 0};
        trackingMouse_ = TrackMouseEvent(&tme);
    }
    const RECT cfg = barra_.ConfigButtonRect();
    const bool hot = PtInRect(&cfg, POINT{x, y});
    if (hot != configHot_) InvalidateRect(barra_.hwnd(), &cfg, FALSE);
    configHot_ = hot;
    VigiarSeta(barra_.Aberta() ? SetaEm(x, y) : 0);
    // Only the button the pointer left and the one it entered are painted again.
    const int before = barra_.Painel().HoveredIndex();
    const bool changed = InButtonPanel(x, y)
                             ? barra_.Painel().MouseMove(X96(x), Y96(y))
                             : barra_.Painel().MouseLeave();
    if (changed) {
        barra_.InvalidarBotao(before);
        barra_.InvalidarBotao(barra_.Painel().HoveredIndex());
    }
}

void TBarEntrada::WMMouseLeave() {
    trackingMouse_ = false;
    VigiarSeta(0);
    const int before = barra_.Painel().HoveredIndex();
    if (barra_.Painel().MouseLeave()) barra_.InvalidarBotao(before);
    if (configHot_) {
        const RECT cfg = barra_.ConfigButtonRect();
        InvalidateRect(barra_.hwnd(), &cfg, FALSE);
    }
    configHot_ = false;
}

void TBarEntrada::WMLButtonDown(int x, int y) {
    SetCapture(barra_.hwnd());
    const RECT cfg = barra_.ConfigButtonRect();
    configPressed_ = PtInRect(&cfg, POINT{x, y});
    backgroundPressed_ = false;
    if (configPressed_)
        InvalidateRect(barra_.hwnd(), &cfg, FALSE);
    else if (NaFaixaDeSeta(x, y))
        barra_.Rolar(SetaEm(x, y));  // a click on an arrow scrolls by one button; its band is never background
    else if (HitButton(x, y) >= 0)
        barra_.Painel().MouseDown(X96(x), Y96(y));
    else
        backgroundPressed_ = true;
}

void TBarEntrada::WMLButtonUp(int x, int y, WPARAM keys) {
    if (GetCapture() == barra_.hwnd()) ReleaseCapture();
    const RECT cfg = barra_.ConfigButtonRect();
    if (configPressed_) {
        configPressed_ = false;
        InvalidateRect(barra_.hwnd(), &cfg, FALSE);
        // Ctrl as it was with the click itself: the key state read later may already have moved on (an
        // X server that sends its own key state when the focus comes).
        if (PtInRect(&cfg, POINT{x, y})) barra_.Menu().bConfigClick((keys & MK_CONTROL) != 0 || KeyIsDown(VK_CONTROL));
        return;
    }
    if (backgroundPressed_) {
        backgroundPressed_ = false;
        barra_.clickForm();
        return;
    }
    const int clicked = barra_.Painel().MouseUp(X96(x), Y96(y));
    if (clicked >= 0) barra_.Lancamento().clickBotao(static_cast<std::size_t>(clicked));
}

void TBarEntrada::WMContextMenu(POINT pt) {
    int botao = -1;
    if (pt.x == -1 && pt.y == -1) {
        // From the keyboard (the menu key, Shift+F10): at the marked button, or under the title.
        botao = teclado_.Marcado();
        const RECT r = botao >= 0 ? barra_.BotaoRect(static_cast<std::size_t>(botao)) : barra_.ConfigButtonRect();
        pt = POINT{r.left + barra_.S(8), r.bottom};
        ClientToScreen(barra_.hwnd(), &pt);
    } else {
        POINT c = pt;
        ScreenToClient(barra_.hwnd(), &c);
        botao = HitButton(c.x, c.y);
    }
    // On a shortcut, the menu offers its own commands first.
    const auto& botoes = barra_.Painel().Botoes();
    if (botao < 0 || static_cast<std::size_t>(botao) >= botoes.size()) {
        barra_.Menu().Mostrar(pt);
        return;
    }
    const TIconeComando& b = botoes[static_cast<std::size_t>(botao)];
    TAtalhoDoMenu a;
    a.registro = b.Registro();
    a.titulo = b.Titulo();
    a.programa = b.Programa();
    a.parametros = b.Parametros();
    const TBuscaAlvos* busca = barra_.Lancamento().Busca();
    a.pasta = busca && busca->Botao(static_cast<std::size_t>(botao)).pasta;
    barra_.Menu().Mostrar(pt, nullptr, a);
}

}  // namespace nq
