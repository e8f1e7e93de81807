// The shortcut catalogue: adding shortcuts, the first shortcuts, and its storage in the settings file.

#include "catalogue/Auxiliares.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FakePlatform.h"
#include "catalogue/AlvoEmUso.h"
#include "support/NqConst.h"
#include "catalogue/NqIniFiles.h"
#include "fuzz/CatalogueLoaderCheck.h"
#include "support/Cp1252.h"
#include "support/Text.h"

namespace nq {
namespace {

const std::string kIni = "C:\\Pivel\\PivelConfig.ini";

// The bytes of a settings file written in UTF-8 for readability: "§" becomes 0xA7 and so on.
std::string Cp(std::string_view utf8) {
    return *Utf8ToCp1252(utf8);
}

class Catalogue : public ::testing::Test {
protected:
    Catalogue() { fuzzcheck::NewCatalogue(cds); }

    void File(std::string_view utf8) { fake.files.contents[kIni] = Cp(utf8); }
    std::string Bytes() { return fake.files.contents[kIni]; }

    void Read() {
        TMemIniFile ini(kIni);
        readSaveIcons(cds, READ_INFO, ini);
    }
    void Save() {
        TMemIniFile ini(kIni);
        readSaveIcons(cds, SAVE_INFO, ini);
    }

    std::string F(const char* name) { return cds.FieldByName(name).AsString(); }
    // Every field of the current record, in stored form.
    std::string Fields() {
        std::string out;
        for (int i = 0; i < cds.FieldCount(); ++i)
            out += cds.Fields(i).FieldName() + "=" + cds.Fields(i).AsString() + ";";
        return out;
    }

