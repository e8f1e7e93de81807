#include "ui/Legenda.h"

#include "support/Text.h"

namespace nq {

namespace {

bool Espaco(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::size_t PularEspacos(std::string_view s, std::size_t i) {
    while (i < s.size() && Espaco(s[i])) ++i;
    return i;
}

std::string_view SemEspacoFinal(std::string_view s) {
    while (!s.empty() && Espaco(s.back())) s.remove_suffix(1);
    return s;
}

// The end of the longest run of whole characters from the start of s that, followed by fim, fits
// (at least one character, so that every line takes something).
std::size_t CaracteresQueCabem(std::string_view s, std::string_view fim, int largura, const MedirTexto& medir) {
    std::size_t pos = 0, cabe = 0;
    while (pos < s.size()) {
        std::size_t prox = pos;
        NextCodePoint(s, prox);
        std::string tentativa(SemEspacoFinal(s.substr(0, prox)));
        tentativa += fim;
        if (cabe > 0 && medir(tentativa) > largura) break;
        cabe = pos = prox;
    }
    return cabe;
}

}  // namespace

std::vector<std::string> LinhasDaLegenda(std::string_view texto, int largura, int maxLinhas, const MedirTexto& medir) {
    std::vector<std::string> linhas;
    if (maxLinhas < 1) maxLinhas = 1;
    std::size_t pos = PularEspacos(texto, 0);
    while (pos < texto.size() && static_cast<int>(linhas.size()) < maxLinhas) {
        const std::string_view resto = texto.substr(pos);
        // Whole words while they fit.
        std::size_t fim = 0;
        for (std::size_t i = 0; i < resto.size();) {
            std::size_t j = i;
            while (j < resto.size() && !Espaco(resto[j])) ++j;
            if (medir(resto.substr(0, j)) > largura) break;
            fim = j;
            i = PularEspacos(resto, j);
        }
        // A first word wider than the line: as many of its characters as fit.
        if (fim == 0) fim = CaracteresQueCabem(resto, "", largura, medir);
        const bool ultima = static_cast<int>(linhas.size()) + 1 == maxLinhas;
        const bool sobra = PularEspacos(resto, fim) < resto.size();
        if (ultima && sobra) {
            // The last line holds what it can of the rest, and says that more follows.
            const std::size_t cabe = CaracteresQueCabem(resto, kReticencias, largura, medir);
            linhas.push_back(std::string(SemEspacoFinal(resto.substr(0, cabe))) + std::string(kReticencias));
            break;
        }
        linhas.emplace_back(SemEspacoFinal(resto.substr(0, fim)));
        pos = PularEspacos(texto, pos + fim);
    }
    return linhas;
}

}  // namespace nq
