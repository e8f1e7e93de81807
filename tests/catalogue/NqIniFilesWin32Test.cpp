// The settings file on real files: a round trip, and writes that fail at each step of the replacement.

#include "catalogue/NqIniFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "Win32TestUtil.h"
#include "support/Errors.h"
#include "support/FileReplace.h"

namespace nq {
namespace {

class SettingsFileWin32 : public ::testing::Test {
protected:
    void SetUp() override { InstallWin32Platform(); }

    // The names in a folder, sorted: a temporary file left behind shows up here.
    static std::vector<std::string> Names(const std::string& folder) { return test::NamesIn(folder); }
};

TEST_F(SettingsFileWin32, RoundTripThroughARealFile) {
    test::TempFolder dir;
    const std::string folder = dir / "Configurações €\\";
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const std::string path = folder + "BarraConfig.ini";
    ASSERT_TRUE(test::WriteFile(path, "[Menus]\r\nEstilo=2\r\n[Config]\r\nN\xEDvelTranspar\xEAncia=180\r\n"));
    {
        TMemIniFile ini(path);
        EXPECT_EQ(ini.ReadInteger("Config", "NívelTransparência", 210), 180);
        ini.WriteString("Config", "NomeEmpresa", "Łódź");
        ini.UpdateFile();
        EXPECT_EQ(test::ReadFile(path),
                  "\xEF\xBB\xBF[Config]\r\nNívelTransparência=180\r\nNomeEmpresa=Łódź\r\n\r\n"
                  "[Menus]\r\nEstilo=2\r\n\r\n");
        ini.WriteString("Config", "NomeEmpresa", "Lodz");
    }  // the release writes again, back in Windows-1252
    EXPECT_EQ(
        test::ReadFile(path),
        "[Config]\r\nN\xEDvelTranspar\xEAncia=180\r\nNomeEmpresa=Lodz\r\n\r\n[Menus]\r\nEstilo=2\r\n\r\n");
    TMemIniFile again(path);
    EXPECT_EQ(again.ReadString("config", "nomeempresa", ""), "Lodz");
    EXPECT_EQ(Names(folder), std::vector<std::string>{"BarraConfig.ini"});
}

TEST_F(SettingsFileWin32, AFailedWriteLeavesThePreviousFileWholeAndNoTemporaryFile) {
    const std::string old = "[Config]\r\nColor=1\r\n\r\n";
    struct Case {
        const char* what;
        // Breaks the write after the file was read; returns what undoes it.
        std::function<std::function<void()>(const std::string& folder, const std::string& path)> breakIt;
        bool fileStays;
    };
    const Case cases[] = {
        {"read-only file",
         [](const std::string&, const std::string& path) {
             SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_READONLY);
             return std::function<void()>(
                 [path] { SetFileAttributesW(Wide(path).c_str(), FILE_ATTRIBUTE_NORMAL); });
         },
         true},
        {"folder removed",
         [](const std::string& folder, const std::string&) {
             test::TempFolder::RemoveTree(folder);
             return std::function<void()>([] {});
         },
         false},
        {"file held open without delete sharing, so the swap fails",
         [](const std::string&, const std::string& path) {
             HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
             EXPECT_NE(h, INVALID_HANDLE_VALUE);
             return std::function<void()>([h] { CloseHandle(h); });
         },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder dir;
        const std::string folder = dir / "pasta\\";
        ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
        const std::string path = folder + "BarraConfig.ini";
        ASSERT_TRUE(test::WriteFile(path, old));
        {
            TMemIniFile ini(path);
            ini.WriteInteger("Config", "Color", 2);
            const std::function<void()> undo = c.breakIt(folder, path);
            EXPECT_THROW(ini.UpdateFile(), EInOutError);
            EXPECT_EQ(ini.ReadInteger("Config", "Color", 0), 2);
            if (c.fileStays) {
                EXPECT_EQ(test::ReadFile(path), old);
                EXPECT_EQ(Names(folder), std::vector<std::string>{"BarraConfig.ini"});
            } else {
                EXPECT_EQ(GetFileAttributesW(Wide(folder).c_str()), INVALID_FILE_ATTRIBUTES);
                EXPECT_TRUE(Names(dir.path()).empty());
            }
            IniUpdateOnFree = false;  // released below with the obstacle gone: nothing more to check there
            undo();
        }
        IniUpdateOnFree = true;
    }
}

TEST_F(SettingsFileWin32, TheReleaseIgnoresAFailedWrite) {
    test::TempFolder dir;
    const std::string path = dir / "BarraConfig.ini";
    ASSERT_TRUE(test::WriteFile(path, "[Config]\r\nColor=1\r\n", FILE_ATTRIBUTE_READONLY));
    {
        TMemIniFile ini(path);
        ini.WriteInteger("Config", "Color", 2);
    }  // must not throw
    EXPECT_EQ(test::ReadFile(path), "[Config]\r\nColor=1\r\n");
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"BarraConfig.ini"});
}

TEST_F(SettingsFileWin32, TheFileKeepsItsOwnAttributesAndNoTemporaryFileStays) {
    test::TempFolder dir;
    const std::string path = dir / "PivelConfig.ini";
    ASSERT_TRUE(
        test::WriteFile(path, "[Config]\r\nColor=1\r\n", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    for (int save = 2; save <= 3; ++save) {
        TMemIniFile ini(path);
        ini.WriteInteger("Config", "Color", save);
        ini.UpdateFile();
        EXPECT_EQ(test::ReadFile(path), "[Config]\r\nColor=" + std::to_string(save) + "\r\n\r\n");
        const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN) << attributes;
        EXPECT_TRUE(attributes & FILE_ATTRIBUTE_SYSTEM) << attributes;
        EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"PivelConfig.ini"});
    }
    // A file of its own (none there before) is a plain one.
    const std::string fresh = dir / "Novo.ini";
    TMemIniFile ini(fresh);
    ini.WriteInteger("Config", "Color", 1);
    ini.UpdateFile();
    EXPECT_FALSE(GetFileAttributesW(Wide(fresh).c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY));
}

TEST_F(SettingsFileWin32, OpeningTheFileClearsWhatInterruptedWritesLeftAndRecoversAMissingFile) {
    test::TempFolder dir;
    const std::string path = dir / "PivelConfig.ini";
    const std::string saved = "[Config]\r\nColor=7\r\n\r\n";
    // A save cut short before its swap, one cut short while writing, an earlier version's leftover, and
    // a temporary file another bar is writing right now.
    ASSERT_TRUE(test::WriteFile(ReplacementName(path, 77, 1, saved), saved));
    ASSERT_TRUE(test::WriteFile(ReplacementName(path, 77, 2, saved + "x"), saved.substr(0, 5)));
    ASSERT_TRUE(test::WriteFile(dir / "pivA1.tmp", "[Config]\r\n"));
    const std::string writing = ReplacementName(path, 78, 1, "abc");
    HANDLE held = CreateFileW(Wide(writing).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        TMemIniFile ini(path);
        EXPECT_EQ(ini.ReadInteger("Config", "Color", 0), 7);
    }
    EXPECT_EQ(test::ReadFile(path), saved);
    EXPECT_EQ(Names(dir.path()),
              (std::vector<std::string>{"PivelConfig.ini", writing.substr(dir.path().size())}));
    CloseHandle(held);
    { TMemIniFile again(path); }
    EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"PivelConfig.ini"});
}

}  // namespace
}  // namespace nq
