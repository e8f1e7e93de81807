#pragma once
// The system's side of where the settings live: whether the program's folder can be written, the user's
// application-data folder, and whether the program runs from a removable drive.

#include <string>

namespace nq {

// The settings file for this start (catalogue/LocalConfig.h); somenteLeitura makes the program's folder
// count as one that cannot be written.
std::string ArquivoDeConfiguracoes(bool somenteLeitura);

// Whether a folder lies on a removable drive.
bool UnidadeRemovivel(const std::string& pasta);

}  // namespace nq
