#pragma once
// What the user must hear about the settings file: the copies of it kept beside it. They are told
// while the bar is up; what could not be told (the program was ending) waits in the file for the next
// start.

#include <string>
#include <vector>

namespace nq {

class TMemIniFile;

// The notices not yet told: those of the settings object, and those an earlier run left in the file
// for this one (which leave the file now).
std::vector<std::string> TomarAvisosConfig(TMemIniFile& ini);

// Leaves notices nobody was left to hear in the file, for the next start; the caller writes the file.
void GuardarAvisosConfig(TMemIniFile& ini, const std::vector<std::string>& avisos);

}  // namespace nq
