#include "support/ArquivoDialogoWin32.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "support/ArquivoDialogo.h"
#include "support/NqFunWin32.h"
#include "support/Win32Text.h"

namespace nq {

bool PromptForFileName(std::string& AFileName, const std::string& AFilter, const std::string& ADefaultExt,
                       const std::string& ATitle, const std::string& AInitialDir, bool existente, HWND dono) {
    // "description\0patterns\0 ... \0\0", as the dialog takes it.
    std::wstring filtro;
    for (const TTipoArquivo& t : TiposDeArquivo(AFilter)) {
        filtro += Wide(t.descricao);
        filtro += L'\0';
        filtro += Wide(t.padroes);
        filtro += L'\0';
    }
    filtro += L'\0';
    // Room for the longest path the system takes.
    std::vector<wchar_t> arquivo(32768, L'\0');
    const std::wstring titulo = Wide(ATitle), pasta = Wide(AInitialDir), ext = Wide(ADefaultExt);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = dono ? dono : JanelaDasMensagens();
    ofn.lpstrFilter = filtro.size() > 1 ? filtro.c_str() : nullptr;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = arquivo.data();
    ofn.nMaxFile = static_cast<DWORD>(arquivo.size());
    ofn.lpstrInitialDir = pasta.empty() ? nullptr : pasta.c_str();
    ofn.lpstrTitle = titulo.empty() ? nullptr : titulo.c_str();
    ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                (existente ? OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST : 0);
    if (!GetOpenFileNameW(&ofn)) return false;
    AFileName = Narrow(arquivo.data());
    return true;
}

}  // namespace nq
