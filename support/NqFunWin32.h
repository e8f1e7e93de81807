#pragma once
// The system's message box for the program's messages: a notice, an error and a yes/no question.
// Every "|" of a text is a line break; the caption is the program's title. The box belongs to the
// program's window in front (a dialog, or else the bar) and keeps every window of the program waiting.

#include <windows.h>

#include <string_view>

namespace nq {

void MsgBox(std::string_view msg);
void MsgBoxErro(std::string_view msg);
// A notice whose text is shown as it is, lines broken by "\n": for texts that carry what the user typed,
// where a "|" is the user's own.
void MsgBoxTexto(std::string_view msg);
// True only when the user chose "Yes". BotaoDefault 1 makes "Yes" the default button, 2 "No".
bool MsgBoxConf(std::string_view msg, int BotaoDefault = 1);

// The program's window a message should belong to: its active window, or else the main window.
HWND JanelaDasMensagens();

}  // namespace nq
