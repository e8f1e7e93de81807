#pragma once
// The slow part of showing the shortcut buttons: whether each target exists, whether it is a folder,
// and its picture. A background worker finds them out, for the buttons that show only and from the top
// down, while the bar is already drawn with a neutral picture in their place; the answers come back to
// the window's thread one by one. A picture is taken once per target and size and kept while the
// program runs.

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/Trabalhador.h"

namespace nq {

// A picture of the platform's own kind (an icon on Windows).
class TImagem {
public:
    virtual ~TImagem() = default;
};

struct TPedidoAlvo {
    int geracao = 0;  // the rebuild that asked
    std::size_t indice = 0;
    std::string programa;
    int tamanho = 0;            // the picture's size in device pixels
    bool precisaImagem = true;  // false when the target's picture is kept already
};

struct TAlvoBuscado {
    TPedidoAlvo pedido;
    bool existe = false;
    bool pasta = false;
    std::unique_ptr<TImagem> imagem;  // none when the target gives no picture, or none was asked for
};

class TBuscaAlvos {
public:
    // Runs on the worker's thread.
    using Buscar = std::function<TAlvoBuscado(const TPedidoAlvo&)>;
    // Runs on the worker's thread: hands an answer over to the window's thread, which gives it to
    // Receber. An answer nobody takes any more is simply released.
    using Entregar = std::function<void(std::unique_ptr<TAlvoBuscado>)>;

    TBuscaAlvos(Buscar buscar, Entregar entregar, std::function<void()> inicio = {},
                std::function<void()> fim = {});

    // A rebuild: the buttons' targets in their order and the picture size. Nothing is known of the new
    // buttons yet, and what the worker still had to do for the earlier ones is dropped.
    void Reiniciar(std::vector<std::string> programas, int tamanho);
    // Asks for every button from `de` to before `ate` that was not asked for yet, in order: the ones
    // that show, the panel scrolled or not.
    void Pedir(std::size_t de, std::size_t ate);
    void PedirAte(std::size_t ate) { Pedir(0, ate); }
    // An answer, on the window's thread: the index of the button it changed, or nothing when it came
    // from an earlier rebuild (its buttons are gone; only its picture is kept for its target).
    std::optional<std::size_t> Receber(std::unique_ptr<TAlvoBuscado> resposta);

    enum class Estado {
        Pendente,  // not known yet: the neutral picture
        Ausente,   // the target does not exist
        Pronto,    // the target exists; its picture, if it gives one
    };
    struct TBotao {
        Estado estado = Estado::Pendente;
        bool pasta = false;
        const TImagem* imagem = nullptr;
    };
    TBotao Botao(std::size_t i) const;
    int Geracao() const { return geracao_; }
    std::size_t ImagensGuardadas() const { return imagens_.size(); }
    // Waits until the worker has nothing left to do (answers may still be on their way).
    bool AguardarOcioso(std::chrono::milliseconds limite) { return trabalhador_.AguardarOcioso(limite); }

private:
    using Chave = std::pair<std::string, int>;  // target in lower case, size
    static Chave ChaveDe(const std::string& programa, int tamanho);

    Buscar buscar_;
    Entregar entregar_;
    int geracao_ = 0;
    int tamanho_ = 0;
    std::vector<std::string> programas_;
    std::vector<TBotao> botoes_;
    std::vector<bool> pedidos_;  // asked for already, per button
    std::map<Chave, std::unique_ptr<TImagem>> imagens_;  // a null picture: the target gives none
    TTrabalhador trabalhador_;                           // last: stopped before the rest goes
};

}  // namespace nq
