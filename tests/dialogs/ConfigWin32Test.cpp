// The configuration window for real: shown over a catalogue and a bar of the test's own, and driven
// from a second thread through its controls' messages, as a user and a screen reader would.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "catalogue/Auxiliares.h"
#include "catalogue/NqIniFiles.h"
#include "dialogs/ConfigWin32.h"
#include "dialogs/GradeFixture.h"
#include "dialogs/LeitorGrade.h"
#include "dialogs/ThemedDBGridWin32.h"
#include "support/Cp1252.h"
#include "support/NqConst.h"
#include "support/NqFun.h"
#include "support/PlatformWin32.h"
#include "support/Text.h"
#include "ui/DialogLayout.h"
#include "ui/DialogTestUtil.h"
#include "ui/NqMsgAllForm.h"

namespace nq {
namespace {

using test::ComDialogo;
using Nomes = std::vector<std::string>;

// A bar that keeps what the window set on it.
class BarraFalsa final : public IBarConfig {
public:
    BarraFalsa() {
        CriarCamposAtalho(cds);
        cds.CreateDataSet();
        cds.OnNewRecord = [](TClientDataset& t) { t.FieldByName("OpcaoMenu").SetAsBoolean(false); };
        visual = TVisualBarra{"Meus Atalhos", 1714213, TFont{"Tahoma", 9, clWhite}, true, 210, true};
    }
    void Add(const std::string& titulo, const std::string& programa, int tipo = 1, bool menu = false) {
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.FieldByName("Programa").SetAsString(programa);
        cds.FieldByName("Tipo").SetAsInteger(tipo);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(menu);
        cds.Post();
    }

    TClientDataset& Catalogo() override { return cds; }
    TVisualBarra Visual() const override { return visual; }
    HICON IconeTitulo() const override { return nullptr; }
    void AplicarConfig(const TConfigBarra& a, const TConfigBarra& depois, HICON icone) override {
        antes.push_back(a);
        salvos.push_back(depois);
        aplicados.push_back(VisualDe(depois));
        comIcone = icone != nullptr;
    }
    std::optional<TMenusEscolha> EscolherAparenciaMenu() override { return escolhaDoDialogo; }
    TMenusEscolha AparenciaMenu() override { return aparencia; }
    void AplicarAparenciaMenu(const TMenusEscolha& e) override {
        aparencia = e;
        ++aparenciasAplicadas;
    }

