#include "app/BuscaAlvos.h"

#include <algorithm>

#include "support/Text.h"

namespace nq {

TBuscaAlvos::TBuscaAlvos(Buscar buscar, Entregar entregar, std::function<void()> inicio,
                         std::function<void()> fim)
    : buscar_(std::move(buscar)),
      entregar_(std::move(entregar)),
      trabalhador_(std::move(inicio), std::move(fim)) {}

TBuscaAlvos::Chave TBuscaAlvos::ChaveDe(const std::string& programa, int tamanho) {
    return {LowerCase(programa), tamanho};  // paths name the same file in any letter case
}

void TBuscaAlvos::Reiniciar(std::vector<std::string> programas, int tamanho) {
    trabalhador_.Descartar();
    ++geracao_;
    tamanho_ = tamanho;
    programas_ = std::move(programas);
    botoes_.assign(programas_.size(), TBotao{});
    pedidos_.assign(programas_.size(), false);
}

void TBuscaAlvos::Pedir(std::size_t de, std::size_t ate) {
    ate = std::min(ate, programas_.size());
    for (std::size_t i = de; i < ate; ++i) {
        if (pedidos_[i]) continue;
        pedidos_[i] = true;
        TPedidoAlvo p;
        p.geracao = geracao_;
        p.indice = i;
        p.programa = programas_[i];
        p.tamanho = tamanho_;
        p.precisaImagem = imagens_.find(ChaveDe(p.programa, p.tamanho)) == imagens_.end();
        trabalhador_.Enfileirar([p = std::move(p), buscar = buscar_, entregar = entregar_] {
            auto r = std::make_unique<TAlvoBuscado>(buscar(p));
            r->pedido = p;
            entregar(std::move(r));
        });
    }
}

std::optional<std::size_t> TBuscaAlvos::Receber(std::unique_ptr<TAlvoBuscado> r) {
    if (!r) return std::nullopt;
    const TPedidoAlvo& p = r->pedido;
    const Chave chave = ChaveDe(p.programa, p.tamanho);
    // The picture belongs to its target, whichever rebuild asked for it.
    if (r->existe && p.precisaImagem) imagens_.try_emplace(chave, std::move(r->imagem));
    if (p.geracao != geracao_ || p.indice >= botoes_.size()) return std::nullopt;
    TBotao& b = botoes_[p.indice];
    b.estado = r->existe ? Estado::Pronto : Estado::Ausente;
    b.pasta = r->pasta;
    b.imagem = nullptr;
    if (r->existe) {
        const auto it = imagens_.find(chave);
        if (it != imagens_.end()) b.imagem = it->second.get();
    }
    return p.indice;
}

TBuscaAlvos::TBotao TBuscaAlvos::Botao(std::size_t i) const {
    return i < botoes_.size() ? botoes_[i] : TBotao{};
}

}  // namespace nq
