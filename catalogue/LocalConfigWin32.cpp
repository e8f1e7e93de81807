#include "catalogue/LocalConfigWin32.h"

#include <windows.h>

#include <shlobj.h>

#include "catalogue/LocalConfig.h"
#include "support/Caminho.h"
#include "support/NqConst.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

// Whether the user can write in a folder: a file made there and gone at once.
bool PodeGravar(const std::string& pasta) {
    const std::wstring nome = Wide(pasta) + L"Pivel~" + std::to_wstring(GetCurrentProcessId()) + L".tmp";
    HANDLE f = CreateFileW(nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    CloseHandle(f);
    return true;
}

}  // namespace

// Beside the program when its folder can be written and it was not installed for all users, else in the
// user's application-data folder under the program's name (the first time, a copy of the one beside it).
std::string ArquivoDeConfiguracoes(bool somenteLeitura) {
    const std::string aoLado = TrocarExtensao(ExeName, "Config.ini");
    const bool paraTodos =
        GetFileAttributesW(Wide(DirAplic + kMarcaTodosUsuarios).c_str()) != INVALID_FILE_ATTRIBUTES;
    const bool gravavel = !somenteLeitura && !paraTodos && PodeGravar(DirAplic);
    std::string dados;
    wchar_t pasta[MAX_PATH] = L"";
    if (!gravavel && SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, pasta))) {
        dados = Narrow(pasta) + "\\" + std::string(NomeDoCaminho(SemExtensao(ExeName))) + "\\";
        CreateDirectoryW(Wide(dados).c_str(), nullptr);
    }
    const std::string arquivo = LocalDasConfiguracoes(aoLado, gravavel, dados);
    CopiarConfiguracoes(aoLado, arquivo);
    return arquivo;
}

bool UnidadeRemovivel(const std::string& pasta) {
    return pasta.size() >= 3 && GetDriveTypeW(Wide(pasta.substr(0, 3)).c_str()) == DRIVE_REMOVABLE;
}

}  // namespace nq
