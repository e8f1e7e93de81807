// Adding shortcuts to a running Pivel.exe as a user does: Ins and the edit dialog, typed with real keys,
// and files dropped on the bar as the shell drops them.

#include <gtest/gtest.h>

#include <objbase.h>
#include <shlobj.h>

#include <memory>
#include <set>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarLayout.h"
#include "app/MainWin32.h"
#include "support/NqFun.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

constexpr const char* kEdicao = "Programas e comandos (Edição)";

// The text of a control of another program.
std::string TextoDoControle(HWND h) {
    wchar_t buf[4096] = L"";
    DWORD_PTR n = 0;
    SendMessageTimeoutW(h, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buf), SMTO_ABORTIFHUNG, 5000, &n);
    return Narrow(std::wstring(buf, n));
}

// Every text of a window and its children, joined: what a message box says.
std::string TextosDe(HWND w) {
    std::string out = TextoDoControle(w);
    for (HWND c = GetWindow(w, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out += "\n" + TextoDoControle(c);
    return out;
}

// A shell link to a target, written as the shell writes one.
bool CriarLink(const std::string& arquivo, const std::string& alvo) {
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool ok = false;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        link->SetPath(Wide(alvo).c_str());
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            ok = SUCCEEDED(file->Save(Wide(arquivo).c_str(), TRUE));
            file->Release();
        }
        link->Release();
    }
    if (SUCCEEDED(init)) CoUninitialize();
    return ok;
}

class IncluirAtalho : public ::testing::Test {
protected:
    std::string Exe() const { return barra_.Exe(); }
    std::string Ini() const { return barra_.Ini(); }
    // The settings file as text (it is written in Windows-1252).
    std::string IniTexto() const {
        const std::string bytes = test::ReadFile(Ini());
        std::wstring w(bytes.size(), L'\0');
        w.resize(static_cast<std::size_t>(MultiByteToWideChar(
            1252, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), static_cast<int>(w.size()))));
        return Narrow(w);
    }

    void SetUp() override {
        ASSERT_TRUE(barra_.Copiada());
        msgAtalhos_ = RegisterWindowMessageW(kMsgAtalhos);
    }

    // Starts the bar and opens it with a click on its strip, so that it has the keyboard.
    HWND StartAberta(const std::vector<std::string>& env = {}) {
        HWND w = barra_.Lancar("", env);
        if (!w) return nullptr;
        test::WaitFor([&] { return IsWindowVisible(w) != 0; });
        RECT wa{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
        const Rect aberta = OpenBarRect(wa.right - wa.left, wa.bottom - wa.top);
        test::ClickAt(wa.right - 1, wa.bottom - 10);
        RECT r{};
        if (!test::WaitFor([&] { return GetWindowRect(w, &r) && r.left == aberta.left; })) return nullptr;
        if (!test::NaFrente(w)) return nullptr;
        return w;
    }

    // What the bar shows: 0 buttons, 1 "Outros atalhos" entries, 2 rebuilds so far.
    LRESULT Atalhos(HWND w, int o) const { return SendMessageW(w, msgAtalhos_, static_cast<WPARAM>(o), 0); }

    // The bar's visible dialogs.
    std::set<HWND> Dialogos() const {
        const std::vector<HWND> dialogos = test::WindowsOfClass(barra_.Ultimo().pid(), L"#32770");
        return std::set<HWND>(dialogos.begin(), dialogos.end());
    }
    HWND NovoDialogo(const std::set<HWND>& antes, DWORD ms = 15000) const {
        HWND achado = nullptr;
        test::WaitFor(
            [&] {
                for (HWND d : Dialogos())
                    if (!antes.count(d)) achado = d;
                return achado != nullptr;
            },
            ms);
        return achado;
    }
    // Ins on the bar, and the edit dialog it opens, in front. Under X without a window manager a bar
    // that has just moved may lose the keyboard for a moment and take it back: the key is pressed again
    // while no dialog came.
    HWND Ins(HWND w) {
        const std::set<HWND> antes = Dialogos();
        HWND d = nullptr;
        for (int tentativa = 0; tentativa < 3 && !d; ++tentativa) {
            if (!test::NaFrente(w)) continue;
            test::PressKey(VK_INSERT);
            d = NovoDialogo(antes, 5000);
        }
        if (d && !test::NaFrente(d)) return nullptr;
        return d;
    }
    // The control of a dialog whose top left corner stands at a point of the design (96 dpi).
    static HWND ControleEm(HWND dlg, int x, int y) {
        for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const Rect r = test::RetanguloNoPai(c);
            if (r.left == x && r.top == y) return c;
        }
        return nullptr;
    }
    // Ends the bar in order and waits for it.
    void Fechar(HWND w) {
        PostMessageW(w, WM_CLOSE, 0, 0);
        DWORD code = 1;
        EXPECT_TRUE(barra_.Ultimo().Wait(15000, &code));
        EXPECT_EQ(code, 0u);
    }

    test::BarraEmTeste barra_;
    const test::TempFolder& dir_ = barra_.Pasta();
    UINT msgAtalhos_ = 0;
};

