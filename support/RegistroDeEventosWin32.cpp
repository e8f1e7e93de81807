#include "support/RegistroDeEventosWin32.h"

#include <windows.h>

#include <shlobj.h>

#include "support/Caminho.h"
#include "support/NqConst.h"
#include "support/Win32Text.h"

namespace nq {

namespace {

constexpr const wchar_t* kNovo = L"Pivel.log";
constexpr const wchar_t* kAnterior = L"Pivel (anterior).log";

class DestinoEventosWin32 final : public IDestinoEventos {
public:
    explicit DestinoEventosWin32(const std::string& pasta)
        : pasta_(Wide(pasta)), novo_(pasta_ + kNovo), anterior_(pasta_ + kAnterior) {}

    std::uint64_t Tamanho() override {
        WIN32_FILE_ATTRIBUTE_DATA d{};
        if (!GetFileAttributesExW(novo_.c_str(), GetFileExInfoStandard, &d)) return 0;
        return (static_cast<std::uint64_t>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
    }

    bool Acrescentar(std::string_view bytes) override {
        CreateDirectoryW(pasta_.c_str(), nullptr);
        // Appending: several bars of one user (programming mode) share the file, each write whole.
        HANDLE h = CreateFileW(novo_.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        DWORD escritos = 0;
        const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr) &&
                        escritos == bytes.size();
        CloseHandle(h);
        return ok;
    }

    void Girar() override { MoveFileExW(novo_.c_str(), anterior_.c_str(), MOVEFILE_REPLACE_EXISTING); }

private:
    std::wstring pasta_, novo_, anterior_;
};

}  // namespace

std::string PastaDoRegistroDeEventos() {
    wchar_t valor[MAX_PATH] = L"";
    const DWORD n = GetEnvironmentVariableW(L"PIVEL_PASTA_REGISTRO", valor, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        std::string pasta = Narrow(valor);
        if (pasta.back() != '\\') pasta += '\\';
        return pasta;
    }
    wchar_t dados[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, 0, dados)) || !dados[0]) return {};
    return Narrow(dados) + "\\" + std::string(NomeDoCaminho(SemExtensao(ExeName))) + "\\";
}

std::string ArquivoDoRegistroDeEventos() {
    const std::string pasta = PastaDoRegistroDeEventos();
    return pasta.empty() ? pasta : pasta + Narrow(kNovo);
}

std::unique_ptr<IDestinoEventos> DestinoEmArquivos(const std::string& pasta) {
    return std::make_unique<DestinoEventosWin32>(pasta);
}

void IniciarRegistroDeEventos() {
    const std::string pasta = PastaDoRegistroDeEventos();
    if (!pasta.empty()) InstalarRegistroDeEventos(std::make_unique<TRegistroDeEventos>(DestinoEmArquivos(pasta)));
}

}  // namespace nq
