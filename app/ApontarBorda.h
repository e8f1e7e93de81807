#pragma once
// Opening the closed bar by pointing ("Abrir ao apontar"): the pointer resting on the edge of the bar's
// work area, at the bar's side and over its whole height, opens it; once opened so, the pointer away from
// the bar and that edge closes it again. The window feeds it what it sees at each tick of its watch.

#include "catalogue/ConfigBarra.h"
#include "support/Platform.h"

namespace nq {

// How long the pointer rests on the edge before the bar opens, and stays away before it closes again.
inline constexpr unsigned kApontarEsperaMs = 300;

// The pointer at (x, y) lies on the edge of the work area at the bar's side: the few pixels a pointer
// pushed against the screen's edge stops in, at the density given, from the work area's top to its bottom.
bool NaBordaDeApontar(const Rect& trabalho, TLado lado, int dpi, int x, int y);

enum class TAcaoApontar { Nada, Abrir, Fechar };

// What the pointer sees at one tick.
struct TPonteiro {
    unsigned agora = 0;       // milliseconds, a tick count (it may wrap)
    bool naBorda = false;     // on the edge (NaBordaDeApontar)
    bool sobreBarra = false;  // over the open bar
    bool botao = false;       // a mouse button is held (a drag passing by)
};

class TApontarBorda {
public:
    // One tick: `aberta` whether the bar is open, `apontada` whether pointing opened it and nothing took it
    // since (a click, a key, a menu). Opens after the pointer rested on the edge kApontarEsperaMs with no
    // button held; closes a bar pointing opened after the pointer stayed that long off the bar and the
    // edge.
    TAcaoApontar Passo(const TPonteiro& p, bool aberta, bool apontada);
    // The bar opened or closed some other way: a pointer on the edge then must leave it before it opens
    // the bar again (the bar closed with a key must not come straight back).
    void Reiniciar(bool naBorda);

private:
    bool contando_ = false;  // the pointer is where it counts since desde_
    unsigned desde_ = 0;
    bool esperarSair_ = false;
};

}  // namespace nq
