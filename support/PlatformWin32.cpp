#include "support/PlatformWin32.h"

#include <windows.h>
#include <uxtheme.h>

#include <vector>

#include "support/Win32Text.h"

namespace nq {

namespace {

LocalTime ToLocalTime(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME st{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &st)) return {};
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

class Win32FileSystem final : public IFileSystem {
public:
    std::vector<FileEntry> Find(const std::string& pattern) override {
        std::vector<FileEntry> found;
        WIN32_FIND_DATAW fd{};
        HANDLE h = FindFirstFileExW(Wide(pattern).c_str(), FindExInfoBasic, &fd, FindExSearchNameMatch, nullptr, 0);
        if (h == INVALID_HANDLE_VALUE) return found;
        do {
            const std::wstring_view name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            found.push_back(FileEntry{Narrow(name), (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                                      ToLocalTime(fd.ftLastWriteTime)});
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        return found;
    }

    bool ForceDelete(const std::string& path) override {
        const std::wstring w = Wide(path);
        SetFileAttributesW(w.c_str(), FILE_ATTRIBUTE_ARCHIVE);
        return DeleteFileW(w.c_str()) != 0;
    }
};

class Win32VersionInfo final : public IVersionInfo {
public:
    std::optional<FixedVersion> Read(const std::string& path) override {
        const std::wstring w = Wide(path);
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(w.c_str(), &handle);
        if (size == 0) return std::nullopt;
        std::vector<BYTE> block(size);
        if (!GetFileVersionInfoW(w.c_str(), 0, size, block.data())) return std::nullopt;
        VS_FIXEDFILEINFO* info = nullptr;
        UINT len = 0;
        if (!VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &len) || !info ||
            len < sizeof(VS_FIXEDFILEINFO))
            return std::nullopt;
        return FixedVersion{info->dwFileVersionMS, info->dwFileVersionLS};
    }
};

struct FontQuery {
    const wchar_t* family;
    bool found;
};

// Counts only a family of that very name: a substitute that the system offers in its place is not it.
int CALLBACK SameFamily(const LOGFONTW* lf, const TEXTMETRICW*, DWORD, LPARAM param) {
    auto* q = reinterpret_cast<FontQuery*>(param);
    if (lstrcmpiW(lf->lfFaceName, q->family) != 0) return 1;
    q->found = true;
    return 0;
}

class Win32SystemInfo final : public ISystemInfo {
public:
    bool FontInstalled(const std::string& family) override {
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        const std::wstring w = Wide(family);
        if (w.size() >= LF_FACESIZE) return false;
        wcscpy_s(lf.lfFaceName, w.c_str());
        FontQuery q{w.c_str(), false};
        HDC dc = GetDC(nullptr);
        EnumFontFamiliesExW(dc, &lf, SameFamily, reinterpret_cast<LPARAM>(&q), 0);
        ReleaseDC(nullptr, dc);
        return q.found;
    }

    bool VisualStylesActive() override { return IsThemeActive() && IsAppThemed(); }

    void ProcessMessages() override {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
};

}  // namespace

void InstallWin32Platform() {
    static Win32FileSystem files;
    static Win32VersionInfo versions;
    static Win32SystemInfo system;
    Platform& p = CurrentPlatform();
    p.files = &files;
    p.versions = &versions;
    p.system = &system;
}

std::string ModulePath() {
    std::wstring buf(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
        if (n == 0) return {};
        if (n < buf.size()) return Narrow(std::wstring_view(buf.data(), n));
        buf.resize(buf.size() * 2);
    }
}

}  // namespace nq
