#pragma once
// The shell and system queries of the Windows build (shell links, icons, registry, known folders).

#include "support/Platform.h"

namespace nq {

// The one Win32 implementation; InstallWin32Platform puts it in force.
IShell& Win32Shell();

}  // namespace nq
