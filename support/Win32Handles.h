#pragma once
// Owning wrappers for Win32 handles, so that every path, failures included, gives them back.

#include <windows.h>

#include <atomic>
#include <utility>

namespace nq {

// How many icons the program's owners hold right now (see GdiObjectsLive).
inline std::atomic<long>& IconsLive() {
    static std::atomic<long> live{0};
    return live;
}

// An icon the program owns (from ExtractIcon, ExtractAssociatedIcon, CopyIcon ...): destroyed with it.
class IconHandle {
public:
    IconHandle() = default;
    explicit IconHandle(HICON icon) noexcept : icon_(icon) {
        if (icon_) ++IconsLive();
    }
    ~IconHandle() { reset(); }
    IconHandle(IconHandle&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}  // the count moves along
    IconHandle& operator=(IconHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    IconHandle(const IconHandle&) = delete;
    IconHandle& operator=(const IconHandle&) = delete;

    HICON get() const noexcept { return icon_; }
    explicit operator bool() const noexcept { return icon_ != nullptr; }
    // Gives the icon up without destroying it.
    HICON release() noexcept {
        if (icon_) --IconsLive();
        return std::exchange(icon_, nullptr);
    }
    void reset(HICON icon = nullptr) noexcept {
        if (icon_ == icon) return;
        if (icon_) {
            DestroyIcon(icon_);
            --IconsLive();
        }
        icon_ = icon;
        if (icon_) ++IconsLive();
    }

private:
    HICON icon_ = nullptr;
};

}  // namespace nq
