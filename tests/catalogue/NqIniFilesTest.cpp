// The settings file against the fake file system: reading rules, the writer's exact bytes, encodings,
// fonts, the process-wide object and failed writes.

#include "catalogue/NqIniFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

#include "FakePlatform.h"
#include "catalogue/AvisosConfig.h"
#include "support/Cp1252.h"
#include "support/Errors.h"
#include "support/NqConst.h"
#include "support/Text.h"

namespace nq {
namespace {

const std::string kFile = "D:\\Apps\\BarraConfig.ini";

// Test text is UTF-8; the file holds it in Windows-1252.
std::string Cp(std::string_view utf8) {
    return Utf8ToCp1252(utf8).value();
}

TEST(NqIniFiles, WritesSectionsSortedWithoutRegardToCaseEachFollowedByAnEmptyLine) {
    test::FakePlatform fake;
    fake.files.contents[kFile] =
        "[Menus]\r\nEstilo=2\r\n[Config]\r\nColor=1\r\n[IconesMenu]\r\nRecordCount=0\r\n[avisos]\r\nx=1\r\n";
    TMemIniFile ini(kFile);
    ini.UpdateFile();
    EXPECT_EQ(fake.files.contents[kFile],
              "[avisos]\r\nx=1\r\n\r\n"
              "[Config]\r\nColor=1\r\n\r\n"
              "[IconesMenu]\r\nRecordCount=0\r\n\r\n"
              "[Menus]\r\nEstilo=2\r\n\r\n");
    std::vector<std::string> names;
    ini.ReadSections(names);  // memory keeps the order read
    EXPECT_EQ(names, (std::vector<std::string>{"Menus", "Config", "IconesMenu", "avisos"}));
}

TEST(NqIniFiles, ReadingRules) {
    struct Case {
        const char* line;  // the line of section [Config] in the file
        const char* key;
        char kind;  // 's' string, 'i' integer, 'b' Boolean
        const char* deflt;
        const char* expected;
    };
    const Case cases[] = {
        {"autoocultar=1", "AutoOcultar", 'b', "0", "1"},
        {"nívelTRANSPARÊNCIA=7", "NívelTransparência", 'i', "210", "7"},
        {"DistânciaÍcones=0x30", "DistânciaÍcones", 'i', "38", "48"},
        {"DistânciaÍcones=0XfF", "DistânciaÍcones", 'i', "38", "255"},
        {"DistânciaÍcones=abc", "DistânciaÍcones", 'i', "38", "38"},
        {"DistânciaÍcones=0x", "DistânciaÍcones", 'i', "38", "38"},
        {"DistânciaÍcones=0x1G", "DistânciaÍcones", 'i', "38", "38"},
        {"DistânciaÍcones=12px", "DistânciaÍcones", 'i', "38", "38"},
        {"Color=-1", "Color", 'i', "5", "-1"},
        {"Color=0xFF000005", "Color", 'i', "5", "-16777211"},
        {"Color=2147483647", "Color", 'i', "5", "2147483647"},
        {"Color=-2147483648", "Color", 'i', "5", "-2147483648"},
        {"Color=2147483648", "Color", 'i', "5", "5"},
        {"Color=0x100000000", "Color", 'i', "5", "5"},
        {"Color=", "Color", 'i', "5", "5"},
        {"SobreOutros=2", "SobreOutros", 'b', "0", "1"},
        {"SobreOutros=", "SobreOutros", 'b', "1", "1"},
        {"SobreOutros=0", "SobreOutros", 'b', "1", "0"},
        {"SobreOutros=Sim", "SobreOutros", 'b', "0", "0"},
        {"  NomeEmpresa \t=  Minha  barra  ", "nomeempresa", 's', "x", "Minha  barra"},
        {"NomeEmpresa=", "NomeEmpresa", 's', "x", ""},
        {"a=b=c", "A", 's', "x", "b=c"},
        {"=sem nome", "", 's', "x", "sem nome"},
        {"IconeEmpresa", "IconeEmpresa", 's', "x", "x"},  // a line without "=" names no key
        {";NomeEmpresa=y", "NomeEmpresa", 's', "x", "x"},
        {"Outra=1", "NomeEmpresa", 's', "x", "x"},
    };
    test::FakePlatform fake;
    for (const Case& c : cases) {
        fake.files.contents[kFile] = Cp(std::string("[config]\r\n") + c.line + "\r\n");
        TMemIniFile ini(kFile);
        std::string got;
        if (c.kind == 's') got = ini.ReadString("Config", c.key, c.deflt);
        if (c.kind == 'i') got = std::to_string(ini.ReadInteger("CONFIG", c.key, std::stoi(c.deflt)));
        if (c.kind == 'b') got = ini.ReadBool("Config", c.key, c.deflt[0] == '1') ? "1" : "0";
        EXPECT_EQ(got, c.expected) << c.line;
        EXPECT_EQ(ini.ReadString("Outra", c.key, "x"), "x") << c.line;
    }
}

TEST(NqIniFiles, KeepsLinesInPlaceAndReplacesTheLastOfDuplicateKeys) {
    test::FakePlatform fake;
    fake.files.contents[kFile] =
        "antes=ignorada\r\n"
        "  [ Config ]  \r\n"
        "Cor=1\n"
        ";x\r\n"
        "\r\n"
        "   \r\n"
        "linha solta\r"
        "COR=2\r\n"
        "[IconesMenu]\r\n"
        "1=a\r\n"
        "[config]\r\n"  // the same section named again: its lines follow on
        "Fim=3\r\n";
    TMemIniFile ini(kFile);
    EXPECT_EQ(ini.ReadString("Config", "cor", ""), "2");
    ini.WriteString("Config", "Cor", "3");
    ini.WriteString("Config", "Nova", "4");
    EXPECT_EQ(ini.ReadString("Config", "cor", ""), "3");
    std::vector<std::string> lines;
    ini.ReadSectionValues("CONFIG", lines);
    EXPECT_EQ(lines, (std::vector<std::string>{"Cor=1", "linha solta", "Cor=3", "Fim=3", "Nova=4"}));
    ini.UpdateFile();
    EXPECT_EQ(fake.files.contents[kFile],
              "[Config]\r\nCor=1\r\nlinha solta\r\nCor=3\r\nFim=3\r\nNova=4\r\n\r\n"
              "[IconesMenu]\r\n1=a\r\n\r\n");
}

TEST(NqIniFiles, SectionsAreCreatedErasedAndListed) {
    test::FakePlatform fake;
    fake.files.contents[kFile] = "[A]\r\nk=1\r\n[B]\r\nk=2\r\n[C]\r\nk=3\r\n[Vazia]\r\n";
    TMemIniFile ini(kFile);
    EXPECT_TRUE(ini.SectionExists("b"));
    EXPECT_FALSE(ini.SectionExists("Vazia"));  // present but without a line
    EXPECT_FALSE(ini.SectionExists("Falta"));
    ini.EraseSection("b");
    ini.EraseSection("Falta");
    EXPECT_FALSE(ini.SectionExists("B"));
    EXPECT_EQ(ini.ReadString("B", "k", "-"), "-");
    EXPECT_EQ(ini.ReadString("C", "k", "-"), "3");  // the sections after the erased one are still found
    ini.WriteString("b", "k", "4");                 // created again, at the end
    ini.WriteString("0", "z", "5");
    std::vector<std::string> names;
    ini.ReadSections(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "C", "Vazia", "b", "0"}));
    EXPECT_EQ(ini.FileContent(),
              "[0]\r\nz=5\r\n\r\n[A]\r\nk=1\r\n\r\n[b]\r\nk=4\r\n\r\n[C]\r\nk=3\r\n\r\n[Vazia]\r\n\r\n");
}

