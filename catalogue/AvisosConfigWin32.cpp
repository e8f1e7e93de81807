#include "catalogue/AvisosConfigWin32.h"

#include <string>

#include "app/MainWin32.h"
#include "catalogue/NqIniFiles.h"
#include "support/Win32Text.h"

namespace nq {

void AvisarCopiasConfig(HWND owner) {
    if (!NqIni) return;
    for (const std::string& aviso : NqIni->TakeNotices())
        MessageBoxW(owner && IsWindow(owner) ? owner : nullptr, Wide(aviso).c_str(),
                    Wide(kApplicationTitle).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace nq
