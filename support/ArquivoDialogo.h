#pragma once
// The list of file types of the system's file dialogs, written as the toolkit writes it: description
// and patterns, one after the other, separated by "|" ("Programas|*.exe;*.com|Todos|*.*").

#include <string>
#include <string_view>
#include <vector>

namespace nq {

struct TTipoArquivo {
    std::string descricao;
    std::string padroes;  // separated by ";"
    bool operator==(const TTipoArquivo&) const = default;
};

// The pairs of a list. A description without patterns gets "*.*"; empty pieces at the end are dropped.
std::vector<TTipoArquivo> TiposDeArquivo(std::string_view lista);

}  // namespace nq
