#pragma once
// The user's documents folder and the system folder, as the first shortcuts and the folder picker use them.

#include <string>

namespace nq {

// The user's documents folder as the shell's user folders record it, environment references
// ("%USERPROFILE%") replaced, with a trailing backslash; empty when it is not recorded.
std::string DirDocs();

// The system folder with a trailing backslash.
std::string DirSystem();

}  // namespace nq
