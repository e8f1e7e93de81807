#pragma once
// What the about box says of the program and where to reach its makers, in one place. The addresses
// are placeholders on a reserved example domain until the project has real ones.

#include <string>

namespace nq {

struct TFornecedor {
    const char* nome;
    const char* descricao;
    const char* site;
    const char* email;
};

inline constexpr TFornecedor kFornecedor{
    "Nq-Pivel",
    "Seus atalhos sempre à mão, na borda da tela.",
    "https://www.example.com/pivel/",
    "pivel@example.com",
};

// The notice line, ending with the year the program's file last changed.
inline std::string AvisoDireitos(int ano) {
    return std::string("Copyright © ") + std::to_string(ano) + " " + kFornecedor.nome +
           ". Todos os direitos reservados.";
}

}  // namespace nq