    TClientDataset cds;
    std::optional<TMenusEscolha> escolhaDoDialogo;  // what the menu settings window answers
    TMenusEscolha aparencia;
    int aparenciasAplicadas = 0;
    TVisualBarra visual;
    // What the window handed over at each save: the settings as it showed them and as saved, and the look.
    std::vector<TConfigBarra> antes, salvos;
    std::vector<TVisualBarra> aplicados;
    bool comIcone = false;
};

TfrmConfig* JanelaDe(HWND w) {
    return dynamic_cast<TfrmConfig*>(reinterpret_cast<TDialogo*>(GetWindowLongPtrW(w, DWLP_USER)));
}

std::string TextosDe(HWND janela) {
    std::string out = test::TextoDe(janela);
    EnumChildWindows(
        janela,
        [](HWND w, LPARAM p) -> BOOL {
            *reinterpret_cast<std::string*>(p) += "|" + test::TextoDe(w);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

// Types a text into an edit box one key at a time, as the box receives it.
void Digitar(HWND edicao, const std::string& texto) {
    for (wchar_t c : Wide(texto)) SendMessageW(edicao, WM_CHAR, c, 1);
}

void Clicar(HWND botao) {
    SendMessageW(botao, BM_CLICK, 0, 0);
}

// A key pressed in a control, through the window's own queue (so that the window's key preview sees it).
void Tecla(HWND controle, WPARAM vk) {
    PostMessageW(controle, WM_KEYDOWN, vk, 1);
    PostMessageW(controle, WM_KEYUP, vk, 0xC0000001);
}

COLORREF Pixel(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

class Configuracao : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        InstallWin32Platform();
        ApplicationTitle = "Nq-Pivel";
        inProgrammingMode = false;
        test::ValoresGrade(true);
        AbrirIni("");
        barra.Add("Documentos", "C:\\users\\Public\\Documents\\", 0);
        barra.Add("Bloco de notas", "C:\\windows\\system32\\notepad.exe");
        barra.Add("Calculadora", "C:\\windows\\system32\\calc.exe");
        barra.Add("Fotos", "C:\\users\\Public\\Pictures\\", 0, true);
        barra.Add("Relatório", "https://www.exemplo.com.br/");
    }
    void TearDown() override {
        AbrirEdicaoAtalho = nullptr;
        NqIni.reset();
        SetFileAttributesW(Wide(Ini()).c_str(), FILE_ATTRIBUTE_NORMAL);
        CoUninitialize();
    }

    std::string Ini() const { return dir_ / "PivelConfig.ini"; }
    void AbrirIni(const std::string& conteudo) {
        NqIni.reset();
        test::WriteFile(Ini(), conteudo);
        NqIni = std::make_unique<TMemIniFile>(Ini());
    }

    // Shows the window on this thread; agir runs on another with it as soon as it shows. True when the
    // window closed by saving.
    bool Mostrar(const std::function<void(HWND, TfrmConfig*)>& agir) {
        TfrmConfig janela(barra);
        int resultado = 0;
        ComDialogo([&] { resultado = janela.ShowModal(nullptr); },
                   [&](HWND w) {
                       CoInitializeEx(nullptr, COINIT_MULTITHREADED);
                       TfrmConfig* d = JanelaDe(w);
                       if (d) agir(w, d);
                       CoUninitialize();
                   });
        return resultado == mrOk;
    }

    // A window that shows over the configuration window, waited for.
    static HWND Mensagem(const std::set<HWND>& antes) { return test::NovoDialogo(antes, 10000); }

    BarraFalsa barra;
    test::TempFolder dir_;
};

TEST_F(Configuracao, StandsAtItsSizeWithBothPagesAt96And144Dpi) {
    for (int dpi : {96, 144}) {
        test::DensidadeForcada densidade(dpi);
        Rect cliente, salvar, grade;
        std::string titulo;
        int linhas = 0;
        Mostrar([&](HWND w, TfrmConfig* d) {
            titulo = test::TextoDe(w);
            cliente = test::ClienteDe(w);
            // Every control where the design puts it, scaled for the density.
            const std::vector<Rect> desenho = PosicionarDesenho(d->Projeto());
            for (std::size_t i = 0; i < d->Projeto().controles.size(); ++i) {
                const ProjetoControle& c = d->Projeto().controles[i];
                HWND h = d->Controle(static_cast<int>(i));
                if (!h || c.tipo == TipoControle::Numero || c.tipo == TipoControle::Pagina) continue;
                const Rect esperado = Scale(desenho[i], dpi), real = test::RetanguloNoPai(h);
                const int folga = dpi == 96 ? 0 : 1;
                EXPECT_NEAR(real.left, esperado.left, folga) << c.nome << " at " << dpi;
                EXPECT_NEAR(real.top, esperado.top, folga) << c.nome << " at " << dpi;
                EXPECT_NEAR(real.width, esperado.width, folga) << c.nome << " at " << dpi;
                // A drop-down list is as tall as the system makes it for its font.
                if (c.tipo != TipoControle::Combo) {
                    EXPECT_NEAR(real.height, esperado.height, folga) << c.nome << " at " << dpi;
                }
            }
            salvar = test::RetanguloNoPai(d->Controle(d->Indice("bok")));
            grade = test::RetanguloNoPai(d->Controle(d->Indice("g")));
            linhas = d->Grade()->Grade().RowCount();
            EXPECT_EQ(test::TextoDe(d->Controle(d->Indice("bok"))), "Salvar | F5");
            test::SalvarTela(w, "Config-atalhos-" + std::to_string(dpi));
            HWND abas = d->Controle(d->Indice("pc"));
            SendMessageW(abas, TCM_SETCURSEL, 1, 0);
            NMHDR nm{abas, static_cast<UINT_PTR>(GetDlgCtrlID(abas)), static_cast<UINT>(TCN_SELCHANGE)};
            SendMessageW(w, WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
            EXPECT_TRUE(test::WaitFor([&] { return IsWindowVisible(d->Controle(d->Indice("tsconf"))) != 0; }));
            test::SalvarTela(w, "Config-configuracoes-" + std::to_string(dpi));
            Clicar(d->Controle(d->Indice("bcanc")));
        });
        EXPECT_EQ(titulo, "Configurações");
        EXPECT_EQ(cliente, (Rect{0, 0, Scale(538, dpi), Scale(495, dpi)})) << dpi;
        EXPECT_EQ(salvar, Scale(Rect{329, 460, 97, 25}, dpi)) << dpi;
        // The grid fills its page between the navigator's and the filters' panels: 14 rows at 96 dpi.
        EXPECT_EQ(grade.height, Scale(8 + 447, dpi) - Scale(8 + 28 + 4, dpi) - Scale(4, dpi) -
                                    Scale(37, dpi) - Scale(30, dpi))
            << dpi;
        if (dpi == 96) {
            EXPECT_EQ(linhas, 14);
        }
    }
}

TEST_F(Configuracao, SearchAndFiltersShowTheirShortcutsToAScreenReader) {
    Nomes buscando, pastas, buscaDeNovo, todas, noMenu;
    bool pastasMarcada = false, pastasMarcadaDepois = false;
    std::string textoBusca;
    Mostrar([&](HWND, TfrmConfig* d) {
        HWND g = d->Controle(d->Indice("g"));
        todas = test::NomesDasLinhas(g);
        Digitar(d->Controle(d->Indice("eFind")), "bloco notas");
        buscando = test::NomesDasLinhas(g);
        test::SalvarTela(d->hwnd(), "Config-pesquisa");
        Clicar(d->Controle(d->Indice("RadioButton3")));  // "Pastas"
        pastas = test::NomesDasLinhas(g);
        pastasMarcada = SendMessageW(d->Controle(d->Indice("RadioButton3")), BM_GETCHECK, 0, 0) == BST_CHECKED;
        textoBusca = test::TextoDe(d->Controle(d->Indice("eFind")));
        Digitar(d->Controle(d->Indice("eFind")), "s");  // typing again replaces the folder filter
        buscaDeNovo = test::NomesDasLinhas(g);
        pastasMarcadaDepois = SendMessageW(d->Controle(d->Indice("RadioButton3")), BM_GETCHECK, 0, 0) == BST_CHECKED;
        Clicar(d->Controle(d->Indice("RadioButton5")));  // "Exibir no menu"
        noMenu = test::NomesDasLinhas(g);
        test::SalvarTela(d->hwnd(), "Config-filtro-menu");
        Clicar(d->Controle(d->Indice("bcanc")));
    });
    EXPECT_EQ(todas,
              (Nomes{"Titulo: Documentos, M: Não", "Titulo: Fotos, M: Sim", "Titulo: Bloco de notas, M: Não",
                     "Titulo: Calculadora, M: Não", "Titulo: Relatório, M: Não"}));
    EXPECT_EQ(buscando, (Nomes{"Titulo: Bloco de notas, M: Não"}));
    EXPECT_EQ(pastas, (Nomes{"Titulo: Documentos, M: Não", "Titulo: Fotos, M: Sim"}));
    EXPECT_TRUE(pastasMarcada);
    EXPECT_EQ(textoBusca, "bloco notas");
    EXPECT_TRUE(buscaDeNovo.empty());  // "bloco notass" matches nothing
    EXPECT_TRUE(pastasMarcadaDepois);
    EXPECT_EQ(noMenu, (Nomes{"Titulo: Fotos, M: Sim"}));
    // Closing switched the filter off; its text stays.
    EXPECT_FALSE(barra.cds.Filtered());
    EXPECT_EQ(barra.cds.RecordCount(), 5);
}

TEST_F(Configuracao, SpaceAndTheMColumnMoveAShortcutToTheMenuInBlue) {
    bool azul = false;
    Nomes depois, noMenu;
    Mostrar([&](HWND, TfrmConfig* d) {
        HWND g = d->Controle(d->Indice("g"));
        TDBGridWin32* grade = d->Grade();
        // The third record, "Bloco de notas", current; Space on it.
        Tecla(g, VK_DOWN);
        Tecla(g, VK_DOWN);
        EXPECT_TRUE(test::WaitFor([&] { return test::RegistroAtual(g) == 3; }));
        Tecla(g, VK_SPACE);
        EXPECT_TRUE(
            test::WaitFor([&] { return test::NomeDaLinha(g, 2) == "Titulo: Bloco de notas, M: Sim"; }));
        // The row is written in blue: look for blue text in its title cell once the current row moves on.
        Tecla(g, VK_DOWN);
        EXPECT_TRUE(test::WaitFor([&] { return test::RegistroAtual(g) == 4; }));
        const Rect c = grade->Grade().CellRect(grade->Grade().LinhaNaTela(3), 0);
        azul = test::WaitFor([&] {
            UpdateWindow(g);
            for (int y = c.top; y < c.bottom(); ++y)
                for (int x = c.left; x < c.left + 80; ++x) {
                    const COLORREF p = Pixel(g, x, y);
                    if (GetBValue(p) > 180 && GetRValue(p) < 90 && GetGValue(p) < 90) return true;
                }
            return false;
        });
        // A click on "M" of the fifth row toggles "Relatório".
        const Rect m = grade->Grade().CellRect(grade->Grade().LinhaNaTela(5), 1);
        test::CliqueEm(g, m.left + 5, m.top + 5);
        EXPECT_TRUE(test::WaitFor([&] { return test::NomeDaLinha(g, 4) == "Titulo: Relatório, M: Sim"; }));
        // With "Exibir no menu", a toggled shortcut leaves the list.
        Clicar(d->Controle(d->Indice("RadioButton5")));
        noMenu = test::NomesDasLinhas(g);
        Tecla(g, VK_SPACE);
        EXPECT_TRUE(test::WaitFor([&] { return test::NomesDasLinhas(g).size() == noMenu.size() - 1; }));
        depois = test::NomesDasLinhas(g);
        Clicar(d->Controle(d->Indice("bcanc")));
    });
    EXPECT_TRUE(azul);
    EXPECT_EQ(noMenu, (Nomes{"Titulo: Fotos, M: Sim", "Titulo: Bloco de notas, M: Sim",
                             "Titulo: Relatório, M: Sim"}));
    EXPECT_EQ(depois.size(), 2u);
    // "Cancelar" leaves the catalogue's changes in place.
    EXPECT_TRUE(barra.aplicados.empty());
}

TEST_F(Configuracao, InsertEditAndDeleteGoThroughTheEditDialogAndAQuestion) {
    std::vector<std::string> legendas;
    AbrirEdicaoAtalho = [&](const std::string& caption) {
        legendas.push_back(caption);
        if (caption == "Inclusão") {
            barra.cds.FieldByName("Titulo").SetAsString("Agenda");
            barra.cds.FieldByName("Programa").SetAsString("C:\\agenda.exe");
        } else {
            barra.cds.FieldByName("Titulo").SetAsString("Agenda 2");
        }
        return true;
    };
    std::string pergunta;
    HWND foco = nullptr, nao = nullptr;
    Nomes depois;
    Mostrar([&](HWND, TfrmConfig* d) {
        HWND g = d->Controle(d->Indice("g"));
        Tecla(g, VK_INSERT);
        EXPECT_TRUE(test::WaitFor([&] { return test::RegistrosNaGrade(g) == 6; }));
        const int nova = test::RegistroAtual(g);
        EXPECT_EQ(test::NomeDaLinha(g, static_cast<std::size_t>(nova - 1)), "Titulo: Agenda, M: Não");
        Tecla(g, VK_F2);
        EXPECT_TRUE(test::WaitFor([&] { return legendas.size() == 2; }));
        // Delete asks, with "Não" focused; "Não" keeps the shortcut.
        std::set<HWND> antes = test::DialogosVisiveis();
        Tecla(g, VK_DELETE);
        HWND m = Mensagem(antes);
        ASSERT_NE(m, nullptr);
        pergunta = TextosDe(m);
        nao = FindWindowExW(m, nullptr, nullptr, L"&Não");
        test::WaitFor([&] { return test::FocoDe(m) == nao; });
        foco = test::FocoDe(m);
        test::SalvarTela(m, "Config-excluir");
        Clicar(nao);
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(m); }));
        EXPECT_EQ(test::RegistrosNaGrade(g), 6);
        antes = test::DialogosVisiveis();
        Tecla(g, VK_DELETE);
        m = Mensagem(antes);
        ASSERT_NE(m, nullptr);
        Clicar(FindWindowExW(m, nullptr, nullptr, L"&Sim"));
        EXPECT_TRUE(test::WaitFor([&] { return test::RegistrosNaGrade(g) == 5; }));
        // A double click on a row edits it.
        const Rect r = d->Grade()->Grade().CellRect(1, 0);
        PostMessageW(g, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 5, r.top + 5));
        PostMessageW(g, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 5, r.top + 5));
        EXPECT_TRUE(test::WaitFor([&] { return legendas.size() == 3; }));
        depois = test::NomesDasLinhas(g);
        Clicar(d->Controle(d->Indice("bcanc")));
    });
    EXPECT_EQ(legendas, (std::vector<std::string>{"Inclusão", "Alteração", "Alteração"}));
    EXPECT_NE(pergunta.find("Excluir atalho?"), std::string::npos) << pergunta;
    EXPECT_NE(pergunta.find("Agenda 2"), std::string::npos) << pergunta;
    EXPECT_NE(pergunta.find("C:\\agenda.exe"), std::string::npos) << pergunta;
    EXPECT_EQ(foco, nao);
    EXPECT_EQ(depois.size(), 5u);
}