// A bar carried on a removable drive: a shortcut added on its own drive is stored relative to the
// program, so that it still works when the drive gets another letter; one on another drive as typed.
TEST_F(IncluirAtalho, OnACarriedBarAShortcutOnItsOwnDriveIsStoredRelativeToTheProgram) {
    const std::string ferramentas = barra_.Pasta() / "ferramentas";
    ASSERT_TRUE(CreateDirectoryW(Wide(ferramentas).c_str(), nullptr));
    ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(),
                          Wide(ferramentas + "\\gravador.exe").c_str(), FALSE));
    ASSERT_TRUE(barra_.Catalogo({"titulo=Calculadora\xA7programa=Z:\\calc.exe\xA7tipo=1\xA7opcaomenu=N\xE3o\xA7"}));
    HWND w = StartAberta({"PIVEL_UNIDADE_REMOVIVEL=1"});
    ASSERT_NE(w, nullptr);
    HWND d = Ins(w);
    ASSERT_NE(d, nullptr);
    HWND programa = ControleEm(d, 80, 16), titulo = ControleEm(d, 80, 64);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }));
    test::Digitar(Wide(ferramentas + "\\gravador.exe"));
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    EXPECT_TRUE(test::WaitFor([&] { return !TextoDoControle(titulo).empty(); }));
    test::PressKey(VK_F5);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 10000));
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == 2; }, 10000));
    Fechar(w);
    const std::string ini = IniTexto();
    EXPECT_NE(ini.find("programa=%PIVEL%\\ferramentas\\gravador.exe§"), std::string::npos) << ini;
    EXPECT_NE(ini.find("programa=Z:\\calc.exe§"), std::string::npos) << "another drive, as typed:\n" << ini;
}

TEST_F(IncluirAtalho, InsOpensTheEditDialogAndF5AddsAButtonThatIsSavedAtOnce) {
    HWND w = StartAberta();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(Atalhos(w, 0), 3);
    const LRESULT reconstrucoes = Atalhos(w, 2);

    HWND d = Ins(w);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(test::TextoDe(d), kEdicao);
    EXPECT_EQ(test::ClienteDe(d), (Rect{0, 0, 537, 217}));
    test::SalvarTela(d, "Pivel-Ins");
    HWND programa = ControleEm(d, 80, 16), titulo = ControleEm(d, 80, 64);
    ASSERT_NE(programa, nullptr);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }));
    test::Digitar(L"\"C:\\windows\\notepad.exe\"");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);  // the title box proposes "Notepad", all of it selected
    EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(titulo) == "Notepad"; }));
    test::Digitar(L"Meu bloco");
    test::PressKey(VK_F5);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 10000));
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == 4; }, 10000));
    EXPECT_EQ(Atalhos(w, 2), reconstrucoes + 1);
    EXPECT_NE(IniTexto().find("titulo=Meu bloco§programa=C:\\windows\\notepad.exe§"), std::string::npos)
        << "saved at once, without the quotes:\n"
        << IniTexto();

    // An existing folder is stored as a folder.
    d = Ins(w);
    ASSERT_NE(d, nullptr);
    test::Digitar(L"C:\\windows\\");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    test::WaitFor([&] { return TextoDoControle(ControleEm(d, 80, 64)) == "windows"; });
    test::PressKey(VK_F5);
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == 5; }, 10000));

    // "Incluir atalho" opens the same dialog; Esc adds nothing and rebuilds nothing.
    const LRESULT antesDoEsc = Atalhos(w, 2);
    const std::set<HWND> antes = Dialogos();
    PostMessageW(w, WM_COMMAND, mnIncluir, 0);
    d = NovoDialogo(antes);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(test::TextoDe(d), kEdicao);
    ASSERT_TRUE(test::NaFrente(d));
    test::Digitar(L"C:\\windows\\regedit.exe");
    test::PressKey(VK_ESCAPE);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 10000));
    EXPECT_EQ(Atalhos(w, 0), 5);
    EXPECT_EQ(Atalhos(w, 2), antesDoEsc);

    Fechar(w);
    const std::string ini = IniTexto();
    EXPECT_NE(ini.find("RecordCount=5\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("titulo=windows§programa=C:\\windows\\§param=§icone=4§tipo=0§opcaomenu=Não§"),
              std::string::npos)
        << ini;
    EXPECT_EQ(ini.find("regedit"), std::string::npos);
}