    test::FakePlatform fake;
    TClientDataset cds;
};

TEST_F(Catalogue, IncluirIconeFillsTheRecordFromTheTarget) {
    fake.files.Add("D:\\Dados\\LEIAME");
    fake.files.Add("D:\\Apps\\LEIAME");
    fake.shell.withIcon.push_back("D:\\Apps\\LEIAME");
    fake.files.AddFolder("D:\\www\\site");
    fake.files.AddFolder("D:\\Fotos");
    struct Case {
        const char* prog;
        int icone, tipo;
    };
    const Case cases[] = {
        {"D:\\Dados\\LEIAME", 4, 0},  // existing file without extension, no icon: among the folders
        {"D:\\Apps\\LEIAME", -1, 1}, {"D:\\www\\site", 7, 1},  // "www" comes before the folder test
        {"D:\\Fotos", 4, 0},         {"D:\\nada.txt", 6, 1},  {"https://mail.gmail.com", 12, 1},
    };
    for (const Case& c : cases) {
        IncluirIcone(cds, c.prog, "/x", "T");
        EXPECT_EQ(cds.State(), TDataSetState::dsBrowse);
        EXPECT_EQ(F("Programa"), c.prog);
        EXPECT_EQ(cds.FieldByName("Icone").AsInteger(), c.icone) << c.prog;
        EXPECT_EQ(cds.FieldByName("Tipo").AsInteger(), c.tipo) << c.prog;
        EXPECT_EQ(F("OpcaoMenu"), "Não");
        EXPECT_EQ(F("Param"), "/x");
    }
    EXPECT_EQ(cds.RecordCount(), 6);
    EXPECT_EQ(F("Id"), "6");

    std::string longo;
    for (int i = 0; i < 100; ++i) longo += i < 90 ? "ç" : "x";
    IncluirIcone(cds, std::string(300, 'p'), std::string(256, 'a'), longo);
    EXPECT_EQ(F("Titulo"), longo.substr(0, 180));  // 90 two-byte characters
    EXPECT_EQ(F("Programa"), std::string(300, 'p')) << "a deep path is kept whole";
    EXPECT_EQ(F("Param"), std::string(255, 'a'));
    IncluirIcone(cds, std::string(TAM_PROGRAMA + 10, 'p'), "", "t");
    EXPECT_EQ(F("Programa"), std::string(TAM_PROGRAMA, 'p'));
}

// A dropped file on a carried bar's own drive is stored relative to the program; its kind and icon
// category still come from the file itself.
TEST_F(Catalogue, OnACarriedBarADroppedFileOnItsDriveIsStoredRelativeToTheProgram) {
    fake.files.AddFolder("E:\\Fotos");
    const std::string antes = DirAplic;
    DirAplic = "E:\\Pivel\\";
    ProgramaEmUnidadeRemovivel = true;
    IncluirIcone(cds, "E:\\Fotos", "", "Fotos");
    EXPECT_EQ(F("Programa"), "%PIVEL%\\..\\Fotos");
    EXPECT_EQ(cds.FieldByName("Tipo").AsInteger(), 0) << "still a folder";
    IncluirIcone(cds, "D:\\Fotos", "", "Outra");
    EXPECT_EQ(F("Programa"), "D:\\Fotos") << "another drive: as given";
    ProgramaEmUnidadeRemovivel = false;
    DirAplic = antes;
}

TEST_F(Catalogue, AnEmptyCatalogueStartsWithThreeShortcuts) {
    fake.files.AddFolder("C:\\Users\\ana\\Documents");
    fake.files.Add("C:\\Windows\\system32\\notepad.exe");
    fake.files.Add("C:\\Windows\\system32\\calc.exe");
    fake.shell.withIcon.push_back("C:\\Windows\\system32\\calc.exe");
    Read();  // no file: empty
    IncluirPrimeirosAtalhos(cds, "C:\\Users\\ana\\Documents\\", "C:\\Windows\\system32\\");
    cds.SetIndexFieldNames("Tipo;Titulo");
    std::vector<std::string> got;
    for (cds.First(); !cds.Eof(); cds.Next()) got.push_back(Fields());
    EXPECT_EQ(got,
              (std::vector<std::string>{
                  "Id=1;Titulo=Documentos;Programa=C:\\Users\\ana\\Documents\\;Param=;Icone=4;Tipo=0;"
                  "OpcaoMenu=Não;IconeId=0;",
                  "Id=2;Titulo=Bloco de notas;Programa=C:\\Windows\\system32\\notepad.exe;Param=;Icone=11;"
                  "Tipo=1;OpcaoMenu=Não;IconeId=0;",
                  "Id=3;Titulo=Calculadora;Programa=C:\\Windows\\system32\\calc.exe;Param=;Icone=-1;"
                  "Tipo=1;OpcaoMenu=Não;IconeId=0;",
              }));
    IncluirPrimeirosAtalhos(cds, "C:\\Users\\ana\\Documents\\", "C:\\Windows\\system32\\");
    EXPECT_EQ(cds.RecordCount(), 3);  // only when empty
}

TEST_F(Catalogue, SavesTheSectionByteForByte) {
    fake.files.Add("C:\\Windows\\system32\\calc.exe");
    fake.shell.withIcon.push_back("C:\\Windows\\system32\\calc.exe");
    File("[IconesMenu]\r\nRecordCount=5\r\n5=velho\r\n[Config]\r\nColor=1\r\n");
    IncluirPrimeirosAtalhos(cds, "C:\\Docs\\", "C:\\Windows\\system32");
    cds.First();
    cds.Delete();
    cds.Delete();  // Calculadora is left, with Id 3
    Save();
    EXPECT_EQ(Bytes(),
              Cp("[Config]\r\nColor=1\r\n\r\n"
                 "[IconesMenu]\r\nRecordCount=1\r\n"
                 "1=id=3§titulo=Calculadora§programa=C:\\Windows\\system32\\calc.exe§param=§icone=-1§"
                 "tipo=1§opcaomenu=Não§iconeid=0§\r\n\r\n"));

    cds.EmptyDataSet();
    Save();
    EXPECT_EQ(Bytes(), Cp("[Config]\r\nColor=1\r\n\r\n[IconesMenu]\r\nRecordCount=0\r\n\r\n"));
}

TEST_F(Catalogue, SavingUnderAFilterStillSavesEveryRecord) {
    IncluirIcone(cds, "a", "", "A");
    IncluirIcone(cds, "b", "", "B");
    cds.Edit();
    cds.FieldByName("OpcaoMenu").SetAsBoolean(true);
    cds.Post();
    cds.SetFilter("opcaoMenu");
    cds.SetFiltered(true);
    ASSERT_EQ(cds.RecordCount(), 1);
    Save();
    EXPECT_FALSE(cds.Filtered());
    EXPECT_EQ(cds.Filter(), "opcaoMenu");
    Read();
    EXPECT_EQ(cds.RecordCount(), 2);
}

TEST_F(Catalogue, ASavedCatalogueReadsBackTheSame) {
    struct Rec {
        const char* titulo;
        const char* programa;
        const char* param;
        int tipo;
        bool menu;
    };
    const Rec recs[] = {
        {"Planilha €", "D:\\Contas\\2024.xlsx", "", 1, false},
        {"água", "D:\\Água", "", 0, false},
        {"Água", "D:\\agua.txt", "/modo=rapido", 1, true},
        {"  espaços  no meio  ", "C:\\a b\\c.exe", "  -x  ", 1, false},
        {"Art. 5 § 2", "D:\\Leis\\Art 5 § 2.pdf", "§x", 1, true},
        {"A§B", "x§§y", "", 1, false},
        {"fim§ §x", "D:\\§x", "", 1, false},
        {"Bloco", "", "", 1, false},
    };
    for (const Rec& r : recs) {
        IncluirIcone(cds, r.programa, r.param, r.titulo);
        cds.Edit();
        cds.FieldByName("Tipo").SetAsInteger(r.tipo);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(r.menu);
        cds.FieldByName("IconeId").SetAsInteger(-3);
        cds.Post();
    }
    cds.Append();  // a record with nothing set but the defaults
    cds.Post();
    cds.SetIndexFieldNames("Tipo;Titulo");
    const fuzzcheck::Records before = fuzzcheck::ReadAll(cds);
    Save();
    EXPECT_EQ(Bytes().substr(0, 3), "[Ic");  // "€" fits the code page: no byte-order mark
    EXPECT_NE(Bytes().find('\x80'), std::string::npos);

    TClientDataset again;
    fuzzcheck::NewCatalogue(again);
    {
        TMemIniFile ini(kIni);
        readSaveIcons(again, READ_INFO, ini);
    }
    EXPECT_EQ(fuzzcheck::ReadAll(again), before);

    // A title outside the code page makes the file UTF-8, and survives too.
    IncluirIcone(cds, "D:\\Łódź", "", "Łódź € ł");
    const fuzzcheck::Records withL = fuzzcheck::ReadAll(cds);
    Save();
    EXPECT_EQ(Bytes().substr(0, 3), "\xEF\xBB\xBF");
    Read();
    EXPECT_EQ(fuzzcheck::ReadAll(cds), withL);
}

// The UTF-16 bytes, with their byte-order mark, of a UTF-8 text.
std::string Utf16File(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : Utf8ToUtf16(utf8)) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// What an editor makes of the file when told to save it as "Unicode": every shortcut is still there,
// and the file is written back in the program's own encodings.
TEST_F(Catalogue, AFileSavedAsUtf16KeepsEveryShortcut) {
    const std::string text =
        "[Config]\r\nNomeEmpresa=Água e Łódź\r\n\r\n"
        "[IconesMenu]\r\nRecordCount=3\r\n"
        "1=id=1§titulo=Água§programa=D:\\Água\\fria.xlsx§param=§icone=3§tipo=1§opcaomenu=Não§iconeid=0§\r\n"
        "2=id=2§titulo=Łódź§programa=D:\\Viagens\\Łódź.pdf§param=/p "
        "𝄞§icone=6§tipo=1§opcaomenu=Sim§iconeid=0§\r\n"
        "3=id=3§titulo=Notas§programa=C:\\Windows\\notepad.exe§param=§icone=-1§tipo=1§opcaomenu=Não§iconeid="
        "0§"
        "\r\n\r\n";
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big endian" : "little endian");
        fake.files.contents.clear();
        fake.files.contents[kIni] = Utf16File(text, bigEndian);
        Read();
        ASSERT_EQ(cds.RecordCount(), 3);
        cds.SetIndexFieldNames("Id");
        cds.First();
        EXPECT_EQ(F("Titulo"), "Água");
        EXPECT_EQ(F("Programa"), "D:\\Água\\fria.xlsx");
        cds.Next();
        EXPECT_EQ(F("Titulo"), "Łódź");
        EXPECT_EQ(F("Param"), "/p 𝄞");
        EXPECT_EQ(F("OpcaoMenu"), "Sim");
        const fuzzcheck::Records loaded = fuzzcheck::ReadAll(cds);

        Save();
        // "Łódź" does not fit Windows-1252: UTF-8 with its mark, nothing kept beside it.
        EXPECT_EQ(Bytes().substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_NE(Bytes().find("NomeEmpresa=Água e Łódź\r\n"), std::string::npos);
        EXPECT_EQ(fake.files.contents.size(), 1u);
        TClientDataset again;
        fuzzcheck::NewCatalogue(again);
        {
            TMemIniFile ini(kIni);
            readSaveIcons(again, READ_INFO, ini);
            EXPECT_TRUE(ini.TakeNotices().empty());
        }
        again.SetIndexFieldNames("Id");
        EXPECT_EQ(fuzzcheck::ReadAll(again), loaded);
    }
}

// Record values as another program or an older version may have left them.
TEST_F(Catalogue, LoadingTakesWhatItCanFromEachRecord) {
    struct Case {
        const char* value;
        const char* fields;
    };
    const Case cases[] = {
        {"TITULO=x§cor=1§Tipo=0§Id=9§",
         "Id=9;Titulo=x;Programa=;Param=;Icone=-1;Tipo=0;OpcaoMenu=Não;IconeId=0;"},
        {"param=/modo=rapido§titulo= a  b §",
         "Id=10;Titulo= a  b ;Programa=;Param=/modo=rapido;Icone=-1;Tipo=1;"
         "OpcaoMenu=Não;IconeId=0;"},
        // A value a field cannot take leaves its default; the rest of the record still loads.
        {"icone=abc§titulo=Ok§tipo=9999999999§opcaomenu=talvez§iconeid=5§",
         "Id=11;Titulo=Ok;Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=5;"},
        {"opcaomenu=s§icone= 3 §", "Id=12;Titulo=;Programa=;Param=;Icone=3;Tipo=1;OpcaoMenu=Sim;IconeId=0;"},
        {"opcaomenu=§tipo=§", "Id=13;Titulo=;Programa=;Param=;Icone=-1;Tipo=;OpcaoMenu=;IconeId=0;"},
        // A "§" inside a text: the piece after it is the rest of the text, unless it is a pair.
        {"titulo=Art. 5 § 2 § 3§programa=p§",
         "Id=14;Titulo=Art. 5 § 2 § 3;Programa=p;Param=;Icone=-1;Tipo=1;"
         "OpcaoMenu=Não;IconeId=0;"},
        {"titulo=a§cor=1§b§", "Id=15;Titulo=a;Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        {"titulo§programa=p§icone=1§x§",
         "Id=16;Titulo=;Programa=p;Param=;Icone=1;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        {"", "Id=17;Titulo=;Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        // Empty or blank pieces followed only by the end or by a pair are dropped; followed by more
        // text, they are part of it.
        {"titulo=Sobrevivente§§§programa=C:\\x.exe§§§§param=§icone=2§§",
         "Id=18;Titulo=Sobrevivente;Programa=C:\\x.exe;Param=;Icone=2;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        {"titulo=A§§B§ §§programa=p§ §",
         "Id=19;Titulo=A§§B;Programa=p;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        {"titulo=§ §x§tipo=0§§§",
         "Id=20;Titulo=§ §x;Programa=;Param=;Icone=-1;Tipo=0;OpcaoMenu=Não;IconeId=0;"},
        {"icone=4§§§x§titulo=t§", "Id=21;Titulo=t;Programa=;Param=;Icone=4;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
        // Cut to its 90 characters, a title would end in "§", which the next reading would drop.
        {"titulo=123456789012345678901234567890123456789012345678901234567890123456789012345678901234567 "
         "§§yy§",
         "Id=22;Titulo="
         "123456789012345678901234567890123456789012345678901234567890123456789012345678901234567 ;"
         "Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;"},
    };
    std::string file = "[IconesMenu]\r\nRecordCount=" + std::to_string(std::size(cases)) + "\r\n";
    for (std::size_t i = 0; i < std::size(cases); ++i)
        file += std::to_string(i + 1) + "=" + cases[i].value + "\r\n";
    File(file);
    Read();
    ASSERT_EQ(cds.RecordCount(), static_cast<int>(std::size(cases)));
    cds.First();
    for (const Case& c : cases) {
        EXPECT_EQ(Fields(), c.fields) << c.value;
        cds.Next();
    }
}

TEST_F(Catalogue, TheRecordCountIsTrustedOnlyAsFarAsTheKeysGo) {
    struct Case {
        const char* section;
        std::vector<std::string> titles;
    };
    const Case cases[] = {
        {"RecordCount=3\r\n1=titulo=a§\r\n3=titulo=c§", {"a", "", "c"}},  // a missing key: default record
        {"RecordCount=2000000000\r\n1=titulo=a§\r\n2=titulo=b§", {"a", "b"}},
        {"RecordCount=2000000000\r\n2000000000=titulo=z§", {"", "z"}},
        {"RecordCount=0x2\r\n1=titulo=a§\r\n2=titulo=b§\r\n3=titulo=c§", {"a", "b"}},
        {"1=titulo=a§", {}},
        {"RecordCount=-4\r\n1=titulo=a§", {}},
        {"RecordCount=2\r\n01=titulo=a§\r\n2=titulo=b§", {"", "b"}},
    };
    for (const Case& c : cases) {
        File(std::string("[IconesMenu]\r\n") + c.section + "\r\n");
        const auto start = std::chrono::steady_clock::now();
        Read();
        // Protects against walking the stated count (two thousand million keys take minutes); generous
        // for a loaded machine under the sanitizers.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << c.section;
        std::vector<std::string> titles;
        for (cds.First(); !cds.Eof(); cds.Next()) titles.push_back(F("Titulo"));
        EXPECT_EQ(titles, c.titles) << c.section;
    }
    fake.files.contents.clear();
    Read();
    EXPECT_TRUE(cds.IsEmpty());
}

TEST_F(Catalogue, TheOlderLayoutIsConvertedOnce) {
    File(
        "[IconesMenu]\r\nRecordCount=1\r\n1=titulo=Perdido§\r\n\r\n"
        "[Itens]\r\nItens=2\r\nItem1=Notas|D:\\notas.txt||5|1|0\r\nItem2=Pagina|D:\\Web\\pagina.htm|||1|"
        "1\r\n");
    Read();
    EXPECT_EQ(Bytes(),
              Cp("[IconesMenu]\r\nRecordCount=2\r\n"
                 "1=id=1§titulo=Notas§programa=D:\\notas.txt§param=§icone=5§tipo=1§opcaomenu=Não§"
                 "iconeid=0§\r\n"
                 "2=id=2§titulo=Pagina§programa=D:\\Web\\pagina.htm§param=§icone=§tipo=1§opcaomenu=Sim§"
                 "iconeid=0§\r\n\r\n"));
    ASSERT_EQ(cds.RecordCount(), 2);
    cds.First();
    EXPECT_EQ(F("Titulo"), "Notas");
    EXPECT_FALSE(cds.FieldByName("OpcaoMenu").AsBoolean());
    cds.Next();
    EXPECT_EQ(F("Titulo"), "Pagina");
    EXPECT_TRUE(cds.FieldByName("OpcaoMenu").AsBoolean());

    const std::string after = Bytes();
    Read();  // nothing left to convert
    EXPECT_EQ(Bytes(), after);
    EXPECT_EQ(cds.RecordCount(), 2);
}

TEST_F(Catalogue, OlderLinesKeepTheirOrderAndWhatTheyHold) {
    cds.SetIndexFieldNames("Tipo;Titulo");
    File(
        "[Itens]\r\nItens=5\r\n"
        "Item1=Zeta|z|||1|1\r\n"
        "ITEM2=Alfa|a|p|x|0\r\n"  // a word for Icone, and no sixth text
        "Item3=Só o título\r\n"
        "item5=Ômega|o||3|1|1|sobra\r\n");
    Read();
    EXPECT_EQ(cds.IndexFieldNames(), "Tipo;Titulo");
    cds.SetIndexFieldNames("");
    std::vector<std::string> got;
    for (cds.First(); !cds.Eof(); cds.Next()) got.push_back(Fields());
    EXPECT_EQ(got, (std::vector<std::string>{
                       "Id=1;Titulo=Zeta;Programa=z;Param=;Icone=;Tipo=1;OpcaoMenu=Sim;IconeId=0;",
                       "Id=2;Titulo=Alfa;Programa=a;Param=p;Icone=-1;Tipo=0;OpcaoMenu=Não;IconeId=0;",
                       "Id=3;Titulo=Só o título;Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;",
                       "Id=4;Titulo=;Programa=;Param=;Icone=-1;Tipo=1;OpcaoMenu=Não;IconeId=0;",
                       "Id=5;Titulo=Ômega;Programa=o;Param=;Icone=3;Tipo=1;OpcaoMenu=Sim;IconeId=0;",
                   }));
}

// A file system that lets one write through and refuses the rest, as a disk that fills up would.
class OneWriteFileSystem : public test::FakeFileSystem {
public:
    int writes = 0;
    void ReplaceAll(const std::string& path, const std::string& bytes) override {
        if (++writes > 1) throw EInOutError("disco cheio");
        FakeFileSystem::ReplaceAll(path, bytes);
    }
};

TEST_F(Catalogue, AFailedConversionNeverLeavesAFileWithoutTheCatalogue) {
    OneWriteFileSystem files;
    ScopedPlatform scope(Platform{&files, nullptr, nullptr, nullptr});
    files.contents[kIni] = Cp("[Itens]\r\nItens=1\r\nItem1=Notas|D:\\notas.txt||5|1|0\r\n");
    {
        TMemIniFile ini(kIni);
        readSaveIcons(cds, READ_INFO, ini);
    }
    EXPECT_EQ(files.writes, 1);  // the conversion; the release finds these very bytes there
    EXPECT_EQ(files.contents[kIni],
              Cp("[IconesMenu]\r\nRecordCount=1\r\n1=id=1§titulo=Notas§programa=D:\\notas.txt"
                 "§param=§icone=5§tipo=1§opcaomenu=Não§iconeid=0§\r\n\r\n"));

    files.writes = 1;
    files.contents[kIni] = Cp("[Itens]\r\nItens=1\r\nItem1=Notas|D:\\notas.txt||5|1|0\r\n");
    {
        TMemIniFile ini(kIni);
        EXPECT_THROW(readSaveIcons(cds, READ_INFO, ini), EInOutError);
    }
    EXPECT_EQ(files.contents[kIni], Cp("[Itens]\r\nItens=1\r\nItem1=Notas|D:\\notas.txt||5|1|0\r\n"));
    EXPECT_EQ(cds.RecordCount(), 1);  // the converted catalogue is in memory for the next save
}

TEST(CatalogueLoader, ReplaysTheInputsTheFuzzerFound) {
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(PIVEL_TEST_DATA) / "fuzz" / "CatalogueLoader";
    int replayed = 0;
    for (const fs::path& dir : {folder, folder / "regressions"}) {
        if (!fs::is_directory(dir)) continue;
        for (const auto& entry : fs::directory_iterator(dir)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            std::stringstream bytes;
            bytes << in.rdbuf();
            EXPECT_EQ(fuzzcheck::CheckCatalogueLoader(bytes.str()), "") << entry.path();
            ++replayed;
        }
    }
    EXPECT_GT(replayed, 0) << folder;
}

}  // namespace
}  // namespace nq
