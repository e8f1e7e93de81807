// The bar as a user meets it: Pivel.exe started for real, measured and driven from outside.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "support/NqFun.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

Rect AsRect(const RECT& r) { return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Waits until the bar has the keyboard and keeps it: under X without a window manager the focus
// leaves a window that has just moved, and the bar takes it back a moment later.
bool HasKeyboard(HWND w) {
    return test::WaitSteady([&] { return GetForegroundWindow() == w; }, 300, 10000);
}

Rect WorkAreaSize() {
    RECT wa{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
    return Rect{0, 0, wa.right - wa.left, wa.bottom - wa.top};
}

using test::RunValue;

// A copy of Pivel.exe in its own folder, with its own settings file.
class Bar : public ::testing::Test {
protected:
    std::string Exe() const { return barra_.Exe(); }
    std::string Ini() const { return barra_.Ini(); }

    void SetUp() override { ASSERT_TRUE(barra_.Copiada()); }

    // Starts the bar and waits for its window (and, within the deadline, for it to show).
    HWND Start(const std::string& args = "", const std::vector<std::string>& env = {}) {
        HWND w = barra_.Lancar(args, env);
        if (w) test::WaitFor([&] { return IsWindowVisible(w) != 0; });
        return w;
    }

    // Ends the bar in order (the window closes and saves) and waits for the process to end with code 0.
    void Close(HWND w, std::size_t process = 0) { EXPECT_TRUE(barra_.Encerrar(w, process)); }

    test::BarraEmTeste barra_;
    const test::TempFolder& dir_ = barra_.Pasta();
};

TEST_F(Bar, RestsClosedAndOpensAndClosesOnClicksAndEsc) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    const Rect closed = ClosedBarRect(wa.width, wa.height);
    const Rect open = OpenBarRect(wa.width, wa.height);
    if (wa.width == 1920 && wa.height == 1080) {
        EXPECT_EQ(closed, (Rect{1918, 324, 201, 756}));
        EXPECT_EQ(open, (Rect{1722, 0, 201, 1080}));
    }
    EXPECT_EQ(AsRect(WindowRect(w)), closed);

    test::ClickAt(wa.width - 1, closed.top + closed.height / 2);  // on the strip
    // Steadily open: a click that comes while the bar is still taking the focus may be lost under load.
    EXPECT_TRUE(test::WaitSteady([&] { return AsRect(WindowRect(w)) == open; }, 300));

    test::ClickAt(open.left + 100, 20);  // on the title
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == closed; }));

    test::ClickAt(wa.width - 1, closed.top + 10);
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == open; }));
    ASSERT_TRUE(HasKeyboard(w));
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == closed; }));
    Close(w);
}

// A pixel of the screen as it shows now.
COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

TEST_F(Bar, TheOpenBarKeepsNoLineOfTheClosedOne) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    const Rect closed = ClosedBarRect(wa.width, wa.height);
    const Rect open = OpenBarRect(wa.width, wa.height);
    test::ClickAt(wa.width - 1, closed.top + 10);
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == open; }));
    // Along the row where the closed bar's bottom line was (far below the three buttons), the open bar
    // shows its plain background.
    const int oldBottom = closed.height - 1;
    const COLORREF background = RGB(37, 40, 26);
    int stray = -1;
    EXPECT_TRUE(test::WaitFor([&] {
        stray = -1;
        for (int x = open.left; x < wa.width && stray < 0; ++x)
            if (ScreenPixel(x, oldBottom) != background) stray = x;
        return stray < 0;
    })) << "a stray pixel at x "
        << stray << ": " << std::hex << ScreenPixel(stray, oldBottom);
    Close(w);
}

