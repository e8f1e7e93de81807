// The settings file as the real program meets it: other encodings, damage, other writers, saves cut
// short. Pivel.exe is started for real in a folder of its own, as BarWin32Test does.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <utility>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/MainWin32.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/NqIniFiles.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"

// After windows.h (Win32TestUtil.h).
#include <shellapi.h>
#include <shlobj.h>

namespace nq {
namespace {

// An icon of another program in the notification area, as every desktop has. Without one, the bar's
// icon is the last, and Wine's own tray window then waits 2 s for a window manager that Xvfb lacks
// when it hides: a cost of the test screen, not of the bar.
class OtherTrayIcon {
public:
    OtherTrayIcon() {
        nid_.cbSize = sizeof nid_;
        nid_.hWnd = CreateWindowExW(0, test::PlainWindowClass(L"PivelTestTrayOwner"), L"", WS_POPUP, 0, 0, 1, 1,
                                    nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        nid_.uID = 1;
        nid_.uFlags = NIF_ICON | NIF_TIP;
        nid_.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wcscpy_s(nid_.szTip, L"Outro programa");
        added_ = Shell_NotifyIconW(NIM_ADD, &nid_) != 0;
    }
    ~OtherTrayIcon() {
        if (added_) Shell_NotifyIconW(NIM_DELETE, &nid_);
        DestroyWindow(nid_.hWnd);
    }
    OtherTrayIcon(const OtherTrayIcon&) = delete;
    OtherTrayIcon& operator=(const OtherTrayIcon&) = delete;
    bool added() const { return added_; }

private:
    NOTIFYICONDATAW nid_{};
    bool added_ = false;
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
    std::string Exe() const { return barra_.Exe(); }
    std::string Ini() const { return barra_.Ini(); }

    void SetUp() override {
        InstallWin32Platform();
        ASSERT_TRUE(barra_.Copiada());
    }

    // Starts the bar and waits for its window.
    HWND Start(const std::string& args = "") { return barra_.Lancar(args); }
    test::RunningProcess& Last() { return barra_.Ultimo(); }

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

    // Whether the bar's desktop notice shows within the time (it tells of a copy kept beside the file).
    static bool AvisoAparece(test::RunningProcess& p, DWORD ms = 10000) {
        return test::WaitFor(
            [&] {
                HWND aviso = p.FindWindowOfClass(L"TfmDesktopAviso", 0);
                return aviso && IsWindowVisible(aviso);
            },
            ms);
    }

    // The names in the bar's folder, sorted.
    std::vector<std::string> Names() const { return test::NamesIn(dir_.path()); }

    test::BarraEmTeste barra_;
    const test::TempFolder& dir_ = barra_.Pasta();
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
    // Told at start, without a question: the copy is there and the desktop notice says so.
    EXPECT_TRUE(test::WaitFor([&] { return Names().size() == 3u; })) << "the copy is kept at start";
    EXPECT_TRUE(AvisoAparece(Last())) << "the user is told at start";
    EXPECT_EQ(Last().FindWindowOfClass(L"#32770", 0), nullptr) << "with no dialog";
    // The end waits on nothing.
    const DWORD pedido = GetTickCount();
    EXPECT_EQ(CloseAnsweringNotices(w, Last()), 0);
    const DWORD fim = test::Elapsed(pedido);
    std::printf("  WM_CLOSE to the end of the process: %lu ms\n", fim);
    EXPECT_LT(fim, 5000u) << "the end waited";
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
    EXPECT_FALSE(AvisoAparece(Last(), 2000));
    EXPECT_EQ(CloseAnsweringNotices(again, Last()), 0);
    EXPECT_EQ(Names().size(), 3u);
}

// A program folder the user cannot write (a standard user under Program Files): the settings go to the
// user's application-data folder, under the program's name, starting from the file beside the program,
// which stays as it was.
TEST_F(SettingsFile, AProgramFolderThatCannotBeWrittenKeepsTheSettingsInApplicationData) {
    wchar_t pasta[MAX_PATH] = L"";
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, pasta)));
    const std::string dados = Narrow(pasta) + "\\Pivel", arquivo = dados + "\\PivelConfig.ini";
    struct Limpeza {
        std::string arquivo, pasta;
        void operator()() const {
            DeleteFileW(Wide(arquivo).c_str());
            RemoveDirectoryW(Wide(pasta).c_str());
        }
        ~Limpeza() { (*this)(); }
    } limpeza{arquivo, dados};
    limpeza();
    const std::string beside = std::string("\xEF\xBB\xBF") + kTresAtalhos;
    ASSERT_TRUE(test::WriteFile(Ini(), beside));

