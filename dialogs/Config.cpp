#include "dialogs/Config.h"

#include "catalogue/NqIniFiles.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

std::function<bool(const std::string& caption)> AbrirEdicaoAtalho;

std::string FiltroDaOpcao(int tag) {
    switch (tag) {
        case 2:
            return "tipo=1";
        case 3:
            return "tipo=0";
        case 4:
            return "(not opcaoMenu)";
        case 5:
            return "opcaoMenu";
        default:
            return "";
    }
}

std::string FiltroPesquisa(std::string_view texto) {
    const std::string p = QuotedStrLike(UpperCase(texto));
    return "upper(programa) like " + p + " or upper(titulo) like " + p;
}

// --- The catalogue page ---------------------------------------------------------------------------------

void TAtalhosConfig::Mostrar() {
    cds_.SetIndexFieldNames("tipo;titulo");
    cds_.First();
}

void TAtalhosConfig::Fechar() {
    cds_.SetFiltered(false);
}

void TAtalhosConfig::Pesquisar(std::string_view texto) {
    cds_.SetFilter(FiltroPesquisa(texto));
    cds_.SetFiltered(true);
    cds_.First();
}

void TAtalhosConfig::Filtrar(int tag) {
    cds_.SetFilter(FiltroDaOpcao(tag));
    cds_.SetFiltered(true);
}

bool TAtalhosConfig::Editar(const std::string& caption) {
    const auto& abrir = AbrirEdicao ? AbrirEdicao : AbrirEdicaoAtalho;
    bool confirmado = false;
    try {
        confirmado = abrir && abrir(caption);
    } catch (...) {
        // The record must not stay half-made behind an error: it is dropped, and the error goes on.
        cds_.Cancel();
        throw;
    }
    if (confirmado) {
        cds_.Post();
        return true;
    }
    cds_.Cancel();
    return false;
}

bool TAtalhosConfig::Incluir() {
    cds_.Append();
    return Editar("Inclusão");
}

bool TAtalhosConfig::Alterar() {
    if (cds_.IsEmpty()) return false;
    cds_.Edit();
    return Editar("Alteração");
}

bool TAtalhosConfig::Excluir() {
    if (cds_.IsEmpty()) return false;
    const std::vector<std::string> valores = {cds_.FieldByName("Titulo").AsString(),
                                              cds_.FieldByName("Programa").AsString(),
                                              cds_.FieldByName("Param").AsString()};
    if (!Confirmar || !Confirmar("Excluir atalho?||Nome: %s|Programa: %s|Parâmetros: %s", valores))
        return false;
    cds_.Delete();
    return true;
}

bool TAtalhosConfig::AlternarMenu() {
    if (cds_.IsEmpty()) return false;
    cds_.Edit();
    TField& menu = cds_.FieldByName("OpcaoMenu");
    menu.SetAsBoolean(!menu.AsBoolean());
    cds_.Post();
    return true;
}

bool TAtalhosConfig::NoMenu(int recNo) const {
    const TFieldValue& v = cds_.ValueAt(recNo, cds_.FieldByName("OpcaoMenu").Index());
    return !v.null && v.number != 0;
}

}  // namespace nq
