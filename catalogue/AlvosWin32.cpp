#include "catalogue/AlvosWin32.h"

#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "support/Platform.h"
#include "support/Win32Text.h"

namespace nq {

bool readIcon(const std::string& aPrograma, IconHandle& aIcon) {
    IShell& shell = *CurrentPlatform().shell;
    if (!shell.FileExists(aPrograma) && !shell.DirectoryExists(aPrograma)) return false;

    // The system may write the associated program's path back into the buffer without being told its
    // size: hand it a private copy with room for the longest path.
    const std::wstring path = Wide(aPrograma);
    std::vector<wchar_t> buffer(std::max<std::size_t>(path.size() + 1, 32768), L'\0');
    std::copy(path.begin(), path.end(), buffer.begin());
    WORD index = 0;
    HICON icon = ExtractAssociatedIconW(GetModuleHandleW(nullptr), buffer.data(), &index);
    if (!icon) {
        // Some shells answer nothing there for a folder; the shell's own file information still has
        // the picture it shows for it.
        SHFILEINFOW info{};
        if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_LARGEICON)) icon = info.hIcon;
    }
    if (!icon) return false;
    aIcon.reset(icon);
    return true;
}

}  // namespace nq
