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

// How many GDI objects the program's owners hold right now. The system cannot be asked (Wine's
// GetGuiResources always answers 0), so the owners keep the count; a leak through them shows here.
inline std::atomic<long>& GdiObjectsLive() {
    static std::atomic<long> live{0};
    return live;
}

// A handle the program owns: given back with `Fechar` when its owner lets it go, and counted in
// `Vivos()` while it is held, so that a test can see a leak. Moving it moves the count along.
// (`Fechar` is a type, not the system function itself: an imported function's address is no constant.)
template <class H, class Fechar, std::atomic<long>& (*Vivos)()>
class HandleContado {
public:
    HandleContado() = default;
    explicit HandleContado(H h) noexcept : h_(h) {
        if (h_) ++Vivos();
    }
    ~HandleContado() { reset(); }
    HandleContado(HandleContado&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    HandleContado& operator=(HandleContado&& o) noexcept {
        if (this != &o) {
            reset();
            h_ = std::exchange(o.h_, nullptr);
        }
        return *this;
    }
    HandleContado(const HandleContado&) = delete;
    HandleContado& operator=(const HandleContado&) = delete;

    H get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != nullptr; }
    // Gives the handle up without closing it.
    H release() noexcept {
        if (h_) --Vivos();
        return std::exchange(h_, nullptr);
    }
    void reset(H h = nullptr) noexcept {
        if (h_ == h) return;
        if (h_) {
            Fechar{}(h_);
            --Vivos();
        }
        h_ = h;
        if (h_) ++Vivos();
    }

private:
    H h_ = nullptr;
};

// An icon the program owns (from ExtractIcon, ExtractAssociatedIcon, CopyIcon ...): destroyed with it.
struct DestruirIcone {
    void operator()(HICON h) const noexcept { DestroyIcon(h); }
};
using IconHandle = HandleContado<HICON, DestruirIcone, &IconsLive>;

}  // namespace nq
