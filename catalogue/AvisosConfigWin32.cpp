#include "catalogue/AvisosConfigWin32.h"

#include <string>

#include "catalogue/NqIniFiles.h"
#include "support/NqFunWin32.h"

namespace nq {

void AvisarCopiasConfig() {
    if (!NqIni) return;
    for (const std::string& aviso : NqIni->TakeNotices()) MsgBox(aviso);
}

}  // namespace nq
