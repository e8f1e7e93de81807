// "Configurações" as a user meets it on a running Pivel.exe: opened from the bar, driven with real keys
// where the window is in front and through its controls' messages elsewhere, its grid read as a screen
// reader reads it from another process.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "dialogs/LeitorGrade.h"
#include "support/Cp1252.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

using Nomes = std::vector<std::string>;

using test::MenuWindows;

// A visible dialog window of a process with a caption (any caption when empty), not among those given.
HWND DialogoDoProcesso(DWORD pid, const std::string& titulo, HWND exceto = nullptr, DWORD ms = 15000) {
    HWND achado = nullptr;
    test::WaitFor(
        [&] {
            struct Q {
                DWORD pid;
                std::wstring titulo;
                HWND exceto;
                HWND achado;
            } q{pid, Wide(titulo), exceto, nullptr};
            EnumWindows(
                [](HWND w, LPARAM p) -> BOOL {
                    auto* q = reinterpret_cast<Q*>(p);
                    DWORD dono = 0;
                    GetWindowThreadProcessId(w, &dono);
                    wchar_t cls[32], texto[256];
                    if (dono == q->pid && w != q->exceto && IsWindowVisible(w) && GetClassNameW(w, cls, 32) &&
                        lstrcmpW(cls, L"#32770") == 0 && GetWindowTextW(w, texto, 256) >= 0 &&
                        (q->titulo.empty() || q->titulo == texto)) {
                        q->achado = w;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&q));
            achado = q.achado;
            return achado != nullptr;
        },
        ms);
    return achado;
}

HWND Filho(HWND janela, const std::string& texto) {
    struct Q {
        std::wstring texto;
        HWND achado;
    } q{Wide(texto), nullptr};
    EnumChildWindows(
        janela,
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Q*>(p);
            wchar_t t[256];
            GetWindowTextW(w, t, 256);
            if (q->texto == t) {
                q->achado = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.achado;
}

// The control of a window class, the first one or a later one in the order of creation.
HWND FilhoDaClasse(HWND janela, const wchar_t* classe, int ordem = 0) {
    struct Q {
        const wchar_t* classe;
        int ordem;
        int n;
        HWND achado;
    } q{classe, ordem, 0, nullptr};
    EnumChildWindows(
        janela,
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Q*>(p);
            wchar_t cls[64];
            GetClassNameW(w, cls, 64);
            if (lstrcmpiW(cls, q->classe) == 0 && q->n++ == q->ordem) {
                q->achado = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.achado;
}

// A control's text, asked of the control itself (another process's edit box keeps its own).
std::string TextoDoControle(HWND w) {
    wchar_t buf[512] = L"";
    SendMessageW(w, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buf));
    return Narrow(buf);
}

// With PIVEL_SHOTS naming a folder, saves the bar's picture there as <name>.bmp, taken from its own
// window (a translucent window is not read back from the screen here).
void SalvarBarra(HWND w, const std::string& nome) {
    const char* pasta = std::getenv("PIVEL_SHOTS");
    if (!pasta || !*pasta) return;
    RECT r{};
    GetClientRect(w, &r);
    HDC janela = GetDC(w);
    HDC dc = CreateCompatibleDC(janela);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), r.right, -r.bottom, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ antes = SelectObject(dc, bmp);
    BitBlt(dc, 0, 0, r.right, r.bottom, janela, 0, 0, SRCCOPY);
    GdiFlush();
    const int linha = (r.right * 3 + 3) & ~3;
    BITMAPFILEHEADER fh{0x4D42, static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader + linha * r.bottom), 0, 0,
                        static_cast<DWORD>(sizeof fh + sizeof bi.bmiHeader)};
    if (FILE* f = _wfopen(Wide(std::string(pasta) + "\\" + nome + ".bmp").c_str(), L"wb")) {
        std::fwrite(&fh, sizeof fh, 1, f);
        std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f);
        std::fwrite(bits, static_cast<std::size_t>(linha) * static_cast<std::size_t>(r.bottom), 1, f);
        std::fclose(f);
    }
    SelectObject(dc, antes);
    DeleteObject(bmp);
    DeleteDC(dc);
    ReleaseDC(w, janela);
}

Rect AsRect(const RECT& r) {
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// A copy of Pivel.exe in its own folder, with five shortcuts and no look settings yet.
class ConfigBarra : public ::testing::Test {
protected:
    std::string Exe() const { return barra_.Exe(); }
    std::string Ini() const { return barra_.Ini(); }

    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        ASSERT_TRUE(barra_.Copiada());
        const char* registros[] = {
            "titulo=Documentos\xA7programa=C:\\users\\Public\\Documents\\\xA7tipo=0\xA7opcaomenu=N\xE3o\xA7",
            "titulo=Bloco de "
            "notas\xA7programa=C:\\windows\\system32\\notepad.exe\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7",
            "titulo=Calculadora\xA7programa=C:\\windows\\system32\\calc.exe\xA7tipo=1\xA7opcaomenu="
            "N\xE3o\xA7",
            "titulo=Fotos\xA7programa=C:\\users\\Public\\Pictures\\\xA7tipo=0\xA7opcaomenu=N\xE3o\xA7",
            "titulo=Relat\xF3rio\xA7programa=https://www.exemplo.com.br/\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7"};
        std::string ini = "[IconesMenu]\r\nRecordCount=5\r\n";
        for (int i = 0; i < 5; ++i) ini += std::to_string(i + 1) + "=" + registros[i] + "\r\n";
        ASSERT_TRUE(test::WriteFile(Ini(), ini + "\r\n"));
    }
    void TearDown() override { CoUninitialize(); }

    // Starts the bar, opens it with a click on its strip and waits until it has the keyboard.
    HWND Start(const std::string& args = "", int dpi = 96) {
        HWND w = dpi == 96 ? barra_.Iniciar(args) : barra_.Iniciar(args, {"PIVEL_DPI=" + std::to_string(dpi)});
        if (!w) {
            ADD_FAILURE() << "no bar window";
            return nullptr;
        }
        RECT wa{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        open_ = OpenBarRect(wa.right - wa.left, wa.bottom - wa.top, dpi);
        RECT r{};
        // Programming mode opens the bar by itself; otherwise a click on its strip does.
        if (args.find("/p") == std::string::npos) test::ClickAt(wa.right - 1, wa.bottom - 10);
        if (!test::WaitFor([&] {
                GetWindowRect(w, &r);
                return AsRect(r) == open_;
            })) {
            ADD_FAILURE() << "the bar did not open";
            return nullptr;
        }
        // Under X without a window manager the focus leaves a window that has just moved, and the bar
        // takes it back a moment later; programming mode opens the bar without the click that gives it the
        // keyboard. Either way it must hold the keyboard for a while before keys are sent.
        const auto inFront = [&] { return GetForegroundWindow() == w; };
        for (int tentativa = 0; tentativa < 3; ++tentativa) {
            if (test::WaitSteady(inFront, 300, 2000)) return w;
            test::NaFrente(w);
        }
        ADD_FAILURE() << "the bar does not keep the keyboard";
        return nullptr;
    }

    // F5 on the bar, and the window it opens.
    HWND AbrirConfig() {
        test::PressKey(VK_F5);
        HWND d = DialogoDoProcesso(barra_.Ultimo().pid(), "Configurações");
        if (d) test::WaitFor([&] { return GetForegroundWindow() == d; });
        return d;
    }

    // Opens the bar's popup menu with a right click, points at "Incluir atalho" (below "Outros atalhos"
    // and a separator) and tells whether it shows Windows 7's pale band; the menu is closed after.
    bool RealceDoWin7(const std::string& foto) {
        test::RightClickAt(open_.left + 60, open_.top + 300);
        HWND menu = nullptr;
        if (!test::WaitFor([&] {
                const auto w = test::MenuWindows(barra_.Ultimo().pid());
                menu = w.empty() ? nullptr : w[0];
                return menu != nullptr;
            }))
            return false;
        RECT m{};
        GetWindowRect(menu, &m);
        const int total = 6 * 22 + 3 * 6, borda = (m.bottom - m.top - total) / 2;
        const int y = m.top + borda + 28 + 11;
        // The pointer moves a pixel each time it looks: a move before the menu's loop began is lost.
        int passo = 0;
        const bool realce = test::WaitFor([&] {
            SetCursorPos(m.left + 40 + (passo++ % 2), y);
            HDC tela = GetDC(nullptr);
            const COLORREF c = GetPixel(tela, m.right - borda - 8, y);
            ReleaseDC(nullptr, tela);
            return c == RGB(236, 239, 255);
        });
        test::SalvarTela(menu, foto);
        test::PressKey(VK_ESCAPE);
        test::WaitFor([&] { return test::MenuWindows(barra_.Ultimo().pid()).empty(); });
        return realce;
    }

    void Close(HWND bar) {
        PostMessageW(bar, WM_CLOSE, 0, 0);
        DWORD code = 1;
        EXPECT_TRUE(barra_.Ultimo().Wait(15000, &code));
        EXPECT_EQ(code, 0u);
    }

    test::BarraEmTeste barra_;
    Rect open_;
};

TEST_F(ConfigBarra, F5OpensItAtItsSizeItsListSearchesAndFiltersAndEscLeavesTheFileAsItWas) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    const std::string antes = test::ReadFile(Ini());
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(test::ClienteDe(d), (Rect{0, 0, 538, 495}));
    HWND salvar = Filho(d, "Salvar | F5");
    ASSERT_NE(salvar, nullptr);
    EXPECT_EQ(test::RetanguloNoPai(salvar), (Rect{329, 460, 97, 25}));

    HWND grade = FilhoDaClasse(d, L"TDBGrid");
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(test::NomesDasLinhas(grade),
              (Nomes{"Titulo: Documentos, M: Não", "Titulo: Fotos, M: Não", "Titulo: Bloco de notas, M: Não",
                     "Titulo: Calculadora, M: Não", "Titulo: Relatório, M: Não"}));

    // Typed in the search box, with the window in front.
    HWND busca = FilhoDaClasse(d, L"Edit", 0);
    ASSERT_NE(busca, nullptr);
    SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(busca), TRUE);
    ASSERT_TRUE(test::NaFrente(d));
    for (char c : std::string("BLOCO NOTAS")) test::PressKey(c == ' ' ? VK_SPACE : static_cast<WORD>(c));
    EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(busca) == "bloco notas"; }))
        << TextoDoControle(busca);
    EXPECT_TRUE(test::WaitFor(
        [&] { return test::NomesDasLinhas(grade) == Nomes{"Titulo: Bloco de notas, M: Não"}; }));

    // "Pastas" after the search: only the folders, and "Pastas" stays marked.
    HWND pastas = Filho(d, "Pastas");
    ASSERT_NE(pastas, nullptr);
    SendMessageW(pastas, BM_CLICK, 0, 0);
    EXPECT_EQ(test::NomesDasLinhas(grade), (Nomes{"Titulo: Documentos, M: Não", "Titulo: Fotos, M: Não"}));
    EXPECT_EQ(SendMessageW(pastas, BM_GETCHECK, 0, 0), BST_CHECKED);
    test::SalvarTela(d, "Config-pastas");

    // Delete in the grid asks, with "Não" focused; "Não" keeps the shortcut.
    SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(grade), TRUE);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_DELETE);
    HWND pergunta = DialogoDoProcesso(barra_.Ultimo().pid(), "", d);
    ASSERT_NE(pergunta, nullptr);
    HWND nao = Filho(pergunta, "&Não");
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(pergunta) == nao && nao; }));
    EXPECT_NE(Filho(pergunta, "&Sim"), nullptr);
    test::SalvarTela(pergunta, "Config-excluir-pergunta");
    SendMessageW(nao, BM_CLICK, 0, 0);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(pergunta); }));
    EXPECT_EQ(test::NomesDasLinhas(grade).size(), 2u);

    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_EQ(test::ReadFile(Ini()), antes);
    Close(bar);
}

