#include "ui/Legenda.h"

#include <gtest/gtest.h>

#include "support/Text.h"

namespace nq {
namespace {

// Every character is one unit wide.
const MedirTexto kPorCaractere = [](std::string_view s) { return static_cast<int>(CharCount(s)); };

TEST(Legenda, BreaksBetweenWordsAndEndsWhatDoesNotFitInAnEllipsis) {
    struct Caso {
        const char* texto;
        int largura, linhas;
        std::vector<std::string> esperado;
    } casos[] = {
        {"Bloco de notas", 20, 2, {"Bloco de notas"}},
        {"Bloco de notas", 10, 2, {"Bloco de", "notas"}},
        {"  Bloco   de notas  ", 10, 2, {"Bloco   de", "notas"}},
        {"Relatório mensal de vendas da filial", 10, 2, {"Relatório", "mensal de…"}},
        {"Relatório mensal de vendas", 10, 1, {"Relatório…"}},
        {"Supercalifragilístico", 8, 2, {"Supercal", "ifragil…"}},  // one long word: broken by characters
        {"Água", 1, 1, {"Á…"}},                                     // at least one character a line
        {"", 10, 2, {}},
        {"Uma linha só", 40, 0, {"Uma linha só"}},                  // never fewer than one line
    };
    for (const Caso& c : casos)
        EXPECT_EQ(LinhasDaLegenda(c.texto, c.largura, c.linhas, kPorCaractere), c.esperado) << c.texto;
}

TEST(Legenda, AHundredCharacterTitleKeepsItsStartAndEndsInAnEllipsis) {
    std::string titulo;
    while (CharCount(titulo) < 100) titulo += "Configuração ";
    titulo = CharLeft(titulo, 100);
    const auto linhas = LinhasDaLegenda(titulo, 24, 2, kPorCaractere);
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(linhas[0], "Configuração");
    EXPECT_EQ(linhas[1], "Configuração Configuraç…");
    for (const std::string& l : linhas) EXPECT_LE(kPorCaractere(l), 24);
}

}  // namespace
}  // namespace nq
