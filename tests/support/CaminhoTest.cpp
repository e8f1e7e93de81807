#include "support/Caminho.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

// Each path taken apart with both sets of separators: a file path splits at "\", "/" and a drive's ":",
// a typed target (which may be a web address) only at "\" and ":".
TEST(Caminho, TakesAPathApart) {
    struct Case {
        const char* caminho;
        std::string_view seps;
        const char* pasta;
        const char* nome;
        const char* semExtensao;
    };
    const Case cases[] = {
        {"C:\\Apps\\editor.exe", kSeparadores, "C:\\Apps\\", "editor.exe", "C:\\Apps\\editor"},
        {"C:editor.exe", kSeparadores, "C:", "editor.exe", "C:editor"},
        {"editor.exe", kSeparadores, "", "editor.exe", "editor"},
        {"C:\\Apps\\", kSeparadores, "C:\\Apps\\", "", "C:\\Apps\\"},
        {"C:/Apps/arq.tar.gz", kSeparadores, "C:/Apps/", "arq.tar.gz", "C:/Apps/arq.tar"},
        {"C:\\v1.2\\LEIAME", kSeparadores, "C:\\v1.2\\", "LEIAME", "C:\\v1.2\\LEIAME"},  // a dot in a folder
        {"\\\\servidor\\x\\.config", kSeparadores, "\\\\servidor\\x\\", ".config", "\\\\servidor\\x\\"},
        {"", kSeparadores, "", "", ""},
        // A web address keeps its slashes: its "folder" ends at the scheme's colon.
        {"http://exemplo.com/a.html", kSeparadoresAlvo, "http:", "//exemplo.com/a.html", "http://exemplo.com/a"},
        {"C:\\Docs\\a/b.txt", kSeparadoresAlvo, "C:\\Docs\\", "a/b.txt", "C:\\Docs\\a/b"},
        {"C:\\Docs\\a/b.txt", kSeparadores, "C:\\Docs\\a/", "b.txt", "C:\\Docs\\a/b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PastaDoCaminho(c.caminho, c.seps), c.pasta) << c.caminho;
        EXPECT_EQ(NomeDoCaminho(c.caminho, c.seps), c.nome) << c.caminho;
        EXPECT_EQ(SemExtensao(c.caminho, c.seps), c.semExtensao) << c.caminho;
        EXPECT_EQ(std::string(PastaDoCaminho(c.caminho, c.seps)) + std::string(NomeDoCaminho(c.caminho, c.seps)),
                  c.caminho);
    }
}

// Each kind of path once, and the targets where the tests of an address part ways: every caller keeps
// the test it has always used.
TEST(Caminho, TellsWhatKindOfPathATextIs) {
    using F = FormaCaminho;
    struct Case {
        const char* caminho;
        F forma;
        bool web, webNoMenu, endereco, esquema;
    };
    const Case cases[] = {
        {"", F::Relativo, false, false, false, false},
        {"editor.exe", F::Relativo, false, false, false, false},
        {"Apps\\editor.exe", F::Relativo, false, false, false, false},
        {"..\\Apps/x.exe", F::Relativo, false, false, false, false},
        {"\\Apps\\x.exe", F::DaRaiz, false, false, false, false},
        {"/Apps", F::DaRaiz, false, false, false, false},
        {"//servidor/pasta", F::DaRaiz, false, false, false, false},  // only backslashes open a network path
        {"\\\\servidor\\pasta\\x.exe", F::Unc, false, false, false, false},
        {"\\\\", F::Unc, false, false, false, false},
        {"C:\\Apps\\x.exe", F::Absoluto, false, false, false, false},
        {"d:/Apps", F::Absoluto, false, false, false, false},
        {"C:\\", F::Absoluto, false, false, false, false},
        {"C:Apps\\x.exe", F::DaUnidade, false, false, false, false},
        {"C:", F::DaUnidade, false, false, false, false},
        {"1:x", F::DaUnidade, false, false, false, false},  // whatever stands before the colon
        {"http://exemplo.com/a", F::Relativo, true, true, true, true},
        {"HTTPS://EXEMPLO.COM", F::Relativo, true, true, true, true},
        {"www.exemplo.com", F::Relativo, true, true, true, false},
        {"ftp:servidor", F::Relativo, true, true, false, true},
        {"mailto:ana@exemplo.com", F::Relativo, false, false, false, true},
        {"ms-settings:display", F::Relativo, false, false, false, true},
        {"shell:AppsFolder\\x", F::Relativo, false, false, false, true},
        {"abc://x/y", F::Relativo, false, false, true, true},
        {"1abc://x", F::Relativo, false, false, true, false},  // a scheme begins with a letter
        // An absolute path can pass the bar's test of an address, and a relative one too.
        {"C:\\www.site\\a.html", F::Absoluto, true, true, false, false},
        {"Apps\\www.site\\a.html", F::Relativo, true, true, false, false},
        // The menu's test is the shorter one.
        {"C:\\Programas\\httpd.exe", F::Absoluto, false, true, false, false},
        {"\\\\www\\pasta", F::Unc, false, true, false, false},
    };
    for (const Case& c : cases) {
        const TipoCaminho t = TipoDoCaminho(c.caminho);
        EXPECT_EQ(t.forma, c.forma) << c.caminho;
        EXPECT_EQ(t.web, c.web) << c.caminho;
        EXPECT_EQ(t.webNoMenu, c.webNoMenu) << c.caminho;
        EXPECT_EQ(t.endereco, c.endereco) << c.caminho;
        EXPECT_EQ(t.esquema, c.esquema) << c.caminho;
        EXPECT_EQ(t.NaUnidade(), c.forma == F::Absoluto || c.forma == F::DaUnidade) << c.caminho;
    }
}

TEST(Caminho, TrocarExtensao) {
    EXPECT_EQ(TrocarExtensao("C:\\P\\Pivel.exe", "Config.ini"), "C:\\P\\PivelConfig.ini");
    EXPECT_EQ(TrocarExtensao("C:\\P.d\\Pivel", ".ini"), "C:\\P.d\\Pivel.ini");
    EXPECT_EQ(TrocarExtensao("a.b.c", ""), "a.b");
}

}  // namespace
}  // namespace nq
