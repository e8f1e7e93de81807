#pragma once
// Where the settings file lives: beside the program, as always, when the program's folder can be
// written; otherwise (a standard user and a program under Program Files) in the user's application-data
// folder, under the program's name.

#include <string>

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

}  // namespace nq
