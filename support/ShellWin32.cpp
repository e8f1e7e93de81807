#include "support/ShellWin32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "support/ErroSistemaWin32.h"
#include "support/Text.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

// Room for the longest path and the longest command line a link can carry.
constexpr int kLongText = 32768;

// COM for the length of one call, so that callers need not know about it. A thread that has joined
// COM already (drag and drop, the common dialogs) is only counted once more and released again; one
// that lives in the multithreaded apartment is used as it is, the link object works there too.
class ComScope {
public:
    ComScope()
        : joined_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComScope() {
        if (joined_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool joined_;
};

template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() {
        if (p_) p_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    T* operator->() const { return p_; }
    void** out() { return reinterpret_cast<void**>(&p_); }

private:
    T* p_ = nullptr;
};

[[noreturn]] void LinkObjectFailed(HRESULT hr) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    throw std::runtime_error("Não foi possível criar o objeto de atalhos do Windows: " +
                             TextoErroSistema(static_cast<DWORD>(hr)) + " (" + code + ")");
}

// The text a getter wrote into a zeroed buffer; a getter that failed leaves it empty.
std::string BufferText(std::vector<wchar_t>& buffer) {
    buffer.back() = L'\0';
    return Narrow(buffer.data());
}

class Win32ShellImpl final : public IShell {
public:
    ShellLinkData LoadShellLink(const std::string& linkFile) override {
        ComScope com;
        ComRef<IShellLinkW> link;
        HRESULT hr =
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out());
        if (FAILED(hr)) LinkObjectFailed(hr);
        ComRef<IPersistFile> file;
        hr = link->QueryInterface(IID_IPersistFile, file.out());
        if (FAILED(hr)) LinkObjectFailed(hr);

        ShellLinkData data;
        // A missing file or one that is not a link: the getters would only describe an empty link.
        if (FAILED(file->Load(Wide(linkFile).c_str(), STGM_READ))) return data;

        // The getters' results are not checked: one that has nothing to say leaves its zeroed buffer.
        std::vector<wchar_t> text(kLongText, L'\0');
        WIN32_FIND_DATAW fd{};
        link->GetPath(text.data(), kLongText, &fd, SLGP_UNCPRIORITY);
        data.targetPath = BufferText(text);
        fd.cFileName[MAX_PATH - 1] = L'\0';
        data.findData.name = Narrow(fd.cFileName);
        data.findData.isDirectory = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;

        std::fill(text.begin(), text.end(), L'\0');
        link->GetDescription(text.data(), kLongText);
        data.description = BufferText(text);

        std::fill(text.begin(), text.end(), L'\0');
        link->GetArguments(text.data(), kLongText);
        data.arguments = BufferText(text);

        std::fill(text.begin(), text.end(), L'\0');
        link->GetWorkingDirectory(text.data(), kLongText);
        data.workingDirectory = BufferText(text);

        std::fill(text.begin(), text.end(), L'\0');
        int iconIndex = 0;
        link->GetIconLocation(text.data(), kLongText, &iconIndex);
        data.iconLocation = BufferText(text);
        data.iconIndex = iconIndex;

        WORD hotKey = 0;
        link->GetHotkey(&hotKey);
        data.hotKey = hotKey;
        int show = 0;
        link->GetShowCmd(&show);
        data.showCommand = show;
        return data;
    }

    bool ExtractsIcon(const std::string& path) override {
        // Only an existing file is asked about: a folder, a web address or a path that names nothing
        // has no icon of its own, whatever the call might make of it.
        if (!FileExists(path)) return false;
        HICON icon = ExtractIconW(GetModuleHandleW(nullptr), Wide(path).c_str(), 0);
        if (!icon) return false;
        // 1 is the marker for "not a program, library or icon file", not an icon of ours to destroy.
        if (icon != reinterpret_cast<HICON>(1)) DestroyIcon(icon);
        return true;
    }

    bool FileExists(const std::string& path) override {
        if (path.empty()) return false;
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }

    bool DirectoryExists(const std::string& path) override {
        if (path.empty()) return false;
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<std::string> UserRegistryString(const std::string& key, const std::string& name) override {
        HKEY h = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(key).c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &h) !=
            ERROR_SUCCESS)
            return std::nullopt;
        const std::wstring valueName = Wide(name);
        std::vector<BYTE> data(512);
        DWORD type = 0;
        LSTATUS status = ERROR_MORE_DATA;
        for (int attempt = 0; attempt < 4 && status == ERROR_MORE_DATA; ++attempt) {
            DWORD size = static_cast<DWORD>(data.size());
            status = RegQueryValueExW(h, valueName.c_str(), nullptr, &type, data.data(), &size);
            if (status == ERROR_MORE_DATA) {
                data.resize(size + sizeof(wchar_t));  // the value may change between the calls
            } else if (status == ERROR_SUCCESS) {
                data.resize(size);
            }
        }
        RegCloseKey(h);
        if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        // The stored text need not end with a zero, and may end with several.
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
        text.resize(wcsnlen(text.c_str(), text.size()));
        return Narrow(text);
    }

    std::optional<std::string> EnvironmentVariable(const std::string& name) override {
        const std::wstring w = Wide(name);
        std::vector<wchar_t> buffer(256);
        for (;;) {
            SetLastError(ERROR_SUCCESS);
            const DWORD n =
                GetEnvironmentVariableW(w.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
            if (n == 0) {
                if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
                return std::string();
            }
            if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
            buffer.resize(n);
        }
    }

    std::string SystemFolder() override {
        std::vector<wchar_t> buffer(MAX_PATH);
        for (;;) {
            const UINT n = GetSystemDirectoryW(buffer.data(), static_cast<UINT>(buffer.size()));
            if (n == 0) return {};
            if (n < buffer.size()) return Narrow(std::wstring_view(buffer.data(), n));
            buffer.resize(n);
        }
    }
};

}  // namespace

IShell& Win32Shell() {
    static Win32ShellImpl shell;
    return shell;
}

}  // namespace nq
