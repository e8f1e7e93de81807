#pragma once
// The icon the shell shows for a shortcut's target.

#include <string>

#include "support/Win32Handles.h"

namespace nq {

// Takes the icon that the shell associates with an existing file or folder into aIcon and returns
// true. A path that names nothing, or a target without any icon, gives false and leaves aIcon as it
// was, so that the caller keeps its previous or replacement picture. With a size (device pixels) the
// icon is taken from the resource or image list of that size, so that it stays sharp at any density;
// without one it comes at the system's icon size. Safe on any thread that has joined COM.
bool readIcon(const std::string& aPrograma, IconHandle& aIcon, int size = 0);

}  // namespace nq
