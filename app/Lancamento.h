#pragma once
// Launching a shortcut: what to open, with which parameters, from which folder and in which window
// state; then the process's folder put back and the bar toggled.

#include <functional>
#include <string>

namespace nq {

class TIconeComando;

struct TAtalhoRec {
    std::string programa;
    std::string parametros;
    std::string pasta;
    int showCmd = 1;  // 1 normal, 3 maximised
    bool isDirectory = false;
    bool isUrl = false;
    // The shell's verb: "open", or "runas" (the user is asked to let the program run as administrator).
    std::string verbo = "open";
    // The shortcut as the user knows it, for telling of a failure: its title, its target and parameters
    // as typed (the fields above are as used).
    std::string titulo;
    std::string programaDigitado;
    std::string parametrosDigitados;
};

// What a launch asks of the system.
class ILancador {
public:
    virtual ~ILancador() = default;
    // False when the folder cannot be made current (it does not exist).
    virtual bool SetCurrentFolder(const std::string& pasta) = 0;
    // Asks the shell to open the target with a verb. False when the user must hear of a failure: "open"
    // is not looked at (the shell tells of its own failures), "runas" fails unless the program started or
    // the user refused to let it run as administrator.
    virtual bool ShellOpen(const std::string& verbo, const std::string& programa, const std::string& parametros,
                           const std::string& pasta, int showCmd) = 0;
    virtual void CursorAmp() = 0;
    virtual void CursorNormal() = 0;
};

// From an "Outros atalhos" entry, whose hint holds target and parameters separated by "|". Both the
// target and the parameters are taken as the program uses them (catalogue/AlvoEmUso.h); it looks at
// the disk, so it runs on the launcher's thread.
TAtalhoRec readProgramData(const std::string& hint);
// From a bar button, with the classification fixed when the bar was built; taken the same way.
TAtalhoRec readProgramData(const TIconeComando& botao);

// What a click on the failed launch's notice tells: the shortcut, its target and parameters as typed
// (one per line; the parameters only when there are some) and the system's reason.
std::string TextoFalhaLancamento(const TAtalhoRec& r, const std::string& motivo);

// Opens the target and cleans up: the pointer and the program's folder are put back and, without
// auto-hide, the bar is toggled, whatever happened. False when the notice must tell of a failure.
bool executeProgram(TAtalhoRec& r, ILancador& sistema, const std::string& dirAplic, bool autoOcultar,
                    const std::function<void()>& clickForm);

}  // namespace nq
