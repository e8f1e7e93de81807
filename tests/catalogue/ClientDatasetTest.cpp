#include "catalogue/ClientDataset.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "support/Cp1252.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {
namespace {

// A small table shaped like the catalogue: enough fields to sort, filter and convert.
class Table : public ::testing::Test {
protected:
    Table() {
        t.AddField("Id", TFieldType::ftAutoInc);
        t.AddField("Titulo", TFieldType::ftString, 90);
        t.AddField("Programa", TFieldType::ftString, 255);
        t.AddField("Tipo", TFieldType::ftInteger).DefaultValue = TFieldValue::Number(1);
        TField& menu = t.AddField("OpcaoMenu", TFieldType::ftBoolean);
        menu.DefaultValue = TFieldValue::Number(0);
        menu.DisplayValues = "Sim;Não";
        t.CreateDataSet();
    }

    void Add(const std::string& titulo, int tipo = 1, bool menu = false, const std::string& programa = "") {
        t.Append();
        t.FieldByName("Titulo").SetAsString(titulo);
        t.FieldByName("Programa").SetAsString(programa);
        t.FieldByName("Tipo").SetAsInteger(tipo);
        t.FieldByName("OpcaoMenu").SetAsBoolean(menu);
        t.Post();
    }

    std::string Current() const { return const_cast<TClientDataset&>(t).FieldByName("Titulo").AsString(); }

    // The visible titles in order (moves to the end).
    std::vector<std::string> Titles() {
        std::vector<std::string> out;
        for (t.First(); !t.Eof(); t.Next()) out.push_back(Current());
        return out;
    }

    TClientDataset t;
};

using Names = std::vector<std::string>;

TEST(Collation, FoldsCaseAndAccents) {
    const std::pair<const char*, const char*> cases[] = {
        {"Água", "agua"},           {"AÇÃO ÊXITO", "acao exito"},   {"Łódź", "lodz"}, {"Straße", "strasse"},
        {"Œuvre", "oeuvre"},        {"Šárka Žofie", "sarka zofie"}, {"ÿÝÑñ", "yynn"}, {"€ 5,00", "€ 5,00"},
        {"Pasta 007", "pasta 007"},  // type-to-find looks for the digits as typed
    };
    for (auto [in, out] : cases) EXPECT_EQ(CollationKey(in), out) << in;
}

// The sort key: each pair in order, numbers by value, case and accents still ignored.
TEST(Collation, TheSortKeyOrdersNumbersByValue) {
    const std::pair<std::string, std::string> antes[] = {
        {"Pasta 7", "Pasta 20"},
        {"Pasta 20", "Pasta 100"},
        {"a2", "a10"},
        {"a10", "b1"},  // the text before the number decides first
        {"a", "a1"},    // a shorter text first
        {"a1", "aa"},   // digits before letters, as before
        {"a-1", "a1"},  // and after punctuation
        {"a1", "a1b"},
        {"a9b", "a10a"},    // the number decides before what follows it
        {"v1.9", "v1.10"},  // each run on its own
        {"v1.10", "v2.1"},
        {"0", "1"},
        {"a99999999", "a123456789"},  // eight digits against nine, nine against ten
        {"a999999999", "a1234567890"},
        {"n99999999999999999999", "n100000000000000000000"},  // beyond any machine integer
        {"7 b", "07 b"},                                      // equal but for leading zeros: fewer first...
        {"07 b", "007 b"},
        {"0", "00"},
        {"07 b", "7 c"},     // ...only when nothing else differs
        {"x7y07", "x07y7"},  // and the first run with zeros decides
        {"Ação 9", "acao 10"},
        {"Água 9", "AGUA 9 b"},
        {Cp1252ToUtf8("Relat\xF3rio 9"), "RELATÓRIO 10"},  // read from a Windows-1252 file
        {Cp1252ToUtf8("C\xE9u 2"), Cp1252ToUtf8("ceu 002")},
    };
    for (const auto& [a, b] : antes) EXPECT_LT(ChaveDeOrdem(a), ChaveDeOrdem(b)) << a << " < " << b;
    const std::pair<std::string, std::string> iguais[] = {
        {"Pasta 7", "pasta 7"}, {"Água 10", "agua 10"}, {Cp1252ToUtf8("A\xE7\xE3o 3"), "ACAO 3"}, {"", ""}};
    for (const auto& [a, b] : iguais) EXPECT_EQ(ChaveDeOrdem(a), ChaveDeOrdem(b)) << a << " = " << b;
}

TEST(Collation, LikeMatchesPercentAsAnyRun) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"", "%", true},
        {"BLOCO DE NOTAS", "%BLOCO%", true},
        {"BLOCO", "%BLOCO%NOTAS%", false},
        {"ABC", "A%C", true},
        {"ABAB", "%AB", true},
        {"AB", "A%B%B", false},
        {"XABC", "ABC", false},
        {"ABC", "ABC", true},
        {"A_B", "%A_B%", true},
        {"AXB", "%A_B%", false},
        {"ÁGUA", "%ÁG%", true},
        {"AB", "%%", true},
    };
    for (auto [text, pattern, match] : cases)
        EXPECT_EQ(MatchLike(text, pattern), match) << text << " / " << pattern;
}