    HWND w = barra_.Lancar("", {"PIVEL_PASTA_SOMENTE_LEITURA=1"});
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(w) != 0; }, 20000));
    EXPECT_EQ(SendMessageW(w, RegisterWindowMessageW(kMsgAtalhos), 0, 0), 3) << "the three shortcuts, copied";
    // The about box names the file in use.
    PostMessageW(w, WM_COMMAND, mnSobre, 0);
    HWND sobre = Last().FindWindowOfClass(L"#32770", 15000);
    ASSERT_NE(sobre, nullptr);
    EXPECT_TRUE(test::WaitFor([&] {
        for (HWND c = GetWindow(sobre, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (test::TextoDe(c) == arquivo) return true;
        return false;
    })) << arquivo;
    PostMessageW(sobre, WM_CLOSE, 0, 0);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(sobre); }));
    EXPECT_EQ(CloseAnsweringNotices(w, Last()), 0);
    const std::string usado = test::ReadFile(arquivo);
    EXPECT_NE(usado.find("RecordCount=3\r\n"), std::string::npos) << usado;
    EXPECT_EQ(test::ReadFile(Ini()), beside) << "the file beside the program is left as it was";
}

// A damaged title of 5 MiB: the bar opens, draws, and ends promptly when asked (the time is printed; on
// an idle machine it is well under 2 seconds), leaving a well-formed file that still holds the value.
TEST_F(SettingsFile, AHugeTitleNeitherHangsTheBarNorItsEnd) {
    OtherTrayIcon tray;
    ASSERT_TRUE(tray.added());
    std::string huge;
    while (huge.size() < 5u * 1024 * 1024) huge += "Empresa de teste ";
    ASSERT_TRUE(test::WriteFile(Ini(), "[Config]\r\nNomeEmpresa=" + huge + "\r\n\r\n"));
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(w) != 0; }, 10000));
    // Opened, the whole bar and its title are drawn; the bar answers at once afterwards.
    PostMessageW(w, WM_AppRestore, 0, 0);
    DWORD_PTR answer = 0;
    EXPECT_TRUE(SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer));
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_TRUE(SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer));

    const DWORD asked = GetTickCount();
    PostMessageW(w, WM_CLOSE, 0, 0);
    DWORD code = 1;
    const bool ended = Last().Wait(10000, &code);
    const DWORD took = GetTickCount() - asked;
    ASSERT_TRUE(ended);
    EXPECT_EQ(code, 0u);
    // Generous for a loaded 2-core machine: the bound catches an end whose cost grows faster than the
    // title (a pass per character over 5 MiB takes minutes), not a slow machine.
    EXPECT_LE(took, 6000u);
    std::printf("a 5 MiB title: the bar ended %lu ms after it was asked to close\n", static_cast<unsigned long>(took));

    IniUpdateOnFree = false;
    TMemIniFile saved(Ini());
    EXPECT_EQ(saved.ReadString("Config", "NomeEmpresa", ""), huge.substr(0, huge.size() - 1));  // ends trimmed
    EXPECT_EQ(saved.ReadInteger("IconesMenu", "RecordCount", 0), 3);
    IniUpdateOnFree = true;
}

// The catalogue file of 2,000 shortcuts, in an order the bar writes back differently, so that every
// end of the bar writes the file.
std::string TwoThousandShortcuts() {
    std::string text = "[IconesMenu]\r\nRecordCount=2000\r\n";
    for (int i = 1; i <= 2000; ++i) {
        const std::string n = std::to_string(2001 - i);
        text += std::to_string(i) + "=id=" + std::to_string(i) + "\xA7titulo=Atalho " + std::string(4 - n.size(), '0') +
                n + "\xA7programa=C:\\Dados\\Documentos do escrit\xF3rio\\Planilhas\\relat\xF3rio " + n +
                ".xlsx\xA7param=/m " + n + "\xA7icone=3\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7iconeid=0\xA7\r\n";
    }
    return text + "\r\n";
}

