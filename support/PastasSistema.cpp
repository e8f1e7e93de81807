#include "support/PastasSistema.h"

#include "support/NqFun.h"
#include "support/Platform.h"

namespace nq {

namespace {

// Replaces every "%NAME%" with the variable's value, keeping the text around it; a variable that is
// not set gives nothing, and a "%" without a partner stays as it is.
std::string ExpandirVariaveis(const std::string& s, IShell& shell) {
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t open = s.find('%', pos);
        if (open == std::string::npos) break;
        const std::size_t close = s.find('%', open + 1);
        if (close == std::string::npos) break;
        out.append(s, pos, open - pos);
        out += shell.EnvironmentVariable(s.substr(open + 1, close - open - 1)).value_or("");
        pos = close + 1;
    }
    out.append(s, pos, std::string::npos);
    return out;
}

}  // namespace

std::string DirDocs() {
    IShell& shell = *CurrentPlatform().shell;
    const std::string personal =
        shell.UserRegistryString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                                 "Personal")
            .value_or("");
    return IncluirContraBarra(ExpandirVariaveis(personal, shell));
}

std::string DirSystem() { return IncluirContraBarra(CurrentPlatform().shell->SystemFolder()); }

}  // namespace nq
