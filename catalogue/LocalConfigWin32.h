#pragma once
// The system's side of where the settings live: whether the program's folder can be written, the user's
// application-data folder, and whether the program runs from a removable drive.

#include <string>

namespace nq {

// The settings file for this start (catalogue/LocalConfig.h); somenteLeitura makes the program's folder
// count as one that cannot be written.
std::string ArquivoDeConfiguracoes(bool somenteLeitura);

// The user's application-data folder under the program's name, with its trailing backslash, made when
// missing; empty when the system gives none.
std::string PastaDeDados();

// Why the settings file cannot be written now, in the system's words (read-only, held by another
// program, a folder the user may not write in); empty when it can.
std::string MotivoSemGravacao(const std::string& arquivo);

// Whether a folder lies on a removable drive.
bool UnidadeRemovivel(const std::string& pasta);

}  // namespace nq
