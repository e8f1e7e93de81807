// The dialog layer for real: a table becomes a modal dialog that the system's dialog manager runs, and
// every window built on it stands where its design says, at 96 dpi and scaled at 144.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>

#include "app/NqSobreWin32.h"
#include "catalogue/Auxiliares.h"
#include "dialogs/Base2Win32.h"
#include "dialogs/ItensEditaWin32.h"
#include "dialogs/Seldir2Win32.h"
#include "menus/NqMenusConfigWin32.h"
#include "menus/NqMenusWin32.h"
#include "support/Errors.h"
#include "support/NqConst.h"
#include "ui/DialogLayout.h"
#include "ui/DialogTestUtil.h"
#include "ui/NqMsgAllFormWin32.h"
#include "ui/NqReadlnFormWin32.h"

namespace nq {
namespace {

using test::ComDialogo;

// A small window with what a dialog's keyboard must handle: a tab order that differs from the table's
// order, a radio group, a check box, an access key, a default and a cancel button.
class Amostra final : public TDialogo {
public:
    Amostra() : TDialogo(Desenho()) {}
    std::vector<std::string> cliques;

protected:
    void Click(int controle) override { cliques.push_back(Projeto().controles[static_cast<std::size_t>(controle)].nome); }

private:
    static ProjetoDialogo Desenho() {
        ProjetoDialogo d;
        d.titulo = "Amostra";
        d.largura = 300;
        d.altura = 160;
        auto& c = d.controles;
        c.push_back({.tipo = TipoControle::Edicao, .nome = "segundo", .r = {8, 36, 150, 21}, .ordem = 1});
        c.push_back({.tipo = TipoControle::Edicao, .nome = "primeiro", .r = {8, 8, 150, 21}, .ordem = 0});
        c.push_back({.tipo = TipoControle::Opcao,
                     .nome = "r1",
                     .texto = "Um",
                     .r = {170, 8, 100, 20},
                     .flags = fGrupo | fMarcado,
                     .ordem = 2});
        c.push_back({.tipo = TipoControle::Opcao,
                     .nome = "r2",
                     .texto = "Dois",
                     .r = {170, 30, 100, 20},
                     .ordem = 3});
        c.push_back({.tipo = TipoControle::Opcao,
                     .nome = "r3",
                     .texto = "Três",
                     .r = {170, 52, 100, 20},
                     .ordem = 4});
        c.push_back({.tipo = TipoControle::Caixa,
                     .nome = "ck",
                     .texto = "Marcar",
                     .r = {8, 70, 150, 20},
                     .ordem = 5});
        c.push_back({.tipo = TipoControle::Botao,
                     .nome = "aplicar",
                     .texto = "&Aplicar",
                     .r = {8, 128, 80, 25},
                     .ordem = 6});
        c.push_back({.tipo = TipoControle::Botao,
                     .nome = "ok",
                     .texto = "OK",
                     .r = {128, 128, 80, 25},
                     .flags = fPadrao,
                     .resultado = 1,
                     .ordem = 7});
        c.push_back({.tipo = TipoControle::Botao,
                     .nome = "cancelar",
                     .texto = "Cancelar",
                     .r = {212, 128, 80, 25},
                     .flags = fCancelar,
                     .resultado = 2,
                     .ordem = 8});
        return d;
    }
};

class Dialogo : public ::testing::Test {
protected:
    void SetUp() override { ApplicationTitle = "Nq-Pivel"; }
};

TEST_F(Dialogo, TheSystemsKeyboardRunsTheTable) {
    Amostra d;
    std::vector<std::string> focos;
    bool r2Marcado = false;
    const int resultado = [&] {
        int r = 0;
        ComDialogo([&] { r = d.ShowModal(nullptr); },
                   [&](HWND w) {
                       ASSERT_TRUE(test::NaFrente(w));
                       auto foco = [&] {
                           // The key goes through the system's queue: the focus is read once it has
                           // settled on a control (the same one for a while), not after a fixed time.
                           HWND visto = nullptr;
                           test::WaitSteady(
                               [&] {
                                   HWND f = test::FocoDe(w);
                                   const bool igual = f != nullptr && f == visto;
                                   visto = f;
                                   return igual;
                               },
                               100);
                           return d.NomeDe(test::FocoDe(w));
                       };
                       focos.push_back(foco());  // the first of the tab order
                       test::PressKey(VK_TAB);
                       focos.push_back(foco());
                       test::PressKey(VK_TAB);
                       focos.push_back(foco());  // into the radio group, on its checked button
                       test::PressKey(VK_DOWN);
                       focos.push_back(foco());
                       r2Marcado = test::WaitFor([&] { return d.Marcado(d.Indice("r2")); }, 2000);
                       test::PressKey(VK_TAB, true);  // Shift+Tab leaves the group backwards
                       focos.push_back(foco());
                       // The access key of "&Aplicar", then Enter in an edit box presses the default button.
                       INPUT alt[4]{};
                       for (INPUT& i : alt) i.type = INPUT_KEYBOARD;
                       alt[0].ki.wVk = VK_MENU;
                       alt[1].ki.wVk = 'A';
                       alt[2].ki.wVk = 'A';
                       alt[2].ki.dwFlags = KEYEVENTF_KEYUP;
                       alt[3].ki.wVk = VK_MENU;
                       alt[3].ki.dwFlags = KEYEVENTF_KEYUP;
                       SendInput(4, alt, sizeof(INPUT));
                       test::WaitFor([&] { return !d.cliques.empty(); }, 2000);
                       d.Foco(d.Indice("primeiro"));
                       test::PressKey(VK_RETURN);
                   });
        return r;
    }();
    EXPECT_EQ(focos, (std::vector<std::string>{"primeiro", "segundo", "r1", "r2", "segundo"}));
    EXPECT_TRUE(r2Marcado);
    EXPECT_EQ(d.cliques, (std::vector<std::string>{"r2", "aplicar", "ok"}));
    EXPECT_EQ(resultado, 1);

    int cancelado = 0;
    ComDialogo([&] { cancelado = d.ShowModal(nullptr); },
               [&](HWND w) {
                   test::NaFrente(w);
                   test::PressKey(VK_ESCAPE);
               });
    EXPECT_EQ(cancelado, 2);
    EXPECT_TRUE(d.Marcado(d.Indice("r2"))) << "the table keeps what the controls held when the dialog closed";
}

// A move to a monitor of another density lays the same table out again at that density.
TEST_F(Dialogo, AnotherDensityPlacesTheTableAgain) {
    Amostra d;
    Rect antes, depois, okAntes, okDepois;
    ComDialogo([&] { d.ShowModal(nullptr); },
               [&](HWND w) {
                   antes = test::ClienteDe(w);
                   okAntes = test::RetanguloNoPai(d.Controle(d.Indice("ok")));
                   RECT sugerido{};
                   GetWindowRect(w, &sugerido);
                   SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&sugerido));
                   depois = test::ClienteDe(w);
                   okDepois = test::RetanguloNoPai(d.Controle(d.Indice("ok")));
                   PostMessageW(w, WM_CLOSE, 0, 0);
               });
    EXPECT_EQ(antes, (Rect{0, 0, 300, 160}));
    EXPECT_EQ(depois, (Rect{0, 0, 450, 240}));
    EXPECT_EQ(okAntes, (Rect{128, 128, 80, 25}));
    EXPECT_EQ(okDepois, Scale(Rect{128, 128, 80, 25}, 144));
}