TEST_F(ConfigBarra, SpaceMovesAShortcutToTheMenuAndAfterSavingItIsUnderOutrosAtalhos) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    HWND grade = FilhoDaClasse(d, L"TDBGrid");
    ASSERT_NE(grade, nullptr);
    SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(grade), TRUE);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_DOWN);
    test::PressKey(VK_DOWN);  // "Bloco de notas"
    test::PressKey(VK_SPACE);
    EXPECT_TRUE(
        test::WaitFor([&] { return test::NomeDaLinha(grade, 2) == "Titulo: Bloco de notas, M: Sim"; }));
    test::SalvarTela(d, "Config-menu-azul");
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    // Saved with the catalogue at once.
    EXPECT_TRUE(test::WaitFor([&] {
        return test::ReadFile(Ini()).find(
                   "titulo=Bloco de notas\xA7programa=C:\\windows\\system32\\notepad.exe\xA7"
                   "param=\xA7icone=-1\xA7tipo=1\xA7opcaomenu=Sim") != std::string::npos;
    })) << test::ReadFile(Ini());

    // The bar's menu lists it under "Outros atalhos", as its only entry.
    ASSERT_TRUE(test::NaFrente(bar));
    PostMessageW(bar, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(open_.left + 20, 400));
    ASSERT_TRUE(test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == 1; }));
    test::PressKey(VK_DOWN);
    test::PressKey(VK_RIGHT);
    ASSERT_TRUE(test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == 2; }));
    const UINT itemMenu = RegisterWindowMessageW(kMsgItemMenu);
    EXPECT_NE(SendMessageW(bar, itemMenu, 0, 1), -1);
    EXPECT_EQ(SendMessageW(bar, itemMenu, 1, 1), -1);
    test::PressKey(VK_ESCAPE);
    test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == 1; });
    test::PressKey(VK_ESCAPE);
    test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).empty(); });
    Close(bar);
}

