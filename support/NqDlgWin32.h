#pragma once
// The Win32 side of support/NqDlg.h: the registry, the shell, the keyboard state, the pointer and
// window placement.

#include <windows.h>

#include <string>
#include <vector>

#include "support/NqDlg.h"

namespace nq {

// String values under one registry root (HKEY_CURRENT_USER ...), seen through the 64-bit view.
class TRegistroWin32 final : public IRegistro {
public:
    explicit TRegistroWin32(HKEY raiz) : raiz_(raiz) {}
    std::optional<std::string> LerString(const std::string& chave, const std::string& nome) override;
    void GravarString(const std::string& chave, const std::string& nome, const std::string& valor) override;
    void ExcluirValor(const std::string& chave, const std::string& nome) override;

private:
    HKEY raiz_;
};

// IniciarComWindows on the real registry, under the root localReg.
std::string IniciarComWindows(const std::string& Ident, const std::string& programa, const std::string& param,
                              HKEY localReg, TTipoIniciarWindows Opcao);

// Asks the shell to open a file, folder or web address with its associated program. True when the
// shell accepted it.
bool AbrirArquivoAssoc(const std::string& arq, bool Maximizado = false);

// Puts a text on the clipboard as Unicode text, the window owning it; false when the clipboard could not
// be had.
bool CopiarTexto(HWND dono, const std::string& texto);

// Whether the virtual key was down when the input message being handled was sent.
bool KeyIsDown(int Key);

// The program's main window (the bar), which dialogs are centred on and the shell's windows belong to.
// The bar sets it when it is created and clears it when it goes.
void SetMainWindow(HWND janela);
HWND MainWindow();

// Places AForm in the middle of AFormMain's client area (PosicaoCentraForm); without AFormMain, of the
// main window; without either, leaves it where it is.
void CentraForm(HWND AForm, HWND AFormMain = nullptr);

// Makes ScreenCursor show on the screen: the shape at once, and over every window of the GUI thread
// while it is not crDefault. Called once at start-up, on the GUI thread.
void InstallWin32Cursor();

}  // namespace nq
