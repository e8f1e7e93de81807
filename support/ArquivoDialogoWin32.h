#pragma once
// The system's file-open dialog.

#include <string>

namespace nq {

// Asks for a file with the system's open dialog: AFilter lists the types (support/ArquivoDialogo.h),
// the first one selected; AInitialDir is where it starts (empty: the system's choice). A typed name
// need not exist. True when the user confirmed; AFileName then holds the full path, and is left as it
// was otherwise. The program's current folder is left where it was.
bool PromptForFileName(std::string& AFileName, const std::string& AFilter, const std::string& ADefaultExt,
                       const std::string& ATitle, const std::string& AInitialDir);

}  // namespace nq
