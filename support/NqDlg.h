#pragma once
// The few system services the rest of the program needs, in the form that needs no Win32: the log-on
// start entry against a registry interface, the computer and user names, the busy pointer and the
// placement of a dialog over the main window. The Win32 side is support/NqDlgWin32.h.

#include <optional>
#include <stdexcept>
#include <string>

namespace nq {

enum TTipoIniciarWindows { iwIncluir = 0, iwExcluir = 1, iwLer = 2 };

// The key, under a root the caller chooses, whose string values the system runs at log-on.
inline constexpr const char* KEY_RUN_WINDOWS = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\";

// A registry key or value could not be written or deleted; the text says which and why.
class ERegistroError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// String values of one registry root. Keys are paths below the root; a trailing backslash is allowed.
class IRegistro {
public:
    virtual ~IRegistro() = default;
    // The value's text; nothing when the key or the value is missing or the value holds no text.
    virtual std::optional<std::string> LerString(const std::string& chave, const std::string& nome) = 0;
    // Writes a REG_SZ value, creating the key when missing. Throws ERegistroError when it cannot.
    virtual void GravarString(const std::string& chave, const std::string& nome,
                              const std::string& valor) = 0;
    // Deletes the value; a missing key or value is no error. Throws ERegistroError on any other failure.
    virtual void ExcluirValor(const std::string& chave, const std::string& nome) = 0;
};

// Registers (iwIncluir) or removes (iwExcluir) the log-on start entry Ident, or only reads it (iwLer).
// The command line is the program in double quotes when its path holds a space, followed by the
// parameters when there are any. An entry that already holds exactly that text is not written again.
// Returns the entry's text as it stands afterwards (empty when there is none). Registry failures
// other than a missing key or value reach the caller as ERegistroError.
std::string IniciarComWindows(IRegistro& reg, const std::string& Ident, const std::string& programa,
                              const std::string& param, TTipoIniciarWindows Opcao);

// The computer's name, as the system gives it.
std::string NetName();
// The user's logon name in upper case.
std::string UserName();

// The pointer shape that all the program's windows show while it is not crDefault.
enum class TCursor { crDefault, crHourGlass, crSQLWait };

// What shows a pointer shape on the screen; the Win32 layer installs the real one at start-up.
using TCursorApplier = void (*)(TCursor);
// Returns the previous applier. nullptr installs one that shows nothing.
TCursorApplier SetCursorApplier(TCursorApplier applier);

TCursor ScreenCursor();
void SetScreenCursor(TCursor c);

void CursorAmp();     // busy (hourglass)
void CursorSQL();     // waiting for data
void CursorNormal();  // back to each window's own pointer

// Shows a busy pointer while it lives and puts back the one that was in force before, on every path,
// an exception passing included. Guards nest.
class TCursorOcupado {
public:
    explicit TCursorOcupado(TCursor c = TCursor::crHourGlass) : anterior_(ScreenCursor()) {
        SetScreenCursor(c);
    }
    ~TCursorOcupado() { SetScreenCursor(anterior_); }
    TCursorOcupado(const TCursorOcupado&) = delete;
    TCursorOcupado& operator=(const TCursorOcupado&) = delete;

private:
    TCursor anterior_;
};

// A window's outer rectangle and client size, in screen pixels.
struct TGeometriaJanela {
    int left = 0, top = 0, width = 0, height = 0;
    int clientWidth = 0, clientHeight = 0;
};

struct TPosicao {
    int left = 0, top = 0;
    bool operator==(const TPosicao&) const = default;
};

// Where CentraForm puts a window of formWidth x formHeight: centred on the main window's client area,
// whose top is taken as the main window's top plus its whole frame height less 5. A window wider or
// taller than the area is centred on it too and stands out beyond it on both sides.
TPosicao PosicaoCentraForm(const TGeometriaJanela& principal, int formWidth, int formHeight);

}  // namespace nq