TEST_F(Bar, FirstStartAddsTheThreeFirstShortcutsAndSavesThemAtTheEnd) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    Close(w);
    const std::string ini = test::ReadFile(Ini());
    EXPECT_NE(ini.find("[IconesMenu]\r\nRecordCount=3\r\n"), std::string::npos) << ini;
    // Sorted as the bar shows them: the folder first, then by title.
    const std::size_t docs = ini.find("titulo=Documentos");
    const std::size_t bloco = ini.find("titulo=Bloco de notas");
    const std::size_t calc = ini.find("titulo=Calculadora");
    ASSERT_NE(docs, std::string::npos);
    ASSERT_NE(bloco, std::string::npos);
    ASSERT_NE(calc, std::string::npos);
    EXPECT_LT(docs, bloco);
    EXPECT_LT(bloco, calc);
    EXPECT_NE(ini.find("notepad.exe"), std::string::npos);
}

TEST_F(Bar, AutoHideClosesTheBarWhenAnotherWindowIsActivated) {
    ASSERT_TRUE(test::WriteFile(Ini(), "[Config]\r\nAutoOcultar=1\r\n"));
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    const Rect closed = ClosedBarRect(wa.width, wa.height);
    test::ClickAt(wa.width - 1, closed.top + 10);
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height); }));

    HWND other = CreateWindowExW(0, L"STATIC", L"outra janela", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300,
                                 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    test::ClickAt(250, 200);
    SetForegroundWindow(other);
    EXPECT_TRUE(test::WaitFor([&] {
        MSG m;
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        return AsRect(WindowRect(w)) == closed;
    }));
    DestroyWindow(other);
    Close(w);
}

using test::MoverPara;

// "Abrir ao apontar": the pointer resting on the screen's edge at the bar's side, above the closed strip,
// opens the bar without taking the keyboard from the program in front; moving away closes it; a drag
// reaching the edge does not open it. Off (the default), resting there does nothing.
TEST_F(Bar, PointingAtTheEdgeOpensTheBarOnlyWhenChosenAndMovingAwayClosesIt) {
    struct Caso {
        bool ligado;
        bool esquerda;
    };
    std::size_t processo = 0;
    for (const Caso caso : {Caso{false, false}, Caso{true, false}, Caso{true, true}}) {
        SCOPED_TRACE(std::string(caso.ligado ? "AbrirAoApontar=1" : "AbrirAoApontar=0") +
                     (caso.esquerda ? ", Lado=Esquerda" : ""));
        ASSERT_TRUE(test::WriteFile(Ini(), std::string("[Config]\r\nAbrirAoApontar=") + (caso.ligado ? "1" : "0") +
                                               (caso.esquerda ? "\r\nLado=Esquerda" : "") + "\r\n"));
        const Rect wa = WorkAreaSize();
        const Rect strip = ClosedBarRect(wa.width, wa.height);
        MoverPara(wa.width / 2, wa.height / 2);
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        HWND other = CreateWindowExW(0, L"STATIC", L"outra janela", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 700, 100,
                                     300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(other, nullptr);
        const auto bombear = [] {
            MSG m;
            while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
        };
        test::ClickAt(850, 200);
        SetForegroundWindow(other);
        ASSERT_TRUE(test::WaitSteady([&] { bombear(); return GetForegroundWindow() == other; }, 300));
        // Open or closed by what shows of the window on the screen: the whole bar, or a strip a few
        // pixels wide.
        const auto mostra = [&] {
            const RECT r = WindowRect(w);
            return std::min<LONG>(r.right, wa.width) - std::max<LONG>(r.left, 0);
        };
        const auto aberta = [&] {
            bombear();
            return mostra() > 150;
        };
        const auto fechada = [&] {
            bombear();
            return mostra() < 10;
        };
        ASSERT_TRUE(fechada());
        const int borda = caso.esquerda ? 0 : wa.width - 1;
        const int longe = caso.esquerda ? 400 : wa.width - 400;  // beyond the open bar

        // At the edge, above the strip (which covers the lower 70 % of the height).
        ASSERT_GT(strip.top, 40);
        MoverPara(borda, strip.top / 2);
        if (!caso.ligado) {
            // Resting well past the time that opens the bar when chosen: nothing opens.
            EXPECT_TRUE(test::WaitSteady(fechada, 1500, 3000));
            DestroyWindow(other);
            Close(w, processo++);
            continue;
        }
        EXPECT_TRUE(test::WaitFor(aberta));
        EXPECT_TRUE(test::WaitSteady([&] { bombear(); return GetForegroundWindow() == other; }, 300))
            << "the program in front keeps the keyboard";
        // Over the bar it stays open; away from it and the edge it closes.
        MoverPara(caso.esquerda ? 100 : wa.width - 100, wa.height / 2);
        EXPECT_TRUE(test::WaitSteady(aberta, 800));
        MoverPara(longe, wa.height / 2);
        EXPECT_TRUE(test::WaitFor(fechada));

        if (!caso.esquerda) {
            // A drag that begins in the other window and reaches the edge: nothing opens while the button
            // is held; once let go on the edge, the pointer resting there opens the bar.
            MoverPara(850, 200);
            MoverPara(850, 200, MOUSEEVENTF_LEFTDOWN);
            MoverPara(borda, 20);
            EXPECT_TRUE(test::WaitSteady(fechada, 1000, 3000));
            MoverPara(borda, 20, MOUSEEVENTF_LEFTUP);
            EXPECT_TRUE(test::WaitFor(aberta));
            MoverPara(longe, wa.height / 2);
            EXPECT_TRUE(test::WaitFor(fechada));
        }
        DestroyWindow(other);
        Close(w, processo++);
    }
}

TEST_F(Bar, ASecondStartOpensTheRunningBarAndEnds) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    test::RunningProcess second(Exe(), "");
    DWORD code = 99;
    ASSERT_TRUE(second.Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(second.FindWindowOfClass(kMainClassName, 0), nullptr);
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height); }));
    Close(w);
}