// Many keys, case variants, erased sections and replaced values (enough to compact the text store)
// against a plain list of lines; the object's invariants hold all along.
TEST(NqIniFiles, IndexAgreesWithALinearSearch) {
    test::FakePlatform fake;
    TMemIniFile ini(kFile);
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> model;
    auto section = [&](const std::string& name) -> auto& {
        for (auto& s : model)
            if (SameText(s.first, name)) return s.second;
        model.push_back({name, {}});
        return model.back().second;
    };
    std::mt19937 rnd(7);
    const char* names[] = {"Config", "IconesMenu", "Menus", "Ítens"};
    for (int step = 0; step < 4000; ++step) {
        const std::string sec = names[rnd() % 4];
        std::string key = (rnd() % 2 ? "Chave" : "chavé") + std::to_string(rnd() % 300);
        if (rnd() % 2) key = UpperCase(key);
        if (rnd() % 500 == 0) {
            ini.EraseSection(sec);
            std::erase_if(model, [&](auto& s) { return SameText(s.first, sec); });
            ASSERT_EQ(ini.Conferir(), "") << step;
            continue;
        }
        const std::string value = std::to_string(step) + std::string(rnd() % 120, 'v');
        ini.WriteString(sec, key, value);
        auto& lines = section(sec);
        auto it = std::find_if(lines.rbegin(), lines.rend(), [&](auto& l) { return SameText(l.first, key); });
        if (it != lines.rend())
            *it = {key, value};
        else
            lines.push_back({key, value});
        if (step % 50 == 0) {
            ASSERT_EQ(ini.Conferir(), "") << step;
        }
    }
    ASSERT_EQ(ini.Conferir(), "");
    for (auto& [sec, lines] : model) {
        std::vector<std::string> got;
        ini.ReadSectionValues(sec, got);
        ASSERT_EQ(got.size(), lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(got[i], lines[i].first + "=" + lines[i].second);
            EXPECT_EQ(ini.ReadString(LowerCase(sec), LowerCase(lines[i].first), "-"), lines[i].second);
        }
    }
    // Reading the written file back gives the same text.
    ini.UpdateFile();
    TMemIniFile again(kFile);
    EXPECT_EQ(again.FileContent(), ini.FileContent());
    EXPECT_EQ(again.Conferir(), "");
}

