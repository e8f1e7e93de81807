#include "app/Barra.h"

#include "catalogue/ClientDataset.h"

namespace nq {

std::string DicaDoAtalho(const std::string& titulo, const std::string& programa, const std::string& parametros) {
    std::string texto = titulo + "\r\n" + programa;
    if (!parametros.empty()) texto += " " + parametros;
    return texto;
}

TBarConteudo MontarBarra(TClientDataset& cds, int storedStep, bool autoHeight, int workHeight96) {
    TBarConteudo out;
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
    int top = iTamInicial;
    for (cds.First(); !cds.Eof(); cds.Next()) {
        const std::string titulo = cds.FieldByName("Titulo").AsString();
        const std::string programa = cds.FieldByName("Programa").AsString();
        const std::string param = cds.FieldByName("Param").AsString();
        if (cds.FieldByName("OpcaoMenu").AsBoolean()) {
            out.menu.push_back({titulo, programa + "|" + param, cds.GetBookmark()});
            continue;
        }
        TIconeComando b;
        // Nothing is asked of the disk here: whether the target is a folder is found out later, away
        // from the window's thread, for the buttons that show (app/BuscaAlvos.h).
        b.AddShortCut(titulo, programa, false, param);
        b.SetBounds(kButtonLeft, top);
        b.SetRegistro(cds.GetBookmark());
        out.botoes.push_back(std::move(b));
        top += out.step;
    }
    return out;
}

}  // namespace nq