// The width a control's text takes in the font the control has now.
int LarguraDoTexto(HWND w, bool botao) {
    wchar_t texto[128] = L"";
    GetWindowTextW(w, texto, 128);
    HDC dc = GetDC(w);
    const HGDIOBJ antes = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)));
    RECT calc{};
    DrawTextW(dc, texto, -1, &calc, DT_SINGLELINE | DT_CALCRECT);
    SelectObject(dc, antes);
    ReleaseDC(w, dc);
    return calc.right + (botao ? GetSystemMetrics(SM_CXMENUCHECK) + 4 : 0);
}

// Labels, check boxes and radio buttons too narrow for their text in the font in use: each stands where
// the table puts it and shows its whole text, wider where there is room, in a narrower cut where the next
// control or the container's edge comes first.
TEST_F(Dialogo, ATextWiderThanItsControlIsWholeWhereTheTablePutsIt) {
    ProjetoDialogo p;
    p.titulo = "Textos";
    p.largura = 300;
    p.altura = 100;
    p.fonte = ProjetoFonte{.nome = "Tahoma", .pixels = 11};
    auto& c = p.controles;
    c.push_back({.tipo = TipoControle::Rotulo, .nome = "comSala", .texto = "Nível de transparência",
                 .r = {8, 8, 40, 13}, .flags = fSemQuebra});
    c.push_back({.tipo = TipoControle::Rotulo, .nome = "semSala", .texto = "Nível de transparência",
                 .r = {8, 32, 90, 13}, .flags = fSemQuebra});
    c.push_back({.tipo = TipoControle::Edicao, .nome = "depois", .r = {104, 29, 100, 21}});
    c.push_back({.tipo = TipoControle::Caixa, .nome = "caixa", .texto = "Ocultar automaticamente",
                 .r = {8, 56, 40, 17}});
    c.push_back({.tipo = TipoControle::Opcao, .nome = "borda", .texto = "Exibir no menu", .r = {230, 76, 40, 17}});
    TDialogo d(p);
    struct Medida {
        std::string nome;
        Rect r;
        int texto = 0;
    };
    std::vector<Medida> medidas;
    for (const int dpi : {96, 144}) {
        SCOPED_TRACE(dpi);
        test::DensidadeForcada forcado(dpi);
        medidas.clear();
        ComDialogo([&] { d.ShowModal(nullptr); },
                   [&](HWND w) {
                       for (const char* nome : {"comSala", "semSala", "caixa", "borda"}) {
                           HWND h = d.Controle(d.Indice(nome));
                           const bool botao = nome == std::string("caixa") || nome == std::string("borda");
                           medidas.push_back({nome, test::RetanguloNoPai(h), LarguraDoTexto(h, botao)});
                       }
                       test::SalvarTela(w, "Textos-" + std::to_string(dpi));
                       PostMessageW(w, WM_CLOSE, 0, 0);
                   });
        ASSERT_EQ(medidas.size(), 4u);
        for (const Medida& m : medidas) {
            const ProjetoControle& c = d.Projeto().controles[static_cast<std::size_t>(d.Indice(m.nome))];
            const Rect desenho = Scale(c.r, dpi);
            EXPECT_EQ(m.r.left, desenho.left) << m.nome;
            EXPECT_EQ(m.r.top, desenho.top) << m.nome;
            EXPECT_GE(m.r.width, desenho.width) << m.nome;
            EXPECT_LE(m.texto, m.r.width) << m.nome << ": the text is cut";
        }
        EXPECT_LE(medidas[1].r.left + medidas[1].r.width, Scale(104, dpi)) << "it stops at the next control";
        EXPECT_LE(medidas[3].r.left + medidas[3].r.width, Scale(300, dpi)) << "it stops at the window's edge";
    }
}