// A file as editors and older versions leave it, read, then changed: the invariants hold after the read,
// after every write and erase, and after the save; keyless lines and earlier duplicates stay.
TEST(NqIniFiles, TheInvariantsHoldForAFileOfEveryKindOfLine) {
    test::FakePlatform fake;
    const std::string texto =
        "antes=ignorado\r\n; comentário\r\n[Config]\r\n  Lado = 1 \r\nlado=2\rsem igual\n\n[Menus]\r\n"
        "vazio=\r\n=sem chave\r\n[CONFIG]\r\nLADO=3\r\n[Ação]\r\nx=1\r\n[Vazia]\r\n";
    TMemIniFile ini(kFile, Cp(texto));
    ASSERT_EQ(ini.Conferir(), "");
    EXPECT_EQ(ini.ReadString("config", "LADO", "-"), "3");
    const std::vector<std::function<void()>> passos = {
        [&] { ini.WriteString("CONFIG", "lado", "4"); },
        [&] { ini.WriteString("ação", "Y", "linha\r\nquebrada"); },
        [&] { ini.WriteString("Nova\nseção", "k\rk", "v"); },
        [&] { ini.EraseSection("MENUS"); },
        [&] { ini.WriteString("Menus", "de novo", std::string(70000, 'x')); },
        [&] { ini.WriteString("Menus", "De Novo", "curto"); },  // the long value becomes unused: compacted
        [&] { ini.EraseSection("não existe"); },
        [&] { ini.EraseSection("Vazia"); },
        [&] { ini.UpdateFile(); },
    };
    for (std::size_t i = 0; i < passos.size(); ++i) {
        passos[i]();
        ASSERT_EQ(ini.Conferir(), "") << i;
    }
    std::vector<std::string> linhas;
    ini.ReadSectionValues("Config", linhas);
    EXPECT_EQ(linhas, (std::vector<std::string>{"Lado=1", "lado=2", "sem igual", "lado=4"}));
    EXPECT_EQ(ini.ReadString("Nova seção", "K K", "-"), "v");
    TMemIniFile lido(kFile);
    EXPECT_EQ(lido.Conferir(), "");
    EXPECT_EQ(lido.FileContent(), ini.FileContent());
}

