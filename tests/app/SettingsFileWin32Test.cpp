// The settings file as the real program meets it: other encodings, damage, other writers, saves cut
// short. Pivel.exe is started for real in a folder of its own, as BarWin32Test does.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "Win32TestUtil.h"
#include "app/MainWin32.h"
#include "support/Text.h"

namespace nq {
namespace {

// The log-on value every start writes, put back as it was at the end.
class RunValueGuard {
public:
    static constexpr const wchar_t* kKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    RunValueGuard() {
        wchar_t buf[1024];
        DWORD size = sizeof buf;
        if (RegGetValueW(HKEY_CURRENT_USER, kKey, L"NqPivel", RRF_RT_REG_SZ, nullptr, buf, &size) ==
            ERROR_SUCCESS)
            saved_ = buf;
    }
    ~RunValueGuard() {
        HKEY k;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_SET_VALUE, &k) != ERROR_SUCCESS) return;
        if (saved_)
            RegSetValueExW(k, L"NqPivel", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_->c_str()),
                           static_cast<DWORD>((saved_->size() + 1) * sizeof(wchar_t)));
        else
            RegDeleteValueW(k, L"NqPivel");
        RegCloseKey(k);
    }

private:
    std::optional<std::wstring> saved_;
};

// The UTF-16 bytes, with their byte-order mark, of a UTF-8 text.
std::string Utf16File(std::string_view utf8, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t u : Utf8ToUtf16(utf8)) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

class SettingsFile : public ::testing::Test {
protected:
    std::string Exe() const { return dir_ / "Pivel.exe"; }
    std::string Ini() const { return dir_ / "PivelConfig.ini"; }

    void SetUp() override {
        ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "Pivel.exe").c_str(), Wide(Exe()).c_str(), FALSE));
    }

    // Starts the bar and waits for its window.
    HWND Start(const std::string& args = "") {
        processes_.push_back(std::make_unique<test::RunningProcess>(Exe(), args));
        HWND w = processes_.back()->FindWindowOfClass(kMainClassName);
        EXPECT_NE(w, nullptr) << "no bar window";
        return w;
    }
    test::RunningProcess& Last() { return *processes_.back(); }

    // Asks the bar to close; answers the notices it shows on the way (counted), and waits for its end.
    int CloseAnsweringNotices(HWND w, test::RunningProcess& p) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        int notices = 0;
        DWORD code = 1;
        const DWORD start = GetTickCount();
        while (!p.Wait(50, &code)) {
            if (HWND box = p.FindWindowOfClass(L"#32770", 0)) {
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                ++notices;
                test::WaitFor([&] { return !IsWindow(box); });
            }
            if (GetTickCount() - start > 20000) {
                ADD_FAILURE() << "the bar did not end";
                return notices;
            }
        }
        EXPECT_EQ(code, 0u);
        return notices;
    }

    // The names in the bar's folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW fd;
        HANDLE h = FindFirstFileW(Wide(dir_.path() + "*").c_str(), &fd);
        if (h == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = fd.cFileName;
            if (name != L"." && name != L"..") names.push_back(Narrow(name));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
        std::sort(names.begin(), names.end());
        return names;
    }

    RunValueGuard runValue_;
    test::TempFolder dir_;
    std::vector<std::unique_ptr<test::RunningProcess>> processes_;
};

const char* const kTresAtalhos =
    "[IconesMenu]\r\nRecordCount=3\r\n"
    "1=id=1§titulo=Água§programa=C:\\Água\\fria.xlsx§param=§icone=3§tipo=1§opcaomenu=Não§iconeid=0§\r\n"
    "2=id=2§titulo=Łódź§programa=C:\\Viagens\\Łódź.pdf§param=§icone=6§tipo=1§opcaomenu=Não§iconeid=0§\r\n"
    "3=id=3§titulo=Notas§programa=C:\\windows\\notepad.exe§param=§icone=-1§tipo=1§opcaomenu=Não§iconeid="
    "0§\r\n"
    "\r\n";

TEST_F(SettingsFile, AFileSavedAsUtf16KeepsItsThreeShortcutsThroughASaveAndAReload) {
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "UTF-16 BE" : "UTF-16 LE");
        ASSERT_TRUE(test::WriteFile(Ini(), Utf16File(kTresAtalhos, bigEndian)));
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(CloseAnsweringNotices(w, Last()), 0);
        const std::string saved = test::ReadFile(Ini());
        // Written back as UTF-8 with its mark ("Łódź" does not fit Windows-1252), every shortcut kept.
        EXPECT_EQ(saved.substr(0, 3), "\xEF\xBB\xBF");
        EXPECT_NE(saved.find("RecordCount=3\r\n"), std::string::npos) << saved;
        for (const char* t : {"titulo=Água§", "titulo=Łódź§programa=C:\\Viagens\\Łódź.pdf§", "titulo=Notas§"})
            EXPECT_NE(saved.find(t), std::string::npos) << t;
        EXPECT_EQ(Names(), (std::vector<std::string>{"Pivel.exe", "PivelConfig.ini"}));

        HWND again = Start();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(CloseAnsweringNotices(again, Last()), 0);
        EXPECT_EQ(test::ReadFile(Ini()), saved);
    }
}

TEST_F(SettingsFile, AFileThatCannotBeDecodedIsKeptBesideAndTheUserIsToldOnce) {
    // A UTF-8 file whose second record was damaged (a lone lead byte, NULs).
    const std::string damaged =
        std::string("\xEF\xBB\xBF") + kTresAtalhos + std::string("4=titulo=\xC3\0\0\0\r\n", 15);
    ASSERT_TRUE(test::WriteFile(Ini(), damaged));
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(CloseAnsweringNotices(w, Last()), 1);
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 3u);
    const std::string copy = names[1];
    EXPECT_EQ(copy.rfind("PivelConfig (cópia ", 0), 0u) << copy;
    EXPECT_EQ(test::ReadFile(dir_ / copy), damaged);
    const std::string saved = test::ReadFile(Ini());
    EXPECT_NE(saved.find("RecordCount=3\r\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find('\0'), std::string::npos);

    // Told once: the next run finds a clean file and says nothing.
    HWND again = Start();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(CloseAnsweringNotices(again, Last()), 0);
    EXPECT_EQ(Names().size(), 3u);
}

}  // namespace
}  // namespace nq
