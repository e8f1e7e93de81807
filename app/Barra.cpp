#include "app/Barra.h"

#include "catalogue/ClientDataset.h"
#include "support/Platform.h"

namespace nq {

TBarraConteudo MontarBarra(TClientDataset& cds, int storedStep, bool autoHeight, int workHeight96) {
    TBarraConteudo out;
    out.step = storedStep;
    if (autoHeight) {
        cds.SetFilter("(not opcaoMenu)");
        cds.SetFiltered(true);
        const int count = cds.RecordCount();
        cds.SetFiltered(false);
        cds.First();
        out.step = ButtonStep(storedStep, true, workHeight96, count);
    }

    cds.SetIndexFieldNames("Tipo;Titulo");
    IShell& shell = *CurrentPlatform().shell;
    int top = iTamInicial;
    for (cds.First(); !cds.Eof(); cds.Next()) {
        const std::string titulo = cds.FieldByName("Titulo").AsString();
        const std::string programa = cds.FieldByName("Programa").AsString();
        const std::string param = cds.FieldByName("Param").AsString();
        if (cds.FieldByName("OpcaoMenu").AsBoolean()) {
            out.menu.push_back({titulo, programa + "|" + param});
            continue;
        }
        TIconeComando b;
        b.AddShortCut(titulo, programa, shell.DirectoryExists(programa), param);
        b.SetBounds(kButtonLeft, top);
        out.botoes.push_back(std::move(b));
        top += out.step;
    }
    return out;
}

}  // namespace nq
