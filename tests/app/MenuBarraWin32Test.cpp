// The bar's popup menu as a user meets it: Pivel.exe started for real, its menu opened by a right click
// and measured from outside through the bar's registered messages.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "ui/DialogTestUtil.h"
#include "ui/Geometry.h"

namespace nq {
namespace {

using test::MenuWindows;

// A copy of Pivel.exe in its own folder with ten shortcuts in "Outros atalhos" and one on the bar.
class MenuBarra : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(barra_.Copiada());
        std::string ini = "[IconesMenu]\r\nRecordCount=11\r\n";
        for (int i = 1; i <= 10; ++i) {
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            ini += std::to_string(i) + "=titulo=Atalho " + n +
                   "\xA7programa=C:\\windows\\notepad.exe\xA7tipo=1\xA7" + "opcaomenu=Sim\xA7\r\n";
        }
        ini += "11=titulo=Bloco\xA7programa=C:\\windows\\notepad.exe\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7\r\n";
        ASSERT_TRUE(test::WriteFile(barra_.Ini(), ini));
    }

    // Starts the bar at a density (and in a style of menu, PIVEL_TIPO_MENU, when given) and opens it.
    HWND Start(int dpi, int tipoMenu = -1, std::vector<std::string> env = {}) {
        env.push_back("PIVEL_DPI=" + std::to_string(dpi));
        if (tipoMenu >= 0) env.push_back("PIVEL_TIPO_MENU=" + std::to_string(tipoMenu));
        HWND w = barra_.Iniciar("", env);
        if (!w) return nullptr;
        RECT wa{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        open_ = OpenBarRect(wa.right - wa.left, wa.bottom - wa.top, dpi);
        test::ClickAt(wa.right - 1, wa.bottom - 10);  // the strip
        const bool opened = test::WaitFor([&] {
            RECT r{};
            GetWindowRect(w, &r);
            return r.left == open_.left && r.right == open_.right();
        });
        if (!opened) return nullptr;
        // Under X without a window manager the focus leaves a window that has just moved and the bar
        // takes it back a moment later; a menu opened in between would close at once. So the bar must
        // have kept the keyboard without a break for a while before the menu is opened.
        return barra_.ComTeclado() ? w : nullptr;
    }

    void Close(HWND w) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        EXPECT_TRUE(barra_.Ultimo().Wait(15000));
    }

    // Opens the popup menu with a right click on the bar and waits for it.
    HWND OpenMenu() {
        test::RightClickAt(open_.left + 60, open_.top + 300);
        HWND menu = nullptr;
        test::WaitFor([&] {
            const auto w = MenuWindows(barra_.Ultimo().pid());
            if (w.size() == 1) menu = w[0];
            return menu != nullptr;
        });
        return menu;
    }

    // One Esc for each open menu: one more would reach the bar and close it.
    bool CloseMenus() {
        for (std::size_t n = MenuWindows(barra_.Ultimo().pid()).size(); n > 0; --n) {
            test::PressKey(VK_ESCAPE);
            if (!test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() < n; })) return false;
        }
        return true;
    }

    // The text of an entry of the open menu, as the system menu keeps it.
    static std::string Texto(HWND bar, int pos) {
        const ATOM a = static_cast<ATOM>(
            SendMessageW(bar, RegisterWindowMessageW(kMsgTextoMenu), static_cast<WPARAM>(pos), 0));
        if (!a) return {};
        wchar_t texto[256] = L"";
        GlobalGetAtomNameW(a, texto, 256);
        GlobalDeleteAtom(a);
        return Narrow(texto);
    }
    static LRESULT Item(HWND bar, int pos, bool submenu) {
        return SendMessageW(bar, RegisterWindowMessageW(kMsgItemMenu), static_cast<WPARAM>(pos), submenu);
    }
    static long ObjetosGdi(HWND bar) {
        return static_cast<long>(SendMessageW(bar, RegisterWindowMessageW(kMsgObjetosGdi), 0, 0));
    }

    test::BarraEmTeste barra_;
    Rect open_;
};