int TemporaryFiles(const std::vector<std::string>& names) {
    int n = 0;
    for (const std::string& name : names)
        if (name.size() > 4 && SameText(name.substr(name.size() - 4), ".tmp")) ++n;
    return n;
}

// Saves killed at random moments, as a crash or a power cut would: right after each kill, before any
// new start, the file is there and is the old or the new catalogue whole (a sync client or a backup that
// reads the folder at that instant finds it), and the next start leaves at most one temporary file (none,
// in fact). PIVEL_KILLED_SAVES sets how many (100 by default).
TEST_F(SettingsFile, SavesKilledAtRandomMomentsLeaveAWholeFileAtEveryInstantAndNoDebris) {
    int runs = 100;
    if (const char* v = std::getenv("PIVEL_KILLED_SAVES")) runs = std::max(1, std::atoi(v));
    const std::string old = TwoThousandShortcuts();
    OtherTrayIcon tray;
    ASSERT_TRUE(tray.added());

    // What an end in order writes, and how long it takes.
    ASSERT_TRUE(test::WriteFile(Ini(), old));
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(w) != 0; }, 20000));
    const DWORD asked = GetTickCount();
    ASSERT_EQ(CloseAnsweringNotices(w, Last()), 0);
    const DWORD closing = std::max<DWORD>(GetTickCount() - asked, 20);
    const std::string fresh = test::ReadFile(Ini());
    ASSERT_NE(fresh, old);
    ASSERT_NE(fresh.find("RecordCount=2000\r\n"), std::string::npos);

    std::srand(12345);
    int missing = 0, oldKept = 0, newWritten = 0, mostTemporaries = 0, killedSaving = 0;
    for (int run = 0; run < runs; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        ASSERT_TRUE(test::WriteFile(Ini(), old));
        HWND b = Start();
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(b) != 0; }, 20000));
        // After the start: what the previous kill left is gone.
        const int temporaries = TemporaryFiles(Names());
        EXPECT_LE(temporaries, 1);
        mostTemporaries = std::max(mostTemporaries, temporaries);

        // Every other run, the kill waits for the save's temporary file, so that it falls in the few
        // milliseconds between its creation and its swap. The random pauses are what is tested: the
        // moment of the kill, anywhere in the end's span; they wait on nothing.
        PostMessageW(b, WM_CLOSE, 0, 0);
        if (run % 2 == 0) {
            Sleep(static_cast<DWORD>(std::rand() % (closing + closing / 4)));
        } else {
            const DWORD from = GetTickCount();
            while (TemporaryFiles(Names()) == 0 && !Last().Wait(0) && GetTickCount() - from < 4 * closing) {
            }
            Sleep(static_cast<DWORD>(std::rand() % 3));
        }
        const bool endedAlready = Last().Wait(0);
        Last().Kill();
        if (!endedAlready && TemporaryFiles(Names()) > 0) ++killedSaving;
        if (!test::Exists(Ini())) {
            ++missing;
            ADD_FAILURE() << "no settings file right after the kill";
            continue;
        }
        const std::string now = test::ReadFile(Ini());
        EXPECT_TRUE(now == old || now == fresh) << "a file of " << now.size() << " bytes";
        (now == old ? oldKept : newWritten) += 1;
    }
    std::printf("%d saves killed after a close request taking %lu ms: right after the kill the old file %d "
                "times, the new %d, none %d; temporary files left at the kill %d times; at most %d after a "
                "start\n",
                runs, static_cast<unsigned long>(closing), oldKept, newWritten, missing, killedSaving, mostTemporaries);
}