TEST_F(Table, SortsByTypeThenTitleAsAReaderExpects) {
    Add("bloco");
    Add("Água");
    Add("Zebra");
    Add("Documentos", 0);
    Add("álbum", 0);
    Add("agua");
    Add("Łódź");
    Add("Acentuação");
    EXPECT_EQ(Titles(),
              (Names{"bloco", "Água", "Zebra", "Documentos", "álbum", "agua", "Łódź", "Acentuação"}));

    t.SetIndexFieldNames("tipo;TITULO");
    // Titles equal but for case and accents keep the order in which they were added.
    EXPECT_EQ(Titles(),
              (Names{"álbum", "Documentos", "Acentuação", "Água", "agua", "bloco", "Łódź", "Zebra"}));
    Add("AGUA");
    Add("Abc", 0);
    EXPECT_EQ(Titles(), (Names{"Abc", "álbum", "Documentos", "Acentuação", "Água", "agua", "AGUA", "bloco",
                               "Łódź", "Zebra"}));

    t.SetIndexFieldNames("");
    EXPECT_EQ(t.RecordCount(), 10);
    t.First();
    EXPECT_EQ(Current(), "bloco");

    EXPECT_THROW(t.SetIndexFieldNames("Tipo;Cor"), EDatabaseError);
    EXPECT_EQ(t.IndexFieldNames(), "");
}

TEST_F(Table, SortsTheNumbersInTitlesByValue) {
    for (const char* titulo : {"Pasta 100", "Pasta 7", "pasta 20", "Pasta 07", "Pasta", "Pasta 2b", "Ação 10",
                               "acao 9", "Pasta 20"})
        Add(titulo);
    t.SetIndexFieldNames("Tipo;Titulo");
    EXPECT_EQ(Titles(), (Names{"acao 9", "Ação 10", "Pasta", "Pasta 2b", "Pasta 7", "Pasta 07", "pasta 20",
                               "Pasta 20", "Pasta 100"}));
}

