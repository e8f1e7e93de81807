#pragma once
// What the about box says of the program: its name, what it is for, and its notice. The project has no
// public web address yet: the box shows only what is real (the program's folder and its settings file).

#include <string>

namespace nq {

struct TProjeto {
    const char* nome;
    const char* descricao;
    const char* titular;  // the copyright holder, as the licence names it
};

inline constexpr TProjeto kProjeto{
    "Nq-Pivel",
    "Seus atalhos sempre à mão, na borda da tela.",
    "Nq",
};

// The notice line: the year the program's file last changed, its holder, and the licence.
inline std::string AvisoDireitos(int ano) {
    return std::string("Copyright © ") + std::to_string(ano) + " " + kProjeto.titular +
           ". Software livre sob a Licença MIT.";
}

}  // namespace nq
