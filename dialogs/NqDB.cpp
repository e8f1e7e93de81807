#include "dialogs/NqDB.h"

#include "support/NqDlg.h"

namespace nq {

std::string RequiredFields(TClientDataset& ATabela) {
    std::string out;
    int achados = 0;
    for (int i = 0; i < ATabela.FieldCount() && achados < 4; ++i) {
        if (!ATabela.Fields(i).Required) continue;
        out += ";" + ATabela.Fields(i).FieldName();
        ++achados;
    }
    return out;
}

void Ordenar(TClientDataset& ATabela, int AIndice, const std::vector<std::string>& AOrdem) {
    if (AIndice < 0 || static_cast<std::size_t>(AIndice) >= AOrdem.size()) return;
    const std::string s = AOrdem[static_cast<std::size_t>(AIndice)];
    TCursorOcupado espera(TCursor::crSQLWait);
    const TBookmark marca = ATabela.GetBookmark();
    ATabela.SetIndexFieldNames(s + RequiredFields(ATabela));
    // The record may be gone or hidden by now: the table then stays where the sort left it.
    if (marca) ATabela.GotoBookmark(marca);
}

}  // namespace nq