// Against a plain reference sort, through adds, edits of the sort fields and deletes in any mix.
TEST_F(Table, OrderStaysRightThroughChanges) {
    std::mt19937 rng(7);
    const char* words[] = {"água", "Agua",    "bloco", "Bloco", "casa 9",
                           "ÇAPA", "dado 10", "",      "éter",  "Zé 010"};
    auto word = [&] { return std::string(words[rng() % 10]) + std::string(rng() % 3, 'x'); };
    t.SetIndexFieldNames("Tipo;Titulo");
    for (int step = 0; step < 3000; ++step) {
        const unsigned op = rng() % 10;
        if (op < 6 || t.IsEmpty()) {
            Add(word(), static_cast<int>(rng() % 2));
        } else if (op < 9) {
            t.MoveBy(static_cast<int>(rng() % 50) - 25);
            t.Edit();
            if (op == 8)
                t.FieldByName("Tipo").SetAsInteger(static_cast<int>(rng() % 2));
            else
                t.FieldByName("Titulo").SetAsString(word());
            t.Post();
        } else {
            t.MoveBy(static_cast<int>(rng() % 50) - 25);
            t.Delete();
        }
        if (step % 500 != 499) continue;
        std::vector<std::tuple<int, std::string, int, std::string>> got;
        for (t.First(); !t.Eof(); t.Next()) {
            const std::string titulo = Current();
            got.emplace_back(t.FieldByName("Tipo").AsInteger(), ChaveDeOrdem(titulo),
                             t.FieldByName("Id").AsInteger(), titulo);
        }
        auto expected = got;
        std::sort(expected.begin(), expected.end());
        ASSERT_EQ(got, expected) << "step " << step;
    }
}

TEST_F(Table, FilterForms) {
    Add("Documentos", 0, false, "C:\\Users\\ana\\Documents\\");
    Add("Bloco de notas", 1, false, "C:\\Windows\\system32\\notepad.exe");
    Add("Calculadora", 1, true, "C:\\Windows\\system32\\calc.exe");
    Add("Copo d'água", 1, true, "D:\\receitas.txt");
    Add("a_b", 0, true, "");
    t.SetIndexFieldNames("Tipo;Titulo");
    auto search = [](const std::string& s) {
        const std::string p = QuotedStrLike(UpperCase(s));
        return "upper(programa) like " + p + " or upper(titulo) like " + p;
    };
    const std::pair<std::string, Names> cases[] = {
        {"", {"a_b", "Documentos", "Bloco de notas", "Calculadora", "Copo d'água"}},
        {"tipo=1", {"Bloco de notas", "Calculadora", "Copo d'água"}},
        {"TIPO = 0", {"a_b", "Documentos"}},
        {"(not opcaoMenu)", {"Documentos", "Bloco de notas"}},
        {"opcaoMenu", {"a_b", "Calculadora", "Copo d'água"}},
        {search("bloco"), {"Bloco de notas"}},
        {search("system32 CALC"), {"Calculadora"}},
        {search("d'água"), {"Copo d'água"}},
        {search("a_b"), {"a_b"}},
        {search("no  tas"), {"Bloco de notas"}},
        {search(""), {"a_b", "Documentos", "Bloco de notas", "Calculadora", "Copo d'água"}},
        {search("xyz"), {}},
    };
    t.SetFiltered(true);
    for (const auto& [filter, visible] : cases) {
        t.SetFilter(filter);
        EXPECT_EQ(Titles(), visible) << filter;
        EXPECT_EQ(t.RecordCount(), static_cast<int>(visible.size())) << filter;
        EXPECT_EQ(t.IsEmpty(), visible.empty()) << filter;
    }
}

TEST_F(Table, CountAndPositionFollowTheFilterUntilItIsSwitchedOff) {
    Add("A");
    Add("B", 1, true);
    Add("C");
    Add("D", 1, true);
    t.SetFilter("(not opcaoMenu)");
    EXPECT_EQ(t.RecordCount(), 4);  // the text alone filters nothing
    t.SetFiltered(true);
    EXPECT_EQ(t.RecordCount(), 2);
    t.First();
    EXPECT_EQ(Current(), "A");
    EXPECT_EQ(t.RecNo(), 1);
    t.Next();
    EXPECT_EQ(Current(), "C");
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_FALSE(t.Eof());
    t.Next();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(t.RecNo(), 2);

    // A record the filter hides as soon as it is stored gives way to the next visible one.
    t.First();
    t.Edit();
    t.FieldByName("OpcaoMenu").SetAsBoolean(true);
    t.Post();
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(Current(), "C");

    t.SetFiltered(false);
    EXPECT_EQ(t.Filter(), "(not opcaoMenu)");
    EXPECT_EQ(t.RecordCount(), 4);
    EXPECT_EQ(Current(), "C");
    EXPECT_EQ(t.RecNo(), 3);
}