TEST_F(Dialogo, TheOwnerWaitsAndComesBackActive) {
    HWND dono = CreateWindowExW(0, test::PlainWindowClass(L"PivelTesteDono"), L"Dono",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dono, nullptr);
    SetForegroundWindow(dono);
    Amostra d;
    bool desligadoDurante = true;
    ComDialogo([&] { d.ShowModal(dono); },
               [&](HWND w) {
                   desligadoDurante = !IsWindowEnabled(dono);
                   EXPECT_EQ(GetWindow(w, GW_OWNER), dono);
                   PostMessageW(w, WM_CLOSE, 0, 0);
               });
    EXPECT_TRUE(desligadoDurante);
    EXPECT_TRUE(IsWindowEnabled(dono));
    EXPECT_TRUE(test::WaitFor([&] { return GetActiveWindow() == dono; }, 3000));
    DestroyWindow(dono);
}

// The texts of a window's children, in order.
std::vector<std::string> TextosDosFilhos(HWND w) {
    std::vector<std::string> out;
    EnumChildWindows(
        w,
        [](HWND c, LPARAM p) -> BOOL {
            reinterpret_cast<std::vector<std::string>*>(p)->push_back(test::TextoDe(c));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&out));
    return out;
}

TEST_F(Dialogo, AHandlersFailureIsToldAndTheDialogGoesOn) {
    // A save step that refuses what was typed, as the data-entry dialogs do.
    class Recusa final : public TDialogo {
    public:
        Recusa() : TDialogo(Desenho()) {}

    protected:
        void Click(int controle) override {
            if (controle == Indice("salvar")) throw ENqError("Um campo deve ser informado!");
        }

    private:
        static ProjetoDialogo Desenho() {
            ProjetoDialogo d;
            d.titulo = "Recusa";
            d.largura = 200;
            d.altura = 60;
            d.controles.push_back(
                {.tipo = TipoControle::Botao, .nome = "salvar", .texto = "Salvar", .r = {8, 20, 80, 25}});
            d.controles.push_back({.tipo = TipoControle::Botao,
                                   .nome = "cancelar",
                                   .texto = "Cancelar",
                                   .r = {100, 20, 80, 25},
                                   .flags = fCancelar,
                                   .resultado = 2});
            return d;
        }
    };
    Recusa d;
    std::string legenda;
    std::vector<std::string> textos;
    bool abertoDepois = false;
    int resultado = 0;
    ComDialogo([&] { resultado = d.ShowModal(nullptr); },
               [&](HWND w) {
                   const std::set<HWND> antes = test::DialogosVisiveis();
                   PostMessageW(d.Controle(d.Indice("salvar")), BM_CLICK, 0, 0);
                   HWND caixa = test::NovoDialogo(antes);
                   ASSERT_NE(caixa, nullptr);
                   legenda = test::TextoDe(caixa);
                   textos = TextosDosFilhos(caixa);
                   PostMessageW(caixa, WM_COMMAND, IDOK, 0);
                   abertoDepois = test::WaitFor([&] { return !IsWindow(caixa); }) && IsWindowVisible(w);
                   PostMessageW(d.Controle(d.Indice("cancelar")), BM_CLICK, 0, 0);
               });
    EXPECT_EQ(legenda, "Nq-Pivel");
    EXPECT_NE(std::find(textos.begin(), textos.end(), "Um campo deve ser informado!"), textos.end());
    EXPECT_TRUE(abertoDepois) << "the dialog stays open after the message";
    EXPECT_EQ(resultado, 2);
}

