#pragma once
// The desktop notice: a borderless picture that slides up in the bottom-right corner of the work area,
// beeps, stays a few seconds and goes, never taking the focus from the window the user works in.

#include <windows.h>

#include <functional>
#include <string>

#include "ui/GdiWin32.h"
#include "ui/WindowWin32.h"

namespace nq {

// The one notice window of the process.
class TfmDesktopAviso final : public Window {
public:
    static TfmDesktopAviso& Instance();
    // Shows the picture (w x h) for the given time, with a text written on it when one is given; a
    // notice already showing is hidden first, so the time starts again in full.
    // A click on it hides it and runs aoClicar, when given.
    void Open(HBITMAP picture, int w, int h, int secondsToHide, const std::wstring& text = {},
              std::function<void()> aoClicar = {});
    const std::wstring& Text() const { return text_; }
    void Hide();
    bool Showing() const { return hwnd_ && IsWindowVisible(hwnd_); }
    HWND Handle() const { return hwnd_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    TfmDesktopAviso() = default;
    bool EnsureWindow();
    void imagemClick();

    HBITMAP picture_ = nullptr;  // owned by the TDesktopAviso that opened it
    int width_ = 0, height_ = 0;
    std::wstring text_;
    std::function<void()> aoClicar_;
    FontHandle textFont_;  // made for the first text, kept
};

class TDesktopAviso {
public:
    int SecondsToHide = 5;
    // Takes its picture from a PNG resource of the program; a picture that cannot be decoded leaves
    // the notice without one (it then shows a plain panel).
    void LoadPicture(int resourceId);
    // Shows the picture alone; a click on it runs aoClicar, when given.
    void Show(std::function<void()> aoClicar = {});
    // Shows the notice with a text of the program's written beside the picture's sign; a click on it
    // runs aoClicar, when given.
    void Show(const std::string& texto, std::function<void()> aoClicar = {});
    void Hide();

private:
    BitmapHandle picture_;
    int width_ = 240, height_ = 110;
};

// A PNG decoded into a 32-bit top-down bitmap; null when the data is no readable PNG.
HBITMAP DecodePng(const void* data, std::size_t size, int& width, int& height);

}  // namespace nq
