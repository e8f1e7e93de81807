// Pivel.exe as a real process: the start-up values it reports and the old error logs it deletes.

#include <gtest/gtest.h>

#include <map>

#include "Win32TestUtil.h"
#include "support/NqFun.h"

namespace nq {
namespace {

using Report = std::map<std::string, std::string>;

// Runs a copy of Pivel.exe in `dir` and returns the start-up values it wrote.
Report RunPivel(const test::TempFolder& dir, const std::string& args) {
    const std::string exe = dir / "Pivel.exe";
    if (!test::Exists(exe)) CopyFileW(Wide(test::BinFolder() + "Pivel.exe").c_str(), Wide(exe).c_str(), TRUE);
    const std::string reportPath = dir / "startup.txt";
    DeleteFileW(Wide(reportPath).c_str());
    const test::ProcessResult r = test::RunProcess(exe, args, {"PIVEL_STARTUP_REPORT=" + reportPath});
    EXPECT_TRUE(r.started);
    EXPECT_EQ(r.exitCode, 0u);
    Report report;
    for (const std::string& line : AParse(test::ReadFile(reportPath), "\n")) {
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) report[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return report;
}

TEST(PivelStartup, DeletesOnlyThe2015ErrorLogsHiddenAndReadOnlyIncluded) {
    test::TempFolder dir;
    ASSERT_TRUE(test::WriteFile(dir / "PivelErrosBD_2015_01.log", "x", FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(test::WriteFile(dir / "PivelErrosBD-2015.log", "x", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(test::WriteFile(dir / "PivelErrosBD_2016.log", "x"));
    ASSERT_TRUE(test::WriteFile(dir / "OutroErrosBD_2015.log", "x"));

    const Report report = RunPivel(dir, "");
    EXPECT_FALSE(test::Exists(dir / "PivelErrosBD_2015_01.log"));
    EXPECT_FALSE(test::Exists(dir / "PivelErrosBD-2015.log"));
    EXPECT_TRUE(test::Exists(dir / "PivelErrosBD_2016.log"));
    EXPECT_TRUE(test::Exists(dir / "OutroErrosBD_2015.log"));

    EXPECT_EQ(report.at("DirAplic"), FormatPath(dir.path()));
    EXPECT_EQ(report.at("NqParams"), "");
    EXPECT_EQ(report.at("inProgrammingMode"), "0");
    EXPECT_EQ(report.at("Version"), "2.0.3");
}

TEST(PivelStartup, ProgrammingModeFromTheCommandLine) {
    test::TempFolder dir;
    struct Case {
        const char* args;
        const char* params;
        const char* programming;
    };
    const Case cases[] = {
        {"/P", "/p", "1"},
        {"-p", "-p", "1"},
        {"Programacao", "programacao", "1"},
        {"/x \"Outro Parâmetro\"", "/x outro parâmetro", "0"},
    };
    for (const Case& c : cases) {
        const Report report = RunPivel(dir, c.args);
        EXPECT_EQ(report.at("NqParams"), c.params);
        EXPECT_EQ(report.at("inProgrammingMode"), c.programming) << c.args;
    }
}

// Wine's font replacements make a family appear under another name, for one process start at a time.
class FontReplacement {
public:
    FontReplacement(const wchar_t* family, const wchar_t* realFamily) : family_(family) {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Fonts\\Replacements", 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr);
        RegSetValueExW(key_, family, 0, REG_SZ, reinterpret_cast<const BYTE*>(realFamily),
                       static_cast<DWORD>((wcslen(realFamily) + 1) * sizeof(wchar_t)));
    }
    ~FontReplacement() {
        RegDeleteValueW(key_, family_);
        RegCloseKey(key_);
    }

private:
    const wchar_t* family_;
    HKEY key_ = nullptr;
};

TEST(PivelStartup, FixedPitchFontIsConsolasOnlyWhenInstalled) {
    test::TempFolder dir;
    InstallWin32Platform();
    ASSERT_FALSE(CurrentPlatform().system->FontInstalled("Consolas")) << "this test needs a system without Consolas";
    EXPECT_EQ(RunPivel(dir, "").at("FMsgFonteFixa"), "Courier New");

    FontReplacement consolas(L"Consolas", L"DejaVu Sans Mono");
    EXPECT_EQ(RunPivel(dir, "").at("FMsgFonteFixa"), "Consolas");
}

}  // namespace
}  // namespace nq