TEST_F(Bar, ProgrammingModeRunsSeveralBarsOpen) {
    HWND first = Start("/p");
    HWND second = Start("/p");
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first, second);
    const Rect wa = WorkAreaSize();
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(first)) == OpenBarRect(wa.width, wa.height); }));
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(second)) == OpenBarRect(wa.width, wa.height); }));
    Close(second, 1);
    Close(first, 0);
}

TEST_F(Bar, RegistersForLogOnAndDesinstalarRemovesIt) {
    const std::string folder = dir_ / "Nq Pivel";
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const std::string exe = folder + "\\Pivel.exe";
    ASSERT_TRUE(CopyFileW(Wide(Exe()).c_str(), Wide(exe).c_str(), FALSE));

    test::RunningProcess bar(exe, "");
    HWND w = bar.FindWindowOfClass(kMainClassName);
    ASSERT_NE(w, nullptr);
    const std::wstring expected = L"\"" + Wide(exe) + L"\"";
    EXPECT_TRUE(test::WaitFor([&] { return RunValue::Read().value_or(L"") == expected; }))
        << Narrow(RunValue::Read().value_or(L""));

    // "Desinstalar" asks first, "Não" focused: Enter answers "Não" and nothing changes; "Sim" removes the
    // value and ends the bar.
    const auto pergunta = [&] {
        PostMessageW(w, WM_COMMAND, mnDesativarInic, 0);
        HWND caixa = bar.FindWindowOfClass(L"#32770", 10000);
        if (caixa) test::WaitFor([&] { return IsWindowVisible(caixa) != 0; });
        return caixa;
    };
    HWND caixa = pergunta();
    ASSERT_NE(caixa, nullptr);
    wchar_t texto[256] = L"";
    test::WaitFor([&] { return GetDlgItemTextW(caixa, 0xFFFF, texto, 256) > 0; });
    EXPECT_EQ(Narrow(texto), "Remover o Pivel da inicializa\xC3\xA7\xC3\xA3o do Windows e finalizar?");
    const char* dpi = std::getenv("PIVEL_DPI");
    test::SalvarTela(caixa, std::string("desinstalar-pergunta-") + (dpi && *dpi ? dpi : "96"));
    ASSERT_TRUE(test::NaFrente(caixa));
    EXPECT_TRUE(test::WaitFor([&] { return GetDlgCtrlID(test::FocoDe(caixa)) == IDNO; }));
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(caixa); }));
    DWORD_PTR nada = 0;  // the command is over once the window answers again
    EXPECT_TRUE(SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &nada));
    EXPECT_FALSE(bar.Wait(0)) << "the bar goes on";
    EXPECT_EQ(RunValue::Read().value_or(L""), expected);

    caixa = pergunta();
    ASSERT_NE(caixa, nullptr);
    RECT sim{};
    GetWindowRect(GetDlgItem(caixa, IDYES), &sim);
    test::ClickAt((sim.left + sim.right) / 2, (sim.top + sim.bottom) / 2);
    DWORD code = 1;
    ASSERT_TRUE(bar.Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(RunValue::Read().has_value());
}

