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

TEST(Caminho, TrocarExtensao) {
    EXPECT_EQ(TrocarExtensao("C:\\P\\Pivel.exe", "Config.ini"), "C:\\P\\PivelConfig.ini");
    EXPECT_EQ(TrocarExtensao("C:\\P.d\\Pivel", ".ini"), "C:\\P.d\\Pivel.ini");
    EXPECT_EQ(TrocarExtensao("a.b.c", ""), "a.b");
}

}  // namespace
}  // namespace nq