TEST_F(ConfigBarra, InsInTheListOpensTheBarsEditDialogAndTheNewShortcutReachesTheBar) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    const UINT atalhos = RegisterWindowMessageW(kMsgAtalhos);
    ASSERT_EQ(SendMessageW(bar, atalhos, 0, 0), 5);
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    HWND grade = FilhoDaClasse(d, L"TDBGrid");
    ASSERT_NE(grade, nullptr);
    SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(grade), TRUE);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_INSERT);
    HWND edicao = DialogoDoProcesso(barra_.Ultimo().pid(), "Inclusão");
    ASSERT_NE(edicao, nullptr);
    ASSERT_TRUE(test::NaFrente(edicao));
    test::Digitar(L"C:\\windows\\regedit.exe");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);  // the title box proposes the program's name
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(edicao); }, 10000));
    // Back in the list, posted; the bar waits for the window before it rebuilds.
    EXPECT_TRUE(test::WaitFor([&] {
        const auto nomes = test::NomesDasLinhas(grade);
        return std::find(nomes.begin(), nomes.end(), "Titulo: Regedit, M: Não") != nomes.end();
    })) << ::testing::PrintToString(test::NomesDasLinhas(grade));
    EXPECT_EQ(SendMessageW(bar, atalhos, 0, 0), 5);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(test::WaitFor([&] { return SendMessageW(bar, atalhos, 0, 0) == 6; }));
    EXPECT_NE(test::ReadFile(Ini()).find("titulo=Regedit\xA7programa=C:\\windows\\regedit.exe\xA7"),
              std::string::npos)
        << test::ReadFile(Ini());
    Close(bar);
}

