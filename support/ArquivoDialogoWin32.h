#pragma once
// The system's file-open dialog.

#include <windows.h>

#include <string>

namespace nq {

// Asks for a file with the system's open dialog: AFilter lists the types (support/ArquivoDialogo.h),
// the first one selected; AInitialDir is where it starts (empty: the system's choice). A typed name
// need not exist unless existente says so (the dialog then refuses it, as it refuses a missing folder).
// The dialog's owner is dono, or the window the messages go to when that is null. True when the user
// confirmed; AFileName then holds the full path, and is left as it was otherwise. The program's current
// folder is left where it was.
bool PromptForFileName(std::string& AFileName, const std::string& AFilter, const std::string& ADefaultExt,
                       const std::string& ATitle, const std::string& AInitialDir, bool existente = false,
                       HWND dono = nullptr);

}  // namespace nq
