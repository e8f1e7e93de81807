#include "dialogs/Seldir2.h"

#include "support/Caminho.h"
#include "support/NqFun.h"

namespace nq {

namespace {

// Where the root of a path ends: after "C:\" or after "\\server\share\".
std::size_t FimDaRaiz(const std::string& p) {
    if (TipoDoCaminho(p).forma == FormaCaminho::Unc) {
        const std::size_t servidor = p.find('\\', 2);
        if (servidor == std::string::npos) return p.size();
        const std::size_t partilha = p.find('\\', servidor + 1);
        return partilha == std::string::npos ? p.size() : partilha + 1;
    }
    const std::size_t barra = p.find('\\');
    return barra == std::string::npos ? p.size() : barra + 1;
}

}  // namespace

std::vector<std::string> CadeiaPastas(const std::string& pasta) {
    std::vector<std::string> out;
    if (pasta.empty()) return out;
    const std::string p = IncluirContraBarra(pasta);
    std::size_t fim = FimDaRaiz(p);
    out.push_back(IncluirContraBarra(p.substr(0, fim)));
    while (fim < p.size()) {
        const std::size_t barra = p.find('\\', fim);
        if (barra == std::string::npos) break;
        if (barra > fim) out.push_back(p.substr(0, barra + 1));  // a doubled backslash adds nothing
        fim = barra + 1;
    }
    return out;
}

std::string NomeNaLista(const std::string& pasta) {
    const std::string p = IncluirContraBarra(pasta);
    if (FimDaRaiz(p) >= p.size()) return p;
    const std::size_t barra = p.find_last_of('\\', p.size() - 2);
    return p.substr(barra + 1, p.size() - barra - 2);
}

const std::vector<TPastaSistema>& PastasSistema() {
    static const std::vector<TPastaSistema> pastas = {
        {"bdoc", "Documentos", "Personal"},
        {"bmusica", "Músicas", "My Music"},
        {"bvideo", "Vídeos", "My Video"},
        {"bimagem", "Imagens", "My Pictures"},
        {"bdown", "Downloads", "{374DE290-123F-4565-9164-39C4925E467B}"},
        {"bsis", "Sistema", ""},
    };
    return pastas;
}

std::string CaminhoNovaPasta(const std::string& atual, const std::string& nome) {
    return IncluirContraBarra(atual) + nome;
}

}  // namespace nq