TEST(NqIniFiles, EncodingKeepsEveryTitle) {
    test::FakePlatform fake;
    {
        TMemIniFile ini(kFile);
        ini.WriteInteger("Config", "NívelTransparência", 200);
        ini.WriteString("Config", "NomeEmpresa", "Preço € 10");
        ini.UpdateFile();
        // Fits Windows-1252: one byte per accented letter, no byte-order mark.
        EXPECT_EQ(fake.files.contents[kFile],
                  "[Config]\r\nN\xEDvelTranspar\xEAncia=200\r\nNomeEmpresa=Pre\xE7o \x80 10\r\n\r\n");
        ini.WriteString("Config", "NomeEmpresa", "Łódź");
        ini.UpdateFile();
        EXPECT_EQ(fake.files.contents[kFile],
                  "\xEF\xBB\xBF[Config]\r\nNívelTransparência=200\r\nNomeEmpresa=Łódź\r\n\r\n");
    }
    {
        TMemIniFile ini(kFile);
        EXPECT_EQ(ini.ReadString("config", "NOMEEMPRESA", ""), "Łódź");
        EXPECT_EQ(ini.ReadInteger("Config", "nÍveltransparência", 0), 200);
        ini.WriteString("Config", "NomeEmpresa", "Lodz");
    }  // released: written back in Windows-1252
    EXPECT_EQ(fake.files.contents[kFile],
              "[Config]\r\nN\xEDvelTranspar\xEAncia=200\r\nNomeEmpresa=Lodz\r\n\r\n");

    // A malformed sequence after the byte-order mark reads as U+FFFD.
    TMemIniFile bad("x.ini",
                    "\xEF\xBB\xBF[S]\r\nk=a\xFF"
                    "b\r\n");
    EXPECT_EQ(bad.ReadString("S", "k", ""),
              "a\xEF\xBF\xBD"
              "b");
    // Line breaks inside a value cannot forge lines in the file.
    bad.WriteString("S", "k", "x\r\n[Config]\nColor=0");
    TMemIniFile reread("x.ini", bad.FileContent());
    EXPECT_EQ(reread.ReadString("S", "k", ""), "x  [Config] Color=0");
    EXPECT_FALSE(reread.SectionExists("Config"));
}

