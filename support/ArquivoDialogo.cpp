#include "support/ArquivoDialogo.h"

#include "support/NqFun.h"

namespace nq {

std::vector<TTipoArquivo> TiposDeArquivo(std::string_view lista) {
    std::vector<TTipoArquivo> out;
    if (lista.empty()) return out;
    const TStringArray partes = AParse(lista, "|");
    for (std::size_t i = 0; i < partes.size(); i += 2) {
        const std::string& descricao = partes[i];
        const std::string padroes = i + 1 < partes.size() ? partes[i + 1] : std::string();
        if (descricao.empty() && padroes.empty()) continue;
        out.push_back({descricao, padroes.empty() ? "*.*" : padroes});
    }
    return out;
}

}  // namespace nq
