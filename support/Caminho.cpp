#include "support/Caminho.h"

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

}  // namespace nq
