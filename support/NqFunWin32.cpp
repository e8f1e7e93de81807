#include "support/NqFunWin32.h"

#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

int Caixa(std::string_view msg, UINT flags) {
    return MessageBoxW(JanelaDasMensagens(), Wide(TextoMensagem(msg)).c_str(), Wide(ApplicationTitle).c_str(),
                       flags | MB_APPLMODAL);
}

}  // namespace

HWND JanelaDasMensagens() {
    HWND ativa = GetActiveWindow();
    DWORD pid = 0;
    if (ativa) GetWindowThreadProcessId(ativa, &pid);
    if (ativa && pid == GetCurrentProcessId() && IsWindowVisible(ativa)) return ativa;
    return MainWindow();
}

void MsgBox(std::string_view msg) {
    Caixa(msg, MB_OK | MB_ICONINFORMATION);
}

void MsgBoxTexto(std::string_view msg) {
    MessageBoxW(JanelaDasMensagens(), Wide(StrTran(msg, "\n", "\r\n")).c_str(), Wide(ApplicationTitle).c_str(),
                MB_OK | MB_ICONINFORMATION | MB_APPLMODAL);
}

void MsgBoxErro(std::string_view msg) {
    Caixa(msg, MB_OK | MB_ICONERROR);
}

bool MsgBoxConf(std::string_view msg, int BotaoDefault) {
    return Caixa(msg, MB_YESNO | MB_ICONQUESTION | (BotaoDefault == 2 ? MB_DEFBUTTON2 : MB_DEFBUTTON1)) ==
           IDYES;
}

}  // namespace nq
