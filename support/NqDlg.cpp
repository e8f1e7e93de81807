#include "support/NqDlg.h"

#include "support/NqFun.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

std::string IniciarComWindows(IRegistro& reg, const std::string& Ident, const std::string& programa,
                              const std::string& param, TTipoIniciarWindows Opcao) {
    switch (Opcao) {
        case iwIncluir: {
            std::string comando = Aspas(programa);
            if (!param.empty()) comando += " " + param;
            // Written only when it differs, so that a start does not touch the registry (and its
            // modification time, which some tools watch) when nothing changed.
            if (reg.LerString(KEY_RUN_WINDOWS, Ident).value_or("") != comando)
                reg.GravarString(KEY_RUN_WINDOWS, Ident, comando);
            return comando;
        }
        case iwExcluir:
            reg.ExcluirValor(KEY_RUN_WINDOWS, Ident);
            return {};
        case iwLer:
            break;
    }
    return reg.LerString(KEY_RUN_WINDOWS, Ident).value_or("");
}

std::string NetName() {
    return CurrentPlatform().system->ComputerName();
}

std::string UserName() {
    return UpperCase(CurrentPlatform().system->UserName());
}

namespace {

void NoCursor(TCursor) {}

TCursorApplier cursorApplier = NoCursor;
TCursor screenCursor = TCursor::crDefault;

}  // namespace

TCursorApplier SetCursorApplier(TCursorApplier applier) {
    const TCursorApplier previous = cursorApplier;
    cursorApplier = applier ? applier : NoCursor;
    return previous;
}

TCursor ScreenCursor() {
    return screenCursor;
}

void SetScreenCursor(TCursor c) {
    screenCursor = c;
    cursorApplier(c);
}

void CursorAmp() {
    SetScreenCursor(TCursor::crHourGlass);
}
void CursorSQL() {
    SetScreenCursor(TCursor::crSQLWait);
}
void CursorNormal() {
    SetScreenCursor(TCursor::crDefault);
}

TPosicao PosicaoCentraForm(const TGeometriaJanela& principal, int formWidth, int formHeight) {
    const int areaTop = principal.top + (principal.height - principal.clientHeight) - 5;
    const int areaLeft = principal.left + (principal.width - principal.clientWidth) / 2;
    // The same rule whatever the sizes: a window taller than the area goes up by half the difference,
    // keeping the area's middle at its own middle rather than leaving it wholly above the area.
    return TPosicao{areaLeft + (principal.clientWidth - formWidth) / 2,
                    areaTop + (principal.clientHeight - formHeight) / 2};
}

}  // namespace nq