// The whole text of a message box of another program.
std::string TextosDaCaixa(HWND caixa) {
    std::string out;
    for (HWND c = GetWindow(caixa, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out += test::TextoDe(c) + "\n";
    return out;
}

// A settings file the bar cannot write, read-only or held by another program from before the start: the
// user hears it at start through the desktop notice (no box), a shortcut added then is kept in application
// data and the notice names the file it went to; the end, by WM_CLOSE or by a log-off, waits on nothing,
// and the next start tells it again, naming what was kept. The file itself is never touched.
TEST_F(SettingsFile, AFileThatCannotBeWrittenIsToldAtStartAndTheEndWaitsOnNothing) {
    OtherTrayIcon tray;
    ASSERT_TRUE(tray.added());
    test::NaoGravadas guardadas;
    const std::string doc = dir_ / "relatorio.txt";
    ASSERT_TRUE(test::WriteFile(doc, "x"));
    const std::string conteudo = std::string("[Config]\r\nEditarT\xEDtulo=0\r\n\r\n") + kTresAtalhos;

    for (const bool travado : {false, true}) {
        SCOPED_TRACE(travado ? "held by another program" : "read-only");
        guardadas.Limpar();
        ASSERT_TRUE(test::WriteFile(Ini(), conteudo, travado ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY));
        HANDLE trava = travado ? CreateFileW(Wide(Ini()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)
                               : INVALID_HANDLE_VALUE;
        ASSERT_EQ(travado, trava != INVALID_HANDLE_VALUE);

        // The notice comes, clicked it reads the whole text; what it says names the file and the folder.
        auto lerAviso = [&](test::RunningProcess& p) {
            std::string texto;
            HWND caixa = test::ClicarNoAviso(p);
            if (!caixa) return texto;
            texto = TextosDaCaixa(caixa);
            PostMessageW(caixa, WM_COMMAND, IDOK, 0);
            EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(caixa); }));
            return texto;
        };

        HWND w = Start();
        ASSERT_NE(w, nullptr);
        std::string texto = lerAviso(Last());
        EXPECT_NE(texto.find(Ini()), std::string::npos) << texto;
        EXPECT_NE(texto.find(travado ? "Não foi possível ler o arquivo de configuração"
                                     : "Não é possível gravar o arquivo de configuração"),
                  std::string::npos)
            << texto;
        EXPECT_NE(texto.find("será guardado na pasta " + guardadas.Pasta()), std::string::npos) << texto;

        // A shortcut added now: kept in application data, and the notice names the file.
        ASSERT_TRUE(test::Soltar(w, {doc}));
        if (travado) {
            // Its settings unread, the bar asks for the title as it does by default.
            HWND pergunta = Last().FindWindowOfClass(L"#32770", 10000);
            ASSERT_NE(pergunta, nullptr);
            ASSERT_TRUE(test::NaFrente(pergunta));
            test::PressKey(VK_RETURN);
            ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(pergunta); }));
        }
        texto = lerAviso(Last());
        const std::vector<std::string> nomes = guardadas.Nomes();
        ASSERT_EQ(nomes.size(), 1u) << texto;
        EXPECT_NE(texto.find("A configuração da barra foi guardada em " + guardadas.Pasta() + nomes[0]),
                  std::string::npos)
            << texto;
        EXPECT_NE(test::ReadFile(guardadas.Pasta() + nomes[0]).find("programa=" + doc), std::string::npos);

        // The end: at once, no window left, the file as it was, the latest settings kept apart.
        DWORD pedido = GetTickCount();
        PostMessageW(w, WM_CLOSE, 0, 0);
        DWORD code = 1;
        EXPECT_TRUE(Last().Wait(5000, &code)) << "the end waited";
        const DWORD aoFechar = test::Elapsed(pedido);
        EXPECT_EQ(code, 0u);
        EXPECT_EQ(guardadas.Nomes(), nomes);

        // The next start tells it again and names what was kept; a log-off ends it at once.
        HWND b = Start();
        ASSERT_NE(b, nullptr);
        texto = lerAviso(Last());
        EXPECT_NE(texto.find(guardadas.Pasta() + nomes[0]), std::string::npos) << texto;
        pedido = GetTickCount();
        DWORD_PTR resposta = 0;
        EXPECT_TRUE(SendMessageTimeoutW(b, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &resposta));
        EXPECT_EQ(resposta, TRUE);
        SendMessageTimeoutW(b, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &resposta);
        EXPECT_TRUE(Last().Wait(5000, &code)) << "the log-off waited";
        const DWORD aoSair = test::Elapsed(pedido);
        std::printf("  %s: WM_CLOSE to the end %lu ms, log-off to the end %lu ms\n",
                    travado ? "held" : "read-only", static_cast<unsigned long>(aoFechar),
                    static_cast<unsigned long>(aoSair));

        if (trava != INVALID_HANDLE_VALUE) CloseHandle(trava);
        EXPECT_EQ(test::ReadFile(Ini()), conteudo) << "the file untouched";
        SetFileAttributesW(Wide(Ini()).c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// Counts the temporary files of the settings file created in its folder while it lives: one for every
// time the file is written.
class WriteCounter {
public:
    explicit WriteCounter(const std::string& folder)
        : dir_(CreateFileW(Wide(folder).c_str(), FILE_LIST_DIRECTORY,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                           FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr)) {
        event_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        Arm();
    }
    ~WriteCounter() {
        CancelIo(dir_);
        CloseHandle(dir_);
        CloseHandle(event_);
    }
    WriteCounter(const WriteCounter&) = delete;
    WriteCounter& operator=(const WriteCounter&) = delete;
    bool ok() const { return dir_ != INVALID_HANDLE_VALUE && armed_; }

    // The writes seen so far (waits a moment for the last notifications).
    int Writes() {
        while (WaitForSingleObject(event_, 300) == WAIT_OBJECT_0) {
            DWORD got = 0;
            if (!GetOverlappedResult(dir_, &ov_, &got, FALSE)) break;
            for (std::size_t at = 0; got > 0;) {
                auto* info = reinterpret_cast<FILE_NOTIFY_INFORMATION*>(buffer_ + at);
                const std::wstring name(info->FileName, info->FileNameLength / sizeof(wchar_t));
                if (info->Action == FILE_ACTION_ADDED && name.rfind(L"PivelConfig.ini~", 0) == 0 &&
                    name.find(L"-antigo") == std::wstring::npos)
                    ++writes_;
                if (!info->NextEntryOffset) break;
                at += info->NextEntryOffset;
            }
            Arm();
        }
        return writes_;
    }

private:
    void Arm() {
        ResetEvent(event_);
        ov_ = OVERLAPPED{};
        ov_.hEvent = event_;
        armed_ = ReadDirectoryChangesW(dir_, buffer_, sizeof buffer_, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME,
                                       nullptr, &ov_, nullptr) != 0;
    }
    HANDLE dir_;
    HANDLE event_ = nullptr;
    OVERLAPPED ov_{};
    alignas(DWORD) char buffer_[64 * 1024];
    bool armed_ = false;
    int writes_ = 0;
};

// The end of the bar writes the file once, and not at all when it holds nothing new.
TEST_F(SettingsFile, TheEndOfTheBarWritesTheFileOnce) {
    OtherTrayIcon tray;
    for (const bool fresh : {false, true}) {
        SCOPED_TRACE(fresh ? "the file as the bar writes it" : "no file yet");
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(w) != 0; }, 10000));
        WriteCounter counter(dir_.path());
        ASSERT_TRUE(counter.ok());
        EXPECT_EQ(CloseAnsweringNotices(w, Last()), 0);
        EXPECT_EQ(counter.Writes(), fresh ? 0 : 1);
    }
}

