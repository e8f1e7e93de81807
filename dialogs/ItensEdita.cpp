#include "dialogs/ItensEdita.h"

#include "catalogue/Alvos.h"
#include "support/Caminho.h"
#include "support/NqFun.h"
#include "support/Platform.h"

namespace nq {

std::string PastaDoTexto(std::string_view texto) {
    return std::string(PastaDoCaminho(texto, kSeparadoresAlvo));
}

TDecisaoItem DecidirItem(const std::string& programa, const std::string& titulo, bool menu) {
    TDecisaoItem d;
    if (Empty(programa)) {
        d.falta = TDecisaoItem::Programa;
        d.mensagem = kFaltaPrograma;
        return d;
    }
    if (Empty(titulo)) {
        d.falta = TDecisaoItem::Titulo;
        d.mensagem = kFaltaTitulo;
        return d;
    }
    d.Icone = GetIcone(programa);
    // Unlike a shortcut added by a drop, whose kind follows its icon category, a typed one is a folder
    // exactly when it names one.
    d.Tipo = CurrentPlatform().shell->DirectoryExists(programa) ? 0 : 1;
    d.OpcaoMenu = menu;
    return d;
}

}  // namespace nq
