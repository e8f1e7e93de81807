#pragma once
// Helpers for the tests that run for real under Wine: temporary folders, files, child processes.

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "support/PlatformWin32.h"
#include "support/Win32Text.h"

namespace nq::test {

// Milliseconds since a tick count: a difference, so that it stays right across the counter's wrap
// (every 49.7 days).
inline DWORD Elapsed(DWORD since) { return GetTickCount() - since; }

// The folder of the running test program (the build's bin folder), with a trailing backslash.
inline std::string BinFolder() {
    const std::string exe = ModulePath();
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

// A fresh folder under the temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        static int counter = 0;
        for (;;) {
            path_ = Narrow(base) + "pivel-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                    std::to_string(++counter) + "\\";
            if (CreateDirectoryW(Wide(path_).c_str(), nullptr)) break;
        }
    }
    ~TempFolder() { RemoveTree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

    static void RemoveTree(const std::string& folder) {
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(Wide(folder + "*").c_str(), &fd);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring name = fd.cFileName;
                if (name == L"." || name == L"..") continue;
                const std::string child = folder + Narrow(name);
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    RemoveTree(child + "\\");
                } else {
                    SetFileAttributesW(Wide(child).c_str(), FILE_ATTRIBUTE_NORMAL);
                    DeleteFileW(Wide(child).c_str());
                }
            } while (FindNextFileW(h, &fd));
            FindClose(h);
        }
        RemoveDirectoryW(Wide(folder).c_str());
    }

private:
    std::string path_;
};

inline bool WriteFile(const std::string& path, const std::string& bytes, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
    if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(Wide(path).c_str(), attributes);
    return ok && written == bytes.size();
}

inline std::string ReadFile(const std::string& path) {
    HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string out;
    char buf[4096];
    DWORD n = 0;
    while (::ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
    CloseHandle(h);
    return out;
}

// The names in a folder (given with its trailing "\\"), sorted, without "." and "..".
inline std::vector<std::string> NamesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW(Wide(folder + "*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = fd.cFileName;
        if (name != L"." && name != L"..") names.push_back(Narrow(name));
    } while (FindNextFileW(h, &fd));
    FindClose(h);
    std::sort(names.begin(), names.end());
    return names;
}

inline bool Exists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// A program started and left running; ended (asked to close, then forced) when the object goes.
class RunningProcess {
public:
    RunningProcess(const std::string& exe, const std::string& args, const std::vector<std::string>& extraEnv = {}) {
        std::wstring env;
        if (!extraEnv.empty()) {
            LPWCH block = GetEnvironmentStringsW();
            for (LPWCH p = block; *p; p += wcslen(p) + 1) env += std::wstring(p) + L'\0';
            FreeEnvironmentStringsW(block);
            for (const std::string& e : extraEnv) env += Wide(e) + L'\0';
            env += L'\0';
        }
        std::wstring cmd = L"\"" + Wide(exe) + L"\"" + (args.empty() ? L"" : L" " + Wide(args));
        STARTUPINFOW si{};
        si.cb = sizeof si;
        started_ = CreateProcessW(Wide(exe).c_str(), cmd.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                                  env.empty() ? nullptr : env.data(), nullptr, &si, &pi_) != 0;
    }
    ~RunningProcess() {
        if (!started_) return;
        if (WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 10000);
        CloseHandle(pi_.hThread);
        CloseHandle(pi_.hProcess);
    }
    RunningProcess(const RunningProcess&) = delete;
    RunningProcess& operator=(const RunningProcess&) = delete;

    bool started() const { return started_; }
    // Ends the process at once, as a crash or a power cut would, and waits until it is gone.
    void Kill() {
        if (!started_) return;
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 10000);
    }
    DWORD pid() const { return pi_.dwProcessId; }
    // Waits for the end; true with its exit code when it ended in time.
    bool Wait(DWORD ms, DWORD* exitCode = nullptr) const {
        if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return false;
        if (exitCode) GetExitCodeProcess(pi_.hProcess, exitCode);
        return true;
    }

    // The process's visible or hidden top-level window of a class, waiting up to the given time.
    HWND FindWindowOfClass(const wchar_t* className, DWORD ms = 20000) const {
        const DWORD start = GetTickCount();
        do {
            struct Query {
                DWORD pid;
                const wchar_t* cls;
                HWND found;
            } q{pi_.dwProcessId, className, nullptr};
            EnumWindows(
                [](HWND w, LPARAM p) -> BOOL {
                    auto* q = reinterpret_cast<Query*>(p);
                    DWORD pid = 0;
                    GetWindowThreadProcessId(w, &pid);
                    wchar_t cls[256];
                    if (pid == q->pid && GetClassNameW(w, cls, 256) && lstrcmpW(cls, q->cls) == 0) {
                        q->found = w;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&q));
            if (q.found) return q.found;
            Sleep(50);
        } while (Elapsed(start) < ms);
        return nullptr;
    }

private:
    bool started_ = false;
    PROCESS_INFORMATION pi_{};
};

struct ProcessResult {
    bool started = false;
    DWORD exitCode = 0;
};

// Runs a program with a command line and extra environment variables ("NAME=value"), waiting for it;
// one that outlives the time is ended with exit code 99.
inline ProcessResult RunProcess(const std::string& exe, const std::string& args,
                                const std::vector<std::string>& extraEnv = {}, DWORD timeoutMs = 60000) {
    RunningProcess p(exe, args, extraEnv);
    ProcessResult r;
    r.started = p.started();
    if (r.started && !p.Wait(timeoutMs, &r.exitCode)) r.exitCode = 99;
    return r;
}

// Registers (once) a window class that does nothing but the default handling, for test windows.
inline const wchar_t* PlainWindowClass(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), name, &wc)) {
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = name;
        RegisterClassExW(&wc);
    }
    return name;
}

