#include "app/ApontarBorda.h"

namespace nq {

namespace {

constexpr int kBordaPx = 2;  // at 96 dpi

}  // namespace

bool NaBordaDeApontar(const Rect& trabalho, TLado lado, int dpi, int x, int y) {
    if (y < trabalho.top || y >= trabalho.bottom()) return false;
    const int largura = dpi > 96 ? (kBordaPx * dpi + 95) / 96 : kBordaPx;
    return lado == TLado::Esquerda ? x >= trabalho.left && x < trabalho.left + largura
                                   : x < trabalho.right() && x >= trabalho.right() - largura;
}

TAcaoApontar TApontarBorda::Passo(const TPonteiro& p, bool aberta, bool apontada) {
    // Counting starts at the first tick that sees the pointer where it counts, and stops at any tick
    // that does not.
    const auto esperou = [&](bool conta) {
        if (!conta) {
            contando_ = false;
            return false;
        }
        if (!contando_) {
            contando_ = true;
            desde_ = p.agora;
            return false;
        }
        return p.agora - desde_ >= kApontarEsperaMs;
    };
    if (!aberta) {
        if (!p.naBorda) esperarSair_ = false;
        if (!esperou(p.naBorda && !p.botao && !esperarSair_)) return TAcaoApontar::Nada;
        contando_ = false;
        esperarSair_ = true;
        return TAcaoApontar::Abrir;
    }
    if (!esperou(apontada && !p.naBorda && !p.sobreBarra && !p.botao)) return TAcaoApontar::Nada;
    contando_ = false;
    esperarSair_ = false;
    return TAcaoApontar::Fechar;
}

void TApontarBorda::Reiniciar(bool naBorda) {
    contando_ = false;
    esperarSair_ = naBorda;
}

}  // namespace nq
