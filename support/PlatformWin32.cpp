#include "support/PlatformWin32.h"

#include <windows.h>
#include <shellscalingapi.h>
#include <uxtheme.h>

#include <vector>

#include "support/ErroSistemaWin32.h"
#include "support/Errors.h"
#include "support/FileReplace.h"
#include "support/NqDlgWin32.h"
#include "support/ShellWin32.h"

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

    std::optional<std::string> ReadAll(const std::string& path) override {
        HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return std::nullopt;
        std::string out;
        LARGE_INTEGER size{};
        if (GetFileSizeEx(h, &size) && size.QuadPart > 0 && size.QuadPart < (1LL << 31))
            out.reserve(static_cast<std::size_t>(size.QuadPart));
        char buf[64 * 1024];
        DWORD n = 0;
        bool ok = true;
        while ((ok = ReadFile(h, buf, sizeof buf, &n, nullptr) != 0) && n > 0) out.append(buf, n);
        CloseHandle(h);
        if (!ok) return std::nullopt;
        return out;
    }

    void ReplaceAll(const std::string& path, const std::string& bytes) override {
        const std::wstring target = Wide(path);
        // Windows refuses to replace a read-only file, but Wine replaces it: refuse it here, before any
        // temporary file exists, so that both keep the file.
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            Fail(path, ERROR_ACCESS_DENIED);
        DWORD err = 0;
        // A bar that starts meanwhile removes the temporary files nobody holds open: when it took ours
        // between its writing and the swap, it is written once more.
        for (int round = 0; round < 2; ++round) {
            std::uint32_t n = 0;
            std::wstring temp;
            err = WriteTemporary(path, bytes, n, temp);
            if (err) Fail(path, err);
            // The new file keeps the attributes of the one it replaces (hidden, system ...), which the
            // rename does not carry over.
            if (attributes != INVALID_FILE_ATTRIBUTES) {
                const DWORD kept = attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                                 FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED);
                SetFileAttributesW(temp.c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL);
            }
            err = SwapIn(target, temp);
            if (err == 0) return;
            if (err == kTemporaryGone) continue;
            // The old file is still whole at its place: the new content is of no use.
            DeleteFileW(temp.c_str());
            break;
        }
        Fail(path, err == kTemporaryGone ? ERROR_FILE_NOT_FOUND : err);
    }

    bool CreateNew(const std::string& path, const std::string& bytes) override {
        const std::wstring w = Wide(path);
        HANDLE h =
            CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size() && FlushFileBuffers(h);
        CloseHandle(h);
        if (!ok) DeleteFileW(w.c_str());
        return ok;
    }

private:
    static constexpr DWORD kTemporaryGone = 0xFFFFFFFF;

    static bool Busy(DWORD err) {
        return err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION || err == ERROR_ACCESS_DENIED;
    }

    // Writes the new content to a temporary file of its own beside the file, held without sharing until
    // it is flushed; 0, or the error (nothing left behind then).
    DWORD WriteTemporary(const std::string& path, const std::string& bytes, std::uint32_t& n,
                         std::wstring& temp) {
        HANDLE h = INVALID_HANDLE_VALUE;
        for (int tries = 0; tries < 100 && h == INVALID_HANDLE_VALUE; ++tries) {
            n = nextTemporary_++;
            temp = Wide(ReplacementName(path, GetCurrentProcessId(), n, bytes));
            h = CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
            if (h == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS) return GetLastError();
        }
        if (h == INVALID_HANDLE_VALUE) return ERROR_FILE_EXISTS;
        DWORD written = 0;
        const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size() && FlushFileBuffers(h);
        const DWORD err = ok ? 0 : GetLastError();
        CloseHandle(h);
        if (!ok) DeleteFileW(temp.c_str());
        return ok ? 0 : (err ? err : ERROR_WRITE_FAULT);
    }

    // Puts the temporary file in the file's place with one rename over it, so that the file is there at
    // every instant, old or new (a replacement that moves the old file aside first leaves a moment with
    // none, which a sync client or a backup may see). Another program (an antivirus, a backup) may hold
    // the file for a moment: a few tries. 0, kTemporaryGone, or the error.
    DWORD SwapIn(const std::wstring& target, const std::wstring& temp) {
        DWORD err = 0;
        for (int attempt = 0; attempt < 5; ++attempt) {
            if (attempt) Sleep(50);
            if (GetFileAttributesW(temp.c_str()) == INVALID_FILE_ATTRIBUTES) return kTemporaryGone;
            if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return 0;
            err = GetLastError();
            if (!Busy(err)) break;
        }
        return err;
    }

    std::uint32_t nextTemporary_ = 1;

    [[noreturn]] static void Fail(const std::string& path, DWORD err) {
        throw EInOutError("Não foi possível gravar o arquivo " + path + ": " + TextoErroSistema(err));
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

    std::string ComputerName() override {
        wchar_t buf[MAX_COMPUTERNAME_LENGTH + 1];
        DWORD n = MAX_COMPUTERNAME_LENGTH + 1;
        return GetComputerNameW(buf, &n) ? Narrow(std::wstring_view(buf, n)) : std::string();
    }

    std::string UserName() override {
        wchar_t buf[257];
        DWORD n = 257;
        return GetUserNameW(buf, &n) ? Narrow(buf) : std::string();
    }

    void ProcessMessages() override { ProcessarMensagens(); }
};

Rect DeRECT(const RECT& r) { return RectLTRB(r.left, r.top, r.right, r.bottom); }

class Win32Monitores final : public IMonitores {
public:
    std::vector<TMonitor> Listar() override {
        std::vector<TMonitor> lista;
        EnumDisplayMonitors(
            nullptr, nullptr,
            [](HMONITOR h, HDC, LPRECT, LPARAM p) -> BOOL {
                MONITORINFO mi{};
                mi.cbSize = sizeof mi;
                if (!GetMonitorInfoW(h, &mi)) return TRUE;
                UINT dx = 0, dy = 0;
                const int dpi = SUCCEEDED(GetDpiForMonitor(h, MDT_EFFECTIVE_DPI, &dx, &dy)) && dy ? static_cast<int>(dy) : 96;
                reinterpret_cast<std::vector<TMonitor>*>(p)->push_back(
                    {DeRECT(mi.rcMonitor), DeRECT(mi.rcWork), dpi, (mi.dwFlags & MONITORINFOF_PRIMARY) != 0});
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&lista));
        if (lista.empty()) {
            // The system would not list them: the primary screen and its work area.
            RECT wa{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            const Rect tela = DeRECT(wa);
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
            lista.push_back({tela, DeRECT(wa), 96, true});
        }
        return lista;
    }
};

}  // namespace

void InstallWin32Platform() {
    static Win32FileSystem files;
    static Win32VersionInfo versions;
    static Win32SystemInfo system;
    static Win32Monitores monitores;
    Platform& p = CurrentPlatform();
    p.files = &files;
    p.versions = &versions;
    p.system = &system;
    p.shell = &Win32Shell();
    p.monitores = &monitores;
    InstallWin32Cursor();
}

void ProcessarMensagens() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the main loop
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
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