TEST_F(Bar, CtrlArrowsChangeTheOpacityAndShiftEscEndsWithSaving) {
    ASSERT_TRUE(test::WriteFile(Ini(), "[Config]\r\nN\xEDvelTranspar\xEAncia=253\r\n"));
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    auto alpha = [&] {
        BYTE a = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(w, nullptr, &a, &flags);
        return static_cast<int>(a);
    };
    EXPECT_TRUE(test::WaitFor([&] { return alpha() == 253; }));
    const Rect wa = WorkAreaSize();
    test::ClickAt(wa.width - 1, wa.height - 10);  // the click that opens the bar gives it the keyboard
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height); }));
    ASSERT_TRUE(HasKeyboard(w));
    test::PressKey(VK_UP, false, true);
    EXPECT_TRUE(test::WaitFor([&] { return alpha() == 255; }));
    test::PressKey(VK_ESCAPE, true);  // "Finalizar"
    DWORD code = 1;
    ASSERT_TRUE(barra_.Processo(0).Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    const std::string ini = test::ReadFile(Ini());
    EXPECT_NE(ini.find("N\xEDvelTranspar\xEAncia=255\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RecordCount=3"), std::string::npos);
}

TEST_F(Bar, AStoredOpacityOutOfRangeStillGivesAVisibleBar) {
    const std::pair<const char*, int> cases[] = {{"256", 255}, {"-5", 100}};
    std::size_t process = 0;
    for (const auto& [stored, expected] : cases) {
        ASSERT_TRUE(
            test::WriteFile(Ini(), std::string("[Config]\r\nN\xEDvelTranspar\xEAncia=") + stored + "\r\n"));
        HWND w = Start();
        ASSERT_NE(w, nullptr);
        BYTE alpha = 0;
        DWORD flags = 0;
        EXPECT_TRUE(test::WaitFor([&] {
            return GetLayeredWindowAttributes(w, nullptr, &alpha, &flags) && alpha == expected;
        })) << stored
            << " gave " << int(alpha);
        Close(w, process++);
    }
}

