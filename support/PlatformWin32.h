#pragma once
// The real platform services for the portable routines.

#include <string>

#include "support/Platform.h"

namespace nq {

// Puts the Win32 services in force for the whole process.
void InstallWin32Platform();

// Handles the window messages waiting in this thread's queue; a quit request is left for the main loop.
void ProcessarMensagens();

// The running executable's full path.
std::string ModulePath();

}  // namespace nq
