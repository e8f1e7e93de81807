// Shortcut inspection on real shell links, files and folders that the tests make themselves.

#include "catalogue/Alvos.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "Win32TestUtil.h"
#include "catalogue/AlvosWin32.h"
#include "support/NqFun.h"
#include "support/PastasSistema.h"
#include "support/PlatformWin32.h"

namespace nq {
namespace {

struct LinkDef {
    std::string target;
    std::string arguments;
    std::string workingDirectory;
    std::string description;
    std::string iconFile;
    int iconIndex = 0;
    WORD hotKey = 0;
};

LinkDef LinkTo(const std::string& target, const std::string& arguments,
                const std::string& workingDirectory) {
    LinkDef def;
    def.target = target;
    def.arguments = arguments;
    def.workingDirectory = workingDirectory;
    return def;
}

// Writes a shell link the way the shell does. Joins COM only for the call, so that the code under
// test runs on a thread that has not.
bool MakeLink(const std::string& linkFile, const LinkDef& def) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool saved = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(Wide(def.target).c_str());
        link->SetArguments(Wide(def.arguments).c_str());
        link->SetWorkingDirectory(Wide(def.workingDirectory).c_str());
        link->SetDescription(Wide(def.description).c_str());
        if (!def.iconFile.empty()) link->SetIconLocation(Wide(def.iconFile).c_str(), def.iconIndex);
        link->SetHotkey(def.hotKey);
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            saved = SUCCEEDED(file->Save(Wide(linkFile).c_str(), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return saved;
}

bool IsFile(const std::string& path) {
    const DWORD a = GetFileAttributesW(Wide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

class LinkTargets : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWin32Platform();
        ASSERT_TRUE(CreateDirectoryW(Wide(dir / "Programas Úteis").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW(Wide(dir / "Dados").c_str(), nullptr));
        const std::wstring fixture = Wide(test::BinFolder() + "verprog_none.exe");
        ASSERT_TRUE(CopyFileW(fixture.c_str(), Wide(program).c_str(), FALSE));
    }

    test::TempFolder dir;
    const std::string program = dir / "Programas Úteis\\Editor.exe";
};

TEST_F(LinkTargets, LinkToAProgramGivesProgramArgumentsAndTitle) {
    LinkDef def;
    def.target = program;
    def.arguments = "-n \"notas da reunião.txt\"";
    def.workingDirectory = dir / "Programas Úteis";
    def.description = "Edita textos";
    def.iconFile = test::BinFolder() + "Pivel.exe";
    def.iconIndex = 2;
    def.hotKey = MAKEWORD('E', HOTKEYF_CONTROL | HOTKEYF_ALT);
    ASSERT_TRUE(MakeLink(dir / "ação rápida.lnk", def));

    TShellLinkInfoStruct info;
    info.FullPathAndNameOfLinkFile = dir / "ação rápida.lnk";
    GetLinkInfo(info);
    EXPECT_TRUE(SameText(info.FullPathAndNameOfFileToExecute, program))
        << info.FullPathAndNameOfFileToExecute;
    EXPECT_EQ(info.FindData.name, "Editor.exe");
    EXPECT_EQ(info.ParamStringsOfFileToExecute, def.arguments);
    EXPECT_TRUE(SameText(info.FullPathAndNameOfWorkingDirectroy, def.workingDirectory));
    EXPECT_EQ(info.Description, "Edita textos");
    EXPECT_TRUE(SameText(info.FullPathAndNameOfFileContiningIcon, def.iconFile));
    EXPECT_EQ(info.IconIndex, 2);
    EXPECT_EQ(info.HotKey, def.hotKey);
    EXPECT_EQ(info.ShowCommand, SW_SHOWNORMAL);  // Wine keeps no other show command in a link

    std::string programa, param, titulo;
    ReadLink(dir / "ação rápida.lnk", programa, param, titulo);
    EXPECT_EQ(programa, FormatPath(dir / "Programas Úteis") + "Editor.exe");
    EXPECT_TRUE(IsFile(programa)) << programa;
    EXPECT_EQ(param, def.arguments);
    EXPECT_EQ(titulo, "Ação rápida");
}

TEST_F(LinkTargets, LinkStartedFromAnotherFolderStillNamesItsProgram) {
    ASSERT_TRUE(MakeLink(dir / "Editor.lnk", LinkTo(program, "", dir / "Dados")));
    ASSERT_TRUE(MakeLink(dir / "Sem pasta.lnk", LinkTo(program, "", "")));
    for (const char* name : {"Editor.lnk", "Sem pasta.lnk"}) {
        std::string programa, param = "anterior", titulo;
        ReadLink(dir / name, programa, param, titulo);
        EXPECT_TRUE(SameText(programa, program)) << name << ": " << programa;
        EXPECT_EQ(param, "anterior") << name;
    }
}

TEST_F(LinkTargets, LinksWithoutAProgramGiveNoExistingFile) {
    const std::string gone = dir / "Programas Úteis\\Apagado.exe";
    ASSERT_TRUE(CopyFileW(Wide(program).c_str(), Wide(gone).c_str(), FALSE));
    ASSERT_TRUE(MakeLink(dir / "Quebrado.lnk", LinkTo(gone, "-x", dir / "Programas Úteis")));
    ASSERT_TRUE(DeleteFileW(Wide(gone).c_str()));
    ASSERT_TRUE(MakeLink(dir / "Pasta.lnk", LinkTo(dir / "Dados", "", "")));

    struct Case {
        const char* link;
        const char* param;
        const char* titulo;
    };
    for (const Case& c : {Case{"Quebrado.lnk", "-x", "Quebrado"}, Case{"Pasta.lnk", "anterior", "Pasta"}}) {
        std::string programa, param = "anterior", titulo;
        ReadLink(dir / c.link, programa, param, titulo);
        EXPECT_FALSE(IsFile(programa)) << c.link << ": " << programa;
        EXPECT_EQ(param, c.param) << c.link;
        EXPECT_EQ(titulo, c.titulo) << c.link;
    }
}

TEST_F(LinkTargets, AFileThatIsNoLinkGivesOnlyATitle) {
    ASSERT_TRUE(test::WriteFile(dir / "falso.lnk", "isto não é um atalho"));
    for (const char* name : {"falso.lnk", "inexistente.lnk"}) {
        std::string programa = "x", param = "-v", titulo;
        ReadLink(dir / name, programa, param, titulo);
        EXPECT_EQ(programa, "") << name;
        EXPECT_EQ(param, "-v") << name;
        EXPECT_EQ(titulo, name[0] == 'f' ? "Falso" : "Inexistente");
    }
}

TEST_F(LinkTargets, ReadLinkLeavesTheThreadsComStateAsItFoundIt) {
    ASSERT_TRUE(MakeLink(dir / "Editor.lnk", LinkTo(program, "", dir / "Programas Úteis")));
    std::string programa, param, titulo;

    ReadLink(dir / "Editor.lnk", programa, param, titulo);
    EXPECT_TRUE(IsFile(programa));
    const HRESULT after = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(after, S_OK) << "COM left joined";
    if (SUCCEEDED(after)) CoUninitialize();

    // A thread of the multithreaded apartment cannot join the single-threaded one: use it as it is.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    programa.clear();
    ReadLink(dir / "Editor.lnk", programa, param, titulo);
    EXPECT_TRUE(IsFile(programa)) << programa;
    CoUninitialize();
}

TEST_F(LinkTargets, GetIconeOnRealTargets) {
    ASSERT_TRUE(CreateDirectoryW(Wide(dir / "www.exemplo").c_str(), nullptr));
    ASSERT_TRUE(test::WriteFile(dir / "nota.txt", "x"));
    struct Case {
        std::string target;
        int icone;
    };
    const Case cases[] = {
        {test::BinFolder() + "Pivel.exe", -1},
        {program, 11},  // a program without icons
        {dir / "Dados", 4},
        {dir / "Dados\\", 4},
        {dir / "www.exemplo", 7},
        {dir / "falta.pdf", 6},
        {"http://www.exemplo.com.br", 7},
        {"https://mail.google.com/gmail", 12},
        {"https://exemplo.com.br", 6},
    };
    for (const Case& c : cases) EXPECT_EQ(GetIcone(c.target), c.icone) << c.target;
    // Windows answers its "no icon here" marker for a plain file (-1); Wine answers nothing (3).
    const int text = GetIcone(dir / "nota.txt");
    EXPECT_TRUE(text == -1 || text == 3) << text;
}

TEST_F(LinkTargets, ReadIconTakesTheIconOrLeavesThePreviousOne) {
    IconHandle icon;
    ASSERT_TRUE(readIcon(test::BinFolder() + "Pivel.exe", icon));
    ASSERT_TRUE(icon);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.get(), &info));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    // Taking a new icon gives the old one back to the system.
    const HICON first = icon.get();
    ASSERT_TRUE(readIcon(test::BinFolder() + "Pivel.exe", icon));
    EXPECT_NE(icon.get(), first);
    EXPECT_FALSE(GetIconInfo(first, &info));

    const HICON previous = icon.get();
    for (const std::string& missing :
         {dir / "falta.exe", std::string("http://www.exemplo.com.br"), std::string()}) {
        EXPECT_FALSE(readIcon(missing, icon)) << missing;
        EXPECT_EQ(icon.get(), previous) << missing;
    }
    // A folder or a plain file may or may not have a picture, but never leaves a broken handle behind.
    for (const std::string& other : {dir / "Dados", program}) {
        if (readIcon(other, icon)) EXPECT_NE(icon.get(), nullptr) << other;
        else EXPECT_EQ(icon.get(), previous) << other;
    }
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return 0;
    BITMAP bm{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bm.bmWidth;
}

TEST_F(LinkTargets, ReadIconTakesTheIconAtTheSizeItIsDrawn) {
    ASSERT_TRUE(test::WriteFile(dir / "nota.txt", "texto"));
    const std::string targets[] = {test::BinFolder() + "Pivel.exe", program, dir / "Dados", dir / "nota.txt",
                                   DirSystem() + "notepad.exe"};
    for (int size : {32, 40, 48, 64}) {
        for (const std::string& target : targets) {
            IconHandle icon;
            ASSERT_TRUE(readIcon(target, icon, size)) << target;
            // 48 at 144 dpi, not the system's 32 stretched when drawn.
            EXPECT_EQ(IconWidth(icon.get()), size) << target;
        }
    }
}

TEST(Win32Shell, DocumentsAndSystemFolders) {
    InstallWin32Platform();
    wchar_t docs[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, docs), S_OK);
    EXPECT_TRUE(SameText(DirDocs(), Narrow(docs) + "\\")) << DirDocs();

    const std::string system = DirSystem();
    EXPECT_EQ(system.back(), '\\');
    EXPECT_TRUE(IsFile(system + "notepad.exe")) << system;
}

TEST(Win32Shell, RegistryAndEnvironmentAsStored) {
    InstallWin32Platform();
    IShell& shell = *CurrentPlatform().shell;
    const std::string key = "Software\\Pivel-Teste-" + std::to_string(GetCurrentProcessId());
    HKEY h = nullptr;
    const std::wstring wideKey = Wide(key);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, wideKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h,
                              nullptr),
              ERROR_SUCCESS);
    const std::wstring expand = L"%USERPROFILE%\\Meus Documentos";
    RegSetValueExW(h, L"Personal", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(expand.c_str()),
                   static_cast<DWORD>((expand.size() + 1) * sizeof(wchar_t)));
    // Stored without its terminating zero, as some programs write it.
    const std::wstring bare = L"ação";
    RegSetValueExW(h, L"Sem zero", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare.data()),
                   static_cast<DWORD>(bare.size() * sizeof(wchar_t)));
    const DWORD number = 7;
    RegSetValueExW(h, L"Numero", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(h);

    EXPECT_EQ(shell.UserRegistryString(key, "Personal"), "%USERPROFILE%\\Meus Documentos");
    EXPECT_EQ(shell.UserRegistryString(key, "Sem zero"), "ação");
    EXPECT_EQ(shell.UserRegistryString(key, "Numero"), std::nullopt);
    EXPECT_EQ(shell.UserRegistryString(key, "Falta"), std::nullopt);
    EXPECT_EQ(shell.UserRegistryString(key + "\\Falta", "Personal"), std::nullopt);
    RegDeleteTreeW(HKEY_CURRENT_USER, wideKey.c_str());

    ASSERT_TRUE(SetEnvironmentVariableW(L"PIVEL_TESTE", std::wstring(300, L'ç').c_str()));
    EXPECT_EQ(shell.EnvironmentVariable("PIVEL_TESTE"), Narrow(std::wstring(300, L'ç')));
    SetEnvironmentVariableW(L"PIVEL_TESTE", nullptr);
    EXPECT_EQ(shell.EnvironmentVariable("PIVEL_TESTE"), std::nullopt);
}

}  // namespace
}  // namespace nq