TEST_F(Bar, ASettingsFileThatCouldNotBeReadIsNeverOverwritten) {
    const std::string stored =
        "[IconesMenu]\r\nRecordCount=1\r\n1=id=1\xA7titulo=Minha pasta\xA7programa=C:\\windows\\\xA7param=\xA7"
        "icone=-1\xA7tipo=0\xA7opcaomenu=N\xE3o\xA7iconeid=0\xA7\r\n\r\n";
    ASSERT_TRUE(test::WriteFile(Ini(), stored));
    test::NaoGravadas guardadas;
    // Another program holds the file while the bar starts.
    HANDLE lock = CreateFileW(Wide(Ini()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    CloseHandle(lock);

    // The end asks nothing: what the bar held is kept in application data, the file as it was.
    PostMessageW(w, WM_CLOSE, 0, 0);
    DWORD code = 1;
    ASSERT_TRUE(barra_.Processo(0).Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(test::ReadFile(Ini()), stored);
    EXPECT_EQ(guardadas.Nomes().size(), 1u);
}

TEST_F(Bar, ExcluirTodosAsksTwiceAndTheNextStartGetsTheFirstShortcutsAgain) {
    HWND w = Start("/p");  // the command is offered in programming mode only
    ASSERT_NE(w, nullptr);
    PostMessageW(w, WM_COMMAND, mnExcluirIcons, 0);
    for (int question = 0; question < 2; ++question) {
        HWND box = barra_.Processo(0).FindWindowOfClass(L"#32770", 10000);
        ASSERT_NE(box, nullptr) << "question " << question;
        PostMessageW(box, WM_COMMAND, IDYES, 0);
        ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(box); }));
    }
    Close(w);
    EXPECT_NE(test::ReadFile(Ini()).find("RecordCount=0\r\n"), std::string::npos);

    HWND again = Start();
    ASSERT_NE(again, nullptr);
    Close(again, 1);
    EXPECT_NE(test::ReadFile(Ini()).find("RecordCount=3\r\n"), std::string::npos);
}

TEST_F(Bar, CtrlClickOnTheMenuButtonEndsWithSaving) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    test::ClickAt(wa.width - 1, wa.height - 10);
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height); }));
    ASSERT_TRUE(HasKeyboard(w));
    test::ClickAt(OpenBarRect(wa.width, wa.height).left + 162 + 16, 7 + 14, VK_CONTROL);  // bConfig
    DWORD code = 1;
    ASSERT_TRUE(barra_.Processo(0).Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(test::ReadFile(Ini()).find("RecordCount=3"), std::string::npos);
}

TEST_F(Bar, ALogOffSavesAndEndsOnlyWhenTheSessionReallyEnds) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(SendMessageW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_NE(test::ReadFile(Ini()).find("RecordCount=3"), std::string::npos);  // saved at the question

    // Another program cancelled the log-off: the bar stays. A posted request that comes back proves that
    // nothing posted before it ended the bar.
    SendMessageW(w, WM_ENDSESSION, FALSE, ENDSESSION_LOGOFF);
    PostMessageW(w, WM_AppRestore, 0, 0);
    const Rect wa = WorkAreaSize();
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height); }));
    EXPECT_TRUE(IsWindow(w));
    EXPECT_FALSE(barra_.Processo(0).Wait(0));

    DeleteFileW(Wide(Ini()).c_str());
    SendMessageW(w, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    DWORD code = 1;
    ASSERT_TRUE(barra_.Processo(0).Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(test::ReadFile(Ini()).find("RecordCount=3"), std::string::npos);
}

// How the recorder program was started: command line, current folder, show command.
TStringArray ReadRecord(const std::string& record) {
    const std::string raw = test::ReadFile(record);
    const std::string text = Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / 2));
    return AParse(text, "\n");
}

