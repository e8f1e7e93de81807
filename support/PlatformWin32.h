#pragma once
// The real platform services for the portable routines.

#include <string>

#include "support/Platform.h"

namespace nq {

// Puts the Win32 services in force for the whole process.
void InstallWin32Platform();

// The running executable's full path.
std::string ModulePath();

}  // namespace nq