// Two bars write the same file (programming mode runs several; two users may share a copy): the one
// that ends last keeps what the other wrote beside the file, under a dated name, and says so once.
TEST_F(SettingsFile, TwoBarsNeverSilentlyEraseWhatTheOtherWrote) {
    OtherTrayIcon tray;
    const std::string two =
        "[IconesMenu]\r\nRecordCount=2\r\n"
        "1=id=2\xA7titulo=Dois\xA7programa=C:\\dois.exe\xA7param=\xA7icone=-1\xA7tipo=1\xA7opcaomenu="
        "N\xE3o\xA7iconeid=0\xA7\r\n"
        "2=id=1\xA7titulo=Um\xA7programa=C:\\um.exe\xA7param=\xA7icone=-1\xA7tipo=1\xA7opcaomenu="
        "N\xE3o\xA7iconeid=0\xA7\r\n"
        "\r\n";  // as the bar writes it
    ASSERT_TRUE(test::WriteFile(Ini(), two));
    HWND a = Start("/p");
    ASSERT_NE(a, nullptr);
    test::RunningProcess& first = Last();
    HWND b = Start("/p");
    ASSERT_NE(b, nullptr);
    test::RunningProcess& second = Last();

    // The first bar empties its catalogue and ends: the file is written without a question.
    PostMessageW(a, WM_COMMAND, mnExcluirIcons, 0);
    for (int question = 0; question < 2; ++question) {
        HWND box = first.FindWindowOfClass(L"#32770", 10000);
        ASSERT_NE(box, nullptr) << "question " << question;
        PostMessageW(box, WM_COMMAND, IDYES, 0);
        ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(box); }));
    }
    EXPECT_EQ(CloseAnsweringNotices(a, first), 0);
    const std::string emptied = test::ReadFile(Ini());
    EXPECT_NE(emptied.find("RecordCount=0\r\n"), std::string::npos);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Pivel.exe", "PivelConfig.ini"}));

    // The second still holds both shortcuts: it keeps the first one's file beside, and ends without a
    // question; the notice waits in the file for the next start, which tells it once.
    EXPECT_EQ(CloseAnsweringNotices(b, second), 0);
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[1].rfind("PivelConfig (cópia ", 0), 0u) << names[1];
    EXPECT_EQ(test::ReadFile(dir_ / names[1]), emptied);
    const std::string kept = test::ReadFile(Ini());
    EXPECT_NE(kept.find(two), std::string::npos) << kept;
    EXPECT_NE(kept.find("[Avisos]\r\n1=O arquivo de configura\xE7\xE3o PivelConfig.ini foi alterado por outro"),
              std::string::npos)
        << kept;

    HWND c = Start();
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(AvisoAparece(Last())) << "the next start tells it";
    EXPECT_EQ(CloseAnsweringNotices(c, Last()), 0);
    EXPECT_EQ(test::ReadFile(Ini()), two) << "and only once";
}