// A target that is not there is asked about before it is saved, "Sim" focused: "Não" keeps the dialog with
// the focus on the target, "Sim" saves it. A web address is never asked about.
TEST_F(IncluirAtalho, AMissingTargetIsAskedAboutBeforeSavingAndAWebAddressIsNot) {
    HWND w = StartAberta();
    ASSERT_NE(w, nullptr);
    const LRESULT botoes = Atalhos(w, 0);
    HWND d = Ins(w);
    ASSERT_NE(d, nullptr);
    HWND programa = ControleEm(d, 80, 16), titulo = ControleEm(d, 80, 64);
    ASSERT_TRUE(programa && titulo);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }));
    test::Digitar(L"C:\\nao\\existe.exe");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(titulo) == "Existe"; }));
    // Saved with F5: the question, "Sim" focused.
    const auto perguntar = [&] {
        const std::set<HWND> antes = Dialogos();
        test::PressKey(VK_F5);
        return NovoDialogo(antes);
    };
    HWND p = perguntar();
    ASSERT_NE(p, nullptr);
    EXPECT_NE(TextosDe(p).find("O arquivo C:\\nao\\existe.exe n\xC3\xA3o foi encontrado. Salvar assim mesmo?"),
              std::string::npos)
        << TextosDe(p);
    HWND sim = FindWindowExW(p, nullptr, L"Button", L"&Sim"), nao = FindWindowExW(p, nullptr, L"Button", L"&N\u00E3o");
    ASSERT_TRUE(sim && nao);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(p) == sim; }));
    test::SalvarTela(p, "alvo-inexistente");
    RECT r{};
    GetWindowRect(nao, &r);
    test::ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(p); }));
    EXPECT_TRUE(IsWindowVisible(d)) << "\"N\xC3\xA3o\" keeps the dialog";
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }));
    EXPECT_EQ(Atalhos(w, 0), botoes);
    // Asked again, Enter answers "Sim": saved as typed.
    ASSERT_TRUE(test::NaFrente(d));
    p = perguntar();
    ASSERT_NE(p, nullptr);
    ASSERT_TRUE(test::NaFrente(p));
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 10000));
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == botoes + 1; }, 10000));
    EXPECT_NE(IniTexto().find("titulo=Existe§programa=C:\\nao\\existe.exe§"), std::string::npos) << IniTexto();

    // A web address: saved at once.
    ASSERT_TRUE(barra_.Aberta() || barra_.Abrir());
    d = Ins(w);
    ASSERT_NE(d, nullptr);
    programa = ControleEm(d, 80, 16);
    titulo = ControleEm(d, 80, 64);
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }));
    test::Digitar(L"https://www.exemplo.com.br/sumiu.html");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    test::Digitar(L"Site");
    EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(titulo) == "Site"; }));
    test::PressKey(VK_F5);
    EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(d); }, 10000)) << "no question";
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == botoes + 2; }, 10000));
    Fechar(w);
}

