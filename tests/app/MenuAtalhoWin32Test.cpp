// A shortcut's own menu as a user meets it: Pivel.exe started for real, the menu opened with a right click
// or the keyboard, its entries chosen with their access keys, and what each command did looked at from
// outside: the bar, the settings file, the clipboard, and what the shell was asked (a recording program
// stands in for the shell).

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "app/MenuAtalho.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"
#include "ui/Geometry.h"

namespace nq {
namespace {

using test::MenuWindows;

class MenuAtalho : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(barra_.Copiada());
        ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(), Wide(Gravador()).c_str(), FALSE));
        // In the bar's order: by title.
        ASSERT_TRUE(barra_.Catalogo({
            Registro("Agenda", Gravador(), "um"),
            Registro("Bloco de notas", Gravador(), "dois"),
            Registro("Site", "https://www.exemplo.com.br", ""),
            Registro("Sumido", "C:\\nao\\existe\\sumido.exe", ""),
        }));
    }
    static std::string Registro(const std::string& titulo, const std::string& programa, const std::string& param) {
        return "titulo=" + titulo + "\xA7programa=" + programa + "\xA7param=" + param + "\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7";
    }
    std::string Gravador() const { return barra_.Pasta() / "recorder.exe"; }
    std::string Gravado() const { return barra_.Pasta() / "gravado.txt"; }

    // What the shell was asked last, as "verb|file|parameters|folder"; empty when nothing came in time.
    std::string PedidoAoShell(DWORD ms = 15000) const {
        std::string linha;
        test::WaitFor(
            [&] {
                const std::string raw = test::ReadFile(Gravado());
                const std::string texto =
                    Narrow(std::wstring_view(reinterpret_cast<const wchar_t*>(raw.data()), raw.size() / 2));
                linha = texto.substr(0, texto.find('\n'));
                return !linha.empty();
            },
            ms);
        DeleteFileW(Wide(Gravado()).c_str());
        const std::size_t fim = linha.find("\" ");  // after the recorder's own quoted path
        return fim == std::string::npos ? linha : linha.substr(fim + 2);
    }

    // Starts the bar at a density, opens it and waits until it keeps the keyboard.
    HWND Iniciar(int dpi = 96) {
        dpi_ = dpi;
        HWND w = barra_.Iniciar("", {"PIVEL_DPI=" + std::to_string(dpi), "PIVEL_SHELL=" + Gravador(),
                                     "PIVEL_RECORD_FILE=" + Gravado()});
        if (!w) return nullptr;
        RECT wa{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        aberta_ = OpenBarRect(wa.right - wa.left, wa.bottom - wa.top, dpi);
        test::ClickAt(wa.right - 1, wa.bottom - 10);
        if (!test::WaitFor([&] {
                RECT r{};
                GetWindowRect(w, &r);
                return r.left == aberta_.left;
            }))
            return nullptr;
        return barra_.ComTeclado() ? w : nullptr;
    }
    // The bar open again after a command that may have closed it, with the keyboard.
    bool Aberta() { return (barra_.Aberta() || barra_.Abrir()) && barra_.ComTeclado(); }
    int S(int px) const { return Scale(px, dpi_); }
    // The middle of button i's caption on the screen.
    POINT Botao(int i) const {
        return POINT{aberta_.left + S(kButtonLeft + kIconSize + 30),
                     aberta_.top + S(kTitlePanelHeight + iTamInicial + iSalto * i + kIconSize / 2)};
    }

    // The number of menu windows the bar shows, once it is n; false when it did not come to that.
    bool Menus(std::size_t n) const {
        return test::WaitFor([&] { return MenuWindows(barra_.Ultimo().pid()).size() == n; });
    }
    // A right click, and the menu it opens.
    bool MenuEm(POINT p) {
        test::RightClickAt(p.x, p.y);
        return Menus(1);
    }
    // The entries of the open menu (or of its open "Outros atalhos"), as the system menu keeps them for
    // screen readers; "!" marks the default entry.
    std::vector<std::string> Entradas(HWND bar, bool submenu = false) const {
        const UINT msg = RegisterWindowMessageW(kMsgTextoMenu);
        std::vector<std::string> out;
        for (int pos = 0;; ++pos) {
            const ATOM a = static_cast<ATOM>(SendMessageW(bar, msg, static_cast<WPARAM>(pos), submenu));
            if (!a) break;
            wchar_t texto[256] = L"";
            GlobalGetAtomNameW(a, texto, 256);
            GlobalDeleteAtom(a);
            out.push_back(Narrow(texto));
        }
        return out;
    }
    // An entry chosen by its access key; the menu closes.
    bool Escolher(char tecla) {
        test::PressKey(static_cast<WORD>(tecla));
        return Menus(0);
    }
    // One Esc for each open menu.
    bool FecharMenus() {
        for (std::size_t n = MenuWindows(barra_.Ultimo().pid()).size(); n > 0; --n) {
            test::PressKey(VK_ESCAPE);
            if (!Menus(n - 1)) return false;
        }
        return true;
    }
    // What the bar shows: 0 buttons, 1 "Outros atalhos" entries.
    LRESULT Atalhos(HWND w, int o) const {
        return SendMessageW(w, RegisterWindowMessageW(kMsgAtalhos), static_cast<WPARAM>(o), 0);
    }
    // The settings file as text (Windows-1252).
    std::string Ini() const {
        const std::string bytes = test::ReadFile(barra_.Ini());
        std::wstring w(bytes.size(), L'\0');
        w.resize(static_cast<std::size_t>(MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                               w.data(), static_cast<int>(w.size()))));
        return Narrow(w);
    }
    // The program's dialog or message box, once one shows, and what a message box says.
    HWND Caixa() const {
        HWND caixa = nullptr;
        test::WaitFor(
            [&] {
                const auto w = test::WindowsOfClass(barra_.Ultimo().pid(), L"#32770");
                caixa = w.empty() ? nullptr : w.front();
                return caixa != nullptr;
            },
            15000);
        return caixa;
    }
    static std::string TextoDaCaixa(HWND caixa) {
        wchar_t texto[512] = L"";
        GetDlgItemTextW(caixa, 0xFFFF, texto, 512);
        return Narrow(texto);
    }
    // A real click on a button of a dialog.
    static void Clicar(HWND dialogo, int id) {
        RECT r{};
        GetWindowRect(GetDlgItem(dialogo, id), &r);
        test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    static std::string AreaDeTransferencia() {
        std::string texto;
        if (!OpenClipboard(nullptr)) return texto;
        if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
                texto = Narrow(p);
                GlobalUnlock(h);
            }
        }
        CloseClipboard();
        return texto;
    }
    test::BarraEmTeste barra_;
    Rect aberta_;
    int dpi_ = 96;
};

