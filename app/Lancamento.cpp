#include "app/Lancamento.h"

#include "app/IconeComando.h"
#include "catalogue/AlvoEmUso.h"
#include "support/Caminho.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

namespace {

void FillFolder(TAtalhoRec& r) {
    if (!r.isUrl) r.pasta = r.isDirectory ? r.programa : std::string(PastaDoCaminho(r.programa, kSeparadoresAlvo));
}

}  // namespace

TAtalhoRec readProgramData(const std::string& hint) {
    TAtalhoRec r;
    // Only the first "|" separates: a target holds none, the parameters may (a pipe in a command line).
    const std::size_t bar = hint.find('|');
    r.programaDigitado = hint.substr(0, bar);
    r.programa = AlvoExistente(r.programaDigitado);
    if (bar != std::string::npos) {
        r.parametrosDigitados = hint.substr(bar + 1);
        r.parametros = ParametrosEmUso(r.parametrosDigitados);
    }
    r.isDirectory = CurrentPlatform().shell->DirectoryExists(r.programa);
    // The menu's rule is shorter than the button's: "www", "http" and "ftp" anywhere.
    r.isUrl = TipoDoCaminho(r.programa).webNoMenu;
    FillFolder(r);
    return r;
}

TAtalhoRec readProgramData(const TIconeComando& botao) {
    TAtalhoRec r;
    r.titulo = botao.Titulo();
    r.programaDigitado = botao.Programa();
    r.parametrosDigitados = botao.Parametros();
    r.programa = AlvoExistente(botao.Programa());
    r.parametros = ParametrosEmUso(botao.Parametros());
    r.isDirectory = botao.IsDirectory();
    r.isUrl = botao.IsURL();
    FillFolder(r);
    return r;
}

std::string TextoFalhaLancamento(const TAtalhoRec& r, const std::string& motivo) {
    std::string texto = r.titulo.empty() ? "Não foi possível abrir o atalho."
                                         : "Não foi possível abrir o atalho \"" + r.titulo + "\".";
    texto += "\n\nDestino: " + r.programaDigitado;
    if (!Trim(r.parametrosDigitados).empty()) texto += "\nParâmetros: " + r.parametrosDigitados;
    texto += "\nMotivo: " + (motivo.empty() ? std::string("o sistema não informou o motivo.") : motivo);
    return texto;
}

bool executeProgram(TAtalhoRec& r, ILancador& sistema, const std::string& dirAplic, bool autoOcultar,
                    const std::function<void()>& clickForm) {
    bool ok = true;
    sistema.CursorAmp();
    if (r.isUrl || r.isDirectory) r.showCmd = 3;
    // A bare program name has no folder to go to: the shell finds it from where the program stands.
    if (!r.isUrl && !r.pasta.empty() && !sistema.SetCurrentFolder(r.pasta))
        ok = false;
    else if (!sistema.ShellOpen(r.verbo, r.programa, r.parametros, r.pasta, r.showCmd))
        ok = false;

    sistema.CursorNormal();
    if (!sistema.SetCurrentFolder(dirAplic)) ok = false;
    if (!autoOcultar && clickForm) clickForm();
    return ok;
}

}  // namespace nq