TEST_F(MenuBarra, ARightClickOpensTheOwnerDrawnMenuWithEntriesAsHighAsTheirPictures) {
    for (int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        auto S = [dpi](int px) { return Scale(px, dpi); };
        HWND bar = Start(dpi);
        ASSERT_NE(bar, nullptr);
        HWND menu = OpenMenu();
        ASSERT_NE(menu, nullptr);

        // Every entry stands in a menu with 16-pixel pictures: the picture decides the height.
        const int entrada = S(16) + S(4) + S(2), separador = S(6);
        const std::vector<int> alturas = {entrada, separador, entrada, entrada, entrada,
                                          separador, entrada, separador, entrada, entrada};
        int total = 0;
        for (std::size_t i = 0; i < alturas.size(); ++i) {
            EXPECT_EQ(Item(bar, static_cast<int>(i), false), kItemMenuDesenhado | alturas[i]) << i;
            total += alturas[i];
        }
        EXPECT_EQ(Item(bar, static_cast<int>(alturas.size()), false), -1);

        // "Outros atalhos" opens its ten entries, owner-drawn as well.
        RECT r{};
        GetWindowRect(menu, &r);
        const int border = (r.bottom - r.top - total) / 2;
        SetCursorPos(r.left + (r.right - r.left) / 2, r.top + border + entrada / 2);
        ASSERT_TRUE(test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == 2; }));
        for (int i = 0; i < 10; ++i) EXPECT_EQ(Item(bar, i, true), kItemMenuDesenhado | entrada) << i;
        EXPECT_EQ(Item(bar, 10, true), -1);
        ASSERT_TRUE(CloseMenus());
        Close(bar);
    }
}

// Windows' mode for programs, set for a test and put back after it.
class ModoDoWindows {
public:
    static constexpr const wchar_t* kChave = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    ModoDoWindows() {
        DWORD tamanho = sizeof antes_;
        tinha_ = RegGetValueW(HKEY_CURRENT_USER, kChave, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &antes_,
                              &tamanho) == ERROR_SUCCESS;
    }
    ~ModoDoWindows() {
        if (tinha_)
            Claro(antes_ != 0);
        else
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kChave, L"AppsUseLightTheme");
    }
    void Claro(bool claro) {
        const DWORD v = claro ? 1 : 0;
        RegSetKeyValueW(HKEY_CURRENT_USER, kChave, L"AppsUseLightTheme", REG_DWORD, &v, sizeof v);
    }

private:
    DWORD antes_ = 1;
    bool tinha_ = false;
};