const std::vector<std::string> kMenuDoPrograma = {
    "!&Abrir", "Executar como a&dministrador", "Abrir &local do arquivo", "&Copiar caminho", "&Editar...",
    "&Mover para \"Outros atalhos\"", "E&xcluir", "-", "Outros atalhos"};

// The first entries of a menu.
std::vector<std::string> Primeiras(std::vector<std::string> v, std::size_t n) {
    v.resize(std::min(v.size(), n));
    return v;
}

TEST_F(MenuAtalho, ARightClickOnAButtonOffersItsCommandsAndTheShellIsAskedForThem) {
    HWND bar = Iniciar();
    ASSERT_NE(bar, nullptr);
    ASSERT_TRUE(MenuEm(Botao(1)));
    const std::vector<std::string> entradas = Entradas(bar);
    EXPECT_EQ(Primeiras(entradas, kMenuDoPrograma.size()), kMenuDoPrograma) << "the second button's own menu";
    EXPECT_EQ(entradas.back(), "Finaliza&r\tShift+Esc") << "the bar's own entries follow";
    test::SalvarTela(MenuWindows(barra_.Ultimo().pid()).front(), "menu-atalho");

    // "Copiar caminho": the target and its parameters, as typed.
    ASSERT_TRUE(Escolher('C'));
    EXPECT_TRUE(test::WaitFor([&] { return AreaDeTransferencia() == Gravador() + " dois"; }))
        << AreaDeTransferencia();

    // "Abrir local do arquivo": the file manager on its folder, the file selected.
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('L'));
    EXPECT_EQ(PedidoAoShell(), "open|explorer.exe|/select,\"" + Gravador() + "\"|");

    // "Executar como administrador": the verb "runas", with the shortcut's parameters and folder.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('D'));
    EXPECT_EQ(PedidoAoShell(), "runas|" + Gravador() + "|dois|" + barra_.Pasta().path());

    // A web address offers neither.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(2)));
    EXPECT_EQ(Primeiras(Entradas(bar), 7), (std::vector<std::string>{"!&Abrir", "&Copiar caminho", "&Editar...",
                                                                      "&Mover para \"Outros atalhos\"", "E&xcluir",
                                                                      "-", "Outros atalhos"}));
    // "Abrir" does what a click does.
    ASSERT_TRUE(Escolher('A'));
    EXPECT_EQ(PedidoAoShell(), "open|https://www.exemplo.com.br||");

    // A target that is gone: the user is told, and nothing is opened.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(3)));
    ASSERT_TRUE(Escolher('L'));
    HWND caixa = Caixa();
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(TextoDaCaixa(caixa), "O arquivo C:\\nao\\existe\\sumido.exe não foi encontrado.");
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindowVisible(caixa); }));
    EXPECT_EQ(PedidoAoShell(2000), "") << "nothing asked of the shell";
    EXPECT_TRUE(barra_.Encerrar());
}

