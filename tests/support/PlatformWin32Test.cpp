// The Win32 services behind the portable routines, on real files and real version resources.

#include "support/PlatformWin32.h"

#include <gtest/gtest.h>

#include "Win32TestUtil.h"
#include "support/NqConst.h"
#include "support/NqFun.h"

namespace nq {
namespace {

class Win32Platform : public ::testing::Test {
protected:
    void SetUp() override { InstallWin32Platform(); }
};

TEST_F(Win32Platform, GetFileVersionReadsRealVersionResources) {
    struct Case {
        const char* program;
        const char* withBuild;
        const char* withoutBuild;
    };
    const Case cases[] = {
        {"verprog_1_2_0_0.exe", "1.2", "1.2"},
        {"verprog_1_2_3_0.exe", "1.2.3", "1.2.3"},
        {"verprog_1_2_0_4.exe", "1.2 (4)", "1.2.0.4"},
        {"verprog_1_2_3_4.exe", "1.2.3 (4)", "1.2.3.4"},
        {"verprog_none.exe", "0.0", "0.0"},
        {"no-such-program.exe", "0.0", "0.0"},
    };
    for (const Case& c : cases) {
        const std::string path = test::BinFolder() + c.program;
        EXPECT_EQ(GetFileVersion(path, true), c.withBuild) << c.program;
        EXPECT_EQ(GetFileVersion(path, false), c.withoutBuild) << c.program;
    }
    int v = 0, m = 0, r = 0, b = 0;
    GetFileVersion(test::BinFolder() + "verprog_1_2_3_4.exe", v, m, r, b);
    EXPECT_EQ((std::vector<int>{v, m, r, b}), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(GetFileVersion(test::BinFolder() + "Pivel.exe", true), "2.0.3");
}

TEST_F(Win32Platform, FileDateOfFilesAndFolders) {
    test::TempFolder dir;
    ASSERT_TRUE(test::WriteFile(dir / "a.txt", "x"));
    HANDLE h = CreateFileW(Wide(dir / "a.txt").c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SYSTEMTIME local{2015, 3, 0, 1, 12, 30, 0, 0};
    SYSTEMTIME utc{};
    FILETIME ft{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    SystemTimeToFileTime(&utc, &ft);
    ASSERT_TRUE(SetFileTime(h, nullptr, nullptr, &ft));
    CloseHandle(h);

    EXPECT_NEAR(FileDate(dir / "a.txt"), 42064.0 + 12.5 / 24, 1e-6);
    EXPECT_EQ(AnoData(FileDate(dir / "a.txt")), 2015);
    EXPECT_GT(FileDate(dir.path().substr(0, dir.path().size() - 1)), 40000.0);  // a folder
    EXPECT_EQ(FileDate(dir / "missing.txt"), 0);
}

TEST_F(Win32Platform, PesqArqsListsFilesHiddenIncludedButNoFolders) {
    test::TempFolder dir;
    ASSERT_TRUE(test::WriteFile(dir / "um.txt", "1"));
    ASSERT_TRUE(test::WriteFile(dir / "oculto.txt", "2", FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(test::WriteFile(dir / "ação.txt", "3"));
    ASSERT_TRUE(test::WriteFile(dir / "outro.log", "4"));
    ASSERT_TRUE(CreateDirectoryW(Wide(dir / "sub.txt").c_str(), nullptr));
    ASSERT_TRUE(test::WriteFile(dir / "sub.txt\\dentro.txt", "5"));

    std::vector<std::string> list;
    const std::string folder = dir.path().substr(0, dir.path().size() - 1);  // without the backslash
    PesqArqs(folder, "*.txt", list);
    std::sort(list.begin(), list.end());
    EXPECT_EQ(list, (std::vector<std::string>{dir / "ação.txt", dir / "oculto.txt", dir / "um.txt"}));

    std::vector<std::string> none;
    PesqArqs(dir / "missing", "*", none);
    EXPECT_TRUE(none.empty());
}

TEST_F(Win32Platform, FontQueryNamesOnlyRealFamilies) {
    EXPECT_FALSE(CurrentPlatform().system->FontInstalled("No Such Font Family"));
    EXPECT_FALSE(CurrentPlatform().system->FontInstalled(std::string(40, 'x')));
}

}  // namespace
}  // namespace nq
