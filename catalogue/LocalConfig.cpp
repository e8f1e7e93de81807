#include "catalogue/LocalConfig.h"

#include <algorithm>
#include <optional>

#include "catalogue/NqIniFiles.h"
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

namespace {

constexpr std::string_view kNaoGravada = "não gravada";

std::string NomeNaoGravado(const std::string& emUso, const std::string& pastaDados, const LocalTime& quando,
                           int numero) {
    return NomeCopiaDatada(pastaDados + std::string(NomeDoCaminho(emUso)), quando, numero, kNaoGravada);
}

std::string Lista(const std::vector<std::string>& caminhos) {
    std::string out;
    for (const std::string& c : caminhos) out += "\n" + c;
    return out;
}

}  // namespace

std::string GuardarNaoGravado(const std::string& emUso, const std::string& pastaDados, const std::string& bytes,
                              const LocalTime& agora) {
    if (pastaDados.empty()) return {};
    IFileSystem& arquivos = *CurrentPlatform().files;
    for (int n = 1; n <= 100; ++n) {
        const std::string nome = NomeNaoGravado(emUso, pastaDados, agora, n);
        if (arquivos.CreateNew(nome, bytes)) return nome;
    }
    return {};
}

std::vector<std::string> NaoGravadosPendentes(const std::string& emUso, const std::string& pastaDados) {
    std::vector<std::string> pendentes;
    if (pastaDados.empty()) return pendentes;
    IFileSystem& arquivos = *CurrentPlatform().files;
    const std::vector<FileEntry> proprio = arquivos.Find(emUso);
    // A bar without a file yet has nothing to take back (the copies may be another bar's of that name).
    if (proprio.empty()) return pendentes;
    // "PivelConfig (não gravada *).ini": the dated name with a wildcard for its date and number.
    const std::string nome(NomeDoCaminho(emUso));
    const std::size_t ext = InicioDaExtensao(nome);
    const std::string padrao =
        pastaDados + nome.substr(0, ext) + " (" + std::string(kNaoGravada) + "*)*" + nome.substr(ext);
    for (const FileEntry& e : arquivos.Find(padrao))
        if (!e.isDirectory && proprio.front().lastWrite < e.lastWrite)
            pendentes.push_back(pastaDados + e.name);
    std::sort(pendentes.begin(), pendentes.end());
    return pendentes;
}

std::string TextoConfigSemGravacao(const std::string& emUso, const std::string& motivo, bool ilegivel,
                                   const std::string& pastaDados, const std::vector<std::string>& pendentes) {
    std::string texto;
    if (ilegivel)
        texto = "Não foi possível ler o arquivo de configuração " + emUso + " ao iniciar" +
                (motivo.empty() ? "" : ": " + motivo) +
                ". Ele não será gravado, para não perder o que contém; a barra começou sem ele.";
    else if (!motivo.empty())
        texto = "Não é possível gravar o arquivo de configuração " + emUso + ": " + motivo;
    if (!texto.empty() && !pastaDados.empty())
        texto += "\n\nO que não puder ser gravado nele será guardado na pasta " + pastaDados;
    if (!pendentes.empty())
        texto += std::string(texto.empty() ? "" : "\n\n") + "A configuração da barra não pôde ser gravada em " +
                 emUso + " e foi guardada em:" + Lista(pendentes);
    return texto;
}

std::string TextoFalhaAoGravar(const std::string& erro, const std::string& copia, const std::string& pastaDados) {
    if (!copia.empty()) return erro + "\n\nA configuração da barra foi guardada em " + copia;
    return erro + "\n\nNem mesmo uma cópia pôde ser guardada" +
           (pastaDados.empty() ? std::string(".") : " na pasta " + pastaDados);
}

}  // namespace nq
