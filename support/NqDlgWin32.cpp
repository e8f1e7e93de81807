#include "support/NqDlgWin32.h"

#include <shellapi.h>

#include <cstring>

#include "support/ErroSistemaWin32.h"
#include "support/NqConst.h"
#include "support/Text.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

class RegKey {
public:
    RegKey() = default;
    ~RegKey() {
        if (h_) RegCloseKey(h_);
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    HKEY* put() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

// The registry functions refuse a path that ends with a backslash on some systems.
std::wstring CaminhoChave(const std::string& chave) {
    std::wstring w = Wide(chave);
    while (!w.empty() && w.back() == L'\\') w.pop_back();
    return w;
}

[[noreturn]] void FalhaRegistro(const std::string& oque, LSTATUS err) {
    throw ERegistroError("Não foi possível " + oque + " no registro: " + TextoErroSistema(static_cast<DWORD>(err)));
}

}  // namespace

std::optional<std::string> TRegistroWin32::LerString(const std::string& chave, const std::string& nome) {
    RegKey key;
    if (RegOpenKeyExW(raiz_, CaminhoChave(chave).c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key.put()) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = Wide(nome);
    std::wstring buf;
    for (;;) {
        DWORD type = 0, size = 0;
        LSTATUS err = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size);
        if (err != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        buf.assign(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = size;
        err = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buf.data()),
                               &got);
        if (err == ERROR_MORE_DATA) continue;  // the value grew in between
        if (err != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        // The stored data need not end with a zero, and may hold more than one.
        buf.resize(got / sizeof(wchar_t));
        const std::size_t end = buf.find(L'\0');
        if (end != std::wstring::npos) buf.resize(end);
        return Narrow(buf);
    }
}

void TRegistroWin32::GravarString(const std::string& chave, const std::string& nome,
                                  const std::string& valor) {
    RegKey key;
    LSTATUS err = RegCreateKeyExW(raiz_, CaminhoChave(chave).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, key.put(), nullptr);
    if (err != ERROR_SUCCESS) FalhaRegistro("criar a chave " + chave, err);
    const std::wstring data = Wide(valor);
    err =
        RegSetValueExW(key.get(), Wide(nome).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    if (err != ERROR_SUCCESS) FalhaRegistro("gravar o valor " + nome, err);
}

void TRegistroWin32::ExcluirValor(const std::string& chave, const std::string& nome) {
    RegKey key;
    LSTATUS err =
        RegOpenKeyExW(raiz_, CaminhoChave(chave).c_str(), 0, KEY_SET_VALUE | KEY_WOW64_64KEY, key.put());
    if (err == ERROR_FILE_NOT_FOUND) return;
    if (err != ERROR_SUCCESS) FalhaRegistro("abrir a chave " + chave, err);
    err = RegDeleteValueW(key.get(), Wide(nome).c_str());
    if (err != ERROR_SUCCESS && err != ERROR_FILE_NOT_FOUND) FalhaRegistro("excluir o valor " + nome, err);
}

std::string IniciarComWindows(const std::string& Ident, const std::string& programa, const std::string& param,
                              HKEY localReg, TTipoIniciarWindows Opcao) {
    TRegistroWin32 reg(localReg);
    return IniciarComWindows(reg, Ident, programa, param, Opcao);
}

bool AbrirArquivoAssoc(const std::string& arq, bool Maximizado) {
    if (arq.empty()) return false;
    const HINSTANCE r = ShellExecuteW(MainWindow(), L"open", Wide(arq).c_str(), nullptr, nullptr,
                                      Maximizado ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(r) > 32;
}

bool CopiarTexto(HWND dono, const std::string& texto) {
    const std::wstring w = Wide(texto);
    const std::size_t bytes = (w.size() + 1) * sizeof(wchar_t);
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memoria) return false;
    if (void* p = GlobalLock(memoria)) {
        std::memcpy(p, w.c_str(), bytes);
        GlobalUnlock(memoria);
    }
    if (!OpenClipboard(dono)) {
        GlobalFree(memoria);
        return false;
    }
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    const bool ok = SetClipboardData(CF_UNICODETEXT, memoria) != nullptr;
    if (!ok) GlobalFree(memoria);
    CloseClipboard();
    return ok;
}

bool KeyIsDown(int Key) {
    return (GetKeyState(Key) & 0x80) != 0;
}

namespace {

HWND mainWindow = nullptr;

}  // namespace

void SetMainWindow(HWND janela) {
    mainWindow = janela;
}

HWND MainWindow() {
    return mainWindow && IsWindow(mainWindow) ? mainWindow : nullptr;
}

void CentraForm(HWND AForm, HWND AFormMain) {
    if (!AFormMain) AFormMain = MainWindow();
    if (!AForm || !AFormMain || !IsWindow(AForm) || !IsWindow(AFormMain)) return;
    RECT outer{}, client{}, form{};
    if (!GetWindowRect(AFormMain, &outer) || !GetClientRect(AFormMain, &client) ||
        !GetWindowRect(AForm, &form))
        return;
    const TGeometriaJanela principal{
        outer.left,   outer.top,    outer.right - outer.left, outer.bottom - outer.top,
        client.right, client.bottom};
    const TPosicao p = PosicaoCentraForm(principal, form.right - form.left, form.bottom - form.top);
    POINT pt{p.left, p.top};
    // A child window is placed in its parent's client coordinates.
    if ((GetWindowLongPtrW(AForm, GWL_STYLE) & WS_CHILD) && GetParent(AForm))
        ScreenToClient(GetParent(AForm), &pt);
    SetWindowPos(AForm, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

HCURSOR Forma(TCursor c) {
    switch (c) {
        case TCursor::crHourGlass:
            return LoadCursorW(nullptr, IDC_WAIT);
        case TCursor::crSQLWait:
            return LoadCursorW(nullptr, IDC_APPSTARTING);
        case TCursor::crDefault:
            break;
    }
    return nullptr;
}

HHOOK cursorHook = nullptr;

// Runs after every window procedure of the thread: whatever pointer a window chose for itself in
// WM_SETCURSOR, the busy one is put back over it. This covers every window of the program, message
// boxes and dialogs included, without each of them knowing about the busy state.
LRESULT CALLBACK CursorHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && reinterpret_cast<const CWPRETSTRUCT*>(lp)->message == WM_SETCURSOR) {
        if (HCURSOR forma = Forma(ScreenCursor())) SetCursor(forma);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void AplicarCursor(TCursor c) {
    if (HCURSOR forma = Forma(c)) {
        if (!cursorHook)
            cursorHook = SetWindowsHookExW(WH_CALLWNDPROCRET, CursorHook, nullptr, GetCurrentThreadId());
        SetCursor(forma);
        return;
    }
    if (cursorHook) {
        UnhookWindowsHookEx(cursorHook);
        cursorHook = nullptr;
    }
    // Give the window under the pointer its own pointer back now, as the next mouse move would.
    POINT pt{};
    if (!GetCursorPos(&pt)) return;
    HWND w = WindowFromPoint(pt);
    if (w && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) {
        const LRESULT hit = SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        SendMessageW(w, WM_SETCURSOR, reinterpret_cast<WPARAM>(w), MAKELPARAM(hit, WM_MOUSEMOVE));
    } else {
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

}  // namespace

void InstallWin32Cursor() {
    SetCursorApplier(AplicarCursor);
}

}  // namespace nq