TEST_F(Bar, AButtonLaunchesItsProgramWithParametersFromItsFolder) {
    const std::string tools = dir_ / "Ferramentas";
    ASSERT_TRUE(CreateDirectoryW(Wide(tools).c_str(), nullptr));
    const std::string recorder = tools + "\\recorder.exe";
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(recorder).c_str(), FALSE));
    // A second copy beside the bar, started by its bare name: it runs in the bar's current folder.
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(dir_ / "recorder.exe").c_str(),
                          FALSE));
    ASSERT_TRUE(test::WriteFile(Ini(), "[IconesMenu]\r\nRecordCount=2\r\n1=titulo=A Gravador\xA7programa=" + recorder +
                                           "\xA7param=-r\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n"
                                           "2=titulo=B Gravador\xA7programa=recorder.exe\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n"));
    const std::string record = dir_ / "record.txt";
    HWND w = Start("", {"PIVEL_RECORD_FILE=" + record});
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    const Rect open = OpenBarRect(wa.width, wa.height);
    const Rect closed = ClosedBarRect(wa.width, wa.height);

    test::ClickAt(wa.width - 1, wa.height - 10);
    // Steadily open: a click that comes while the bar is still taking the focus may be lost under load.
    ASSERT_TRUE(test::WaitSteady([&] { return AsRect(WindowRect(w)) == open; }, 300));
    test::ClickAt(open.left + kButtonLeft + 16, kTitlePanelHeight + iTamInicial + 16);  // the first button's icon
    ASSERT_TRUE(test::WaitFor([&] { return ReadRecord(record).size() == 3; }, 15000))
        << "the bar is " << (AsRect(WindowRect(w)) == open ? "still open" : "closed");
    TStringArray lines = ReadRecord(record);
    EXPECT_EQ(Right(lines[0], 3), " -r") << lines[0];
    EXPECT_TRUE(SameText(lines[1], tools) || SameText(lines[1], tools + "\\")) << lines[1];
    EXPECT_EQ(lines[2], "1");
    // With auto-hide off the launch closes the bar.
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == closed; }));

    // The bar went back to its own folder: the bare name starts there.
    DeleteFileW(Wide(record).c_str());
    test::ClickAt(wa.width - 1, wa.height - 10);
    ASSERT_TRUE(test::WaitSteady([&] { return AsRect(WindowRect(w)) == open; }, 300));
    test::ClickAt(open.left + kButtonLeft + 16, kTitlePanelHeight + iTamInicial + iSalto + 16);
    ASSERT_TRUE(test::WaitFor([&] { return ReadRecord(record).size() == 3; }, 15000))
        << "the bar is " << (AsRect(WindowRect(w)) == open ? "still open" : "closed");
    lines = ReadRecord(record);
    std::string own = dir_.path();
    own.pop_back();
    EXPECT_TRUE(SameText(lines[1], own) || SameText(lines[1], dir_.path())) << lines[1];
    Close(w);
}

TEST_F(Bar, AnOutrosAtalhosEntryLaunchesWithItsWholeParameters) {
    const std::string recorder = dir_ / "recorder.exe";
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(recorder).c_str(), FALSE));
    ASSERT_TRUE(
        test::WriteFile(Ini(), "[IconesMenu]\r\nRecordCount=1\r\n1=titulo=Lista\xA7programa=" + recorder +
                                   "\xA7param=/c dir | more\xA7tipo=1\xA7opcaomenu=Sim\xA7\r\n"));
    const std::string record = dir_ / "record.txt";
    HWND w = Start("", {"PIVEL_RECORD_FILE=" + record});
    ASSERT_NE(w, nullptr);
    PostMessageW(w, WM_COMMAND, mnAtalhoPrimeiro, 0);  // the first entry of "Outros atalhos"
    ASSERT_TRUE(test::WaitFor([&] { return ReadRecord(record).size() == 3; }, 15000));
    EXPECT_EQ(Right(ReadRecord(record)[0], 14), " /c dir | more") << ReadRecord(record)[0];
    Close(w);
}

// A catalogue line of a bar shortcut.
std::string Atalho(int n, const std::string& titulo, const std::string& programa) {
    return std::to_string(n) + "=titulo=" + titulo + "\xA7programa=" + programa +
           "\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n";
}