TEST_F(IncluirAtalho, ABlankProgramIsRefusedAndAPickedFileGoesToOtherShortcuts) {
    const std::string documento = dir_ / "Relatório anual.txt";
    ASSERT_TRUE(test::WriteFile(documento, "texto"));
    HWND w = StartAberta();
    ASSERT_NE(w, nullptr);
    HWND d = Ins(w);
    ASSERT_NE(d, nullptr);
    HWND programa = ControleEm(d, 80, 16);

    std::set<HWND> antes = Dialogos();
    test::PressKey(VK_F5);
    HWND erro = NovoDialogo(antes);
    ASSERT_NE(erro, nullptr);
    EXPECT_EQ(test::TextoDe(erro), "Nq-Pivel");
    EXPECT_NE(TextosDe(erro).find("Uma pasta ou arquivo deve ser informado!"), std::string::npos)
        << TextosDe(erro);
    ASSERT_TRUE(test::NaFrente(erro));
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(erro); }));
    EXPECT_TRUE(IsWindowVisible(d)) << "the dialog stays open";
    EXPECT_TRUE(test::WaitFor([&] { return test::FocoDe(d) == programa; }))
        << "with the focus in the program box";

    // The file dialog, answered with keys; the blank title box then proposes the file's name.
    antes = Dialogos();
    test::CliqueEm(ControleEm(d, 472, 16), 8, 8);
    HWND arquivos = NovoDialogo(antes);
    ASSERT_NE(arquivos, nullptr);
    EXPECT_EQ(test::TextoDe(arquivos), "Selecione um programa ou arquivo para o atalho");
    ASSERT_TRUE(test::NaFrente(arquivos));
    test::Digitar(Wide(documento));
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(arquivos); }));
    EXPECT_TRUE(test::WaitFor([&] { return SameText(TextoDoControle(programa), documento); }));
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_TAB);  // from the parameters into the title box
    EXPECT_TRUE(test::WaitFor([&] { return TextoDoControle(ControleEm(d, 80, 64)) == "Relatório anual"; }));
    test::PressKey(VK_TAB);    // "Exibir como ícone"
    test::PressKey(VK_RIGHT);  // "Exibir no menu "Outros atalhos""
    test::PressKey(VK_F5);
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 1) == 1; }, 10000))
        << "one entry in \"Outros atalhos\"";
    EXPECT_EQ(Atalhos(w, 0), 3) << "and no new button";
    Fechar(w);
    EXPECT_NE(IniTexto().find("titulo=Relatório anual§"), std::string::npos);
    EXPECT_NE(IniTexto().find("opcaomenu=Sim§"), std::string::npos);
}

