#include "catalogue/LocalConfig.h"

#include <optional>

#include "support/Caminho.h"
#include "support/Platform.h"

namespace nq {

std::string LocalDasConfiguracoes(const std::string& aoLado, bool pastaGravavel, const std::string& pastaDados) {
    if (pastaGravavel || pastaDados.empty()) return aoLado;
    return pastaDados + std::string(NomeDoCaminho(aoLado));
}

bool CopiarConfiguracoes(const std::string& aoLado, const std::string& emUso) {
    if (emUso == aoLado) return false;
    IFileSystem& arquivos = *CurrentPlatform().files;
    if (arquivos.ReadAll(emUso)) return false;
    const std::optional<std::string> bytes = arquivos.ReadAll(aoLado);
    return bytes && arquivos.CreateNew(emUso, *bytes);
}

}  // namespace nq