// Each encoding the file may come in, read; what cannot be decoded cleanly is kept beside the file,
// as it was, before the file is first replaced, and the user hears of it once.
TEST(NqIniFiles, EncodingsAndTheCopyOfWhatCouldNotBeDecoded) {
    struct Case {
        const char* what;
        std::string bytes;
        std::string nomeEmpresa;  // as read
        bool keptBeside;
    };
    const Case cases[] = {
        {"UTF-16 LE", std::string("\xFF\xFE[\0S\0]\0\r\0\n\0k\0=\0\x01\x01\x3D\xD8\x00\xDE", 22), "ā😀",
         false},
        {"UTF-16 BE", std::string("\xFE\xFF\0[\0S\0]\0\n\0k\0=\0\xC1\0g\0u\0a", 22), "Água", false},
        {"UTF-16 LE, odd last byte", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0x\0y", 17), "x\uFFFD", true},
        {"UTF-16 LE, lone surrogate", std::string("\xFF\xFE[\0S\0]\0\n\0k\0=\0\x00\xD8z\0", 18), "\uFFFDz",
         true},
        {"UTF-32 LE", std::string("\xFF\xFE\0\0[\0\0\0S\0\0\0]\0\0\0", 16), "-", true},
        {"UTF-8", "\xEF\xBB\xBF[S]\r\nk=\xC3\x81gua \xEF\xBF\xBD\r\n", "Água \uFFFD", false},
        {"UTF-8, malformed", "\xEF\xBB\xBF[S]\r\nk=a\xC3(\r\n", "a\uFFFD(", true},
        {"Windows-1252", "[S]\r\nk=\xC1gua \x80\r\n", "Água €", false},
        {"Windows-1252 with a NUL", std::string("[S]\r\nk=a\0\0\0\r\n", 13), "a", true},
        // Read as Windows-1252, the NULs count as blanks.
        {"UTF-16 without its mark", std::string("[\0S\0]\0\r\0\n\0k\0=\0x\0", 16), "x", true},
        {"text without a section", "k=1\r\nnada aqui\r\n", "-", true},
        {"blank", " \r\n\t\r\n", "-", false},
        {"empty", "", "-", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::FakePlatform fake;
        fake.files.contents[kFile] = c.bytes;
        fake.files.Add(kFile, LocalTime{2024, 3, 5, 14, 7, 9});
        TMemIniFile ini(kFile);
        EXPECT_EQ(ini.ReadString("S", "k", "-"), c.nomeEmpresa);
        ini.WriteString("Config", "Color", "1");
        ini.UpdateFile();
        const std::string copy = "D:\\Apps\\BarraConfig (cópia 2024-03-05 14-07-09).ini";
        EXPECT_EQ(fake.files.contents.count(copy), c.keptBeside ? 1u : 0u);
        if (c.keptBeside) {
            EXPECT_EQ(fake.files.contents[copy], c.bytes);
        }
        EXPECT_EQ(fake.files.contents.size(), c.keptBeside ? 2u : 1u);
        const std::vector<std::string> notices = ini.TakeNotices();
        ASSERT_EQ(notices.size(), c.keptBeside ? 1u : 0u);
        if (c.keptBeside) {
            EXPECT_NE(notices[0].find("\"BarraConfig (cópia 2024-03-05 14-07-09).ini\""), std::string::npos);
        }
        // Written in the program's own encoding, read back the same; told once, copied once.
        TMemIniFile again(kFile);
        EXPECT_EQ(again.ReadString("S", "k", "-"), c.nomeEmpresa);
        ini.WriteString("Config", "Color", "2");
        ini.UpdateFile();
        EXPECT_TRUE(ini.TakeNotices().empty());
        EXPECT_EQ(fake.files.contents.size(), c.keptBeside ? 2u : 1u);
    }
}

// A damaged file is kept beside itself when it is found, at start, and the next save writes the readable
// settings without a second copy. A notice nobody could hear (the program was ending) waits in the file
// for the next start, which takes it out.
TEST(NqIniFiles, ADamagedFileIsKeptAtStartAndANoticeWaitsForTheNextStart) {
    test::FakePlatform fake;
    const std::string damaged("[IconesMenu]\r\nRecordCount=1\r\n1=a\0\0\r\n", 33);
    fake.files.contents[kFile] = damaged;
    fake.files.Add(kFile, LocalTime{2024, 3, 5, 14, 7, 9});
    const std::string copy = "D:\\Apps\\BarraConfig (cópia 2024-03-05 14-07-09).ini";
    {
        TMemIniFile ini(kFile);
        ini.KeepCopyIfDamaged();
        EXPECT_EQ(fake.files.contents[copy], damaged) << "kept at once";
        std::vector<std::string> avisos = TomarAvisosConfig(ini);
        ASSERT_EQ(avisos.size(), 1u);
        EXPECT_NE(avisos[0].find("não pôde ser lido por inteiro"), std::string::npos);
        ini.KeepCopyIfDamaged();
        ini.UpdateFile();
        EXPECT_TRUE(ini.TakeNotices().empty()) << "told once";
        EXPECT_EQ(fake.files.contents.size(), 2u) << "copied once";
        EXPECT_EQ(fake.files.contents[kFile].find('\0'), std::string::npos) << "the readable settings written";

        // The end: what nobody heard is left in the file.
        GuardarAvisosConfig(ini, {"primeiro", "segundo"});
        ini.UpdateFile();
    }
    TMemIniFile depois(kFile);
    depois.KeepCopyIfDamaged();  // a clean file: nothing to keep
    EXPECT_EQ(TomarAvisosConfig(depois), (std::vector<std::string>{"primeiro", "segundo"}));
    EXPECT_FALSE(depois.SectionExists("Avisos"));
    EXPECT_TRUE(TomarAvisosConfig(depois).empty());
    EXPECT_EQ(fake.files.contents.size(), 2u);
}

// Two bars, or two users of a shared copy, write the same file: the version another one wrote since
// this object last read or wrote it is kept beside it, never silently lost.
TEST(NqIniFiles, AFileChangedElsewhereIsKeptBesideBeforeItIsReplaced) {
    test::FakePlatform fake;
    fake.files.contents[kFile] = "[Config]\r\nColor=1\r\n\r\n";
    fake.files.Add(kFile, LocalTime{2024, 3, 5, 14, 7, 9});
    const std::string copy = "D:\\Apps\\BarraConfig (cópia 2024-03-05 14-07-09).ini";
    TMemIniFile ini(kFile);
    ini.WriteString("Config", "Nosso", "1");

    // Nothing changed elsewhere: replaced without a copy.
    ini.UpdateFile();
    EXPECT_EQ(fake.files.contents.size(), 1u);
    // The other writer, then this one again: its version is kept, once, under a free name.
    const std::string theirs = "[Config]\r\nColor=1\r\nDeles=1\r\n\r\n";
    fake.files.contents[copy] = "an older copy";
    fake.files.contents[kFile] = theirs;
    ini.WriteString("Config", "Nosso", "2");
    ini.UpdateFile();
    const std::string copy2 = "D:\\Apps\\BarraConfig (cópia 2024-03-05 14-07-09) 2.ini";
    EXPECT_EQ(fake.files.contents[copy2], theirs);
    EXPECT_EQ(fake.files.contents[copy], "an older copy");
    EXPECT_EQ(fake.files.contents[kFile], "[Config]\r\nColor=1\r\nNosso=2\r\n\r\n");
    const std::vector<std::string> notices = ini.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find("alterado por outro programa"), std::string::npos);
    EXPECT_NE(notices[0].find("\"BarraConfig (cópia 2024-03-05 14-07-09) 2.ini\""), std::string::npos);
    ini.UpdateFile();
    EXPECT_TRUE(ini.TakeNotices().empty());
    EXPECT_EQ(fake.files.contents.size(), 3u);

    // Deleted elsewhere: written again, nothing to keep. Created elsewhere meanwhile: kept.
    fake.files.contents.erase(kFile);
    fake.files.ForceDelete(kFile);
    ini.WriteString("Config", "Nosso", "3");
    ini.UpdateFile();
    EXPECT_TRUE(ini.TakeNotices().empty());
    fake.files.contents.clear();
    fake.files.files.clear();
    TMemIniFile fresh(kFile);
    fake.files.contents[kFile] = theirs;
    fresh.WriteString("Config", "Nosso", "4");
    fresh.UpdateFile();
    EXPECT_EQ(fake.files.contents["D:\\Apps\\BarraConfig (cópia).ini"], theirs);
    EXPECT_EQ(fresh.TakeNotices().size(), 1u);

    // The other writer wrote these very bytes: nothing to keep and nothing to write.
    fake.files.contents[kFile] = fresh.FileContent();
    fake.files.refuseWrites = true;
    fresh.UpdateFile();
    EXPECT_TRUE(fresh.TakeNotices().empty());

    // A copy that cannot be made stops the write: the other version stays where it is.
    fake.files.contents[kFile] = theirs;
    fresh.WriteString("Config", "Nosso", "5");
    EXPECT_THROW(fresh.UpdateFile(), EInOutError);
    EXPECT_EQ(fake.files.contents[kFile], theirs);

    // A copy made before the replacement failed is told, and a second try makes no second copy.
    fake.files.refuseWrites = false;
    struct CopyOnly : test::FakeFileSystem {
        void ReplaceAll(const std::string& path, const std::string&) override {
            throw EInOutError("cannot write " + path);
        }
    } copyOnly;
    copyOnly.contents = fake.files.contents;
    ScopedPlatform scope(Platform{&copyOnly, nullptr, nullptr, nullptr});
    const std::size_t before = copyOnly.contents.size();
    EXPECT_THROW(fresh.UpdateFile(), EInOutError);
    EXPECT_EQ(fresh.TakeNotices().size(), 1u);
    EXPECT_EQ(copyOnly.contents.size(), before + 1);
    EXPECT_THROW(fresh.UpdateFile(), EInOutError);
    EXPECT_TRUE(fresh.TakeNotices().empty());
    EXPECT_EQ(copyOnly.contents.size(), before + 1);
    EXPECT_EQ(copyOnly.contents[kFile], theirs);
}

TEST(NqIniFiles, TheNameOfACopy) {
    const LocalTime t{2024, 3, 5, 14, 7, 9};
    EXPECT_EQ(NomeCopiaDatada("D:\\Apps\\PivelConfig.ini", t),
              "D:\\Apps\\PivelConfig (cópia 2024-03-05 14-07-09).ini");
    EXPECT_EQ(NomeCopiaDatada("D:\\Apps\\PivelConfig.ini", t, 3),
              "D:\\Apps\\PivelConfig (cópia 2024-03-05 14-07-09) 3.ini");
    EXPECT_EQ(NomeCopiaDatada("D:\\Ap.ps\\Config", {}), "D:\\Ap.ps\\Config (cópia)");
}

TEST(NqIniFiles, FontText) {
    const TFont before{"Verdana", 12, clWindowText, false, true, false, false};
    struct Case {
        const char* text;
        TFont expected;
    };
    const Case cases[] = {
        {"Arial,10,255,1,0,0,0", {"Arial", 10, RGBColor(255, 0, 0), true, false, false, false}},
        {"Arial,10,255,1,0,0", before},
        {"Arial,10,255,1,0,0,0,0", before},
        {"Arial,x,255,0,0,0,0", {"Arial", 12, 255, false, false, false, false}},
        {"Arial,9,y,0,1,1,1", {"Arial", 9, clWindowText, false, true, true, true}},
        {"Arial,9,-16777211,sim,0,2,1", {"Arial", 9, -16777211, false, false, false, true}},
        {"", before},
    };
    for (const Case& c : cases) {
        TFont f = before;
        lerFonte(c.text, f);
        EXPECT_EQ(f, c.expected) << c.text;
    }
    EXPECT_EQ(gravarFonte(TFont{"Tahoma", 9, clWhite, false, false, false, false}),
              "Tahoma,9,16777215,0,0,0,0");
    EXPECT_EQ(gravarFonte(TFont{"Arial", 10, -16777211, true, true, true, true}),
              "Arial,10,-16777211,1,1,1,1");

    test::FakePlatform fake;
    TMemIniFile ini(kFile);
    TFont f = before;
    ini.ReadFont("Config", "FonteÍcones", f);  // absent: unchanged
    EXPECT_EQ(f, before);
    const TFont stored{"Segoe UI", 11, RGBColor(1, 2, 3), true, false, true, false};
    ini.WriteFont("Config", "FonteÍcones", stored);
    EXPECT_EQ(ini.ReadString("Config", "fonteícones", ""), "Segoe UI,11,197121,1,0,1,0");
    ini.ReadFont("Config", "FonteÍcones", f);
    EXPECT_EQ(f, stored);
}

class IniciaIniTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = {ExeName, DirAplic};
        savedUnica_ = ConfigUnica;
        ExeName = "D:\\Apps\\Barra.exe";
        DirAplic = "D:\\Apps\\";
        fake_.system.user = "maria";
        NqIni.reset();
    }
    void TearDown() override {
        NqIni.reset();  // written to the fake before it goes
        ExeName = saved_.first;
        DirAplic = saved_.second;
        ConfigUnica = savedUnica_;
    }
    test::FakePlatform fake_;
    std::pair<std::string, std::string> saved_;
    bool savedUnica_ = false;
};

