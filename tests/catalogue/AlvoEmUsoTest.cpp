// A stored target made the path the program uses: variables, paths relative to the program, bad input.

#include "catalogue/AlvoEmUso.h"

#include <gtest/gtest.h>

#include <map>

#include "FakePlatform.h"
#include "support/NqConst.h"
#include "support/Text.h"

namespace nq {
namespace {

const std::map<std::string, std::string> kVariaveis = {
    {"USERPROFILE", "C:\\users\\ana"}, {"ProgramFiles", "C:\\Program Files"}, {"VAZIA", ""},
    {"LACO", "%LACO%"}};

std::optional<std::string> Variavel(const std::string& nome) {
    for (const auto& [k, v] : kVariaveis)
        if (SameText(k, nome)) return v;
    return std::nullopt;
}

TEST(AlvoEmUso, VariablesAreExpandedOnceAndTheUnknownStay) {
    struct Caso {
        const char* texto;
        std::optional<std::string> esperado;
    };
    const Caso casos[] = {
        {"%USERPROFILE%\\Documents", "C:\\users\\ana\\Documents"},
        {"%programfiles%\\App\\app.exe", "C:\\Program Files\\App\\app.exe"},  // names without regard to case
        {"%PIVEL%\\ferramentas\\x.exe", "E:\\Pivel\\ferramentas\\x.exe"},
        {"%pivel%", "E:\\Pivel"},
        {"%NAOEXISTE%\\x.exe", "%NAOEXISTE%\\x.exe"},            // unknown: as written
        {"100% %USERPROFILE%", "100% C:\\users\\ana"},          // a lone "%" stays
        {"%NAOEXISTE%USERPROFILE%", "%NAOEXISTEC:\\users\\ana"},  // the unknown's closing "%" opens the next
        {"%%", "%%"},
        {"%LACO%", "%LACO%"},                                   // a value is not expanded again: no loop
        {"%VAZIA%\\x.exe", std::nullopt},                       // an empty variable is no path
        {"sem variáveis", "sem variáveis"},
    };
    for (const Caso& c : casos) EXPECT_EQ(ExpandirVariaveis(c.texto, Variavel, "E:\\Pivel\\"), c.esperado) << c.texto;

    // Longer than the system takes: nothing.
    std::string longo;
    for (int i = 0; i < 3000; ++i) longo += "%USERPROFILE%";  // 39,000 characters once expanded
    EXPECT_FALSE(ExpandirVariaveis(longo, Variavel, "E:\\Pivel\\").has_value());
}

TEST(AlvoEmUso, APathWithAFolderButNoDriveIsTheProgramFolders) {
    struct Caso {
        const char* caminho;
        const char* pasta;
        std::optional<std::string> esperado;
    };
    const Caso casos[] = {
        {"Apps\\editor.exe", "E:\\Pivel\\", "E:\\Pivel\\Apps\\editor.exe"},
        {".\\docs", "E:\\Pivel\\", "E:\\Pivel\\docs"},
        {"..\\Ferramentas\\x.exe", "E:\\Pivel\\", "E:\\Ferramentas\\x.exe"},
        {"a/./b/../c.exe", "E:\\Pivel", "E:\\Pivel\\a\\c.exe"},
        {"..\\x.exe", "\\\\servidor\\pasta\\Pivel\\", "\\\\servidor\\pasta\\x.exe"},
        {"..\\..\\x.exe", "E:\\Pivel\\", std::nullopt},                         // above the drive's root
        {"..\\..\\x.exe", "\\\\servidor\\pasta\\Pivel\\", std::nullopt},      // above the share
        {"notepad.exe", "E:\\Pivel\\", "notepad.exe"},                         // a bare name: the shell's
        {"C:\\x\\y.exe", "E:\\Pivel\\", "C:\\x\\y.exe"},
        {"\\x\\y.exe", "E:\\Pivel\\", "\\x\\y.exe"},
        {"\\\\srv\\s\\y.exe", "E:\\Pivel\\", "\\\\srv\\s\\y.exe"},
        {"https://www.exemplo.com.br/a/b", "E:\\Pivel\\", "https://www.exemplo.com.br/a/b"},
        {"www.exemplo.com.br/a", "E:\\Pivel\\", "www.exemplo.com.br/a"},
        {"", "E:\\Pivel\\", ""},
    };
    for (const Caso& c : casos) EXPECT_EQ(ResolverRelativo(c.caminho, c.pasta), c.esperado) << c.caminho;
}

// With the system's variables and the program's folder: the bad inputs never become another path.
TEST(AlvoEmUso, WhatCannotBeMadeAPathIsMissingAndNothingElse) {
    test::FakePlatform fake;
    fake.shell.environment = {{"USERPROFILE", "C:\\users\\ana"}, {"VAZIA", ""}};
    const std::string antes = DirAplic;
    DirAplic = "E:\\Pivel\\";
    EXPECT_EQ(AlvoEmUso("%USERPROFILE%\\x.exe"), "C:\\users\\ana\\x.exe");
    EXPECT_EQ(AlvoEmUso("ferramentas\\x.exe"), "E:\\Pivel\\ferramentas\\x.exe");
    EXPECT_EQ(AlvoEmUso("%PIVEL%\\..\\x.exe"), "E:\\Pivel\\..\\x.exe");  // absolute: the shell's to read
    for (const char* ruim : {"..\\..\\x.exe", "%VAZIA%\\x.exe"})
        EXPECT_EQ(AlvoEmUso(ruim), std::string(kAlvoInvalido) + ruim) << ruim;
    EXPECT_EQ(ParametrosEmUso("/perfil %USERPROFILE% %NAOEXISTE%"), "/perfil C:\\users\\ana %NAOEXISTE%");

    // The stick got another letter: a missing target is found on the program's drive; one that exists,
    // or one on no drive letter, is left alone.
    fake.files.Add("E:\\Ferramentas\\x.exe", LocalTime{});
    fake.files.Add("F:\\Ferramentas\\x.exe", LocalTime{});
    fake.files.Add("E:\\Ferramentas\\y.exe", LocalTime{});
    EXPECT_EQ(AlvoExistente("G:\\Ferramentas\\x.exe"), "E:\\Ferramentas\\x.exe");
    EXPECT_EQ(AlvoExistente("F:\\Ferramentas\\x.exe"), "F:\\Ferramentas\\x.exe");
    EXPECT_EQ(AlvoExistente("G:\\Ferramentas\\z.exe"), "G:\\Ferramentas\\z.exe");
    EXPECT_EQ(AlvoExistente("\\\\srv\\s\\y.exe"), "\\\\srv\\s\\y.exe");
    DirAplic = antes;
}

TEST(AlvoEmUso, OnARemovableDriveATargetOnItIsStoredRelativeToTheProgram) {
    struct Caso {
        const char* caminho;
        bool removivel;
        const char* esperado;
    };
    const Caso casos[] = {
        {"E:\\Pivel\\ferramentas\\x.exe", true, "%PIVEL%\\ferramentas\\x.exe"},
        {"e:\\pivel\\Doc.txt", true, "%PIVEL%\\Doc.txt"},
        {"E:\\Apps\\x.exe", true, "%PIVEL%\\..\\Apps\\x.exe"},
        {"E:\\", true, "%PIVEL%\\.."},
        {"C:\\Apps\\x.exe", true, "C:\\Apps\\x.exe"},           // another drive
        {"E:\\Apps\\x.exe", false, "E:\\Apps\\x.exe"},          // a fixed drive: nothing changes
        {"https://www.exemplo.com.br/", true, "https://www.exemplo.com.br/"},
        {"notepad.exe", true, "notepad.exe"},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(CaminhoParaGuardar(c.caminho, "E:\\Pivel\\", c.removivel), c.esperado) << c.caminho;
    }
}

TEST(AlvoEmUso, TheSamePathOnTheProgramsDrive) {
    struct Caso {
        const char* caminho;
        const char* pasta;
        std::optional<std::string> esperado;
    };
    const Caso casos[] = {
        {"G:\\Apps\\x.exe", "E:\\Pivel\\", "E:\\Apps\\x.exe"},
        {"g:/Apps/x.exe", "e:\\Pivel\\", "E:/Apps/x.exe"},
        {"E:\\Apps\\x.exe", "E:\\Pivel\\", std::nullopt},  // the same drive
        {"\\\\srv\\s\\x.exe", "E:\\Pivel\\", std::nullopt},
        {"G:\\Apps\\x.exe", "\\\\srv\\s\\Pivel\\", std::nullopt},  // a program on a share
        {"Apps\\x.exe", "E:\\Pivel\\", std::nullopt},
        {"G:x.exe", "E:\\Pivel\\", std::nullopt},
    };
    for (const Caso& c : casos) EXPECT_EQ(NaUnidadeDoPrograma(c.caminho, c.pasta), c.esperado) << c.caminho;
}

}  // namespace
}  // namespace nq
