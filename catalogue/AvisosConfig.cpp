#include "catalogue/AvisosConfig.h"

#include "catalogue/NqIniFiles.h"

namespace nq {

namespace {

constexpr const char* kSecaoAvisos = "Avisos";

}  // namespace

std::vector<std::string> TomarAvisosConfig(TMemIniFile& ini) {
    std::vector<std::string> avisos;
    if (ini.SectionExists(kSecaoAvisos)) {
        std::vector<std::string> linhas;
        ini.ReadSectionValues(kSecaoAvisos, linhas);
        for (const std::string& l : linhas) {
            const std::size_t igual = l.find('=');
            if (igual != std::string::npos && igual + 1 < l.size()) avisos.push_back(l.substr(igual + 1));
        }
        ini.EraseSection(kSecaoAvisos);
    }
    for (std::string& a : ini.TakeNotices()) avisos.push_back(std::move(a));
    return avisos;
}

void GuardarAvisosConfig(TMemIniFile& ini, const std::vector<std::string>& avisos) {
    std::vector<std::string> antes;
    ini.ReadSectionValues(kSecaoAvisos, antes);
    int n = static_cast<int>(antes.size());
    for (const std::string& a : avisos) ini.WriteString(kSecaoAvisos, std::to_string(++n), a);
}

}  // namespace nq