// A label the window draws itself, a struck-out font, and an edit box to type in.
class Desenhada final : public TDialogo {
public:
    Desenhada() : TDialogo(Desenho()) {}
    std::atomic<int> desenhos{0};

protected:
    bool DesenharItem(int controle, DRAWITEMSTRUCT* dis) override {
        if (controle != Indice("proprio")) return false;
        FillRect(dis->hDC, &dis->rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
        ++desenhos;
        return true;
    }

private:
    static ProjetoDialogo Desenho() {
        ProjetoDialogo d;
        d.titulo = "Desenhada";
        d.largura = 200;
        d.altura = 100;
        auto& c = d.controles;
        c.push_back({.tipo = TipoControle::Edicao, .nome = "texto", .r = {8, 8, 150, 21}});
        c.push_back({.tipo = TipoControle::Rotulo, .nome = "proprio", .texto = "Meu", .r = {8, 40, 60, 20}});
        c.push_back({.tipo = TipoControle::Rotulo,
                     .nome = "riscado",
                     .texto = "Riscado",
                     .r = {80, 40, 80, 20},
                     .fonte = ProjetoFonte{.pontos = 9, .riscado = true}});
        return d;
    }
};

TEST_F(Dialogo, ALabelTheWindowDrawsAStruckOutFontAndShiftEscThatIsNoKeyOfTheDialog) {
    Desenhada d;
    bool riscada = false, aberta = false;
    std::string digitado;
    ComDialogo([&] { d.ShowModal(nullptr); },
               [&](HWND w) {
                   EXPECT_TRUE(test::WaitFor([&] { return d.desenhos > 0; }));
                   LOGFONTW lf{};
                   GetObjectW(d.FonteDe(d.Indice("riscado")), sizeof lf, &lf);
                   riscada = lf.lfStrikeOut != 0;
                   ASSERT_TRUE(test::NaFrente(w));
                   SendMessageW(w, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(d.Controle(d.Indice("texto"))), TRUE);
                   // Outside programming mode Shift+Esc does nothing; the key after it still reaches the box.
                   test::PressKey(VK_ESCAPE, true);
                   test::PressKey('X');
                   test::WaitFor([&] { return test::TextoDe(d.Controle(d.Indice("texto"))) == "x"; });
                   digitado = test::TextoDe(d.Controle(d.Indice("texto")));
                   aberta = IsWindowVisible(w) != 0;
                   test::PressKey(VK_ESCAPE);
               });
    EXPECT_TRUE(riscada);
    EXPECT_EQ(digitado, "x");
    EXPECT_TRUE(aberta);
}

// Every window of the program stands where its design puts it: its client size and each control's
// rectangle in its container, at 96 dpi as designed and at 144 dpi scaled by 1.5.
struct Janela {
    const char* nome;
    Rect cliente;  // at 96 dpi; for the folder picker, the outer size
    bool externo;
    std::function<std::unique_ptr<TDialogo>()> criar;
};

TEST_F(Dialogo, EveryWindowStandsAsDesignedAtBothDensities) {
    TMenuSistemaWin32 sistema;
    TMenuOwner dono;
    TNqMenu renderizador(&dono, sistema);
    const Janela janelas[] = {
        {"TfrmMenusConfig", {0, 0, 370, 409}, false,
         [&] {
             auto m = std::make_unique<TfrmMenusConfig>();
             m->FMenuComp = &renderizador;
             return m;
         }},
        {"TfmReadForm", {0, 0, 364, 129}, false, [] { return std::make_unique<TfmReadForm>(); }},
        {"TfrmSobre", {0, 0, 497, 265}, false, [] { return std::make_unique<TfrmSobre>(); }},
        {"TfSeldir2",
         {0, 0, 444, 501},
         true,
         [] {
             auto s = std::make_unique<TfSeldir2>();
             s->PastaInicial = "C:\\";
             return s;
         }},
        // The data-entry windows round their design's client size: 530 x 338 and 537 x 219 become
        // 529 x 337 and 537 x 217.
        {"TfBase2", {0, 0, 529, 337}, false, [] { return std::make_unique<TfBase2>(TfBase2::Desenho()); }},
        {"TfrmItensEdita",
         {0, 0, 537, 217},
         false,
         [] {
             static TClientDataset cds;
             if (!cds.Active()) {
                 CriarCamposAtalho(cds);
                 cds.CreateDataSet();
                 cds.Append();
             }
             return std::make_unique<TfrmItensEdita>(cds);
         }},
        {"TfmMsgAll",
         {0, 0, 290, 110},
         false,
         [] {
             auto m = std::make_unique<TfmMsgAll>();
             m->Texto = "ATENÇÃO!|Local inválido!";
             return m;
         }},
    };
    for (int dpi : {96, 144}) {
        test::DensidadeForcada densidade(dpi);
        for (const Janela& j : janelas) {
            std::unique_ptr<TDialogo> d = j.criar();
            Rect cliente, janela;
            std::vector<std::pair<std::string, Rect>> reais;
            ComDialogo([&] { d->ShowModal(nullptr); },
                       [&](HWND w) {
                           // The folder picker lists its first folder meanwhile: measured once it shows it.
                           if (const int pasta = d->Indice("lbpasta"); pasta >= 0)
                               test::WaitFor([&] { return !test::TextoDe(d->Controle(pasta)).empty(); });
                           cliente = test::ClienteDe(w);
                           RECT r{};
                           GetWindowRect(w, &r);
                           janela = Rect{0, 0, r.right - r.left, r.bottom - r.top};
                           for (const ProjetoControle& c : d->Projeto().controles)
                               if (HWND h = d->Controle(d->Indice(c.nome)))
                                   reais.emplace_back(c.nome, test::RetanguloNoPai(h));
                           test::SalvarTela(w, std::string(j.nome) + "-" + std::to_string(dpi));
                           PostMessageW(w, WM_CLOSE, 0, 0);
                       });
            const Rect medido = j.externo ? janela : cliente;
            EXPECT_NEAR(medido.width, Scale(j.cliente.width, dpi), 1) << j.nome << " at " << dpi;
            EXPECT_NEAR(medido.height, Scale(j.cliente.height, dpi), 1) << j.nome << " at " << dpi;
            // The design's rectangles, alignment applied, scaled for the density.
            const std::vector<Rect> desenho = PosicionarDesenho(d->Projeto());
            for (const auto& [nome, real] : reais) {
                const int i = d->Indice(nome);
                const ProjetoControle& c = d->Projeto().controles[static_cast<std::size_t>(i)];
                if (c.tipo == TipoControle::Combo || c.tipo == TipoControle::Numero)
                    continue;  // sized by the system
                const Rect esperado = Scale(desenho[static_cast<std::size_t>(i)], dpi);
                const int folga = dpi == 96 ? 0 : 1;
                EXPECT_NEAR(real.left, esperado.left, folga) << j.nome << "." << nome << " at " << dpi;
                EXPECT_NEAR(real.top, esperado.top, folga) << j.nome << "." << nome << " at " << dpi;
                // A label on one line, a check box or a radio button may take more for its text.
                const bool doTexto = c.tipo == TipoControle::Caixa || c.tipo == TipoControle::Opcao ||
                                     (c.tipo == TipoControle::Rotulo && (c.flags & fSemQuebra) &&
                                      !(c.flags & (fCentro | fDireita)));
                if (doTexto)
                    EXPECT_GE(real.width + folga, esperado.width) << j.nome << "." << nome << " at " << dpi;
                else
                    EXPECT_NEAR(real.width, esperado.width, folga) << j.nome << "." << nome << " at " << dpi;
                EXPECT_NEAR(real.height, esperado.height, folga) << j.nome << "." << nome << " at " << dpi;
                if (dpi == 96 && c.alinha == Alinhamento::alNone && c.tipo != TipoControle::Pagina) {
                    EXPECT_EQ(real.left, c.r.left) << j.nome << "." << nome << " stands where the design puts it";
                    EXPECT_EQ(real.top, c.r.top) << j.nome << "." << nome << " stands where the design puts it";
                    if (!doTexto) {
                        EXPECT_EQ(real, c.r) << j.nome << "." << nome;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace nq