TEST_F(Configuracao, SavingWritesItsKeysInOrderAndAppliesTheLookAtOnce) {
    const bool salva = Mostrar([&](HWND, TfrmConfig* d) {
        SetWindowTextW(d->Controle(d->Indice("eTitulo")), L"Atalhos da Ana");
        SetWindowTextW(d->Controle(d->Indice("spTransp")), L"150");
        Clicar(d->Controle(d->Indice("ckAuto")));
        Clicar(d->Controle(d->Indice("ckAbrirAoApontar")));
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);  // F5 anywhere saves
    });
    EXPECT_TRUE(salva);
    ASSERT_EQ(barra.aplicados.size(), 1u);
    EXPECT_EQ(barra.aplicados[0].titulo, "Atalhos da Ana");
    EXPECT_EQ(barra.aplicados[0].nivel, 150);
    // The bar is handed both records, to apply what changed: stay-on-top did not, so the bar stays.
    EXPECT_EQ(barra.antes[0].titulo, "Meus Atalhos");
    EXPECT_EQ(barra.antes[0].nivel, 210);
    EXPECT_EQ(barra.antes[0].sobreOutros, barra.salvos[0].sobreOutros);
    EXPECT_FALSE(barra.antes[0].autoOcultar);
    EXPECT_TRUE(barra.salvos[0].autoOcultar);
    EXPECT_TRUE(barra.salvos[0].abrirAoApontar);
    EXPECT_EQ(
        Cp1252ToUtf8(test::ReadFile(Ini())),
        "[Config]\r\nNomeEmpresa=Atalhos da Ana\r\nIconeEmpresa=\r\nSobreOutros=1\r\n"
        "TransparênciaAtivada=1\r\nNívelTransparência=150\r\nColor=1714213\r\n"
        "FonteÍcones=Tahoma,9,16777215,0,0,0,0\r\nDistânciaÍcones=38\r\nEditarTítulo=1\r\nAutoOcultar=1\r\n"
        "AbrirAoApontar=1\r\nIconHeightAuto=0\r\nTeclaAtalho=Ctrl+Alt+P\r\nMonitor=Principal\r\n"
        "Lado=Direita\r\n\r\n");
}

