#include "app/DesktopAvisoWin32.h"

#include <utility>

#include <png.h>

#include <vector>

#include "app/MensagensBarraWin32.h"
#include "support/NqDlgWin32.h"
#include "support/Win32Text.h"
#include "ui/BackBufferWin32.h"

namespace nq {

namespace {
constexpr wchar_t kClassName[] = L"TfmDesktopAviso";
constexpr BYTE kOpacity = 220;
constexpr COLORREF kPanel = RGB(0x7A, 0x14, 0x14);
}  // namespace

HBITMAP DecodePng(const void* data, std::size_t size, int& width, int& height) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!data || !png_image_begin_read_from_memory(&image, data, size)) return nullptr;
    image.format = PNG_FORMAT_BGRA;
    if (image.width == 0 || image.height == 0 || image.width > 4096 || image.height > 4096) {
        png_image_free(&image);
        return nullptr;
    }
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bi.bmiHeader.biWidth = static_cast<LONG>(image.width);
    bi.bmiHeader.biHeight = -static_cast<LONG>(image.height);
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) {
        png_image_free(&image);
        return nullptr;
    }
    if (!png_image_finish_read(&image, nullptr, bits, 0, nullptr)) {
        DeleteObject(bmp);
        return nullptr;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return bmp;
}

TfmDesktopAviso& TfmDesktopAviso::Instance() {
    static TfmDesktopAviso one;
    return one;
}

bool TfmDesktopAviso::EnsureWindow() {
    if (hwnd_) return true;
    RegisterClassOnce(kClassName, nullptr, nullptr);
    // Topmost, never activated, no taskbar button; translucent. The caption is never shown, but tools
    // find the window by it.
    return CreateWindowOfClass(kClassName, L"Agendamentos", WS_POPUP,
                               WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED, 0, 0, 1, 1,
                               nullptr);
}

void TfmDesktopAviso::Open(HBITMAP picture, int w, int h, int secondsToHide, const std::wstring& text,
                           std::function<void()> aoClicar) {
    if (!EnsureWindow()) return;
    Hide();
    picture_ = picture;
    text_ = text;
    aoClicar_ = std::move(aoClicar);
    width_ = w;
    height_ = h;
    SetLayeredWindowAttributes(hwnd_, 0, kOpacity, LWA_ALPHA);
    RECT wa{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
    const int left = wa.left + (wa.right - wa.left) - w - 5;
    const int top = wa.top + (wa.bottom - wa.top) - h - 5;
    SetWindowPos(hwnd_, HWND_TOPMOST, left, top, w, h, SWP_NOACTIVATE);
    // Slides up from the bottom edge; where the system cannot animate it, it simply appears.
    if (!AnimateWindow(hwnd_, 200, AW_SLIDE | AW_VER_NEGATIVE)) ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    InvalidateRect(hwnd_, nullptr, FALSE);
    MessageBeep(MB_ICONASTERISK);
    SetTimer(hwnd_, kTimerOcultarAviso, static_cast<UINT>(secondsToHide > 0 ? secondsToHide : 1) * 1000u, nullptr);
}

void TfmDesktopAviso::Hide() {
    if (!hwnd_) return;
    KillTimer(hwnd_, kTimerOcultarAviso);
    ShowWindow(hwnd_, SW_HIDE);
}

void TfmDesktopAviso::imagemClick() {
    Hide();
    std::function<void()> aoClicar = std::exchange(aoClicar_, {});
    if (HWND main = MainWindow()) SetForegroundWindow(main);
    if (aoClicar) aoClicar();
}

LRESULT TfmDesktopAviso::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_LBUTTONUP:
            imagemClick();
            return 0;
        case WM_TIMER:
            if (wp == kTimerOcultarAviso) Hide();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PRINTCLIENT:
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = msg == WM_PAINT ? BeginPaint(hwnd_, &ps) : reinterpret_cast<HDC>(wp);
            RECT rc;
            GetClientRect(hwnd_, &rc);
            const MemoryDC mem = picture_ ? MemoryDC(dc) : MemoryDC();
            if (mem) {
                ScopedSelectObject sel(mem.get(), picture_);
                BitBlt(dc, 0, 0, width_, height_, mem.get(), 0, 0, SRCCOPY);
            } else {
                // No picture, or no memory to show it: the plain panel, with nothing allocated.
                SetDCBrushColor(dc, kPanel);
                FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            }
            if (!text_.empty()) {
                // Beside the sign, where the picture's own sentence stands in the error notice.
                if (!textFont_)
                    textFont_.reset(CreateFontW(-12, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                                DEFAULT_PITCH, L"Tahoma"));
                ScopedSelectObject font(dc, textFont_ ? textFont_.get() : GetStockObject(DEFAULT_GUI_FONT));
                SetBkMode(dc, TRANSPARENT);
                SetTextColor(dc, RGB(255, 255, 255));
                RECT r{62, 34, width_ - 8, height_ - 6};
                DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &r,
                          DT_WORDBREAK | DT_NOPREFIX | DT_END_ELLIPSIS);
            }
            if (msg == WM_PAINT) EndPaint(hwnd_, &ps);
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void TDesktopAviso::LoadPicture(int resourceId) {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!res) return;
    HGLOBAL data = LoadResource(module, res);
    int w = 0, h = 0;
    picture_.reset(DecodePng(LockResource(data), SizeofResource(module, res), w, h));
    if (picture_) {
        width_ = w;
        height_ = h;
    }
}

void TDesktopAviso::Show(const std::string& texto, std::function<void()> aoClicar) {
    TfmDesktopAviso::Instance().Open(picture_.get(), width_, height_, SecondsToHide, Wide(texto),
                                     std::move(aoClicar));
}

void TDesktopAviso::Show(std::function<void()> aoClicar) {
    TfmDesktopAviso::Instance().Open(picture_.get(), width_, height_, SecondsToHide, {}, std::move(aoClicar));
}

void TDesktopAviso::Hide() { TfmDesktopAviso::Instance().Hide(); }

}  // namespace nq