TEST_F(ConfigBarra, SavingTheTitleLevelAndColourChangesTheBarAtOnceAndWritesItsKeys) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    auto alfa = [&] {
        BYTE a = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(bar, nullptr, &a, &flags);
        return static_cast<int>(a);
    };
    auto fundo = [&] {
        HDC dc = GetDC(bar);
        const COLORREF c = GetPixel(dc, 100, open_.height - 20);
        ReleaseDC(bar, dc);
        return c;
    };
    EXPECT_EQ(alfa(), 210);
    EXPECT_EQ(fundo(), static_cast<COLORREF>(1714213));
    SalvarBarra(bar, "Barra-antes");
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    // The edit boxes in their order: the search, the title, the transparency level.
    HWND titulo = FilhoDaClasse(d, L"Edit", 1), nivel = FilhoDaClasse(d, L"Edit", 2);
    ASSERT_EQ(TextoDoControle(titulo), "Meus Atalhos");
    ASSERT_EQ(TextoDoControle(nivel), "210");
    SendMessageW(titulo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Atalhos da Ana"));
    SendMessageW(nivel, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"150"));
    // The colour, through the system's colour dialog.
    HWND cor = Filho(d, "Alterar a cor");
    ASSERT_NE(cor, nullptr);
    PostMessageW(d, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(cor), BN_CLICKED), reinterpret_cast<LPARAM>(cor));
    HWND cores = DialogoDoProcesso(barra_.Ultimo().pid(), "", d);
    ASSERT_NE(cores, nullptr);
    const int ids[] = {706, 707, 708}, valores[] = {20, 90, 40};
    for (int i = 0; i < 3; ++i) {
        HWND e = GetDlgItem(cores, ids[i]);
        ASSERT_NE(e, nullptr);
        SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(valores[i]).c_str()));
        SendMessageW(cores, WM_COMMAND, MAKEWPARAM(ids[i], EN_UPDATE), reinterpret_cast<LPARAM>(e));
    }
    PostMessageW(cores, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(cores); }));
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(test::WaitFor([&] { return alfa() == 150; }));
    EXPECT_TRUE(test::WaitFor([&] {
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return fundo() == RGB(20, 90, 40);
    }));
    SalvarBarra(bar, "Barra-depois");
    const std::string ini = Cp1252ToUtf8(test::ReadFile(Ini()));
    EXPECT_NE(ini.find("[Config]\r\nNomeEmpresa=Atalhos da Ana\r\nIconeEmpresa=\r\nSobreOutros=1\r\n"
                       "TransparênciaAtivada=1\r\nNívelTransparência=150\r\nColor=" +
                       std::to_string(RGB(20, 90, 40)) +
                       "\r\nFonteÍcones=Tahoma,9,16777215,0,0,0,0\r\nDistânciaÍcones=38\r\nEditarTítulo=1\r\n"
                       "AutoOcultar=0\r\nAbrirAoApontar=0\r\nIconHeightAuto=0\r\nTeclaAtalho=Ctrl+Alt+P\r\n"
                       "Monitor=Principal\r\nLado=Direita\r\n\r\n"),
              std::string::npos)
        << ini;
    Close(bar);
}

