#pragma once
// Owning wrappers for Win32 handles, so that every path, failures included, gives them back.

#include <windows.h>

#include <utility>

namespace nq {

// An icon the program owns (from ExtractIcon, ExtractAssociatedIcon, CopyIcon ...): destroyed with it.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) noexcept : icon_(icon) {}
    ~IconHandle() { reset(); }
    IconHandle(IconHandle&& other) noexcept : icon_(other.release()) {}
    IconHandle& operator=(IconHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;

    HICON get() const noexcept { return icon_; }
    explicit operator bool() const noexcept { return icon_ != nullptr; }
    // Gives the icon up without destroying it.
    HICON release() noexcept { return std::exchange(icon_, nullptr); }
    void reset(HICON icon = nullptr) noexcept {
        if (icon_ && icon_ != icon) DestroyIcon(icon_);
        icon_ = icon;
    }

private:
    HICON icon_ = nullptr;
};

}  // namespace nq