// Waits until a condition holds, up to a time; true when it did.
template <class F>
bool WaitFor(F condition, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    do {
        if (condition()) return true;
        Sleep(20);
    } while (Elapsed(start) < ms);
    return condition();
}

// Waits until a condition has held without a break for `hold` milliseconds, up to a time; true when it
// did. For states that settle only after a while (the focus under X without a window manager).
template <class F>
bool WaitSteady(F condition, DWORD hold, DWORD ms = 5000) {
    const DWORD start = GetTickCount();
    DWORD since = start;
    bool held = false;
    do {
        if (!condition()) {
            held = false;
        } else if (!held) {
            held = true;
            since = GetTickCount();
        } else if (Elapsed(since) >= hold) {
            return true;
        }
        Sleep(20);
    } while (Elapsed(start) < ms);
    return false;
}

// A real left click at a screen point, through the system's input queue, optionally with a modifier
// key (VK_CONTROL, VK_SHIFT) held. Every event carries the point itself: a click sent "where the
// pointer is" right after moving it may land where it was before (under X, a pointer report still
// queued from the old place wins). The modifier goes in the same batch as the click: pressed on its
// own, it may be let go again by the X server's own key state, which Wine takes over when the pointer
// or the focus reaches a window.
inline void ClickAt(int x, int y, WORD modifier = 0, bool right = false) {
    SetCursorPos(x, y);
    // Absolute input spans 0..65535 over the primary screen; rounded up so that it maps back onto x, y.
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    const LONG ax = static_cast<LONG>((x * 65536LL + w - 1) / w),
               ay = static_cast<LONG>((y * 65536LL + h - 1) / h);
    std::vector<INPUT> in;
    auto mouse = [&](DWORD flag) {
        INPUT i{};
        i.type = INPUT_MOUSE;
        i.mi.dx = ax;
        i.mi.dy = ay;
        i.mi.dwFlags = flag | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        in.push_back(i);
    };
    auto key = [&](bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = modifier;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    mouse(0);
    if (modifier) key(false);
    mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
    mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    if (modifier) key(true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

inline void RightClickAt(int x, int y) { ClickAt(x, y, 0, true); }

// The pointer moved for real through the system's input queue, as a mouse moves it; with a button
// pressed or let go on the way when `botao` says so (MOUSEEVENTF_LEFTDOWN, for a drag).
inline void MoverPara(int x, int y, DWORD botao = 0) {
    SetCursorPos(x, y);
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.dx = static_cast<LONG>((x * 65536LL + w - 1) / w);
    i.mi.dy = static_cast<LONG>((y * 65536LL + h - 1) / h);
    i.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | botao;
    SendInput(1, &i, sizeof i);
}

inline void PressKey(WORD vk, bool shift = false, bool ctrl = false) {
    std::vector<INPUT> in;
    auto key = [&](WORD k, bool up) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        in.push_back(i);
    };
    if (ctrl) key(VK_CONTROL, false);
    if (shift) key(VK_SHIFT, false);
    key(vk, false);
    key(vk, true);
    if (shift) key(VK_SHIFT, true);
    if (ctrl) key(VK_CONTROL, true);
    SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
}

// Types text as a keyboard delivers it, one character after another, whatever the keyboard layout.
inline void Digitar(const std::wstring& texto) {
    for (wchar_t ch : texto) {
        INPUT in[2]{};
        for (INPUT& i : in) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = ch;
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

// The visible top-level windows of a process that are of a class, in Z order (the newest on top).
inline std::vector<HWND> WindowsOfClass(DWORD pid, const wchar_t* cls) {
    struct Query {
        DWORD pid;
        const wchar_t* cls;
        std::vector<HWND> found;
    } q{pid, cls, {}};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Query*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            wchar_t name[64];
            if (owner == q->pid && IsWindowVisible(w) && GetClassNameW(w, name, 64) &&
                lstrcmpW(name, q->cls) == 0)
                q->found.push_back(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.found;
}

// The visible menu windows of a process, the first one opened first.
inline std::vector<HWND> MenuWindows(DWORD pid) {
    std::vector<HWND> found = WindowsOfClass(pid, L"#32768");
    std::reverse(found.begin(), found.end());
    return found;
}

// The log-on start value that every start of the bar writes, put back as it was when the object goes.
class RunValue {
public:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    RunValue() { saved_ = Read(); }
    ~RunValue() {
        HKEY k;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
        if (saved_)
            RegSetValueExW(k, L"NqPivel", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_->c_str()),
                           static_cast<DWORD>((saved_->size() + 1) * sizeof(wchar_t)));
        else
            RegDeleteValueW(k, L"NqPivel");
        RegCloseKey(k);
    }
    RunValue(const RunValue&) = delete;
    RunValue& operator=(const RunValue&) = delete;
    static std::optional<std::wstring> Read() {
        wchar_t buf[1024];
        DWORD size = sizeof buf;
        if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"NqPivel", RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
            return std::nullopt;
        return std::wstring(buf);
    }

private:
    std::optional<std::wstring> saved_;
};

}  // namespace nq::test