TEST_F(ConfigBarra, AGlobalKeyChosenOnTheSecondPageIsSavedAndOpensTheBarAtOnce) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    // The second page, with a click on its tab (the tabs are 120 wide and 28 high, from 8, 8).
    POINT aba{8 + 120 + 60, 8 + 14};
    ClientToScreen(d, &aba);
    test::ClickAt(aba.x, aba.y);
    HWND tecla = FilhoDaClasse(d, HOTKEY_CLASSW);
    ASSERT_NE(tecla, nullptr);
    ASSERT_TRUE(test::WaitFor([&] { return IsWindowVisible(tecla) != 0; }));
    EXPECT_EQ(test::RetanguloNoPai(tecla), (Rect{128, 352, 150, 21}));
    EXPECT_EQ(SendMessageW(tecla, HKM_GETHOTKEY, 0, 0), MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT))
        << "the default key shows";
    EXPECT_NE(Filho(d, "Tecla de atalho"), nullptr);

    // Typed into the box as a user presses it.
    RECT r{};
    GetWindowRect(tecla, &r);
    test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(test::WaitFor([&] { return GetForegroundWindow() == d; }));
    // A function key: Wine on an X server without a keyboard layout hands letter keys to the box with
    // another virtual key than the one injected.
    test::PressKey(VK_F9, true, true);
    EXPECT_TRUE(test::WaitFor([&] {
        return SendMessageW(tecla, HKM_GETHOTKEY, 0, 0) == MAKEWORD(VK_F9, HOTKEYF_SHIFT | HOTKEYF_CONTROL);
    })) << SendMessageW(tecla, HKM_GETHOTKEY, 0, 0);
    test::SalvarTela(d, "Config-tecla");
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_NE(test::ReadFile(Ini()).find("IconHeightAuto=0\r\nTeclaAtalho=Shift+Ctrl+F9\r\n"),
              std::string::npos)
        << test::ReadFile(Ini());

    // The bar lets the old key go and answers the new one without a restart, once the window has closed
    // and the catalogue is saved.
    EXPECT_TRUE(test::WaitFor([] { return RegisterHotKey(nullptr, 9, MOD_CONTROL | MOD_ALT, 'P') != 0; }))
        << "Ctrl+Alt+P is free again";
    UnregisterHotKey(nullptr, 9);
    auto aberta = [&] {
        RECT b{};
        GetWindowRect(bar, &b);
        return AsRect(b) == open_;
    };
    const bool antes = aberta();
    test::PressKey(VK_F9, true, true);
    EXPECT_TRUE(test::WaitFor([&] { return aberta() != antes; })) << "Shift+Ctrl+F9 toggles the bar";
    Close(bar);
    EXPECT_NE(test::ReadFile(Ini()).find("TeclaAtalho=Shift+Ctrl+F9\r\n"), std::string::npos);
}

// The menus' look is reachable from the second page, saved with the rest, and read back at the next
// start; Cancel leaves the file as it was.
TEST_F(ConfigBarra, AMenuLookChosenFromTheSecondPageIsSavedAndComesBackAfterARestart) {
    auto segundaPagina = [&](HWND d) {
        POINT aba{8 + 120 + 60, 8 + 14};
        ClientToScreen(d, &aba);
        test::ClickAt(aba.x, aba.y);
        HWND botao = Filho(d, "Aparência do menu...");
        EXPECT_TRUE(botao && test::WaitFor([&] { return IsWindowVisible(botao) != 0; }));
        return botao;
    };
    auto clicar = [](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    };
    // The menu settings window, opened with a click on the button.
    auto abrirMenus = [&](HWND botao) {
        clicar(botao);
        HWND m = DialogoDoProcesso(barra_.Ultimo().pid(), "Menus");
        if (m) test::WaitFor([&] { return GetForegroundWindow() == m; });
        return m;
    };
    const char* const win7 = "&4.Estilo Windows 7";

    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    const std::string antes = test::ReadFile(Ini());
    // Chosen, then "Configurações" cancelled: nothing changes.
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    HWND menus = abrirMenus(segundaPagina(d));
    ASSERT_NE(menus, nullptr);
    clicar(Filho(menus, win7));
    clicar(Filho(menus, "&OK"));
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(menus); }));
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_EQ(test::ReadFile(Ini()), antes);

    // Chosen and saved: the file's "Menus" section holds it.
    d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    menus = abrirMenus(segundaPagina(d));
    ASSERT_NE(menus, nullptr);
    clicar(Filho(menus, win7));
    test::SalvarTela(menus, "Menus-escolha");
    clicar(Filho(menus, "&OK"));
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(menus); }));
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    const std::string salvo = test::ReadFile(Ini());
    EXPECT_NE(salvo.find("[Menus]\r\n"), std::string::npos) << salvo;
    EXPECT_NE(salvo.find("TipoMenu=3\r\n"), std::string::npos) << salvo;
    // The next popup menu is painted in it: the entry under the pointer has Windows 7's pale band.
    EXPECT_TRUE(RealceDoWin7("menu-win7")) << "the highlight of the Windows 7 style";
    Close(bar);

    // After a restart the renderer has it: its window opens on it.
    bar = Start();
    ASSERT_NE(bar, nullptr);
    d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    menus = abrirMenus(segundaPagina(d));
    ASSERT_NE(menus, nullptr);
    EXPECT_EQ(SendMessageW(Filho(menus, win7), BM_GETCHECK, 0, 0), BST_CHECKED);
    clicar(Filho(menus, "Ca&ncelar"));
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(menus); }));
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    EXPECT_TRUE(RealceDoWin7("menu-win7-reiniciado")) << "still painted in the Windows 7 style";
    Close(bar);
}

