#include "app/AppWin32.h"

#include <windows.h>

#include "app/MainWin32.h"
#include "support/NqConst.h"
#include "support/NqDlg.h"
#include "support/Win32Text.h"

namespace nq {

std::string NomeSemaforo(const std::string& ClassFormMain) {
    return ClassFormMain + "/" + NetName() + "/" + UserName();
}

bool AppExecutando(const std::string& ClassFormMain) {
    if (inProgrammingMode) return false;
    // The handle stays open for the life of the process: the name must exist while the bar runs.
    CreateSemaphoreW(nullptr, 1, 1, Wide(NomeSemaforo(ClassFormMain)).c_str());
    if (GetLastError() != ERROR_ALREADY_EXISTS) return false;
    HWND running = FindWindowW(Wide(ClassFormMain).c_str(), nullptr);
    if (!running) return false;
    // Let the running bar come to the front: only the process that has the foreground may allow it.
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    PostMessageW(running, WM_AppRestore, 0, 0);
    // A bar that does not answer (hung) must not hold this start: it is given a few seconds, no more.
    SendMessageTimeoutW(running, WM_AppRestore, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, 5000, nullptr);
    SetForegroundWindow(running);
    ExitProcess(0);
}

}  // namespace nq
