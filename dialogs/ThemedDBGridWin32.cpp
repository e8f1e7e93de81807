#include "dialogs/ThemedDBGridWin32.h"

#include <oleacc.h>

#include "resource.h"
#include "ui/DpiWin32.h"
#include "ui/GdiCanvasWin32.h"
#include "ui/GdiWin32.h"
#include "ui/WindowWin32.h"

namespace nq {

namespace {

bool Tecla(int vk) {
    return GetKeyState(vk) < 0;
}

// A mouse message's point (signed: a captured pointer may be left of or above the window).
int X(LPARAM lp) {
    return static_cast<short>(LOWORD(lp));
}
int Y(LPARAM lp) {
    return static_cast<short>(HIWORD(lp));
}

}  // namespace

void TDBGridWin32::Registrar() {
    JanelaDeClasse<TDBGridWin32>::Registrar(kClasseGrade);
}

TDBGridWin32* TDBGridWin32::De(HWND w) {
    wchar_t classe[16];
    if (!w || !GetClassNameW(w, classe, 16) || lstrcmpW(classe, kClasseGrade) != 0) return nullptr;
    return JanelaDeClasse<TDBGridWin32>::De(w);
}

TDBGridWin32::TDBGridWin32(HWND w) : hwnd_(w) {
    // A grid always has its sunken border and its vertical scroll bar, whoever creates it.
    SetWindowLongPtrW(w, GWL_EXSTYLE, GetWindowLongPtrW(w, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    SetWindowLongPtrW(w, GWL_STYLE, GetWindowLongPtrW(w, GWL_STYLE) | WS_VSCROLL);
}

TDBGridWin32::~TDBGridWin32() {
    if (ligacao_) ligacao_->grade = nullptr;
    if (acessivel_) acessivel_->Release();
}

void TDBGridWin32::CarregarImagens() {
    caixas_ = std::make_unique<TImageListWin32>(Scale(13, dpi_));
    caixas_->AddResource(IDI_GRID_UNCHECKED);
    caixas_->AddResource(IDI_GRID_CHECKED);
    memo_ = std::make_unique<TImageListWin32>(Scale(16, dpi_));
    memo_->AddResource(IDI_GRID_MEMO_VAZIO);
    memo_->AddResource(IDI_GRID_MEMO);
}

void TDBGridWin32::Medir() {
    RECT r{};
    GetClientRect(hwnd_, &r);
    grade_.SetDpi(dpi_);
    grade_.SetBounds(r.right, r.bottom);
    HDC dc = GetDC(hwnd_);
    {
        TGdiCanvas medidor(dc, dpi_);
        grade_.LayoutChanged(medidor);
    }
    ReleaseDC(hwnd_, dc);
}

void TDBGridWin32::Atualizar() {
    grade_.Sincronizar();
    const TRolagemGrade r = grade_.Rolagem();
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMin = r.min;
    si.nMax = r.max;
    si.nPage = static_cast<UINT>(r.page);
    si.nPos = r.pos;
    SetScrollInfo(hwnd_, SB_VERT, &si, TRUE);
    InvalidateRect(hwnd_, nullptr, FALSE);
    AvisarLeitores();
}

void TDBGridWin32::AvisarLeitores() {
    TTabelaGrade* t = grade_.DataSource();
    const int atual = grade_.DataSetValido() ? t->RecNo() : -1;
    if (atual == ultimoAtual_) return;
    ultimoAtual_ = atual;
    // The row that became current, as the child it is of the table (the title row is child 1).
    if (atual >= 1 && GetFocus() == hwnd_) NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, atual + 1);
    if (atual >= 1) NotifyWinEvent(EVENT_OBJECT_SELECTION, hwnd_, OBJID_CLIENT, atual + 1);
}

RECT TDBGridWin32::RetanguloNaTela(int recNo, int coluna) const {
    const int linha = recNo == 0 ? 0 : grade_.LinhaNaTela(recNo);
    if (linha < 0) return RECT{};
    const Rect c = grade_.CellRect(linha, coluna);
    RECT r{c.left, c.top, c.right(), c.bottom()};
    MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void TDBGridWin32::Selecionar(int recNo) {
    TTabelaGrade* t = grade_.DataSource();
    if (!grade_.DataSetValido() || recNo < 1 || recNo > t->RecordCount() || t->RecNo() < 1) return;
    t->MoveBy(recNo - t->RecNo());
    Atualizar();
}

void TDBGridWin32::Pintar(HDC dc) {
    RECT r{};
    GetClientRect(hwnd_, &r);
    // Drawn off the screen first, so that scrolling through a long list does not flicker.
    MemoryDC mem(nullptr);
    BitmapHandle bmp(CreateCompatibleBitmap(dc, std::max(1L, r.right), std::max(1L, r.bottom)));
    {
        ScopedSelectObject sel(mem.get(), bmp.get());
        {
            TGdiCanvas c(mem.get(), dpi_);
            grade_.Paint(c, TImagensGrade{caixas_.get(), memo_.get()});
        }
        BitBlt(dc, 0, 0, r.right, r.bottom, mem.get(), 0, 0, SRCCOPY);
    }
}

LRESULT TDBGridWin32::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            dpi_ = DpiDaJanela(hwnd_);
            CarregarImagens();
            Medir();
            return 0;
        case WM_SETFONT:
            // The dialog hands its font over again when its density changes: the grid follows the density
            // and keeps its own font.
            if (const int dpi = DpiDaJanela(hwnd_); dpi != dpi_) {
                dpi_ = dpi;
                CarregarImagens();
                Medir();
                Atualizar();
            }
            return 0;
        case WM_SIZE:
            Medir();
            Atualizar();
            return 0;
        case WM_ERASEBKGND: {
            // Only the corner where two scroll bars would meet; the cells cover everything else.
            const Rect c = grade_.CantoApagar(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL),
                                              (GetWindowLongPtrW(hwnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0);
            RECT rc{c.left, c.top, c.right(), c.bottom()};
            FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_WINDOW));
            return 1;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd_, &ps);
            Pintar(dc);
            EndPaint(hwnd_, &ps);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            grade_.SetFocused(msg == WM_SETFOCUS);
            InvalidateRect(hwnd_, nullptr, FALSE);
            if (msg == WM_SETFOCUS && grade_.DataSetValido() && grade_.DataSource()->RecNo() >= 1)
                NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, grade_.DataSource()->RecNo() + 1);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (grade_.KeyDown(static_cast<int>(wp), Tecla(VK_SHIFT), Tecla(VK_CONTROL))) {
                if (IsWindow(hwnd_)) Atualizar();
                return 0;
            }
            break;
        case WM_LBUTTONDOWN:
            if (GetFocus() != hwnd_) SetFocus(hwnd_);
            SetCapture(hwnd_);
            grade_.MouseDown(X(lp), Y(lp));
            Atualizar();
            return 0;
        case WM_LBUTTONDBLCLK:
            if (GetFocus() != hwnd_) SetFocus(hwnd_);
            grade_.MouseDown(X(lp), Y(lp));
            Atualizar();
            grade_.DblClick(X(lp), Y(lp));
            if (IsWindow(hwnd_)) Atualizar();
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == hwnd_) ReleaseCapture();
            grade_.MouseUp(X(lp), Y(lp));
            if (IsWindow(hwnd_)) Atualizar();
            return 0;
        case WM_MOUSEWHEEL:
            // The message says which keys were down when the wheel turned.
            if (grade_.MouseWheel(GET_WHEEL_DELTA_WPARAM(wp), (GET_KEYSTATE_WPARAM(wp) & MK_SHIFT) != 0,
                                  (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL) != 0)) {
                Atualizar();
                return 0;
            }
            break;
        case WM_VSCROLL: {
            SCROLLINFO si{};
            si.cbSize = sizeof si;
            si.fMask = SIF_TRACKPOS;
            GetScrollInfo(hwnd_, SB_VERT, &si);
            switch (LOWORD(wp)) {
                case SB_LINEUP:
                    grade_.Scroll(TRolar::LinhaAcima);
                    break;
                case SB_LINEDOWN:
                    grade_.Scroll(TRolar::LinhaAbaixo);
                    break;
                case SB_PAGEUP:
                    grade_.Scroll(TRolar::PaginaAcima);
                    break;
                case SB_PAGEDOWN:
                    grade_.Scroll(TRolar::PaginaAbaixo);
                    break;
                case SB_THUMBTRACK:
                case SB_THUMBPOSITION:
                    grade_.Scroll(TRolar::Posicao, si.nTrackPos);
                    break;
                case SB_TOP:
                    grade_.Scroll(TRolar::Inicio);
                    break;
                case SB_BOTTOM:
                    grade_.Scroll(TRolar::Fim);
                    break;
                default:
                    break;
            }
            Atualizar();
            return 0;
        }
        case WM_GETOBJECT:
            if (static_cast<LONG>(lp) == OBJID_CLIENT) {
                if (!acessivel_) {
                    ligacao_ = std::make_shared<TLigacaoAcessivel>();
                    ligacao_->grade = this;
                    acessivel_ = CriarAcessivelGrade(ligacao_);
                }
                if (acessivel_) return LresultFromObject(IID_IAccessible, wp, acessivel_);
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace nq
