// Shortcut inspection against fake shell services: titles, quotes, icon categories, shell links.

#include "catalogue/Alvos.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "FakePlatform.h"

namespace nq {
namespace {

TEST(Alvos, GetTituloUsesTheFolderNameOnlyForExistingFolders) {
    test::FakePlatform fake;
    fake.files.AddFolder("D:\\Dados\\Clientes");
    fake.files.AddFolder("D:\\");
    fake.files.AddFolder("\\\\Servidor\\Publico");
    fake.files.AddFolder("D:\\Dados\\Versão 1.5");
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"D:\\Dados\\Clientes\\", "Clientes"},
        {"D:\\Dados\\Clientes", "Clientes"},
        {"D:\\", "D:"},
        {"\\\\Servidor\\Publico\\", "Publico"},
        {"D:\\Dados\\Versão 1.5", "Versão 1.5"},  // a folder keeps its dots
        {"D:\\Dados\\Versão 2.5", "Versão 2"},    // no such folder: a file name
        {"LEIAME", "LEIAME"},
        {"arquivo.", "Arquivo"},
        {".config", ""},
        {"D:\\Docs\\relatório.final.pdf", "Relatório.final"},
        {"notepad.exe", "Notepad"},
        {"C:ébano.txt", "Ébano"},
        {"D:\\Falta\\", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(GetTitulo(c.in), c.out) << c.in;
}

TEST(Alvos, GetProgramaRemovesEveryDoubleQuote) {
    EXPECT_EQ(GetPrograma("\"D:\\Program Files\\App\\app.exe\""), "D:\\Program Files\\App\\app.exe");
    EXPECT_EQ(GetPrograma("D:\\Apps\\app.exe"), "D:\\Apps\\app.exe");
    EXPECT_EQ(GetPrograma("D:\\a\"b\"\"c.exe"), "D:\\abc.exe");
    EXPECT_EQ(GetPrograma("\"\""), "");
}

TEST(Alvos, GetIconeTakesTheFirstRuleThatApplies) {
    test::FakePlatform fake;
    const char* files[] = {
        "D:\\gmail\\app.exe", "D:\\a.PDF",  "D:\\b.doc",   "D:\\c.docx", "D:\\d.xls",  "D:\\e.xlsx",
        "D:\\f.txt",          "D:\\g.log",  "D:\\h.ini",   "D:\\LEIAME", "D:\\i.lnk",  "D:\\j.htm",
        "D:\\k.html",         "D:\\l.fdb",  "D:\\m.gdb",   "D:\\n.zip",  "D:\\o.z",    "D:\\p.rar",
        "D:\\q.7z",           "D:\\r.dpr",  "D:\\s.pas",   "D:\\t.exe",  "D:\\u.COM",  "D:\\v.png",
        "D:\\arquivo.",       "D:\\pasta.d\\semext",        "D:\\x.pdf",
    };
    for (const char* f : files) fake.files.Add(f);
    fake.files.AddFolder("D:\\Dados");
    fake.files.AddFolder("D:\\www\\Site");
    fake.files.AddFolder("D:\\Pasta.pdf");
    fake.shell.withIcon = {"D:\\gmail\\app.exe", "D:\\x.pdf"};

    struct Case {
        const char* in;
        int icone;
    };
    const Case cases[] = {
        {"D:\\gmail\\app.exe", -1},  // the system's icon comes before any text rule
        {"D:\\x.pdf", -1},
        {"https://mail.google.com/gmail/www", 12},
        {"https://GMAIL.com", 6},
        {"www.exemplo.com.br", 7},
        {"http://WWW.EXEMPLO.COM.BR", 6},
        {"D:\\www\\Site", 7},  // the address rule comes before the folder rule
        {"D:\\Dados", 4},
        {"D:\\Dados\\", 4},
        {"D:\\Pasta.pdf", 4},
        {"D:\\Dados\\falta.pdf", 6},
        {"", 6},
        {"D:\\a.PDF", 0},
        {"D:\\b.doc", 1},
        {"D:\\c.docx", 1},
        {"D:\\d.xls", 2},
        {"D:\\e.xlsx", 2},
        {"D:\\f.txt", 3},
        {"D:\\g.log", 3},
        {"D:\\h.ini", 3},
        {"D:\\LEIAME", 4},
        {"D:\\pasta.d\\semext", 4},
        {"D:\\i.lnk", 5},
        {"D:\\j.htm", 7},
        {"D:\\k.html", 7},
        {"D:\\l.fdb", 8},
        {"D:\\m.gdb", 8},
        {"D:\\n.zip", 9},
        {"D:\\o.z", 9},
        {"D:\\p.rar", 9},
        {"D:\\q.7z", 9},
        {"D:\\r.dpr", 10},
        {"D:\\s.pas", 10},
        {"D:\\t.exe", 11},
        {"D:\\u.COM", 11},
        {"D:\\v.png", 5},
        {"D:\\arquivo.", 5},
    };
    for (const Case& c : cases) EXPECT_EQ(GetIcone(c.in), c.icone) << c.in;
}

TEST(Alvos, GetLinkInfoFillsEveryField) {
    test::FakePlatform fake;
    ShellLinkData link;
    link.targetPath = "D:\\Apps\\Edit\\edit.exe";
    link.findData.name = "edit.exe";
    link.description = "descrição";
    link.arguments = "/a /b";
    link.workingDirectory = "D:\\Apps\\Edit";
    link.iconLocation = "D:\\Apps\\Edit\\icones.dll";
    link.iconIndex = 3;
    link.hotKey = 0x0645;
    link.showCommand = 7;
    fake.shell.links["D:\\Atalhos\\Editor.lnk"] = link;

    TShellLinkInfoStruct info;
    info.FullPathAndNameOfLinkFile = "D:\\Atalhos\\Editor.lnk";
    GetLinkInfo(info);
    EXPECT_EQ(info.FullPathAndNameOfLinkFile, "D:\\Atalhos\\Editor.lnk");
    EXPECT_EQ(info.FullPathAndNameOfFileToExecute, "D:\\Apps\\Edit\\edit.exe");
    EXPECT_EQ(info.FindData.name, "edit.exe");
    EXPECT_EQ(info.Description, "descrição");
    EXPECT_EQ(info.ParamStringsOfFileToExecute, "/a /b");
    EXPECT_EQ(info.FullPathAndNameOfWorkingDirectroy, "D:\\Apps\\Edit");
    EXPECT_EQ(info.FullPathAndNameOfFileContiningIcon, "D:\\Apps\\Edit\\icones.dll");
    EXPECT_EQ(info.IconIndex, 3);
    EXPECT_EQ(info.HotKey, 0x0645);
    EXPECT_EQ(info.ShowCommand, 7);
    EXPECT_EQ(fake.shell.loadedLinks, std::vector<std::string>{"D:\\Atalhos\\Editor.lnk"});
}

TEST(Alvos, ReadLinkFindsTheProgramItsArgumentsAndATitle) {
    struct Case {
        const char* why;
        const char* workingDirectory;
        const char* fileName;
        const char* targetPath;
        const char* arguments;
        std::vector<const char*> existing;
        const char* programa;
        const char* param;  // the caller puts "anterior" in before the call
    };
    const Case cases[] = {
        {"the program in its working folder", "d:\\apps\\edit", "edit.exe", "D:\\Apps\\Edit\\edit.exe",
         "-n x.txt", {"D:\\Apps\\Edit\\edit.exe"}, "D:\\Apps\\Edit\\edit.exe", "-n x.txt"},
        {"blank arguments keep the caller's", "D:\\Apps\\Edit", "edit.exe", "D:\\Apps\\Edit\\edit.exe", "  ",
         {"D:\\Apps\\Edit\\edit.exe"}, "D:\\Apps\\Edit\\edit.exe", "anterior"},
        {"started from another folder", "D:\\Dados", "edit.exe", "D:\\Apps\\Edit\\edit.exe", "",
         {"D:\\Apps\\Edit\\edit.exe"}, "D:\\Apps\\Edit\\edit.exe", "anterior"},
        {"no working folder", "", "edit.exe", "D:\\Apps\\Edit\\edit.exe", "", {"D:\\Apps\\Edit\\edit.exe"},
         "D:\\Apps\\Edit\\edit.exe", "anterior"},
        {"broken: neither path exists", "D:\\Dados", "edit.exe", "D:\\Apps\\Edit\\edit.exe", "", {},
         "D:\\Dados\\edit.exe", "anterior"},
        {"broken, no working folder", "", "edit.exe", "D:\\Apps\\Edit\\edit.exe", "", {}, "edit.exe",
         "anterior"},
        {"a folder is no program", "D:\\Dados", "", "D:\\Dados\\Clientes", "", {}, "D:\\Dados\\", "anterior"},
    };
    for (const Case& c : cases) {
        test::FakePlatform fake;
        for (const char* f : c.existing) fake.files.Add(f);
        fake.files.AddFolder("D:\\Dados\\Clientes");
        ShellLinkData link;
        link.workingDirectory = c.workingDirectory;
        link.findData.name = c.fileName;
        link.targetPath = c.targetPath;
        link.arguments = c.arguments;
        fake.shell.links["D:\\Atalhos\\Editor de Textos.lnk"] = link;

        std::string programa = "x", param = "anterior", titulo = "x";
        ReadLink("D:\\Atalhos\\Editor de Textos.lnk", programa, param, titulo);
        EXPECT_EQ(programa, c.programa) << c.why;
        EXPECT_EQ(param, c.param) << c.why;
        EXPECT_EQ(titulo, "Editor de Textos") << c.why;
    }
}

TEST(Alvos, ReadLinkOfAFileThatIsNoLinkGivesOnlyATitle) {
    test::FakePlatform fake;
    fake.files.Add("D:\\Docs\\notas.lnk");
    std::string programa = "x", param = "-v", titulo;
    ReadLink("D:\\Docs\\notas.lnk", programa, param, titulo);
    EXPECT_EQ(programa, "");
    EXPECT_EQ(param, "-v");
    EXPECT_EQ(titulo, "Notas");
}

TEST(Alvos, ReadLinkPassesOnAMissingLinkObject) {
    test::FakePlatform fake;
    fake.shell.linkObjectMissing = true;
    std::string programa, param, titulo;
    EXPECT_THROW(ReadLink("D:\\a.lnk", programa, param, titulo), std::runtime_error);
}

}  // namespace
}  // namespace nq
