#include "catalogue/Alvos.h"

#include "support/Caminho.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

void GetLinkInfo(TShellLinkInfoStruct& lpShellLinkInfoStruct) {
    TShellLinkInfoStruct& info = lpShellLinkInfoStruct;
    const ShellLinkData link = CurrentPlatform().shell->LoadShellLink(info.FullPathAndNameOfLinkFile);
    info.FullPathAndNameOfFileToExecute = link.targetPath;
    info.FindData = link.findData;
    info.Description = link.description;
    info.ParamStringsOfFileToExecute = link.arguments;
    info.FullPathAndNameOfWorkingDirectroy = link.workingDirectory;
    info.FullPathAndNameOfFileContiningIcon = link.iconLocation;
    info.IconIndex = link.iconIndex;
    info.HotKey = link.hotKey;
    info.ShowCommand = link.showCommand;
}

void ReadLink(const std::string& sFile, std::string& sPrograma, std::string& sParam, std::string& sTitulo) {
    TShellLinkInfoStruct info;
    info.FullPathAndNameOfLinkFile = sFile;
    GetLinkInfo(info);

    // Links made by installers usually start the program from its own folder, and the stored program
    // keeps that folder's normal form.
    sPrograma = FormatPath(info.FullPathAndNameOfWorkingDirectroy) + info.FindData.name;
    // A link that starts its program from some other folder still names the program itself.
    IShell& shell = *CurrentPlatform().shell;
    if (!shell.FileExists(sPrograma) && shell.FileExists(info.FullPathAndNameOfFileToExecute))
        sPrograma = info.FullPathAndNameOfFileToExecute;

    sTitulo = GetTitulo(sFile);
    if (!Empty(info.ParamStringsOfFileToExecute)) sParam = info.ParamStringsOfFileToExecute;
}

std::string GetPrograma(std::string_view S) { return StrTran(S, "\"", ""); }

std::string GetTitulo(const std::string& S) {
    if (!CurrentPlatform().shell->DirectoryExists(S)) return NomeProgramaSemExt(S);
    const TStringArray parts = AParse(S, "\\");
    // "D:\Dados\Clientes\" names the same folder as "D:\Dados\Clientes".
    if (Empty(parts.back()) && parts.size() >= 2) return parts[parts.size() - 2];
    return parts.back();
}

std::string NomeProgramaSemExt(std::string_view S) {
    const std::string_view fileName = NomeDoCaminho(S, kSeparadoresAlvo);
    const TStringArray parts = AParse(fileName, ".");
    std::string name = parts.front();
    for (std::size_t i = 1; i + 1 < parts.size(); ++i) name += "." + parts[i];

    if (name.empty()) return name;
    std::size_t next = 0;
    const char32_t first = NextCodePoint(name, next);
    const char32_t upper = UpperChar(first);
    if (upper == first) return name;  // also leaves a malformed first byte as it was
    std::string out;
    AppendUtf8(out, upper);
    return out + name.substr(next);
}

int GetIcone(const std::string& Aprog) {
    IShell& shell = *CurrentPlatform().shell;
    if (shell.ExtractsIcon(Aprog)) return -1;
    if (Aprog.find("gmail") != std::string::npos) return 12;
    if (Aprog.find("www") != std::string::npos) return 7;
    if (shell.DirectoryExists(Aprog)) return 4;
    if (!shell.FileExists(Aprog)) return 6;

    struct Category {
        const char* extensions[4];  // unused places stay null
        int icone;
    };
    static constexpr Category categories[] = {
        {{".pdf"}, 0},
        {{".doc", ".docx"}, 1},
        {{".xls", ".xlsx"}, 2},
        {{".txt", ".log", ".ini"}, 3},
        {{""}, 4},
        {{".lnk"}, 5},
        {{".htm", ".html"}, 7},
        {{".fdb", ".gdb"}, 8},
        {{".zip", ".z", ".rar", ".7z"}, 9},
        {{".dpr", ".pas"}, 10},
        {{".exe", ".com"}, 11},
    };
    const std::string ext = ExtensaoArquivo(Aprog);
    for (const Category& c : categories)
        for (const char* e : c.extensions)
            if (e && ext == e) return c.icone;
    return 5;
}

}  // namespace nq