TEST_F(Table, AFilterItCannotReadIsRefusedAndTheOldOneStays) {
    Add("A", 0);
    Add("B", 1);
    t.SetFilter("tipo=1");
    t.SetFiltered(true);
    for (const char* bad :
         {"tipo=", "cor=1", "upper(titulo) like 'A", "tipo=1 tipo=0", "((tipo=1)", "nada(titulo)"}) {
        EXPECT_THROW(t.SetFilter(bad), EDatabaseError) << bad;
        EXPECT_EQ(t.Filter(), "tipo=1");
        EXPECT_EQ(Titles(), Names{"B"});
    }
    t.SetFiltered(false);
    t.SetFilter("cor=1");  // read only when it is switched on
    EXPECT_THROW(t.SetFiltered(true), EDatabaseError);
    EXPECT_FALSE(t.Filtered());
    EXPECT_EQ(t.RecordCount(), 2);
}

TEST_F(Table, CancelLeavesTheTableAsItWas) {
    Add("A");
    Add("B");
    t.First();
    t.Next();
    t.Append();
    EXPECT_EQ(t.State(), TDataSetState::dsInsert);
    EXPECT_EQ(t.RecNo(), -1);
    t.FieldByName("Titulo").SetAsString("novo");
    t.Cancel();
    EXPECT_EQ(t.State(), TDataSetState::dsBrowse);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(Current(), "B");
    EXPECT_EQ(t.RecNo(), 2);

    t.Edit();
    t.FieldByName("Titulo").SetAsString("mudado");
    EXPECT_EQ(Current(), "mudado");
    t.Cancel();
    EXPECT_EQ(Titles(), (Names{"A", "B"}));

    // Numbering goes on from the highest Id, whatever a cancelled record did.
    Add("C");
    EXPECT_EQ(t.FieldByName("Id").AsInteger(), 3);
}

TEST_F(Table, NewRecordsTakeDefaultsAndTheHandlersValues) {
    t.FieldByName("OpcaoMenu").DefaultValue = TFieldValue::Number(1);
    int calls = 0;
    t.OnNewRecord = [&](TClientDataset& ds) {
        ++calls;
        ds.FieldByName("OpcaoMenu").SetAsBoolean(false);
    };
    t.Append();
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(t.FieldByName("OpcaoMenu").AsBoolean());
    EXPECT_EQ(t.FieldByName("Tipo").AsInteger(), 1);
    EXPECT_TRUE(t.FieldByName("Titulo").IsNull());
    EXPECT_TRUE(t.FieldByName("Id").IsNull());
    // What the handler set is no change of the user's: moving away drops the untouched record.
    EXPECT_FALSE(t.Modified());
    t.First();
    EXPECT_TRUE(t.IsEmpty());

    t.Append();
    t.FieldByName("Titulo").SetAsString("x");
    t.First();  // a changed record is stored by moving away
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName("Id").AsInteger(), 1);
}