// As two bars would, each adding a shortcut to the catalogue it read, through the bar's own storage on
// the same real file: both shortcuts can be recovered, one from the file, one from the copy beside it.
TEST_F(SettingsFile, TwoWritersEachAddingAShortcutKeepBoth) {
    const std::string start =
        "[IconesMenu]\r\nRecordCount=1\r\n"
        "1=id=1\xA7titulo=Um\xA7programa=C:\\um.exe\xA7param=\xA7icone=-1\xA7tipo=1\xA7opcaomenu="
        "N\xE3o\xA7iconeid=0\xA7\r\n"
        "\r\n";
    ASSERT_TRUE(test::WriteFile(Ini(), start));
    struct Bar {
        TMemIniFile ini;
        TClientDataset cds;
        explicit Bar(const std::string& path) : ini(path) {
            CriarCamposAtalho(cds);
            cds.OnNewRecord = [](TClientDataset& t) { t.FieldByName("OpcaoMenu").SetAsBoolean(false); };
            cds.CreateDataSet();
            readSaveIcons(cds, READ_INFO, ini);
        }
    };
    auto titles = [](const std::string& bytes) {
        std::vector<std::string> out;
        IniUpdateOnFree = false;  // read only
        {
            TMemIniFile ini("x.ini", bytes);
            TClientDataset cds;
            CriarCamposAtalho(cds);
            cds.CreateDataSet();
            readSaveIcons(cds, READ_INFO, ini);
            for (cds.First(); !cds.Eof(); cds.Next()) out.push_back(cds.FieldByName("Titulo").AsString());
        }
        IniUpdateOnFree = true;
        std::sort(out.begin(), out.end());
        return out;
    };
    {
        Bar one(Ini()), two(Ini());
        IncluirIcone(one.cds, "C:\\dois.exe", "", "Dois");
        IncluirIcone(two.cds, "C:\\tres.exe", "", "Três");
        readSaveIcons(one.cds, SAVE_INFO, one.ini);
        EXPECT_TRUE(one.ini.TakeNotices().empty());
        readSaveIcons(two.cds, SAVE_INFO, two.ini);
        EXPECT_EQ(two.ini.TakeNotices().size(), 1u);
    }
    const std::vector<std::string> names = Names();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(titles(test::ReadFile(Ini())), (std::vector<std::string>{"Três", "Um"}));
    EXPECT_EQ(titles(test::ReadFile(dir_ / names[1])), (std::vector<std::string>{"Dois", "Um"}));
}

}  // namespace
}  // namespace nq
