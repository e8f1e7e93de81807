#include "catalogue/LocalConfigWin32.h"

#include <windows.h>

#include <shlobj.h>

#include "catalogue/LocalConfig.h"
#include "support/Caminho.h"
#include "support/ErroSistemaWin32.h"
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

std::string PastaDeDados() {
    wchar_t pasta[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, pasta)) || !pasta[0])
        return {};
    const std::string dados = Narrow(pasta) + "\\" + std::string(NomeDoCaminho(SemExtensao(ExeName))) + "\\";
    CreateDirectoryW(Wide(dados).c_str(), nullptr);
    return dados;
}

std::string MotivoSemGravacao(const std::string& arquivo) {
    const std::wstring w = Wide(arquivo);
    const DWORD atributos = GetFileAttributesW(w.c_str());
    DWORD erro = 0;
    if (atributos == INVALID_FILE_ATTRIBUTES) {
        // No file yet: the first save makes one in its folder.
        if (!PodeGravar(std::string(PastaDoCaminho(arquivo)))) erro = ERROR_ACCESS_DENIED;
    } else if (atributos & FILE_ATTRIBUTE_READONLY) {
        erro = ERROR_ACCESS_DENIED;
    } else {
        // A save writes a new file beside it and renames it over the file: both the folder and the file
        // (held by nobody without sharing its deletion) must allow it. Opened and closed, unchanged.
        HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE | DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            erro = GetLastError();
        else
            CloseHandle(h);
        if (!erro && !PodeGravar(std::string(PastaDoCaminho(arquivo)))) erro = ERROR_ACCESS_DENIED;
    }
    return erro ? TextoErroSistema(erro) : std::string();
}

// Beside the program when its folder can be written and it was not installed for all users, else in the
// user's application-data folder under the program's name (the first time, a copy of the one beside it).
std::string ArquivoDeConfiguracoes(bool somenteLeitura) {
    const std::string aoLado = TrocarExtensao(ExeName, "Config.ini");
    const bool paraTodos =
        GetFileAttributesW(Wide(DirAplic + kMarcaTodosUsuarios).c_str()) != INVALID_FILE_ATTRIBUTES;
    const bool gravavel = !somenteLeitura && !paraTodos && PodeGravar(DirAplic);
    const std::string dados = gravavel ? std::string() : PastaDeDados();
    const std::string arquivo = LocalDasConfiguracoes(aoLado, gravavel, dados);
    CopiarConfiguracoes(aoLado, arquivo);
    return arquivo;
}

bool UnidadeRemovivel(const std::string& pasta) {
    return pasta.size() >= 3 && GetDriveTypeW(Wide(pasta.substr(0, 3)).c_str()) == DRIVE_REMOVABLE;
}

}  // namespace nq
