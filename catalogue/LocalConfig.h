#pragma once
// Where the settings file lives: beside the program, as always, when the program's folder can be
// written; otherwise (a standard user and a program under Program Files) in the user's application-data
// folder, under the program's name.

#include <string>
#include <vector>

#include "support/Platform.h"

namespace nq {

// The file an installation for all users leaves beside the program: every user then keeps the settings
// in their own application data, even one who could write in the program's folder.
inline constexpr const char* kMarcaTodosUsuarios = "TodosOsUsuarios.txt";

// The file to use: aoLado when the program's folder can be written or the system gives no
// application-data folder; else the file of the same name in pastaDados (with its trailing backslash).
std::string LocalDasConfiguracoes(const std::string& aoLado, bool pastaGravavel, const std::string& pastaDados);

// The first start with the file in application data: the one beside the program, if any, is copied
// there; without one the program starts with its defaults. Nothing when the file there exists already
// or is the one beside the program. True when a copy was made.
bool CopiarConfiguracoes(const std::string& aoLado, const std::string& emUso);

// What the bar could not write to its settings file (read-only, held by another program, a full disk) is
// kept in the user's application data under a dated name, "PivelConfig (não gravada 2026-12-11
// 10-07-09).ini" (then " 2", " 3" ...), so that no shortcut is lost; the user is told where.
//
// Writes the bytes under the first free such name in pastaDados (with its trailing backslash) for the
// moment agora; its path, or empty when none could be written.
std::string GuardarNaoGravado(const std::string& emUso, const std::string& pastaDados, const std::string& bytes,
                              const LocalTime& agora);
// The copies kept so for this settings file that are newer than the file: what the user has not had back
// in it yet (none while there is no file). Sorted by name, oldest first.
std::vector<std::string> NaoGravadosPendentes(const std::string& emUso, const std::string& pastaDados);

// The whole text of the notice at start about a settings file that cannot be written (motivo, the
// system's reason; empty when it can) or could not be read (ilegivel), and of the copies still pending.
std::string TextoConfigSemGravacao(const std::string& emUso, const std::string& motivo, bool ilegivel,
                                   const std::string& pastaDados, const std::vector<std::string>& pendentes);
// The whole text of the notice of a save that failed (erro, its message) and of where the settings went
// instead (copia; empty when even that failed).
std::string TextoFalhaAoGravar(const std::string& erro, const std::string& copia, const std::string& pastaDados);

}  // namespace nq