// The colours of one row of the screen: the commonest (the background) and the lightest.
struct CoresDaLinha {
    int fundo = -1, maisClara = -1;  // luminance, 0 to 255
};
CoresDaLinha LinhaDaTela(int esquerda, int direita, int y) {
    HDC tela = GetDC(nullptr);
    std::map<COLORREF, int> contagem;
    CoresDaLinha r;
    for (int x = esquerda; x < direita; ++x) {
        const COLORREF c = GetPixel(tela, x, y);
        ++contagem[c];
        r.maisClara = std::max(r.maisClara, (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000);
    }
    ReleaseDC(nullptr, tela);
    const auto comum = std::max_element(contagem.begin(), contagem.end(),
                                        [](const auto& a, const auto& b) { return a.second < b.second; });
    if (comum != contagem.end())
        r.fundo = (GetRValue(comum->first) * 299 + GetGValue(comum->first) * 587 + GetBValue(comum->first) * 114) /
                  1000;
    return r;
}

// In Windows' dark mode the menu's items are dark with light text, and the pictures the dark would hide
// are the light versions; back in the light mode, the next menu follows without a restart.
TEST_F(MenuBarra, InWindowsDarkModeTheMenuIsDarkWithLightText) {
    ModoDoWindows modo;
    modo.Claro(false);
    HWND bar = Start(96);
    ASSERT_NE(bar, nullptr);
    // The row of "Incluir atalho": below "Outros atalhos" (22 pixels) and a separator (6).
    auto linha = [&](HWND menu) {
        RECT r{};
        GetWindowRect(menu, &r);
        const int total = 7 * 22 + 3 * 6, borda = (r.bottom - r.top - total) / 2;
        return LinhaDaTela(r.left + 30, r.right - 10, r.top + borda + 28 + 11);
    };
    // The red of the three bars of "Configurações", below "Incluir atalho": the reddest pixel's red in the
    // entry's gutter.
    auto vermelho = [&](HWND menu) {
        RECT r{};
        GetWindowRect(menu, &r);
        const int total = 7 * 22 + 3 * 6, borda = (r.bottom - r.top - total) / 2;
        int maior = 0;
        HDC tela = GetDC(nullptr);
        for (int y = r.top + borda + 50; y < r.top + borda + 72; ++y) {
            for (int x = r.left + borda; x < r.left + borda + 24; ++x) {
                const COLORREF c = GetPixel(tela, x, y);
                if (GetRValue(c) > GetGValue(c) + 60) maior = std::max<int>(maior, GetRValue(c));
            }
        }
        ReleaseDC(nullptr, tela);
        return maior;
    };
    HWND menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    const CoresDaLinha escuro = linha(menu);
    test::SalvarTela(menu, "menu-escuro");
    EXPECT_LT(escuro.fundo, 70) << "a dark background";
    EXPECT_GT(escuro.maisClara, 180) << "light text";
    EXPECT_GT(vermelho(menu), 220) << "the light red bars, which the dark gutter does not hide";
    ASSERT_TRUE(CloseMenus());

    modo.Claro(true);
    menu = OpenMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_GT(linha(menu).fundo, 200) << "light again at the next menu";
    const int claro = vermelho(menu);
    EXPECT_GT(claro, 100);
    EXPECT_LT(claro, 180) << "the dark red bars of the light menu";
    ASSERT_TRUE(CloseMenus());
    Close(bar);
}

// The screen's pixels at the end of the menu's first entry (its last 24 columns, 22 rows at 96 dpi):
// those near white and those near black. The menu's frame is as wide on every side.
struct FimDaEntrada {
    int claros = 0, pretos = 0;
};
FimDaEntrada FimDaPrimeiraEntrada(HWND menu, int dpi) {
    RECT r{};
    GetWindowRect(menu, &r);
    const int entrada = Scale(22, dpi), total = 7 * entrada + 3 * Scale(6, dpi);
    const int borda = (r.bottom - r.top - total) / 2;
    FimDaEntrada fim;
    HDC tela = GetDC(nullptr);
    for (int y = r.top + borda; y < r.top + borda + entrada; ++y) {
        for (int x = r.right - borda - Scale(24, dpi); x < r.right - borda; ++x) {
            const COLORREF p = GetPixel(tela, x, y);
            const int luz = (GetRValue(p) * 299 + GetGValue(p) * 587 + GetBValue(p) * 114) / 1000;
            fim.claros += luz > 180;
            fim.pretos += luz < 20;
        }
    }
    ReleaseDC(nullptr, tela);
    return fim;
}

// "Outros atalhos" ends in the renderer's arrow, in the colour of the entry's text: in the dark mode a
// light triangle on the dark entry in every style, in the light mode a black one; never the system's
// black triangle in a white box besides it.
TEST_F(MenuBarra, TheArrowOfOutrosAtalhosIsTheRenderersInTheColourOfTheText) {
    struct Caso {
        int tipo;
        int dpi;
        bool escuro;
    };
    const Caso casos[] = {{0, 96, true}, {1, 96, true},  {2, 96, true}, {3, 96, true},
                          {4, 96, true}, {1, 144, true}, {1, 96, false}};
    ModoDoWindows modo;
    for (const Caso& c : casos) {
        SCOPED_TRACE("style " + std::to_string(c.tipo) + " at " + std::to_string(c.dpi) +
                     (c.escuro ? " dark" : " light"));
        modo.Claro(!c.escuro);
        HWND bar = Start(c.dpi, c.tipo);
        ASSERT_NE(bar, nullptr);
        HWND menu = OpenMenu();
        ASSERT_NE(menu, nullptr);
        // A triangle of n columns, 2n - 1 rows high, n = 4 at 96 dpi: n * n pixels.
        const int n = Scale(4, c.dpi), seta = n * n;
        FimDaEntrada fim;
        const bool pintada = test::WaitFor([&] {
            fim = FimDaPrimeiraEntrada(menu, c.dpi);
            return (c.escuro ? fim.claros : fim.pretos) == seta;
        });
        if (c.dpi == 96)
            test::SalvarTela(menu, "menu-seta-" + std::to_string(c.tipo) + (c.escuro ? "-escuro" : ""));
        EXPECT_TRUE(pintada) << fim.claros << " light, " << fim.pretos << " black pixels";
        if (c.escuro) {
            EXPECT_EQ(fim.pretos, 0) << "no black on the dark entry";
        }
        ASSERT_TRUE(CloseMenus());
        Close(bar);
    }
}

// "Abrir pasta do programa", below "Configurações": the shell is asked to open the program's own folder.
TEST_F(MenuBarra, AbrirPastaDoProgramaOpensTheProgramsFolderThroughTheShell) {
    const std::string gravador = barra_.Pasta() / "recorder.exe", gravado = barra_.Pasta() / "gravado.txt";
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(gravador).c_str(), FALSE));
    HWND bar = Start(96, -1, {"PIVEL_SHELL=" + gravador, "PIVEL_RECORD_FILE=" + gravado});
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(OpenMenu(), nullptr);
    EXPECT_EQ(Texto(bar, 3), "Configurações\tF5");
    EXPECT_EQ(Texto(bar, 4), "Abrir pasta do programa");
    // The pointer off the menu, so that no entry stays marked under it; End marks "Finalizar", and the
    // entry stands three above it, past "Desinstalar" and "Sobre...".
    SetCursorPos(0, 0);
    for (WORD k : {VK_END, VK_UP, VK_UP, VK_UP, VK_RETURN}) test::PressKey(k);
    ASSERT_TRUE(test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).empty(); }));
    std::string pedido;
    EXPECT_TRUE(test::WaitFor([&] { return !(pedido = test::Gravado(gravado)).empty(); }, 15000));
    // "<recorder>" verb|file|parameters|folder, the folder as the system spells it
    const std::size_t fim = pedido.find("\" ");
    auto minusculas = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    EXPECT_EQ(minusculas(fim == std::string::npos ? pedido : pedido.substr(fim + 2)),
              minusculas("open|" + barra_.Pasta().path() + "||"));
    Close(bar);
}

TEST_F(MenuBarra, OpeningAndClosingTheMenuTwoHundredTimesLeavesNoGdiObjectBehind) {
    HWND bar = Start(96);
    ASSERT_NE(bar, nullptr);
    // The first opening makes the menu's pictures, which stay.
    ASSERT_NE(OpenMenu(), nullptr);
    ASSERT_TRUE(CloseMenus());
    const long antes = ObjetosGdi(bar);
    EXPECT_GT(antes, 0);
    for (int i = 0; i < 200; ++i) {
        ASSERT_NE(OpenMenu(), nullptr) << i;
        if (i % 20 == 0) {
            // Some openings go as far as a highlighted entry and the open submenu.
            RECT r{};
            GetWindowRect(MenuWindows(barra_.Ultimo().pid()).at(0), &r);
            SetCursorPos(r.left + 30, r.top + 12);
            test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == 2; });
        }
        ASSERT_TRUE(CloseMenus()) << i;
    }
    EXPECT_EQ(ObjetosGdi(bar), antes);
    Close(bar);
}

}  // namespace
}  // namespace nq
