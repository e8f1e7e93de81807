// The file dialogs' list of types, as the toolkit writes it.

#include "support/ArquivoDialogo.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

TEST(ArquivoDialogo, TypesComeInPairsOfDescriptionAndPatterns) {
    const std::pair<const char*, std::vector<TTipoArquivo>> casos[] = {
        {"Textos|*.txt;*.log|Tudo|*.*", {{"Textos", "*.txt;*.log"}, {"Tudo", "*.*"}}},
        {"Textos|*.txt|Outros", {{"Textos", "*.txt"}, {"Outros", "*.*"}}},
        {"Textos|*.txt|", {{"Textos", "*.txt"}}},
        {"", {}},
    };
    for (const auto& [lista, tipos] : casos) EXPECT_EQ(TiposDeArquivo(lista), tipos) << lista;
}

}  // namespace
}  // namespace nq