// The keyboard: with the bar's mark on a button, Shift+F10 opens that button's menu.
TEST_F(MenuAtalho, ShiftF10OpensTheMarkedButtonsMenu) {
    HWND bar = Iniciar();
    ASSERT_NE(bar, nullptr);
    test::PressKey(VK_DOWN);
    test::PressKey(VK_DOWN);  // the second button
    ASSERT_TRUE(test::WaitFor([&] { return Atalhos(bar, 0) == 4; }));
    test::PressKey(VK_F10, true);
    ASSERT_TRUE(Menus(1));
    EXPECT_EQ(Primeiras(Entradas(bar), kMenuDoPrograma.size()), kMenuDoPrograma);
    ASSERT_TRUE(Escolher('C'));
    EXPECT_TRUE(test::WaitFor([&] { return AreaDeTransferencia() == Gravador() + " dois"; }))
        << AreaDeTransferencia();
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(MenuAtalho, DeletingAsksFirstAndMovingGoesToOtherShortcutsAndBack) {
    HWND bar = Iniciar();
    ASSERT_NE(bar, nullptr);
    // "Excluir", answered "Não" (the default): nothing changes.
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('X'));
    HWND caixa = Caixa();
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(TextoDaCaixa(caixa), "Excluir o atalho \"Bloco de notas\"?");
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindowVisible(caixa); }));
    EXPECT_EQ(Atalhos(bar, 0), 4);
    EXPECT_NE(Ini().find("titulo=Bloco de notas"), std::string::npos);

    // "Mover para "Outros atalhos"": one submenu entry and no button, saved.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('M'));
    ASSERT_TRUE(test::WaitFor([&] { return Atalhos(bar, 0) == 3 && Atalhos(bar, 1) == 1; }));
    EXPECT_TRUE(test::WaitFor([&] { return Ini().find("titulo=Bloco de notas\xC2\xA7") != std::string::npos &&
                                           Ini().find("opcaomenu=Sim") != std::string::npos; }))
        << Ini();

    // A right click on that entry offers it back to the bar.
    ASSERT_TRUE(Aberta());
    const POINT fundo{aberta_.left + 60, aberta_.top + 400};
    ASSERT_TRUE(MenuEm(fundo));
    EXPECT_EQ(Entradas(bar).front(), "Outros atalhos") << "the bar's own menu on its background";
    HWND menu = MenuWindows(barra_.Ultimo().pid()).front();
    RECT r{};
    GetWindowRect(menu, &r);
    const int entrada = S(16) + S(4) + S(2);
    SetCursorPos(r.left + S(40), r.top + S(3) + entrada / 2);  // "Outros atalhos" opens its entries
    ASSERT_TRUE(Menus(2));
    EXPECT_EQ(Entradas(bar, true), (std::vector<std::string>{"Bloco de notas"}));
    HWND sub = nullptr;
    for (HWND m : MenuWindows(barra_.Ultimo().pid()))
        if (m != menu) sub = m;
    ASSERT_NE(sub, nullptr);
    GetWindowRect(sub, &r);
    const POINT naEntrada{r.left + S(40), r.top + S(3) + entrada / 2};
    SetCursorPos(naEntrada.x, naEntrada.y);
    test::RightClickAt(naEntrada.x, naEntrada.y);
    ASSERT_TRUE(test::WaitFor([&] {
        const auto e = Entradas(bar);
        return e.size() > 6 && e[5] == "Exibir na &barra";
    })) << "the entry's own menu, offering it back";
    EXPECT_EQ(Entradas(bar).front(), "!&Abrir");
    ASSERT_TRUE(Escolher('B'));
    ASSERT_TRUE(test::WaitFor([&] { return Atalhos(bar, 0) == 4 && Atalhos(bar, 1) == 0; }));
    EXPECT_TRUE(test::WaitFor([&] { return Ini().find("opcaomenu=Sim") == std::string::npos; })) << Ini();

    // "Excluir", answered "Sim": gone from the bar and from the file.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('X'));
    caixa = Caixa();
    ASSERT_NE(caixa, nullptr);
    Clicar(caixa, IDYES);
    ASSERT_TRUE(test::WaitFor([&] { return Atalhos(bar, 0) == 3; }));
    EXPECT_TRUE(test::WaitFor([&] { return Ini().find("Bloco de notas") == std::string::npos; })) << Ini();
    EXPECT_NE(Ini().find("RecordCount=3"), std::string::npos) << Ini();
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(MenuAtalho, EditingChangesTheTitleOnTheBarAndInTheFile) {
    HWND bar = Iniciar();
    ASSERT_NE(bar, nullptr);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('E'));
    HWND d = Caixa();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(test::TextoDe(d), "Alteração") << "captioned as the configuration window's edit";
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);  // the title box, its text selected
    test::Digitar(L"Bloco renomeado");
    test::PressKey(VK_F5);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindowVisible(d); }, 10000));
    EXPECT_TRUE(test::WaitFor([&] {
        const auto nomes = test::NomesDosBotoes(bar);
        return nomes.size() > 1 && nomes[1] == "Bloco renomeado";
    })) << "the button shows it";
    EXPECT_TRUE(test::WaitFor([&] { return Ini().find("titulo=Bloco renomeado") != std::string::npos; })) << Ini();
    EXPECT_EQ(Ini().find("titulo=Bloco de notas"), std::string::npos);

    // Cancel changes nothing.
    ASSERT_TRUE(Aberta());
    ASSERT_TRUE(MenuEm(Botao(1)));
    ASSERT_TRUE(Escolher('E'));
    d = Caixa();
    ASSERT_NE(d, nullptr);
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    test::Digitar(L"Outro nome");
    test::PressKey(VK_ESCAPE);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindowVisible(d); }, 10000));
    EXPECT_EQ(test::NomesDosBotoes(bar).at(1), "Bloco renomeado");
    EXPECT_EQ(Ini().find("Outro nome"), std::string::npos);
    CoUninitialize();
    EXPECT_TRUE(barra_.Encerrar());
}

}  // namespace
}  // namespace nq