TEST_F(Bar, AShareThatDoesNotAnswerHoldsUpNothing) {
    const std::string recorder = dir_ / "recorder.exe";
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(recorder).c_str(), FALSE));
    ASSERT_TRUE(test::WriteFile(Ini(), "[IconesMenu]\r\nRecordCount=2\r\n" +
                                           Atalho(1, "A Compartilhamento", "\\\\10.255.255.1\\x\\y.exe") +
                                           Atalho(2, "B Gravador", recorder)));
    const std::string record = dir_ / "record.txt";
    // Every look at the share takes a minute, as it would for a server that does not answer; the
    // deadlines below are far shorter.
    const DWORD start = GetTickCount();
    HWND w = Start("", {"PIVEL_RECORD_FILE=" + record, "PIVEL_ALVO_LENTO=60000:\\\\10.255.255.1\\"});
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    const Rect open = OpenBarRect(wa.width, wa.height);
    test::ClickAt(wa.width - 1, wa.height - 10);
    ASSERT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == open; }));

    // The share's button shows the neutral frame in place of its icon, painted at once.
    const int top = kTitlePanelHeight + iTamInicial;
    const COLORREF frame = RGB((37 * 3 + 255) / 4, (40 * 3 + 255) / 4, (26 * 3 + 255) / 4);
    EXPECT_TRUE(test::WaitFor([&] { return ScreenPixel(open.left + kButtonLeft + 3, top + 16) == frame; }))
        << std::hex << ScreenPixel(open.left + kButtonLeft + 3, top + 16);

    // The other button launches, and the bar closes after it as usual.
    test::ClickAt(open.left + kButtonLeft + 16, top + iSalto + 16);
    EXPECT_TRUE(test::WaitFor([&] { return ReadRecord(record).size() == 3; }, 15000));
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == ClosedBarRect(wa.width, wa.height); }));

    // A second start still reaches the running bar, which opens.
    test::RunningProcess second(Exe(), "");
    DWORD code = 99;
    ASSERT_TRUE(second.Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == open; }));
    EXPECT_LT(test::Elapsed(start), 60000u);  // all of it before the share could have answered once
    Close(w);
}

// The GDI objects and icons that the bar's owners hold, as the bar itself counts them.
long ObjetosGdi(HWND w) {
    DWORD_PTR n = 0;
    if (!SendMessageTimeoutW(w, RegisterWindowMessageW(kMsgObjetosGdi), 0, 0, SMTO_ABORTIFHUNG, 5000, &n))
        return -1;
    return static_cast<long>(n);
}

TEST_F(Bar, RebuildsLeaveTheLiveGdiObjectsFlat) {
    HWND w = Start();
    ASSERT_NE(w, nullptr);
    auto rebuild = [&](int dpi) { SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), 0); };
    // Once at each density, each time until every button has its answer, so that the icons of both sizes
    // are kept (a rebuild drops what the worker had still to do for the one before); then the count
    // must settle.
    const UINT atalhos = RegisterWindowMessageW(kMsgAtalhos);
    for (int dpi : {144, 96}) {
        rebuild(dpi);
        ASSERT_TRUE(test::WaitFor([&] { return SendMessageW(w, atalhos, 3, 0) == 0; }, 20000));
    }
    long before = -1;
    ASSERT_TRUE(test::WaitSteady(
        [&] {
            const long n = ObjetosGdi(w);
            const bool same = n == before;
            before = n;
            return same;
        },
        1000, 20000));
    EXPECT_GT(before, 0);

    for (int i = 0; i < 50; ++i) {
        rebuild(144);
        rebuild(96);
    }
    long after = -1;
    EXPECT_TRUE(test::WaitFor([&] { return (after = ObjetosGdi(w)) == before; }, 20000))
        << before << " before, " << after << " after 100 rebuilds";
    Close(w);
}

TEST_F(Bar, DensityScalesTheBar) {
    HWND w = Start("/p", {"PIVEL_DPI=144"});  // programming mode: opens at once
    ASSERT_NE(w, nullptr);
    const Rect wa = WorkAreaSize();
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == OpenBarRect(wa.width, wa.height, 144); }));
    test::ClickAt(OpenBarRect(wa.width, wa.height, 144).left + 150, 20);  // the title closes it
    EXPECT_TRUE(test::WaitFor([&] { return AsRect(WindowRect(w)) == ClosedBarRect(wa.width, wa.height, 144); }));
    Close(w);
}

}  // namespace
}  // namespace nq
