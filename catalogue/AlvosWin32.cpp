#include "catalogue/AlvosWin32.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "support/Platform.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

// IImageList, whose pointer the shell's image lists also are as HIMAGELIST.
constexpr GUID kIImageList = {0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

// Icon `index` of a file that holds icons (a program, a library, an icon file) at exactly size x size,
// made from its resource of that size or the nearest one.
HICON IconeDoArquivo(const std::wstring& file, int index, int size) {
    HICON icon = nullptr;
    const UINT n = PrivateExtractIconsW(file.c_str(), index, size, size, &icon, nullptr, 1, LR_DEFAULTCOLOR);
    if (n == 0 || n == 0xFFFFFFFF) return nullptr;
    return icon;
}

// The picture the shell shows for the path, from its system image list of the least size not below
// `size` (drawing brings it down to size; bringing one up would blur it).
HICON IconeDaListaDoSistema(const std::wstring& path, int size) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX)) return nullptr;
    HIMAGELIST best = nullptr;
    int bestSize = 0;
    for (int list : {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE, SHIL_JUMBO}) {
        HIMAGELIST himl = nullptr;
        if (FAILED(SHGetImageList(list, kIImageList, reinterpret_cast<void**>(&himl))) || !himl) continue;
        int cx = 0, cy = 0;
        if (!ImageList_GetIconSize(himl, &cx, &cy)) continue;
        // One that fits beats one that does not; among those that fit the least, among the rest the most.
        const bool fits = cx >= size, bestFits = bestSize >= size;
        if (!best || (fits != bestFits ? fits : fits ? cx < bestSize : cx > bestSize)) {
            best = himl;
            bestSize = cx;
        }
    }
    return best ? ImageList_GetIcon(best, info.iIcon, ILD_TRANSPARENT) : nullptr;
}

// The associated icon at the system's own size, as the shell has always given it.
HICON IconeAssociado(const std::wstring& path) {
    // The system may write the associated program's path back into the buffer without being told its
    // size: hand it a private copy with room for the longest path.
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
    return icon;
}

// The icon at the size it is drawn: the file's own icon, else the one its type names, both from the
// resource of that size; else the shell's image list.
HICON IconeNoTamanho(const std::wstring& path, bool isFile, int size) {
    if (isFile) {
        if (HICON icon = IconeDoArquivo(path, 0, size)) return icon;
    }
    SHFILEINFOW info{};
    if (SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_ICONLOCATION) && info.szDisplayName[0]) {
        if (HICON icon = IconeDoArquivo(info.szDisplayName, info.iIcon, size)) return icon;
    }
    return IconeDaListaDoSistema(path, size);
}

}  // namespace

bool readIcon(const std::string& aPrograma, IconHandle& aIcon, int size) {
    IShell& shell = *CurrentPlatform().shell;
    const bool isFile = shell.FileExists(aPrograma);
    if (!isFile && !shell.DirectoryExists(aPrograma)) return false;

    const std::wstring path = Wide(aPrograma);
    HICON icon = size > 0 ? IconeNoTamanho(path, isFile, size) : nullptr;
    if (!icon) icon = IconeAssociado(path);
    if (!icon) return false;
    aIcon.reset(icon);
    return true;
}

}  // namespace nq