// The second page of "Configurações" at a density, with a real click on its tab.
void SegundaPagina(HWND d, int dpi) {
    POINT aba{Scale(8 + 120 + 60, dpi), Scale(8 + 14, dpi)};
    ClientToScreen(d, &aba);
    test::ClickAt(aba.x, aba.y);
    HWND botao = Filho(d, "Aparência do menu...");
    EXPECT_TRUE(botao && test::WaitFor([&] { return IsWindowVisible(botao) != 0; }));
}

void Clicar(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The child of a dialog's page whose top left corner stands at a point of the design (96 dpi).
HWND NoPonto(HWND janela, int x, int y, int dpi) {
    struct Q {
        int x, y;
        HWND achado;
    } q{Scale(x, dpi), Scale(y, dpi), nullptr};
    EnumChildWindows(
        janela,
        [](HWND w, LPARAM p) -> BOOL {
            auto* q = reinterpret_cast<Q*>(p);
            const Rect r = test::RetanguloNoPai(w);
            if (r.left == q->x && r.top == q->y && IsWindowVisible(w)) {
                q->achado = w;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&q));
    return q.achado;
}

std::string DescreverFoco(HWND d) {
    HWND f = test::FocoDe(d);
    wchar_t cls[64] = L"";
    GetClassNameW(f, cls, 64);
    const Rect r = test::RetanguloNoPai(f);
    return Narrow(cls) + " " + TextoDoControle(f) + " @" + std::to_string(r.left) + "," + std::to_string(r.top);
}

// A window's picture as the screen shows it.
std::vector<COLORREF> Pixels(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    std::vector<COLORREF> out;
    HDC tela = GetDC(nullptr);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) out.push_back(GetPixel(tela, x, y));
    ReleaseDC(nullptr, tela);
    return out;
}

// "Aparência do menu...": the sample below the font list shows the chosen font and size as they change.
TEST_F(ConfigBarra, TheMenuLooksFontSampleFollowsTheChosenFontAndSize) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        HWND bar = Start("", dpi);
        ASSERT_NE(bar, nullptr);
        HWND d = AbrirConfig();
        ASSERT_NE(d, nullptr);
        SegundaPagina(d, dpi);
        Clicar(Filho(d, "Aparência do menu..."));
        HWND menus = DialogoDoProcesso(barra_.Ultimo().pid(), "Menus");
        ASSERT_NE(menus, nullptr);
        ASSERT_TRUE(test::NaFrente(menus));
        // The font of its own, not Windows' menu font.
        HWND fonteWin = Filho(menus, "&Fonte padrão dos menus do Windows");
        ASSERT_NE(fonteWin, nullptr);
        if (SendMessageW(fonteWin, BM_GETCHECK, 0, 0) == BST_CHECKED) Clicar(fonteWin);
        HWND exemplo = Filho(menus, "Exemplo da fonte escolhida...");
        HWND fonte = FilhoDaClasse(menus, L"ComboBox");
        HWND tamanho = FilhoDaClasse(menus, L"Edit");
        ASSERT_TRUE(exemplo && fonte && tamanho);
        EXPECT_EQ(test::RetanguloNoPai(exemplo).height, Scale(38, dpi));
        // Another font in the list, chosen with the keyboard.
        ASSERT_TRUE(test::WaitFor([&] { return IsWindowEnabled(fonte) != 0; }));
        const std::vector<COLORREF> antes = Pixels(exemplo);
        SendMessageW(menus, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(fonte), TRUE);
        ASSERT_TRUE(test::WaitFor([&] { return test::FocoDe(menus) == fonte; })) << DescreverFoco(menus);
        const std::string primeira = TextoDoControle(fonte);
        test::SalvarTela(menus, "menus-fonte-1-" + std::to_string(dpi));
        // Down the list to a font of another kind, a serif one where the system has it.
        for (int i = 0; i < 60 && TextoDoControle(fonte).find("Serif") == std::string::npos; ++i) {
            const std::string antes = TextoDoControle(fonte);
            test::PressKey(VK_DOWN);
            if (!test::WaitFor([&] { return TextoDoControle(fonte) != antes; }, 1000)) break;  // the last one
        }
        ASSERT_NE(TextoDoControle(fonte), primeira);
        EXPECT_TRUE(test::WaitFor([&] { return Pixels(exemplo) != antes; }))
            << primeira << " -> " << TextoDoControle(fonte);
        test::SalvarTela(menus, "menus-fonte-2-" + std::to_string(dpi));
        // A bigger size with the box's arrows.
        const std::vector<COLORREF> naFonte = Pixels(exemplo);
        const std::string tam = TextoDoControle(tamanho);
        SendMessageW(menus, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tamanho), TRUE);
        ASSERT_TRUE(test::WaitFor([&] { return test::FocoDe(menus) == tamanho; }));
        for (int i = 0; i < 4; ++i) test::PressKey(VK_UP);
        ASSERT_TRUE(test::WaitFor([&] { return TextoDoControle(tamanho) != tam; }));
        EXPECT_TRUE(test::WaitFor([&] { return Pixels(exemplo) != naFonte; })) << tam << " -> " << TextoDoControle(tamanho);
        test::SalvarTela(menus, "menus-fonte-3-" + std::to_string(dpi));
        test::PressKey(VK_ESCAPE);
        ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(menus); }));
        ASSERT_TRUE(test::NaFrente(d));
        test::PressKey(VK_ESCAPE);
        ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
        Close(bar);
    }
}