TEST_F(IncluirAtalho, ALogOffDuringTheDialogSavesTheRestAndWaitsForTheRecord) {
    HWND w = StartAberta();
    ASSERT_NE(w, nullptr);
    HWND d = Ins(w);
    ASSERT_NE(d, nullptr);
    test::Digitar(L"C:\\windows\\notepad.exe");
    test::PressKey(VK_TAB);
    test::PressKey(VK_TAB);
    ASSERT_TRUE(test::WaitFor([&] { return TextoDoControle(ControleEm(d, 80, 64)) == "Notepad"; }));

    // The session asks to end while the record is being typed: the stored shortcuts are written, the
    // record and the dialog stay as they are, and the bar ends only after the dialog.
    EXPECT_EQ(SendMessageW(w, WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_NE(IniTexto().find("RecordCount=3\r\n"), std::string::npos) << IniTexto();
    SendMessageW(w, WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(IsWindowVisible(d));
    EXPECT_EQ(TextoDoControle(ControleEm(d, 80, 16)), "C:\\windows\\notepad.exe");
    EXPECT_FALSE(barra_.Ultimo().Wait(0));
    ASSERT_TRUE(test::NaFrente(d));
    test::PressKey(VK_F5);
    DWORD code = 1;
    ASSERT_TRUE(barra_.Ultimo().Wait(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_NE(IniTexto().find("RecordCount=4\r\n"), std::string::npos) << IniTexto();
    EXPECT_NE(IniTexto().find("titulo=Notepad§"), std::string::npos);
}

TEST_F(IncluirAtalho, ADropAsksForEachTitleRebuildsOnceAndTakesLongPathsWhole) {
    const std::string docs = dir_ / "Docs";
    ASSERT_TRUE(CreateDirectoryW(Wide(docs).c_str(), nullptr));
    for (const char* n : {"um.txt", "dois.pdf", "tres.doc"})
        ASSERT_TRUE(test::WriteFile(docs + "\\" + n, "x"));
    const std::string link = docs + "\\Pasta.LNK";
    ASSERT_TRUE(CriarLink(link, docs));
    // A file 300 characters deep.
    std::string fundo = dir_.path();
    for (char c = 'a'; fundo.size() + 61 < 290; ++c) {
        fundo += std::string(60, c) + "\\";
        CreateDirectoryW(Wide("\\\\?\\" + fundo).c_str(), nullptr);
    }
    fundo += std::string(300 - fundo.size() - 4, 'z') + ".txt";
    ASSERT_EQ(fundo.size(), 300u);
    ASSERT_TRUE(test::WriteFile("\\\\?\\" + fundo, "x"));

    HWND w = StartAberta();
    ASSERT_NE(w, nullptr);
    const LRESULT reconstrucoes = Atalhos(w, 2);
    auto soltar = [&](const std::vector<std::string>& nomes) { return test::Soltar(w, nomes); };

    // Three documents: confirmed, cancelled (the proposal stays) and emptied (left out).
    ASSERT_TRUE(soltar({docs + "\\um.txt", docs + "\\dois.pdf", docs + "\\tres.doc"}));
    std::vector<std::string> perguntas;
    std::set<HWND> vistas = Dialogos();
    for (WORD tecla : {WORD(VK_RETURN), WORD(VK_ESCAPE), WORD(VK_DELETE)}) {
        HWND caixa = NovoDialogo(vistas);
        ASSERT_NE(caixa, nullptr);
        vistas.insert(caixa);
        perguntas.push_back(test::TextoDe(caixa));
        if (perguntas.size() == 1) test::SalvarTela(caixa, "Atalho-titulo");
        ASSERT_TRUE(test::NaFrente(caixa));
        test::PressKey(tecla);
        if (tecla == VK_DELETE) test::PressKey(VK_RETURN);
        ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(caixa); }));
    }
    EXPECT_EQ(perguntas, (std::vector<std::string>{"Atalho", "Atalho", "Atalho"}));
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == 5; }, 10000));
    EXPECT_EQ(Atalhos(w, 2), reconstrucoes + 1) << "one rebuild for the drop";
    EXPECT_TRUE(Dialogos().empty()) << "no fourth question";

    // A link to a folder is refused (".LNK" is a link too); the deep file after it is still added.
    ASSERT_TRUE(soltar({link, fundo}));
    HWND erro = NovoDialogo({});
    ASSERT_NE(erro, nullptr);
    const std::string texto = TextosDe(erro);
    EXPECT_NE(texto.find("Impossível incluir!"), std::string::npos) << texto;
    EXPECT_NE(texto.find("O atalho não possui um programa válido!"), std::string::npos) << texto;
    EXPECT_NE(texto.find("Pasta.LNK"), std::string::npos) << texto;
    test::SalvarTela(erro, "Atalho-link-sem-programa");
    ASSERT_TRUE(test::NaFrente(erro));
    test::PressKey(VK_RETURN);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(erro); }));
    HWND caixa = NovoDialogo({});
    ASSERT_NE(caixa, nullptr);
    EXPECT_EQ(test::TextoDe(caixa), "Atalho");
    ASSERT_TRUE(test::NaFrente(caixa));
    test::PressKey(VK_RETURN);
    EXPECT_TRUE(test::WaitFor([&] { return Atalhos(w, 0) == 6; }, 10000));
    EXPECT_EQ(Atalhos(w, 2), reconstrucoes + 2);

    Fechar(w);
    const std::string ini = IniTexto();
    EXPECT_NE(ini.find("titulo=Um§programa=" + docs + "\\um.txt§"), std::string::npos) << ini;
    EXPECT_NE(ini.find("titulo=Dois§programa=" + docs + "\\dois.pdf§"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("tres.doc"), std::string::npos) << ini;
    EXPECT_EQ(ini.find("Pasta.LNK"), std::string::npos) << ini;
    EXPECT_NE(ini.find("programa=" + fundo + "§"), std::string::npos) << "the deep path whole:\n" << ini;
}

}  // namespace
}  // namespace nq
