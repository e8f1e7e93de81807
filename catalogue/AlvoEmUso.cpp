#include "catalogue/AlvoEmUso.h"

#include <algorithm>
#include <vector>

#include "support/Caminho.h"
#include "support/NqConst.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

namespace {

std::string SemBarraFinal(std::string_view pasta) {
    while (!pasta.empty() && (pasta.back() == '\\' || pasta.back() == '/')) pasta.remove_suffix(1);
    return std::string(pasta);
}

// The non-empty parts of a path between its separators.
std::vector<std::string_view> Partes(std::string_view caminho) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i <= caminho.size();) {
        const std::size_t fim = std::min(caminho.find_first_of("\\/", i), caminho.size());
        if (fim > i) out.push_back(caminho.substr(i, fim - i));
        i = fim + 1;
    }
    return out;
}

std::optional<std::string> VariavelDoSistema(const std::string& nome) {
    return CurrentPlatform().shell->EnvironmentVariable(nome);
}

}  // namespace

std::optional<std::string> ExpandirVariaveis(
    std::string_view texto, const std::function<std::optional<std::string>(const std::string&)>& variavel,
    std::string_view pastaPrograma) {
    std::string out;
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::size_t abre = texto.find('%', i);
        const std::size_t fecha = abre == std::string_view::npos ? abre : texto.find('%', abre + 1);
        if (fecha == std::string_view::npos) {
            out.append(texto.substr(i));
            break;
        }
        out.append(texto.substr(i, abre - i));
        const std::string nome(texto.substr(abre + 1, fecha - abre - 1));
        std::optional<std::string> valor;
        if (SameText(nome, "PIVEL"))
            valor = SemBarraFinal(pastaPrograma);
        else if (!nome.empty())
            valor = variavel(nome);
        if (!valor) {
            // Not a variable the system knows: the text stays, and its closing "%" may open the next.
            out.append(texto.substr(abre, fecha - abre));
            i = fecha;
            continue;
        }
        if (valor->empty()) return std::nullopt;
        out += *valor;
        i = fecha + 1;
        if (out.size() > kCaminhoMaximo) return std::nullopt;
    }
    if (out.size() > kCaminhoMaximo) return std::nullopt;
    return out;
}

std::optional<std::string> ResolverRelativo(std::string_view caminho, std::string_view pastaPrograma) {
    const TipoCaminho tipo = TipoDoCaminho(caminho);
    const bool temPasta = caminho.find_first_of("\\/") != std::string_view::npos;
    if (caminho.empty() || tipo.forma != FormaCaminho::Relativo || !temPasta || tipo.endereco)
        return std::string(caminho);
    // The root of the program's folder ("D:", or "\\server\share"), then its folders and the path's
    // parts on them; ".." never climbs above the root.
    std::string_view base = pastaPrograma;
    std::string raiz;
    if (TipoDoCaminho(base).forma == FormaCaminho::Unc) {
        std::size_t fim = base.find_first_of("\\/", 2);
        if (fim != std::string_view::npos) fim = base.find_first_of("\\/", fim + 1);
        raiz = std::string(base.substr(0, fim));
        base = fim == std::string_view::npos ? std::string_view{} : base.substr(fim);
    } else if (TipoDoCaminho(base).NaUnidade()) {
        raiz = std::string(base.substr(0, 2));
        base.remove_prefix(2);
    }
    std::vector<std::string_view> partes;
    auto juntar = [&partes](std::string_view texto) {
        for (const std::string_view parte : Partes(texto)) {
            if (parte == "..") {
                if (partes.empty()) return false;
                partes.pop_back();
            } else if (parte != ".") {
                partes.push_back(parte);
            }
        }
        return true;
    };
    if (!juntar(base) || !juntar(caminho)) return std::nullopt;
    std::string out = raiz;
    for (const std::string_view p : partes) out.append("\\").append(p);
    return out;
}

std::string AlvoEmUso(const std::string& guardado) {
    std::optional<std::string> caminho = ExpandirVariaveis(guardado, VariavelDoSistema, DirAplic);
    if (caminho) caminho = ResolverRelativo(*caminho, DirAplic);
    // No path at all: a name no file or folder can have, so that nothing else is ever opened in its place
    // (the system would clamp a ".." above the root, say) and the target is simply missing.
    return caminho ? *caminho : kAlvoInvalido + guardado;
}

bool ProgramaEmUnidadeRemovivel = false;

std::string CaminhoParaGuardar(const std::string& caminho, std::string_view pastaPrograma, bool removivel) {
    const bool absoluto = TipoDoCaminho(caminho).forma == FormaCaminho::Absoluto;
    if (!removivel || !absoluto || !TipoDoCaminho(pastaPrograma).NaUnidade() ||
        UpperChar(static_cast<unsigned char>(caminho[0])) != UpperChar(static_cast<unsigned char>(pastaPrograma[0])))
        return caminho;
    const std::vector<std::string_view> alvo = Partes(std::string_view(caminho).substr(2));
    const std::vector<std::string_view> base = Partes(pastaPrograma.substr(2));
    std::size_t comum = 0;
    while (comum < alvo.size() && comum < base.size() && SameText(alvo[comum], base[comum])) ++comum;
    std::string out = "%PIVEL%";
    for (std::size_t i = comum; i < base.size(); ++i) out += "\\..";
    for (std::size_t i = comum; i < alvo.size(); ++i) out.append("\\").append(alvo[i]);
    return out;
}

std::string AlvoParaGuardar(const std::string& caminho) {
    return CaminhoParaGuardar(caminho, DirAplic, ProgramaEmUnidadeRemovivel);
}

std::optional<std::string> NaUnidadeDoPrograma(std::string_view caminho, std::string_view pastaPrograma) {
    auto unidade = [](std::string_view p) {
        return TipoDoCaminho(p).forma == FormaCaminho::Absoluto ? UpperChar(static_cast<unsigned char>(p[0])) : 0;
    };
    const char32_t alvo = unidade(caminho), programa = unidade(pastaPrograma);
    if (!alvo || !programa || alvo == programa) return std::nullopt;
    return std::string(1, static_cast<char>(programa)) + std::string(caminho.substr(1));
}

std::string AlvoExistente(const std::string& guardado) {
    const std::string emUso = AlvoEmUso(guardado);
    IShell& shell = *CurrentPlatform().shell;
    if (shell.FileExists(emUso) || shell.DirectoryExists(emUso)) return emUso;
    if (const std::optional<std::string> outra = NaUnidadeDoPrograma(emUso, DirAplic))
        if (shell.FileExists(*outra) || shell.DirectoryExists(*outra)) return *outra;
    return emUso;
}

std::string ParametrosEmUso(const std::string& guardados) {
    return ExpandirVariaveis(guardados, VariavelDoSistema, DirAplic).value_or(guardados);
}

}  // namespace nq