// The lists offer "Principal", the monitors by number and both edges; a value they do not know is shown as
// written and written back so, until the user picks an entry, which the bar then takes.
TEST_F(Configuracao, MonitorAndEdgeKeepAnUnknownValueUntilTheUserChoosesAndTheBarTakesTheChoice) {
    AbrirIni("[Config]\r\nMonitor=abc\r\nLado=Cima\r\n");
    const auto itens = [](HWND lista) {
        std::vector<std::string> v;
        const int n = static_cast<int>(SendMessageW(lista, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            wchar_t texto[64] = L"";
            SendMessageW(lista, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(texto));
            v.push_back(Narrow(texto));
        }
        return v;
    };
    std::vector<std::string> monitores, lados;
    std::string monitorMostrado, ladoMostrado;
    Mostrar([&](HWND, TfrmConfig* d) {
        monitores = itens(d->Controle(d->Indice("cbMonitor")));
        lados = itens(d->Controle(d->Indice("cbLado")));
        monitorMostrado = d->Texto(d->Indice("cbMonitor"));
        ladoMostrado = d->Texto(d->Indice("cbLado"));
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    std::vector<std::string> esperados{"Principal"};
    for (int i = 1; i <= GetSystemMetrics(SM_CMONITORS); ++i) esperados.push_back(std::to_string(i));
    esperados.push_back("abc");
    EXPECT_EQ(monitores, esperados);
    EXPECT_EQ(lados, (std::vector<std::string>{"Direita", "Esquerda", "Cima"}));
    EXPECT_EQ(monitorMostrado, "abc");
    EXPECT_EQ(ladoMostrado, "Cima");
    std::string arquivo = test::ReadFile(Ini());
    EXPECT_NE(arquivo.find("Monitor=abc\r\nLado=Cima\r\n"), std::string::npos) << arquivo;

    Mostrar([&](HWND, TfrmConfig* d) {
        SendMessageW(d->Controle(d->Indice("cbMonitor")), CB_SETCURSEL, 1, 0);
        SendMessageW(d->Controle(d->Indice("cbLado")), CB_SETCURSEL, 1, 0);
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    arquivo = test::ReadFile(Ini());
    EXPECT_NE(arquivo.find("Monitor=1\r\nLado=Esquerda\r\n"), std::string::npos) << arquivo;
    ASSERT_EQ(barra.salvos.size(), 2u);
    EXPECT_EQ(barra.salvos[0].monitor, "abc");
    EXPECT_EQ(barra.salvos[1].monitor, "1");
    EXPECT_EQ(barra.antes[1].lado, "Cima");
    EXPECT_EQ(barra.salvos[1].lado, "Esquerda");
}

TEST_F(Configuracao, AStoredDistanceOf60IsShownAndWrittenAs54AndStaysWhenAutomatic) {
    AbrirIni(
        "[Config]\r\nDist\xE2ncia\xCD"
        "cones=60\r\nIconHeightAuto=1\r\n");
    int mostrado = 0;
    bool ligado = true;
    Mostrar([&](HWND, TfrmConfig* d) {
        mostrado = d->Valor(d->Indice("spSalto"));
        ligado = IsWindowEnabled(d->Controle(d->Indice("spSalto"))) != 0;
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    EXPECT_EQ(mostrado, 54);
    EXPECT_FALSE(ligado);  // "Automático" greys the box, and its value is still written
    EXPECT_NE(Cp1252ToUtf8(test::ReadFile(Ini())).find("DistânciaÍcones=54\r\n"), std::string::npos);
}

// The bar tells the user and ends (ConfigBarra.ChangingStayOnTopShowsTheMessageAndTheProgramEndsAfterSaving):
// the window hands it the change.
TEST_F(Configuracao, ChangingStayOnTopIsHandedToTheBarAsAChange) {
    const bool salva = Mostrar([&](HWND, TfrmConfig* d) {
        Clicar(d->Controle(d->Indice("ckSobreOF")));
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    EXPECT_TRUE(salva);
    ASSERT_EQ(barra.salvos.size(), 1u);
    EXPECT_TRUE(barra.antes[0].sobreOutros);
    EXPECT_FALSE(barra.salvos[0].sobreOutros);
}

TEST_F(Configuracao, ASaveThatCannotReachTheFileKeepsTheWindowOpenAndTheSettingsAsTheyWere) {
    AbrirIni("[Config]\r\nNomeEmpresa=Antigo\r\n");
    const std::string antes = test::ReadFile(Ini());
    SetFileAttributesW(Wide(Ini()).c_str(), FILE_ATTRIBUTE_READONLY);
    std::string erro, tituloDepois;
    bool aberta = false;
    const bool salva = Mostrar([&](HWND w, TfrmConfig* d) {
        SetWindowTextW(d->Controle(d->Indice("eTitulo")), L"Novo");
        std::set<HWND> janelas = test::DialogosVisiveis();
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
        HWND m = Mensagem(janelas);
        ASSERT_NE(m, nullptr);
        erro = TextosDe(m);
        PostMessageW(m, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(test::WaitFor([&] { return !IsWindow(m); }));
        aberta = IsWindowVisible(w) != 0;
        tituloDepois = test::TextoDe(d->Controle(d->Indice("eTitulo")));
        Clicar(d->Controle(d->Indice("bcanc")));
    });
    EXPECT_FALSE(salva);
    EXPECT_FALSE(erro.empty());
    EXPECT_TRUE(aberta);
    EXPECT_EQ(tituloDepois, "Novo");
    EXPECT_TRUE(barra.aplicados.empty());
    EXPECT_EQ(test::ReadFile(Ini()), antes);
    // Nothing of the failed save stays in memory to be written later.
    EXPECT_EQ(NqIni->ReadString("Config", "NomeEmpresa", ""), "Antigo");
}

TEST_F(Configuracao, EscWritesNothingAndEnterInTheDistanceBoxTurnsThePage) {
    const std::string antes = test::ReadFile(Ini());
    int pagina = -1;
    HWND foco = nullptr;
    bool focoNaPagina = false;
    const bool salva = Mostrar([&](HWND w, TfrmConfig* d) {
        d->SetPagina(d->Indice("pc"), 1);
        Clicar(d->Controle(d->Indice("ckAuto")));
        SendMessageW(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d->Controle(d->Indice("spSalto"))), TRUE);
        Tecla(d->Controle(d->Indice("spSalto")), VK_RETURN);
        test::WaitFor([&] { return d->PaginaAtiva(d->Indice("pc")) == 0; });
        pagina = d->PaginaAtiva(d->Indice("pc"));
        test::WaitFor([&] { return IsChild(d->Controle(d->Indice("tsAtalhos")), test::FocoDe(w)) != 0; });
        foco = test::FocoDe(w);
        focoNaPagina = IsChild(d->Controle(d->Indice("tsAtalhos")), foco) != 0;
        PostMessageW(w, WM_COMMAND, IDCANCEL, 0);  // Esc
    });
    EXPECT_FALSE(salva);
    EXPECT_EQ(pagina, 0);
    EXPECT_TRUE(focoNaPagina);
    EXPECT_EQ(test::ReadFile(Ini()), antes);
    EXPECT_TRUE(barra.aplicados.empty());
}

TEST_F(Configuracao, ABadIconFileIsReportedAndTheWindowKeepsItsIcon) {
    const std::string ruim = dir_ / "ruim.ico";
    test::WriteFile(ruim, "isto nao e um icone");
    const std::string bom = "Z:" + StrTran(std::string(__FILE__), "/", "\\");
    const std::string icone = bom.substr(0, bom.rfind("\\tests\\")) + "\\res\\BtnOk.ico";
    std::string depoisDoRuim, depoisDoBom, erro;
    auto escolher = [&](HWND w, TfrmConfig* d, const std::string& arquivo) {
        std::set<HWND> antes = test::DialogosVisiveis();
        antes.insert(w);
        PostMessageW(d->hwnd(), WM_COMMAND, MAKEWPARAM(d->IdDe(d->Indice("icoTit")), STN_CLICKED),
                     reinterpret_cast<LPARAM>(d->Controle(d->Indice("icoTit"))));
        HWND abrir = Mensagem(antes);
        if (!abrir) return std::string("no file dialog");
        const std::string titulo = test::TextoDe(abrir);
        // The file name box of the picker, then its OK.
        HWND nome = nullptr;
        EnumChildWindows(
            abrir,
            [](HWND c, LPARAM p) -> BOOL {
                wchar_t cls[32];
                GetClassNameW(c, cls, 32);
                if (lstrcmpiW(cls, L"Edit") == 0 && IsWindowVisible(c)) {
                    *reinterpret_cast<HWND*>(p) = c;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&nome));
        if (!nome) return std::string("no name box");
        SendMessageW(nome, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(arquivo).c_str()));
        PostMessageW(abrir, WM_COMMAND, IDOK, 0);
        test::WaitFor([&] { return !IsWindow(abrir); });
        return titulo;
    };
    std::string titulo;
    Mostrar([&](HWND w, TfrmConfig* d) {
        d->SetPagina(d->Indice("pc"), 1);
        const std::set<HWND> antes = test::DialogosVisiveis();
        titulo = escolher(w, d, ruim);
        std::set<HWND> comConfig = antes;
        HWND m = Mensagem(comConfig);
        if (m) {
            erro = TextosDe(m);
            PostMessageW(m, WM_COMMAND, IDOK, 0);
            test::WaitFor([&] { return !IsWindow(m); });
        }
        SendMessageW(w, WM_NULL, 0, 0);  // answered once the click's handler has finished
        depoisDoRuim = d->slocalicon();
        escolher(w, d, icone);
        SendMessageW(w, WM_NULL, 0, 0);
        depoisDoBom = d->slocalicon();
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    EXPECT_EQ(titulo, "Ícone para o Título");
    EXPECT_NE(erro.find("ruim.ico"), std::string::npos) << erro;
    EXPECT_EQ(depoisDoRuim, "");
    EXPECT_TRUE(SameText(depoisDoBom, icone)) << depoisDoBom;
    EXPECT_TRUE(barra.comIcone);
    EXPECT_TRUE(SameText(NqIni->ReadString("Config", "IconeEmpresa", ""), icone));
}

TEST_F(Configuracao, TheColourDialogStartsWithTheSampleAndGivesItTheChosenColour) {
    TColor cor = 0;
    Mostrar([&](HWND w, TfrmConfig* d) {
        d->SetPagina(d->Indice("pc"), 1);
        std::set<HWND> antes = test::DialogosVisiveis();
        antes.insert(w);
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(d->IdDe(d->Indice("bpesqCorFnd")), BN_CLICKED),
                     reinterpret_cast<LPARAM>(d->Controle(d->Indice("bpesqCorFnd"))));
        HWND cores = Mensagem(antes);
        ASSERT_NE(cores, nullptr);
        // Red, green and blue boxes of the full dialog.
        const int ids[] = {706, 707, 708}, valores[] = {10, 20, 200};
        for (int i = 0; i < 3; ++i)
            if (HWND e = GetDlgItem(cores, ids[i])) {
                SendMessageW(e, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::to_wstring(valores[i]).c_str()));
                SendMessageW(cores, WM_COMMAND, MAKEWPARAM(ids[i], EN_UPDATE), reinterpret_cast<LPARAM>(e));
            }
        PostMessageW(cores, WM_COMMAND, IDOK, 0);
        test::WaitFor([&] { return !IsWindow(cores); });
        SendMessageW(w, WM_NULL, 0, 0);
        cor = d->Item(d->Indice("lbEx")).cor;
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    EXPECT_EQ(cor, RGBColor(10, 20, 200));
    ASSERT_EQ(barra.aplicados.size(), 1u);
    EXPECT_EQ(barra.aplicados[0].cor, RGBColor(10, 20, 200));
}

TEST_F(Configuracao, TheNavigatorMovesThroughTheListAndItsButtonsFollowTheRecord) {
    struct Estado {
        int recNo;
        bool primeiro, proximo, excluir;
    };
    std::vector<Estado> estados;
    std::string pergunta;
    Mostrar([&](HWND w, TfrmConfig* d) {
        auto ver = [&] {
            estados.push_back({test::RegistroAtual(d->Controle(d->Indice("g"))),
                               IsWindowEnabled(d->Controle(d->Indice("nvPrimeiro"))) != 0,
                               IsWindowEnabled(d->Controle(d->Indice("nvProximo"))) != 0,
                               IsWindowEnabled(d->Controle(d->Indice("nvExcluir"))) != 0});
        };
        auto clicar = [&](const char* nome, int recNo) {
            test::CliqueEm(d->Controle(d->Indice(nome)), 5, 5);
            test::WaitFor([&] { return test::RegistroAtual(d->Controle(d->Indice("g"))) == recNo; });
            SendMessageW(w, WM_NULL, 0, 0);  // answered once the click's handler has finished
            ver();
        };
        ver();
        clicar("nvUltimo", 5);
        clicar("nvAnterior", 4);
        clicar("nvPrimeiro", 1);
        clicar("nvProximo", 2);
        std::set<HWND> antes = test::DialogosVisiveis();
        antes.insert(w);
        test::CliqueEm(d->Controle(d->Indice("nvExcluir")), 5, 5);
        HWND m = Mensagem(antes);
        ASSERT_NE(m, nullptr);
        pergunta = TextosDe(m);
        Clicar(FindWindowExW(m, nullptr, nullptr, L"&Sim"));
        EXPECT_TRUE(test::WaitFor([&] { return test::RegistrosNaGrade(d->Controle(d->Indice("g"))) == 4; }));
        // An empty list: nothing to delete or change.
        Digitar(d->Controle(d->Indice("eFind")), "nada assim");
        test::WaitFor([&] { return !IsWindowEnabled(d->Controle(d->Indice("nvExcluir"))); });
        ver();
        Clicar(d->Controle(d->Indice("bcanc")));
    });
    ASSERT_EQ(estados.size(), 6u);
    const Estado esperados[] = {{1, false, true, true}, {5, true, false, true}, {4, true, true, true},
                                {1, false, true, true}, {2, true, true, true},  {-1, false, false, false}};
    for (std::size_t i = 0; i < estados.size(); ++i) {
        EXPECT_EQ(estados[i].recNo, esperados[i].recNo) << i;
        EXPECT_EQ(estados[i].primeiro, esperados[i].primeiro) << i;
        EXPECT_EQ(estados[i].proximo, esperados[i].proximo) << i;
        EXPECT_EQ(estados[i].excluir, esperados[i].excluir) << i;
    }
    EXPECT_NE(pergunta.find("Fotos"), std::string::npos) << pergunta;  // the second of the list went
}

TEST_F(Configuracao, TheFontDialogKeepsItalicAndStrikeOutAndDropsBoldAndUnderline) {
    TFont fonte;
    std::string face;
    int tamanho = 0;
    Mostrar([&](HWND w, TfrmConfig* d) {
        d->SetPagina(d->Indice("pc"), 1);
        std::set<HWND> antes = test::DialogosVisiveis();
        antes.insert(w);
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(d->IdDe(d->Indice("bpesqFontIco")), BN_CLICKED),
                     reinterpret_cast<LPARAM>(d->Controle(d->Indice("bpesqFontIco"))));
        HWND fontes = Mensagem(antes);
        ASSERT_NE(fontes, nullptr);
        // Strike-out and underline ticked; the style with bold and italic chosen.
        for (int id : {0x410, 0x411}) Clicar(GetDlgItem(fontes, id));
        HWND estilos = GetDlgItem(fontes, 0x471);
        ASSERT_NE(estilos, nullptr);
        const int n = static_cast<int>(SendMessageW(estilos, CB_GETCOUNT, 0, 0));
        ASSERT_GE(n, 4);
        SendMessageW(estilos, CB_SETCURSEL, n - 1, 0);  // the last style: bold italic
        SendMessageW(fontes, WM_COMMAND, MAKEWPARAM(0x471, CBN_SELCHANGE), reinterpret_cast<LPARAM>(estilos));
        // The face and size the dialog shows are what the sample takes (this system may lack Tahoma).
        wchar_t texto[128] = L"";
        GetDlgItemTextW(fontes, 0x470, texto, 128);
        face = Narrow(texto);
        GetDlgItemTextW(fontes, 0x472, texto, 128);
        tamanho = _wtoi(texto);
        PostMessageW(fontes, WM_COMMAND, IDOK, 0);
        test::WaitFor([&] { return !IsWindow(fontes); });
        test::SalvarTela(w, "Config-fonte");
        Tecla(d->Controle(d->Indice("eTitulo")), VK_F5);
    });
    ASSERT_EQ(barra.aplicados.size(), 1u);
    fonte = barra.aplicados[0].fonte;
    EXPECT_TRUE(fonte.italic);
    EXPECT_TRUE(fonte.strikeOut);
    EXPECT_FALSE(fonte.bold);
    EXPECT_FALSE(fonte.underline);
    EXPECT_EQ(fonte.color, clWhite);
    EXPECT_EQ(fonte.name, face);
    EXPECT_EQ(fonte.size, tamanho);
}

// The grid in its window: rows as high as the look makes them, stripes, the wheel and the scroll bar.
TEST_F(Configuracao, GridRowsStripesAndWheelAt96Dpi) {
    for (int i = 0; i < 40; ++i)
        barra.Add("Extra " + std::to_string(100 + i), "C:\\x" + std::to_string(i) + ".exe");
    struct Caso {
        bool temas;
        int altura;
    };
    for (const Caso caso : {Caso{true, 23}, Caso{false, 22}}) {
        test::ValoresGrade(caso.temas);
        int altura = 0, linhas = 0, depoisCtrl = 0, depoisShift = 0, depoisRoda = 0;
        COLORREF listra = 0, segunda = 0;
        TRolagemGrade rolagem;
        Mostrar([&](HWND, TfrmConfig* d) {
            HWND g = d->Controle(d->Indice("g"));
            TDBGrid& grade = d->Grade()->Grade();
            altura = grade.DefaultRowHeight();
            linhas = grade.RowCount();
            Tecla(g, VK_DOWN);
            Tecla(g, VK_DOWN);
            EXPECT_TRUE(test::WaitFor([&] { return test::RegistroAtual(g) == 3; }));
            UpdateWindow(g);
            const Rect r1 = grade.CellRect(1, 0), r2 = grade.CellRect(2, 0);
            listra = Pixel(g, r1.right() - 3, r1.top + r1.height / 2);
            segunda = Pixel(g, r2.right() - 3, r2.top + r2.height / 2);
            SendMessageW(d->hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(g), TRUE);
            test::WaitFor([&] { return grade.Focused(); });
            SendMessageW(g, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, static_cast<WORD>(-WHEEL_DELTA)), 0);
            depoisCtrl = test::RegistroAtual(g);
            SendMessageW(g, WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, WHEEL_DELTA), 0);
            depoisShift = test::RegistroAtual(g);
            SendMessageW(g, WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
            depoisRoda = test::RegistroAtual(g);
            SCROLLINFO si{sizeof si, SIF_ALL};
            GetScrollInfo(g, SB_VERT, &si);
            rolagem = TRolagemGrade{si.nMin, si.nMax, static_cast<int>(si.nPage), si.nPos};
            Clicar(d->Controle(d->Indice("bcanc")));
        });
        EXPECT_EQ(altura, caso.altura) << caso.temas;
        EXPECT_EQ(linhas, caso.temas ? 14 : 15) << caso.temas;  // the classic rows are a pixel lower
        EXPECT_EQ(listra, RGB(248, 248, 248)) << caso.temas;
        EXPECT_EQ(segunda, RGB(255, 255, 255)) << caso.temas;
        EXPECT_EQ(depoisCtrl, 3 + linhas - 2) << caso.temas;
        EXPECT_EQ(depoisShift, 3 + linhas - 2 - 1) << caso.temas;
        EXPECT_EQ(depoisRoda, 3 + linhas - 2 - 1 - 2) << caso.temas;
        EXPECT_EQ(rolagem.max, 44);
        EXPECT_EQ(rolagem.page, linhas - 1);
    }
}

// How long the window takes to open, to follow one keystroke in the search box and to turn a page, each
// until the grid has painted, with 10 shortcuts and with 10,000: the list must be as quick with many as
// with few. The figures are printed; no time is asserted.
TEST_F(Configuracao, TenThousandShortcutsOpenSearchAndScrollAsQuicklyAsTen) {
    using Relogio = std::chrono::steady_clock;
    auto ms = [](Relogio::duration d) { return std::chrono::duration<double, std::milli>(d).count(); };
    auto mediana = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    auto maximo = [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); };
    for (const int n : {10, 10000}) {
        barra.cds.EmptyDataSet();
        for (int i = 0; i < n; ++i)
            barra.Add("Atalho " + std::to_string(i * 7919 % 10000),
                      "C:\\Programas\\p" + std::to_string(i) + ".exe", i % 4 == 0 ? 0 : 1, i % 3 == 0);
        std::vector<double> abrir, pesquisar, rolar;
        for (int vez = 0; vez < 5; ++vez) {
            // Not the window's own order: opening sorts again.
            barra.cds.SetIndexFieldNames(vez % 2 ? "Titulo" : "Programa");
            TfrmConfig janela(barra);
            std::atomic<bool> pronto{false};
            const Relogio::time_point inicio = Relogio::now();
            std::thread t([&] {
                HWND w = nullptr;
                const Relogio::time_point limite = Relogio::now() + std::chrono::seconds(20);
                while (!w && Relogio::now() < limite) {
                    HWND c = FindWindowW(L"#32770", L"Configurações");
                    if (c && IsWindowVisible(c))
                        w = c;
                    else
                        Sleep(1);
                }
                if (!w) return;
                TfrmConfig* d = JanelaDe(w);
                HWND g = d->Controle(d->Indice("g"));
                UpdateWindow(g);
                abrir.push_back(ms(Relogio::now() - inicio));
                HWND busca = d->Controle(d->Indice("eFind"));
                for (const wchar_t c : std::wstring(L"atalho 1")) {
                    const Relogio::time_point t0 = Relogio::now();
                    SendMessageW(busca, WM_CHAR, c, 1);
                    UpdateWindow(g);
                    pesquisar.push_back(ms(Relogio::now() - t0));
                }
                SendMessageW(busca, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
                for (int p = 0; p < 10; ++p) {
                    const Relogio::time_point t0 = Relogio::now();
                    SendMessageW(g, WM_KEYDOWN, p % 2 ? VK_PRIOR : VK_NEXT, 1);
                    UpdateWindow(g);
                    rolar.push_back(ms(Relogio::now() - t0));
                }
                pronto = true;
                PostMessageW(w, WM_COMMAND, IDCANCEL, 0);
            });
            janela.ShowModal(nullptr);
            t.join();
            ASSERT_TRUE(pronto);
        }
        std::printf(
            "%d shortcuts under Wine (ms, median / worst): open %.1f / %.1f, one keystroke %.1f / %.1f, "
            "page %.1f / %.1f\n",
            n, mediana(abrir), maximo(abrir), mediana(pesquisar), maximo(pesquisar), mediana(rolar),
            maximo(rolar));
        RecordProperty("abrir_ms_" + std::to_string(n), std::to_string(mediana(abrir)));
        RecordProperty("tecla_ms_" + std::to_string(n), std::to_string(mediana(pesquisar)));
        RecordProperty("pagina_ms_" + std::to_string(n), std::to_string(mediana(rolar)));
    }
}

}  // namespace
}  // namespace nq
