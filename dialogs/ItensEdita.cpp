#include "dialogs/ItensEdita.h"

#include "catalogue/AlvoEmUso.h"
#include "catalogue/Alvos.h"
#include "support/Caminho.h"
#include "support/NqFun.h"
#include "support/NqConst.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

std::string PastaDoTexto(std::string_view texto) {
    return std::string(PastaDoCaminho(texto, kSeparadoresAlvo));
}

namespace {

// A web address or another scheme's ("mailto:", "shell:"): the shell opens it, there is no file to find.
bool Endereco(std::string_view alvo) {
    const TipoCaminho tipo = TipoDoCaminho(alvo);
    return tipo.web || tipo.esquema;
}

bool NoCaminhoDoSistema(const std::string& nome) {
    IShell& shell = *CurrentPlatform().shell;
    std::vector<std::string> pastas{DirAplic, shell.SystemFolder()};
    for (const std::string& p : AParse(shell.EnvironmentVariable("PATH").value_or(""), ";"))
        if (!Empty(p)) pastas.push_back(Trim(p));
    const bool semExtensao = NomeDoCaminho(nome, kSeparadoresAlvo).find('.') == std::string_view::npos;
    for (std::string pasta : pastas) {
        if (pasta.empty()) continue;
        if (pasta.back() != '\\' && pasta.back() != '/') pasta += '\\';
        if (shell.FileExists(pasta + nome) || (semExtensao && shell.FileExists(pasta + nome + ".exe"))) return true;
    }
    return false;
}

}  // namespace

bool AlvoEncontrado(const std::string& programa) {
    if (Endereco(programa)) return true;
    const std::string emUso = AlvoEmUso(programa);
    if (emUso.rfind(kAlvoInvalido, 0) == 0) return false;
    if (Endereco(emUso)) return true;
    IShell& shell = *CurrentPlatform().shell;
    if (shell.FileExists(emUso) || shell.DirectoryExists(emUso)) return true;
    return PastaDoCaminho(emUso).empty() && NoCaminhoDoSistema(emUso);
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
    d.encontrado = d.Tipo == 0 || AlvoEncontrado(programa);
    return d;
}

}  // namespace nq