TEST_F(IniciaIniTest, DerivesTheNameOnlyTheFirstTime) {
    struct Case {
        TFormatoINI opcao;
        bool unica;
        const char* file;
    };
    const Case cases[] = {
        {TFormatoINI::fiDefault, true, "D:\\Apps\\Barra.ini"},
        {TFormatoINI::fiDefault, false, "D:\\Apps\\BarraPC01(MARIA).ini"},
        {TFormatoINI::fiDeprecate, true, "D:\\Apps\\Barra-PC01-MARIA.ini"},
        {TFormatoINI::fiDeprecate, false, "D:\\Apps\\Barra-PC01-MARIA.ini"},
    };
    for (const Case& c : cases) {
        NqIni.reset();
        ConfigUnica = c.unica;
        IniciaIni(c.opcao);
        ASSERT_TRUE(NqIni);
        EXPECT_EQ(NqIni->FileName(), c.file);
        const TMemIniFile* first = NqIni.get();
        IniciaIni(TFormatoINI::fiDeprecate);
        IniciaIni("Outro.ini");
        EXPECT_EQ(NqIni.get(), first);
        EXPECT_EQ(NqIni->FileName(), c.file);
    }
}

TEST_F(IniciaIniTest, OpensTheGivenFileInTheProgramFolderWhenItHasNoFolder) {
    fake_.files.contents["D:\\Apps\\BarraConfig.ini"] = "[Config]\r\nAutoOcultar=1\r\n";
    IniciaIni("BarraConfig.ini");
    EXPECT_EQ(NqIni->FileName(), "D:\\Apps\\BarraConfig.ini");
    EXPECT_TRUE(NqIni->ReadBool("Config", "AutoOcultar", false));
    IniciaIni(TFormatoINI::fiDefault);
    EXPECT_EQ(NqIni->FileName(), "D:\\Apps\\BarraConfig.ini");

    EXPECT_EQ(AcertarNomeArquivo("x.ini"), "D:\\Apps\\x.ini");
    EXPECT_EQ(AcertarNomeArquivo("E:\\Dados\\x.ini"), "E:\\Dados\\x.ini");
    EXPECT_EQ(AcertarNomeArquivo("E:x.ini"), "E:x.ini");
    EXPECT_EQ(AcertarNomeArquivo("\\\\srv\\pub\\x.ini"), "\\\\srv\\pub\\x.ini");
}

