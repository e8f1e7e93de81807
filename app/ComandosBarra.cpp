#include "app/ComandosBarra.h"

#include "app/BarLayout.h"
#include "support/NqConst.h"

namespace nq {

bool EmModoProgramacao(const TAtalhoDoMenu*) { return inProgrammingMode; }

bool AlvoPrograma(const TAtalhoDoMenu* atalho) { return atalho && EhPrograma(atalho->programa, atalho->pasta); }

bool AlvoNaoWeb(const TAtalhoDoMenu* atalho) { return atalho && !IsURL(atalho->programa); }

const TComandoBarra* ComandoBarra(unsigned id) {
    if (id == mnSeparador) return nullptr;
    for (const TComandoBarra& c : kComandosBarra)
        if (c.id == id) return &c;
    return nullptr;
}

bool Oferecido(const TComandoBarra& c, const TAtalhoDoMenu* atalho) {
    if (c.doAtalho && !atalho) return false;
    return !c.oferta || c.oferta(atalho);
}

const char* TextoDoComando(const TComandoBarra& c, const TAtalhoDoMenu* atalho) {
    return atalho && atalho->noMenu && c.textoNoMenu ? c.textoNoMenu : c.texto;
}

const TComandoBarra* ComandoDaTecla(TShortCut tecla) {
    constexpr TShortCut kModificadores = scShift | scCtrl | scAlt;
    const TShortCut segura = tecla & kModificadores;
    for (const TComandoBarra& c : kComandosBarra) {
        const TShortCut sua = TextToShortCut(c.tecla);
        if (sua == 0 || (sua & ~kModificadores) != (tecla & ~kModificadores)) continue;
        // Its own modifiers all held, and besides them only those it takes too.
        const TShortCut propria = sua & kModificadores;
        if ((segura & propria) == propria && (segura & ~propria & ~c.teclaTambemCom) == 0) return &c;
    }
    return nullptr;
}

std::vector<const TComandoBarra*> EntradasDoAtalho(const TAtalhoDoMenu& a) {
    std::vector<const TComandoBarra*> e;
    for (const TComandoBarra& c : kComandosBarra)
        if (c.doAtalho && c.id != mnSeparador && Oferecido(c, &a)) e.push_back(&c);
    return e;
}

}  // namespace nq
