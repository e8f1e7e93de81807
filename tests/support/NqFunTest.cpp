#include "support/NqFun.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "support/NqConst.h"

namespace nq {
namespace {

TEST(NqFun, StrTran) {
    struct Case {
        const char* in;
        const char* from;
        const char* to;
        const char* out;
    };
    const Case cases[] = {
        {"a|b", "|", "\r\n", "a\r\nb"},
        {"aaa", "aa", "b", "ba"},          // left to right, no overlap
        {"abab", "ab", "abab", "abababab"},  // replaced text is not searched again
        {"Abc abc", "abc", "x", "Abc x"},  // case-sensitive
        {"texto", "", "x", "texto"},
        {"", "a", "b", ""},
        {"a§b§", "§", ";", "a;b;"},
    };
    for (const Case& c : cases) EXPECT_EQ(StrTran(c.in, c.from, c.to), c.out) << c.in;
}

TEST(NqFun, EmptyRightAspasIIf) {
    EXPECT_TRUE(Empty(""));
    EXPECT_TRUE(Empty("   "));
    EXPECT_TRUE(Empty("\t"));
    EXPECT_FALSE(Empty(" a "));

    EXPECT_EQ(Right("xyz", 5), "xyz");
    EXPECT_EQ(Right("xyz", 0), "");
    EXPECT_EQ(Right("xyz", -2), "");
    EXPECT_EQ(Right("xyz", 1), "z");
    EXPECT_EQ(Right("ação", 2), "ão");

    EXPECT_EQ(Aspas("C:\\Program Files\\x.exe"), "\"C:\\Program Files\\x.exe\"");
    EXPECT_EQ(Aspas("C:\\Util\\x.exe"), "C:\\Util\\x.exe");

    EXPECT_EQ(IIf(true, 1, 2), 1);
    EXPECT_EQ(IIf(false, 1, 2), 2);
    EXPECT_EQ(IIf(false, std::string("a"), std::string("b")), "b");
}

TEST(NqFun, QuotedStrLike) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"", "'%'"},
        {"   ", "'%'"},
        {"joao silva", "'%joao%silva%'"},
        {"o'brien", "'%o''brien%'"},
        {"  x  ", "'%x%'"},
        {"a  b", "'%a%%b%'"},
    };
    for (const Case& c : cases) EXPECT_EQ(QuotedStrLike(c.in), c.out) << c.in;
}

TEST(NqFun, IncluirContraBarra) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"D", "D"}, {"D:", "D:\\"}, {"D:\\", "D:\\"}, {"", ""}, {"  ", "  "}, {"C:\\Dados", "C:\\Dados\\"},
        {"ç", "ç"},  // one character, two bytes
    };
    for (const Case& c : cases) EXPECT_EQ(IncluirContraBarra(c.in), c.out) << c.in;
}

TEST(NqFun, FormatPath) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"d:\\program files\\my app", "D:\\Program Files\\My App\\"},
        {"\\\\servidor\\pasta", "\\\\Servidor\\Pasta\\"},
        {"abc_def-ghi jkl", "Abc_Def-Ghi Jkl\\"},
        {"D:\\", "D:\\"},
        {"E:\\ARQUIVOS DE PROGRAMAS\\X", "E:\\Arquivos De Programas\\X\\"},
        {"", ""},
        {"c:\\dados\\", "C:\\Dados\\"},
        {"c:\\\\a\\\\\\b", "C:\\A\\\\B\\"},  // pairs folded once, left to right
        {"c:\\ação\\ÉGUA", "C:\\Ação\\Égua\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatPath(c.in), c.out) << c.in;
}

TEST(NqFun, ExtensaoArquivo) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"D:\\Dados\\Relatorio.PDF", ".pdf"}, {"D:\\pasta.d\\arquivo", ""}, {"arquivo.", "."},
        {"LEIAME.TXT", ".txt"},               {"LEIAME", ""},              {"a.tar.GZ", ".gz"},
        {"C:.ext", ".ext"},                   {"c:x", ""},                 {"FOTO.ÇÃO", ".ção"},
    };
    for (const Case& c : cases) EXPECT_EQ(ExtensaoArquivo(c.in), c.out) << c.in;
}