// A number out of its range is told when the box is left, and the box keeps the focus: "Nível de
// transparência" by Tab, by a click elsewhere and by F5, "Tamanho dos ícones" by a click on "Salvar". Esc and
// "Cancelar" still close without a word, and nothing is written.
TEST_F(ConfigBarra, ANumberOutOfItsRangeIsToldWhenLeftAndTheFocusStaysUntilCancelled) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        HWND bar = Start("", dpi);
        ASSERT_NE(bar, nullptr);
        const DWORD pid = barra_.Ultimo().pid();
        HWND d = AbrirConfig();
        ASSERT_NE(d, nullptr);
        SegundaPagina(d, dpi);
        HWND transp = NoPonto(d, 128, 200, dpi), salto = NoPonto(d, 128, 232, dpi), titulo = NoPonto(d, 128, 8, dpi);
        ASSERT_TRUE(transp && salto && titulo);
        // Types a value over the box's text and leaves the box as `sair` does; what the message says,
        // and the focus after it is answered.
        const auto digitarESair = [&](HWND caixa, const wchar_t* valor, const std::function<void()>& sair,
                                      const std::string& foto) {
            // Clicked, its text selected with Home and Shift+End, typed over: keys that follow the click.
            Clicar(caixa);
            test::PressKey(VK_HOME);
            test::PressKey(VK_END, true);
            test::Digitar(valor);
            EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(caixa) == Narrow(valor); }))
                << TextoDoControle(caixa) << " foco " << DescreverFoco(d);
            sair();
            HWND m = DialogoDoProcesso(pid, "", d, 10000);
            std::string texto;
            if (!m) return texto;
            wchar_t buf[256] = L"";
            test::WaitFor([&] { return GetDlgItemTextW(m, 0xFFFF, buf, 256) > 0; });
            texto = Narrow(buf);
            if (!foto.empty()) test::SalvarTela(d, foto + std::to_string(dpi));  // the message over its window
            EXPECT_TRUE(test::NaFrente(m));
            test::PressKey(VK_RETURN);
            EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(m); }));
            EXPECT_TRUE(test::WaitSteady([&] { return test::FocoDe(d) == caixa; }, 300)) << "the focus stays";
            EXPECT_TRUE(test::NaFrente(d));
            return texto;
        };
        const std::string faixa = "O valor deve estar entre 100 e 255.";
        EXPECT_EQ(digitarESair(transp, L"999", [] { test::PressKey(VK_TAB); }, "faixa-"), faixa);
        EXPECT_EQ(TextoDoControle(transp), "999") << "the value stays as typed, to be corrected";
        EXPECT_EQ(digitarESair(transp, L"5", [&] { Clicar(titulo); }, ""), faixa);
        EXPECT_EQ(digitarESair(transp, L"5", [] { test::PressKey(VK_F5); }, ""), faixa);
        EXPECT_TRUE(IsWindowVisible(d)) << "F5 saved nothing";
        SendMessageW(transp, EM_SETSEL, 0, -1);
        test::Digitar(L"200");
        EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(transp) == "200"; }));
        if (IsWindowEnabled(salto)) {
            EXPECT_EQ(digitarESair(salto, L"60", [&] { Clicar(Filho(d, "Salvar | F5")); }, ""),
                      "O valor deve estar entre 32 e 54.");
            SendMessageW(salto, EM_SETSEL, 0, -1);
            test::Digitar(L"40");
            EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(salto) == "40"; }));
        }
        EXPECT_EQ(test::FocoDe(d), IsWindowEnabled(salto) ? salto : transp);
        // Out of range again, Esc closes without a word.
        SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(transp), TRUE);
        ASSERT_TRUE(test::NaFrente(d));
        test::Digitar(L"5");
        EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(transp) == "5"; }));
        test::PressKey(VK_ESCAPE);
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
        EXPECT_TRUE(test::WaitSteady([&] { return DialogoDoProcesso(pid, "", nullptr, 0) == nullptr; }, 500));

        // "Cancelar" with the mouse, the box out of range: closed without a word.
        d = AbrirConfig();
        ASSERT_NE(d, nullptr);
        SegundaPagina(d, dpi);
        transp = NoPonto(d, 128, 200, dpi);
        SendMessageW(d, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(transp), TRUE);  // all of its text selected
        EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == transp; }));
        test::Digitar(L"999");
        EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(transp) == "999"; }));
        Clicar(Filho(d, "Cancelar"));
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
        EXPECT_TRUE(test::WaitSteady([&] { return DialogoDoProcesso(pid, "", nullptr, 0) == nullptr; }, 500));
        Close(bar);
        EXPECT_EQ(test::ReadFile(Ini()).find("[Config]"), std::string::npos) << "no setting written";
    }
}

