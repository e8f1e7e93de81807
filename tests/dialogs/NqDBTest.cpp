#include "dialogs/NqDB.h"

#include <gtest/gtest.h>

#include "dialogs/GradeFixture.h"
#include "support/NqDlg.h"

namespace nq {
namespace {

TEST(Ordenar, SortsByTheChosenFieldsThenTheRequiredOnesAndKeepsTheCurrentRecord) {
    TClientDataset cds;
    test::EncherCatalogo(cds, 12);
    EXPECT_EQ(RequiredFields(cds), "");
    for (const char* nome : {"Param", "Id", "Icone", "Tipo", "IconeId"})
        cds.FieldByName(nome).Required = true;
    EXPECT_EQ(RequiredFields(cds), ";Id;Param;Icone;Tipo");  // the first four, in field order

    cds.SetIndexFieldNames("Titulo");
    cds.First();
    cds.MoveBy(4);
    const std::string atual = cds.FieldByName("Titulo").AsString();
    std::vector<TCursor> ponteiros;
    const TCursorApplier antes = SetCursorApplier(nullptr);
    Ordenar(cds, 1, {"Titulo", "OpcaoMenu;Titulo"});
    EXPECT_EQ(cds.IndexFieldNames(), "OpcaoMenu;Titulo;Id;Param;Icone;Tipo");
    EXPECT_EQ(cds.FieldByName("Titulo").AsString(), atual);
    EXPECT_EQ(ScreenCursor(), TCursor::crDefault);  // back to normal after the wait shape
    SetCursorApplier(antes);

    Ordenar(cds, 2, {"Titulo"});  // no such choice
    EXPECT_EQ(cds.IndexFieldNames(), "OpcaoMenu;Titulo;Id;Param;Icone;Tipo");
    EXPECT_THROW(Ordenar(cds, 0, {"Nada"}), EDatabaseError);
    EXPECT_EQ(cds.FieldByName("Titulo").AsString(), atual);
}

// The grid's title click sorts titles as the bar does: numbers by value.
TEST(Ordenar, NumbersInTitlesGoByValue) {
    TClientDataset cds;
    test::EncherCatalogo(cds, 0);
    for (const char* titulo : {"Pasta 100", "pasta 7", "Pasta 20", "Pasta 07"}) {
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.Post();
    }
    Ordenar(cds, 0, {"Titulo"});
    std::vector<std::string> titulos;
    for (cds.First(); !cds.Eof(); cds.Next()) titulos.push_back(cds.FieldByName("Titulo").AsString());
    EXPECT_EQ(titulos, (std::vector<std::string>{"pasta 7", "Pasta 07", "Pasta 20", "Pasta 100"}));
}

}  // namespace
}  // namespace nq