TEST(NqFun, AParse) {
    struct Case {
        const char* in;
        const char* sep;
        TStringArray out;
    };
    const Case cases[] = {
        {"x|y|z", "|", {"x", "y", "z"}},
        {"x||y", "|", {"x", "", "y"}},
        {"x|", "|", {"x", ""}},
        {"|x", "|", {"", "x"}},
        {"xyz", "|", {"xyz"}},
        {"", "|", {""}},
        {"||", "|", {"", "", ""}},
        {"a§b§c", "§", {"a", "b", "c"}},
        {"Tahoma,9,16777215,0,0,0,0", ",", {"Tahoma", "9", "16777215", "0", "0", "0", "0"}},
        // Overlapping occurrences are counted, but the split does not overlap.
        {"aaa", "aa", {"", "a", ""}},
        // An empty separator counts at every position and is never found when splitting.
        {"ab", "", {"ab", "", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(AParse(c.in, c.sep), c.out) << c.in << " / " << c.sep;
}

TEST(NqFun, FormatFileVersion) {
    struct Case {
        int v, m, r, b;
        const char* withBuild;
        const char* withoutBuild;
    };
    const Case cases[] = {
        {1, 2, 0, 0, "1.2", "1.2"},
        {1, 2, 3, 0, "1.2.3", "1.2.3"},
        {1, 2, 0, 4, "1.2 (4)", "1.2.0.4"},
        {1, 2, 3, 4, "1.2.3 (4)", "1.2.3.4"},
        {0, 0, 0, 0, "0.0", "0.0"},
        {2, 0, 3, 0, "2.0.3", "2.0.3"},
        {65535, 65535, 65535, 65535, "65535.65535.65535 (65535)", "65535.65535.65535.65535"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFileVersion(c.v, c.m, c.r, c.b, true), c.withBuild);
        EXPECT_EQ(FormatFileVersion(c.v, c.m, c.r, c.b, false), c.withoutBuild);
    }
}

TEST(NqFun, GetFileVersionSplitsTheFixedVersion) {
    test::FakePlatform fake;
    fake.versions.versions["C:\\a.exe"] = FixedVersion{0x00010002, 0x00030004};
    int v = -1, m = -1, r = -1, b = -1;
    GetFileVersion("C:\\a.exe", v, m, r, b);
    EXPECT_EQ((std::vector<int>{v, m, r, b}), (std::vector<int>{1, 2, 3, 4}));
    GetFileVersion("C:\\missing.exe", v, m, r, b);
    EXPECT_EQ((std::vector<int>{v, m, r, b}), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(GetFileVersion("C:\\missing.exe", true), "0.0");
    EXPECT_EQ(GetFileVersion("C:\\a.exe", false), "1.2.3.4");
}

TEST(NqFun, FileDateAndAnoData) {
    test::FakePlatform fake;
    fake.files.Add("C:\\d\\a.txt", LocalTime{2015, 3, 1, 12, 0, 0, 0});
    EXPECT_DOUBLE_EQ(FileDate("C:\\d\\a.txt"), 42064.5);
    EXPECT_EQ(AnoData(FileDate("C:\\d\\a.txt")), 2015);
    EXPECT_EQ(FileDate("C:\\d\\none.txt"), 0);
    EXPECT_EQ(FileDate(""), 0);

    struct Case {
        TDateTime d;
        int year;
    };
    const Case cases[] = {{0, 1899}, {1, 1899}, {2, 1900}, {36526, 2000}, {36891.99, 2000}, {-693593, 1}, {2958465, 9999}};
    for (const Case& c : cases) EXPECT_EQ(AnoData(c.d), c.year) << c.d;
}

TEST(NqFun, PesqArqsListsOneFolderFilesOnly) {
    test::FakePlatform fake;
    fake.files.Add("C:\\d\\b.txt");
    fake.files.AddFolder("C:\\d\\sub");
    fake.files.Add("C:\\d\\sub\\c.txt");
    fake.files.Add("C:\\d\\a.TXT");
    fake.files.Add("C:\\d\\x.log");
    std::vector<std::string> list{"kept"};
    PesqArqs("C:\\d", "*.txt", list);
    EXPECT_EQ(list, (std::vector<std::string>{"kept", "C:\\d\\b.txt", "C:\\d\\a.TXT"}));
    EXPECT_EQ(fake.system.pumps, 2);

    std::vector<std::string> none;
    PesqArqs("C:\\missing\\", "*", none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
}  // namespace nq

namespace nq {
namespace {

TEST(NqFun, LigaDesChangesTheColourOfBoxesOnly) {
    struct Caso {
        const char* classe;
        bool muda;
    } casos[] = {{"TEdit", true}, {"tspinedit", true}, {"TNqDBGrid", true}, {"TComboBox", true},
                 {"TCheckBox", false}, {"TBitBtn", false}, {"", false}};
    for (const Caso& c : casos) EXPECT_EQ(LigaDesMudaCor(c.classe), c.muda) << c.classe;
}

}  // namespace
}  // namespace nq
