#pragma once
// What the user must hear about the settings file: the copies of it kept beside it.

namespace nq {

// Shows, once each, the notices of the process-wide settings object (copies kept beside the file
// because it changed elsewhere or could not be decoded), in the program's message box; nothing when
// there are none.
void AvisarCopiasConfig();

}  // namespace nq