TEST_F(Table, FieldValuesAndConversions) {
    t.Append();
    TField& titulo = t.FieldByName("titulo");
    TField& tipo = t.FieldByName("TIPO");
    TField& menu = t.FieldByName("OpcaoMenu");

    // Text is cut in characters, not bytes.
    titulo.SetAsString(std::string(50, 'a') + std::string(50, 'b'));
    EXPECT_EQ(titulo.AsString(), std::string(50, 'a') + std::string(40, 'b'));
    std::string accents;
    for (int i = 0; i < 100; ++i) accents += "ã";
    titulo.SetAsString(accents);
    EXPECT_EQ(CharCount(titulo.AsString()), 90u);
    EXPECT_EQ(titulo.AsString().size(), 180u);

    const std::pair<const char*, const char*> integers[] = {
        {"12", "12"}, {" -7 ", "-7"}, {"+3", "3"}, {"-2147483648", "-2147483648"}, {"", ""},
    };
    for (auto [in, out] : integers) {
        tipo.SetAsString(in);
        EXPECT_EQ(tipo.AsString(), out) << in;
    }
    EXPECT_TRUE(tipo.IsNull());
    tipo.SetAsInteger(5);
    for (const char* bad : {"abc", "1x", "2147483648", "0x10", "-", "1 2"}) {
        EXPECT_THROW(tipo.SetAsString(bad), EConvertError) << bad;
        EXPECT_EQ(tipo.AsInteger(), 5) << bad;
    }

    const std::pair<const char*, bool> booleans[] = {
        {"Sim", true}, {"s", true},   {"SIM", true},  {"Não", false},
        {"n", false},  {"NÃ", false}, {"não", false},
    };
    for (auto [in, out] : booleans) {
        menu.SetAsString(in);
        EXPECT_EQ(menu.AsBoolean(), out) << in;
        EXPECT_EQ(menu.AsString(), out ? "Sim" : "Não") << in;
    }
    for (const char* bad : {"x", "Simm", "Nao", "true", "1"}) {
        EXPECT_THROW(menu.SetAsString(bad), EConvertError) << bad;
        EXPECT_FALSE(menu.IsNull()) << bad;
    }
    menu.SetAsString("");
    EXPECT_TRUE(menu.IsNull());
    EXPECT_EQ(menu.AsString(), "");
    EXPECT_FALSE(menu.AsBoolean());

    EXPECT_THROW(t.FieldByName("Cor"), EDatabaseError);
    EXPECT_EQ(t.FindField("Cor"), nullptr);
}

TEST_F(Table, MisuseIsRefused) {
    EXPECT_THROW(t.FieldByName("Titulo").SetAsString("x"), EDatabaseError);  // not editing
    EXPECT_THROW(t.Edit(), EDatabaseError);                                  // nothing to edit
    EXPECT_THROW(t.Delete(), EDatabaseError);
    EXPECT_THROW(t.AddField("Outro", TFieldType::ftInteger), EDatabaseError);  // table open
    Add("A");
    t.Close();
    EXPECT_FALSE(t.Active());
    EXPECT_THROW(t.Append(), EDatabaseError);
    EXPECT_THROW(t.First(), EDatabaseError);
    EXPECT_EQ(t.RecordCount(), 0);
    t.Open();
    EXPECT_TRUE(t.IsEmpty());  // closing dropped the records
    EXPECT_TRUE(t.Eof());
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(t.RecNo(), -1);
    EXPECT_EQ(t.FieldByName("Titulo").AsString(), "");
}

TEST_F(Table, NavigationDeleteAndBookmarks) {
    for (const char* s : {"E", "B", "D", "A", "C"}) Add(s);
    t.SetIndexFieldNames("Titulo");
    t.Last();
    EXPECT_TRUE(t.Eof());
    EXPECT_EQ(Current(), "E");
    EXPECT_EQ(t.MoveBy(-10), -4);
    EXPECT_TRUE(t.Bof());
    EXPECT_EQ(Current(), "A");
    EXPECT_EQ(t.MoveBy(2), 2);
    EXPECT_EQ(Current(), "C");

    const TBookmark c = t.GetBookmark();
    t.SetIndexFieldNames("Id");  // insertion order: E B D A C
    EXPECT_EQ(Current(), "C");
    EXPECT_EQ(t.RecNo(), 5);
    t.SetIndexFieldNames("Titulo");
    t.First();
    EXPECT_TRUE(t.GotoBookmark(c));
    EXPECT_EQ(t.RecNo(), 3);

    t.Delete();  // the next one becomes current
    EXPECT_EQ(Current(), "D");
    t.Last();
    t.Delete();  // at the end, the one before
    EXPECT_EQ(Current(), "D");
    EXPECT_FALSE(t.GotoBookmark(c));
    EXPECT_EQ(Titles(), (Names{"A", "B", "D"}));

    t.EmptyDataSet();
    EXPECT_TRUE(t.IsEmpty());
    EXPECT_TRUE(t.Eof());
}