TEST(NqIniFiles, MissingFileGivesDefaultsAndIsCreatedAtTheFirstWrite) {
    test::FakePlatform fake;
    TMemIniFile ini(kFile);
    EXPECT_EQ(ini.ReadInteger("Config", "DistânciaÍcones", 38), 38);
    EXPECT_FALSE(fake.files.contents.count(kFile));
    ini.WriteBool("Config", "AutoOcultar", true);
    ini.UpdateFile();
    EXPECT_EQ(fake.files.contents[kFile], "[Config]\r\nAutoOcultar=1\r\n\r\n");
}

TEST(NqIniFiles, FailedWriteReportsAndChangesNothing) {
    test::FakePlatform fake;
    const std::string old = "[Config]\r\nColor=1\r\n\r\n";
    fake.files.contents[kFile] = old;
    {
        TMemIniFile ini(kFile);
        ini.WriteInteger("Config", "Color", 2);
        const std::string inMemory = ini.FileContent();
        fake.files.refuseWrites = true;
        EXPECT_THROW(ini.UpdateFile(), EInOutError);
        EXPECT_EQ(fake.files.contents[kFile], old);
        EXPECT_EQ(ini.FileContent(), inMemory);
        EXPECT_EQ(ini.ReadInteger("Config", "Color", 0), 2);
    }  // the release writes too, and its failure goes unreported
    EXPECT_EQ(fake.files.contents[kFile], old);
    fake.files.refuseWrites = false;

    // A file that exists but could not be read is never overwritten with the empty memory.
    fake.files.Add("D:\\Apps\\Trancado.ini");
    {
        TMemIniFile ini("D:\\Apps\\Trancado.ini");
        ini.WriteInteger("Config", "Color", 2);
        EXPECT_THROW(ini.UpdateFile(), EInOutError);
    }
    EXPECT_FALSE(fake.files.contents.count("D:\\Apps\\Trancado.ini"));
}

// Inputs the fuzzer found troublesome, and a few made by hand: each reads, and our own output reads back
// to the same output.
TEST(NqIniFiles, FuzzRegressionInputsReadBackStably) {
    const std::filesystem::path folder =
        std::filesystem::path(PIVEL_TEST_DATA) / "fuzz/SettingsReader/regressions";
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    IniUpdateOnFree = false;
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        TMemIniFile ini("x.ini", bytes);
        const std::string once = ini.FileContent();
        TMemIniFile again("x.ini", once);
        EXPECT_EQ(again.FileContent(), once) << entry.path();
        ++count;
    }
    IniUpdateOnFree = true;
    EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace nq
