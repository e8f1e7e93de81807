#include "support/Caminho.h"

#include "support/Text.h"

namespace nq {

std::size_t InicioDoNome(std::string_view caminho, std::string_view separadores) {
    const std::size_t sep = caminho.find_last_of(separadores);
    return sep == std::string_view::npos ? 0 : sep + 1;
}

std::string_view PastaDoCaminho(std::string_view caminho, std::string_view separadores) {
    return caminho.substr(0, InicioDoNome(caminho, separadores));
}

std::string_view NomeDoCaminho(std::string_view caminho, std::string_view separadores) {
    return caminho.substr(InicioDoNome(caminho, separadores));
}

std::size_t InicioDaExtensao(std::string_view caminho, std::string_view separadores) {
    const std::size_t nome = InicioDoNome(caminho, separadores);
    const std::size_t ponto = caminho.rfind('.');
    return ponto != std::string_view::npos && ponto >= nome ? ponto : caminho.size();
}

std::string_view SemExtensao(std::string_view caminho, std::string_view separadores) {
    return caminho.substr(0, InicioDaExtensao(caminho, separadores));
}

std::string TrocarExtensao(std::string_view caminho, std::string_view fim) {
    std::string r(SemExtensao(caminho));
    r += fim;
    return r;
}

namespace {

bool Separador(char c) { return c == '\\' || c == '/'; }

bool ComEsquema(std::string_view alvo) {
    const std::size_t fim = alvo.find(':');
    if (fim == std::string_view::npos || fim < 2) return false;
    for (std::size_t i = 0; i < fim; ++i) {
        const unsigned char c = static_cast<unsigned char>(alvo[i]);
        const bool letra = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        if (!letra && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) return false;
    }
    return true;
}

}  // namespace

TipoCaminho TipoDoCaminho(std::string_view caminho) {
    TipoCaminho t;
    if (caminho.size() >= 2 && caminho[0] == '\\' && caminho[1] == '\\')
        t.forma = FormaCaminho::Unc;
    else if (caminho.size() >= 2 && caminho[1] == ':')
        t.forma = caminho.size() >= 3 && Separador(caminho[2]) ? FormaCaminho::Absoluto : FormaCaminho::DaUnidade;
    else if (!caminho.empty() && Separador(caminho[0]))
        t.forma = FormaCaminho::DaRaiz;
    const std::string minusculo = LowerCase(caminho);
    const auto contem = [&minusculo](const char* marca) { return minusculo.find(marca) != std::string::npos; };
    t.web = contem("www.") || contem("http:") || contem("https:") || contem("ftp:");
    t.webNoMenu = contem("www") || contem("http") || contem("ftp");
    t.endereco = contem("://") || minusculo.rfind("www.", 0) == 0;
    t.esquema = ComEsquema(caminho);
    return t;
}

}  // namespace nq
