#include "dialogs/ItensEdita.h"

#include "catalogue/AlvoEmUso.h"
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
    // The target as the program will use it (variables, a path relative to the program); stored as typed.
    const std::string emUso = AlvoEmUso(programa);
    d.Icone = GetIcone(emUso);
    // Unlike a shortcut added by a drop, whose kind follows its icon category, a typed one is a folder
    // exactly when it names one.
    d.Tipo = CurrentPlatform().shell->DirectoryExists(emUso) ? 0 : 1;
    d.OpcaoMenu = menu;
    d.guardar = AlvoParaGuardar(programa);
    return d;
}

}  // namespace nq
