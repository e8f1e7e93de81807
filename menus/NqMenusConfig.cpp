#include "menus/NqMenusConfig.h"

#include <algorithm>
#include <iterator>

namespace nq {

TMenusEscolha EscolhaInicial(const TNqMenu& menu) {
    TMenusEscolha e;
    e.estilo = std::min(static_cast<int>(menu.TipoMenu()), static_cast<int>(std::size(kEstilosMenu)) - 1);
    const auto tam = std::find(std::begin(aTamIcone), std::end(aTamIcone), menu.TamIcone());
    e.tamanho = tam == std::end(aTamIcone) ? 0 : static_cast<int>(tam - std::begin(aTamIcone));
    e.degrade = menu.MenusDegrade();
    e.fonteNome = menu.Font().name;
    e.fonteTamanho = std::clamp(menu.Font().size, kTamanhoFonteMin, kTamanhoFonteMax);
    e.fonteWin = menu.UsarFonteWin();
    e.semIcones = menu.SemIcones();
    return e;
}

TMenusHabilitacao Habilitacao(int estilo, bool fonteWin) {
    TMenusHabilitacao h;
    h.icones = estilo == 0 || estilo == 1;
    h.degrade = h.semIcones = estilo == 1;
    h.fonte = !fonteWin;
    return h;
}

}  // namespace nq