TEST_F(ConfigBarra, ChangingStayOnTopShowsTheMessageAndTheProgramEndsAfterSaving) {
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    HWND d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    HWND sobre = Filho(d, "Mostrar a Pivel sobre outras janelas");
    ASSERT_NE(sobre, nullptr);
    SendMessageW(sobre, BM_CLICK, 0, 0);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_F5);
    HWND aviso = DialogoDoProcesso(barra_.Ultimo().pid(), "Nq-Pivel", d);
    ASSERT_NE(aviso, nullptr);
    EXPECT_NE(Filho(aviso,
                    "A alteração da opção de para mostrar sobre outras janelas só terá efeito após reiniciar "
                    "o sistema!"),
              nullptr);
    PostMessageW(aviso, WM_COMMAND, IDOK, 0);
    DWORD code = 1;
    ASSERT_TRUE(barra_.Ultimo().Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    const std::string ini = Cp1252ToUtf8(test::ReadFile(Ini()));
    EXPECT_NE(ini.find("SobreOutros=0\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("RecordCount=5\r\n"), std::string::npos) << ini;
}

TEST_F(ConfigBarra, TheMenuButtonOpensItAndShiftEscEndsTheProcessOnlyInProgrammingMode) {
    // A plain click on the three bars; Shift+Esc in the window does nothing outside programming mode.
    HWND bar = Start();
    ASSERT_NE(bar, nullptr);
    PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(162 + 16, 7 + 14));
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(162 + 16, 7 + 14));
    HWND d = DialogoDoProcesso(barra_.Ultimo().pid(), "Configurações");
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_ESCAPE, true);
    // Keys are taken in order: once Ctrl+Tab has turned the page, Shift+Esc has been seen.
    HWND abas = FilhoDaClasse(d, WC_TABCONTROLW);
    ASSERT_NE(abas, nullptr);
    test::PressKey(VK_TAB, false, true);
    EXPECT_TRUE(test::WaitFor([&] { return SendMessageW(abas, TCM_GETCURSEL, 0, 0) == 1; }));
    EXPECT_TRUE(IsWindowVisible(d));
    EXPECT_FALSE(barra_.Ultimo().Wait(0));
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }));
    Close(bar);

    // In programming mode the process ends at once, without saving.
    const std::string antes = test::ReadFile(Ini());
    bar = Start("/p");
    ASSERT_NE(bar, nullptr);
    d = AbrirConfig();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_ESCAPE, true);
    DWORD code = 1;
    ASSERT_TRUE(barra_.Ultimo().Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(test::ReadFile(Ini()), antes);
}

}  // namespace
}  // namespace nq