TEST_F(Table, ACopyOfTheStoredRecordsLeavesAPendingRecordAlone) {
    Add("Bravo", 1);
    Add("Alfa", 0, true);
    Add("Charlie", 1);
    t.SetIndexFieldNames("Tipo;Titulo");
    t.SetFilter("(not opcaoMenu)");
    t.SetFiltered(true);
    auto copia = [&] {
        TClientDataset c;
        c.AddField("Id", TFieldType::ftAutoInc);
        c.AddField("Titulo", TFieldType::ftString, 90);
        c.AddField("Programa", TFieldType::ftString, 255);
        c.AddField("Tipo", TFieldType::ftInteger);
        c.AddField("OpcaoMenu", TFieldType::ftBoolean);
        c.CreateDataSet();
        t.CopyStoredRecords(c);
        std::vector<std::string> out;
        for (c.First(); !c.Eof(); c.Next())
            out.push_back(c.FieldByName("Id").AsString() + ":" + c.FieldByName("Titulo").AsString());
        return out;
    };

    // A new record being typed is not in the copy, and is still pending, with what was typed, after it.
    t.Append();
    t.FieldByName("Titulo").SetAsString("Delta, a meio");
    EXPECT_EQ(copia(), (Names{"2:Alfa", "1:Bravo", "3:Charlie"}))
        << "every record, in the order, filter or not";
    EXPECT_EQ(t.State(), TDataSetState::dsInsert);
    EXPECT_TRUE(t.Modified());
    EXPECT_EQ(Current(), "Delta, a meio");
    t.Cancel();

    // A record being changed is copied as it is stored.
    t.First();
    t.Edit();
    t.FieldByName("Titulo").SetAsString("Zulu");
    EXPECT_EQ(copia(), (Names{"2:Alfa", "1:Bravo", "3:Charlie"}));
    EXPECT_EQ(t.State(), TDataSetState::dsEdit);
    EXPECT_EQ(Current(), "Zulu");
    t.Post();
    EXPECT_EQ(Titles(), (Names{"Charlie", "Zulu"}));

    TClientDataset outra;
    outra.AddField("Titulo", TFieldType::ftString, 10);
    outra.CreateDataSet();
    EXPECT_THROW(t.CopyStoredRecords(outra), EDatabaseError) << "not the same fields";
    EXPECT_THROW(t.CopyStoredRecords(t), EDatabaseError);
}

TEST_F(Table, ValuesAtAPositionLeaveTheCurrentRecordWhereItIs) {
    for (const char* s : {"C", "A", "B"}) Add(s, 1, std::string(s) == "B");
    t.SetIndexFieldNames("Titulo");
    t.First();
    t.Next();  // "B"
    const int titulo = t.FieldByName("Titulo").Index(), menu = t.FieldByName("OpcaoMenu").Index();
    EXPECT_EQ(t.ValueAt(1, titulo).text, "A");
    EXPECT_EQ(t.ValueAt(3, titulo).text, "C");
    EXPECT_EQ(t.FieldByName("OpcaoMenu").TextOf(t.ValueAt(2, menu)), "Sim");
    EXPECT_EQ(Current(), "B");
    // Out of range, and through the filter: positions count the visible records only.
    EXPECT_TRUE(t.ValueAt(0, titulo).null);
    EXPECT_TRUE(t.ValueAt(4, titulo).null);
    EXPECT_TRUE(t.ValueAt(1, 99).null);
    t.SetFilter("titulo <> 'A'");
    t.SetFiltered(true);
    EXPECT_EQ(t.ValueAt(1, titulo).text, "B");
    // The record being edited shows its pending change; the others their stored values.
    t.Edit();
    t.FieldByName("Titulo").SetAsString("Bx");
    EXPECT_EQ(t.ValueAt(1, titulo).text, "Bx");
    EXPECT_EQ(t.ValueAt(2, titulo).text, "C");
    t.Cancel();
    EXPECT_EQ(t.ValueAt(1, titulo).text, "B");
}

}  // namespace
}  // namespace nq
