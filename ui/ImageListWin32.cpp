#include "ui/ImageListWin32.h"

#include <algorithm>

#include "ui/GdiWin32.h"
#include "ui/ImagensWin32.h"

namespace nq {

void TImageListWin32::Add(IconHandle icon) {
    grey_.push_back(IconeCinza(icon.get()));
    icons_.push_back(std::move(icon));
}

void TImageListWin32::AddResource(int id) {
    Add(id ? IconeRecurso(id, size_) : IconHandle());
}

void TImageListWin32::Draw(HDC dc, int index, int x, int y, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    const std::size_t i = static_cast<std::size_t>(index);
    if (!enabled && grey_[i]) {
        DrawIconEx(dc, x, y, grey_[i].get(), size_, size_, 0, nullptr, DI_NORMAL);
    } else if (!enabled && icons_[i]) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icons_[i].get()), 0, x, y, size_, size_,
                   DST_ICON | DSS_DISABLED);
    } else if (icons_[i]) {
        DrawIconEx(dc, x, y, icons_[i].get(), size_, size_, 0, nullptr, DI_NORMAL);
    }
}

void TImageListWin32::DrawScaled(HDC dc, int index, const RECT& dest) const {
    if (index < 0 || index >= Count() || !icons_[static_cast<std::size_t>(index)]) return;
    DrawIconEx(dc, dest.left, dest.top, icons_[static_cast<std::size_t>(index)].get(), dest.right - dest.left,
               dest.bottom - dest.top, 0, nullptr, DI_NORMAL);
}

}  // namespace nq
