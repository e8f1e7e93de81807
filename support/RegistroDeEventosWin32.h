#pragma once
// The diagnostic log's files (support/RegistroDeEventos.h) on the user's disk: "Pivel.log", the newer, and
// "Pivel (anterior).log", in the user's local application data under the program's name.

#include <memory>
#include <string>

#include "support/RegistroDeEventos.h"

namespace nq {

// The log's folder, with its trailing backslash (PIVEL_PASTA_REGISTRO names another one, for tests);
// empty when the system gives none.
std::string PastaDoRegistroDeEventos();
// The newer file's full path; empty when there is no folder.
std::string ArquivoDoRegistroDeEventos();
// The two files in a folder, made when the first line comes.
std::unique_ptr<IDestinoEventos> DestinoEmArquivos(const std::string& pasta);
// Installs the process's log on the user's files; nothing when there is no folder.
void IniciarRegistroDeEventos();

}  // namespace nq
