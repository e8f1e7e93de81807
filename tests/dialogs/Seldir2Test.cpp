#include "dialogs/Seldir2.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TEST(Seldir2, TheListShowsTheChainOfFoldersFromTheRoot) {
    struct Caso {
        const char* pasta;
        std::vector<std::string> cadeia;
    } casos[] = {
        {"C:\\Dados\\x", {"C:\\", "C:\\Dados\\", "C:\\Dados\\x\\"}},
        {"C:\\Dados\\x\\", {"C:\\", "C:\\Dados\\", "C:\\Dados\\x\\"}},
        {"C:\\", {"C:\\"}},
        {"D:", {"D:\\"}},
        {"\\\\srv\\dados\\a", {"\\\\srv\\dados\\", "\\\\srv\\dados\\a\\"}},
        {"C:\\a\\\\b", {"C:\\", "C:\\a\\", "C:\\a\\\\b\\"}},
    };
    for (const Caso& c : casos) EXPECT_EQ(CadeiaPastas(c.pasta), c.cadeia) << c.pasta;
    EXPECT_EQ(NomeNaLista("C:\\"), "C:\\");
    EXPECT_EQ(NomeNaLista("C:\\Dados\\x\\"), "x");
    EXPECT_EQ(NomeNaLista("\\\\srv\\dados\\"), "\\\\srv\\dados\\");
}

TEST(Seldir2, ANewFolderIsMadeInTheCurrentOneAsTyped) {
    EXPECT_EQ(CaminhoNovaPasta("D:\\Dados\\", "Nova"), "D:\\Dados\\Nova");
    EXPECT_EQ(CaminhoNovaPasta("D:\\Dados", "nova"), "D:\\Dados\\nova");
    EXPECT_EQ(CaminhoNovaPasta("C:\\", "Nova"), "C:\\Nova");
}

}  // namespace
}  // namespace nq
