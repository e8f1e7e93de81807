// The menu renderer as a component: colours, property setters and their errors, hooking of the
// window's menus, and shortcut texts.

#include "menus/NqMenus.h"

#include <gtest/gtest.h>

#include <cmath>

#include "menus/FakeMenuSistema.h"
#include "support/Errors.h"
#include "ui/RecordingCanvas.h"

namespace nq {
namespace {

// A window with a popup menu and the renderer, in the order a window creates them.
struct Janela {
    test::FakeMenuSistema sis;
    TMenuOwner form;
    TPopupMenu popup{&form};
    std::unique_ptr<TNqMenu> menu;
    int menuBarRedraws = 0;

    explicit Janela(bool criarRenderizador = true) {
        form.OnDrawMenuBar = [this] { ++menuBarRedraws; };
        if (criarRenderizador) Criar();
    }
    void Criar() {
        menu = std::make_unique<TNqMenu>(&form, sis);
        menu->Name = "NqMenu1";
    }
    // A first-level entry made as a window makes it: owned by the window, caption set after.
    TMenuItem& Entrada(const std::string& caption) { return popup.Items().Add(NewItem(&form, caption)); }
};

bool Ligado(const TMenuItem& i) {
    return i.OnMeasureItem && i.OnDrawItem;
}

TEST(TNqMenu, NewColorMixesTowardsWhiteOrBlackRoundingHalvesToEven) {
    Janela j;
    struct Case {
        TColor cor;
        int valor;
        TColor esperada;
    };
    const Case cases[] = {
        {RGBColor(198, 211, 239), -110, RGBColor(135, 163, 221)},
        {RGBColor(12, 34, 56), 0, RGBColor(12, 34, 56)},
        {RGBColor(12, 34, 56), 100, clWhite},
        {RGBColor(12, 34, 56), 150, clWhite},                     // above 100 counts as 100
        {RGBColor(10, 20, 30), -300, RGBColor(43, 83, 123)},      // each channel keeps its low 8 bits
        {RGBColor(250, 245, 250), 10, RGBColor(250, 246, 250)},   // 0.5 -> 0, 1.0 -> 1
        {RGBColor(250, 250, 250), 30, RGBColor(252, 252, 252)},   // 1.5 -> 2
        {RGBColor(245, 245, 245), -15, RGBColor(243, 243, 243)},  // -1.5 -> -2
        {RGBColor(245, 245, 245), -5, RGBColor(245, 245, 245)},   // -0.5 -> 0
        {clBtnShadow, 10, RGBColor(170, 170, 170)},               // resolved first: 160 + 9.5 -> 170
    };
    for (const Case& c : cases)
        EXPECT_EQ(test::ColorName(j.menu->NewColor(c.cor, c.valor)), test::ColorName(c.esperada))
            << test::ColorName(c.cor) << " " << c.valor;
}

TEST(TNqMenu, ColoursFollowTheStyleAndTheVisualStyles) {
    struct Case {
        TTipoMenu tipo;
        bool temas;
        TColor topMenu, menu, barra, contorno, fonteSel, fonteDeslig, fundoIcone, fonte;
    };
    const TColor barra = RGBColor(198, 211, 239), contorno = RGBColor(49, 105, 198);
    const TColor deslig = RGBColor(109, 109, 109);  // readable on white, unlike silver
    const TColor w7Fundo = RGBColor(236, 239, 255), w7Cont = RGBColor(113, 137, 251);
    const TColor selec = RGBColor(180, 221, 243), marvo = RGBColor(0, 128, 128);
    const Case cases[] = {
        {TTipoMenu::tmOffice, true, clMenuBar, clWindow, barra, contorno, clMenuText, deslig, clMenuBar, clMenuText},
        {TTipoMenu::tmOffice, false, clBtnFace, clWindow, barra, contorno, clMenuText, clGrayText, clBtnFace,
         clMenuText},
        {TTipoMenu::tmPadrao, true, clMenuBar, clWindow, clHighlight, clHighlight, clHighlightText, deslig,
         clMenuBar, clMenuText},
        {TTipoMenu::tmPadrao, false, clBtnFace, clMenu, clHighlight, clHighlight, clHighlightText, clGrayText,
         clBtnFace, clMenuText},
        {TTipoMenu::tmSemIcones, true, clMenuBar, clMenu, clHighlight, clHighlight, clHighlightText, deslig,
         clMenuBar, clMenuText},
        {TTipoMenu::tmWin7, false, clBtnFace, clMenu, w7Fundo, w7Cont, clMenuText, clGrayText, clBtnFace,
         clMenuText},
        {TTipoMenu::tmMarvo, true, clMenuBar, clWhite, selec, selec, clBlack, deslig, marvo, clBlack},
    };
    for (const Case& c : cases) {
        Janela j;
        j.sis.temas = c.temas;
        j.menu->SetTipoMenu(c.tipo);
        const TNqMenu::TCores& k = j.menu->Cores();
        SCOPED_TRACE(static_cast<int>(c.tipo) * 10 + c.temas);
        EXPECT_EQ(k.TopMenu, c.topMenu);
        EXPECT_EQ(k.FundoIcone, c.fundoIcone);
        EXPECT_EQ(k.Menu, c.menu);
        EXPECT_EQ(k.Barra, c.barra);
        EXPECT_EQ(k.Contorno, c.contorno);
        EXPECT_EQ(k.FonteSel, c.fonteSel);
        EXPECT_EQ(k.FonteDeslig, c.fonteDeslig);
        EXPECT_EQ(k.Checked, RGBColor(135, 163, 221));
        EXPECT_EQ(k.TopSombra, RGBColor(170, 170, 170));
        EXPECT_EQ(k.Fonte, c.fonte);
    }
}

// The contrast of two colours as the accessibility guidelines compute it, from 1 to 21.
double Contraste(TColor a, TColor b) {
    auto luz = [](TColor c) {
        auto canal = [](int v) {
            const double x = v / 255.0;
            return x <= 0.03928 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * canal(c & 0xFF) + 0.7152 * canal((c >> 8) & 0xFF) + 0.0722 * canal((c >> 16) & 0xFF);
    };
    const double la = luz(a), lb = luz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Every style, light and dark: text and disabled text readable on the items' background (4.5:1), and a
// highlight that stands out from it, with the colours the renderer paints with.
TEST(TNqMenu, EveryStyleLightAndDarkIsReadable) {
    for (const bool escuro : {false, true}) {
        for (int estilo = 0; estilo <= static_cast<int>(TTipoMenu::tmMarvo); ++estilo) {
            for (const bool temas : {true, false}) {
                SCOPED_TRACE(std::string(escuro ? "dark" : "light") + ", style " + std::to_string(estilo) +
                             (temas ? "" : ", classic"));
                Janela j;
                j.sis.temas = temas;
                j.sis.escuro = escuro;
                j.menu->SetTipoMenu(static_cast<TTipoMenu>(estilo));
                EXPECT_EQ(j.menu->Escuro(), escuro);
                const TNqMenu::TCores& k = j.menu->Cores();
                auto cor = [&](TColor c) { return IsSystemColor(c) ? j.sis.CorSistema(c & 0xFF) : c; };
                EXPECT_GE(Contraste(cor(k.Fonte), cor(k.Menu)), 4.5);
                EXPECT_GE(Contraste(cor(k.FonteDeslig), cor(k.Menu)), 4.5);
                EXPECT_NE(cor(k.Barra), cor(k.Menu));
                if (escuro) {
                    // The system's own highlight decides in the light mode; the dark one is the renderer's.
                    EXPECT_GE(Contraste(cor(k.FonteSel), cor(k.Barra)), 4.5);
                    EXPECT_LT(Contraste(cor(k.Menu), RGBColor(0, 0, 0)), 2.0) << "a dark background";
                }
            }
        }
    }
}

TEST(TNqMenu, StartsWithItsDefaultsAndTheSystemMenuFont) {
    Janela j;
    j.sis.versao = 5;
    Janela antigo;  // the colours above were taken at creation; the version is too
    antigo.sis.versao = 5;
    antigo.Criar();
    const TNqMenu& m = *j.menu;
    EXPECT_TRUE(m.Ativo());
    EXPECT_EQ(m.TamIcone(), 20);
    EXPECT_FALSE(m.MenusDegrade());
    EXPECT_EQ(m.SessaoIni(), "Menus");
    EXPECT_EQ(m.TipoMenu(), TTipoMenu::tmPadrao);
    EXPECT_FALSE(m.SemIcones());
    EXPECT_TRUE(m.UsarFonteWin());
    EXPECT_EQ(m.MenuConfigura(), nullptr);
    EXPECT_EQ(m.Font(), j.sis.fonte);
    EXPECT_TRUE(m.Win7());
    EXPECT_FALSE(antigo.menu->Win7());
}

TEST(TNqMenu, RefusedValuesKeepThePreviousOneAndNameTheComponent) {
    Janela j;
    j.menu->SetTamIcone(28);
    for (int v : {0, 16, 20, 24, 28, 32}) EXPECT_NO_THROW(j.menu->SetTamIcone(v));
    for (int v : {18, -1, 1, 33, 64}) {
        try {
            j.menu->SetTamIcone(v);
            ADD_FAILURE() << v << " accepted";
        } catch (const EComponentError& e) {
            EXPECT_EQ(std::string(e.what()), "NqMenu1: Tamanho dos ícones inválido: " + std::to_string(v));
        }
        EXPECT_EQ(j.menu->TamIcone(), 32);
    }
    j.menu->SetSessaoIni("Barra");
    for (const char* blank : {"", "   "}) {
        try {
            j.menu->SetSessaoIni(blank);
            ADD_FAILURE() << "blank name accepted";
        } catch (const EComponentError& e) {
            EXPECT_EQ(std::string(e.what()), "NqMenu1: Nome de sessão inválido!");
        }
        EXPECT_EQ(j.menu->SessaoIni(), "Barra");
    }
}

TEST(TNqMenu, TheMarvoStyleSetsFourValuesThatOtherStylesThenKeep) {
    Janela j;
    j.menu->SetTamIcone(32);
    j.menu->SetMenusDegrade(true);
    j.menu->SetUsarFonteWin(false);
    j.menu->SetSemIcones(false);
    j.menu->SetTipoMenu(TTipoMenu::tmMarvo);
    auto valores = [&] {
        return std::tuple(j.menu->TamIcone(), j.menu->MenusDegrade(), j.menu->UsarFonteWin(),
                          j.menu->SemIcones());
    };
    EXPECT_EQ(valores(), std::tuple(24, false, true, true));
    j.menu->SetTipoMenu(TTipoMenu::tmOffice);
    EXPECT_EQ(valores(), std::tuple(24, false, true, true));
}

TEST(TNqMenu, HooksTheWindowsMenusAndItsNonBlankItems) {
    Janela j(false);
    TMenuItem& abrir = j.Entrada("Abrir");
    TMenuItem& linha = j.Entrada("-");
    TMenuItem& branco = j.Entrada("   ");
    TMenuItem& mais = j.Entrada("Mais");
    TMenuItem& solto = mais.Add(NewItem(nullptr, "Solto"));  // made at run time, owned by nobody
    EXPECT_FALSE(j.popup.OwnerDraw);
    j.Criar();
    EXPECT_TRUE(j.popup.OwnerDraw);
    EXPECT_TRUE(Ligado(abrir));
    EXPECT_TRUE(Ligado(linha));
    EXPECT_TRUE(Ligado(mais));
    EXPECT_FALSE(Ligado(branco));  // keeps the system's own drawing
    EXPECT_FALSE(Ligado(solto));
    EXPECT_GT(j.menuBarRedraws, 0);

    j.menu->AtivarIndiv(branco, true);
    j.menu->AtivarIndiv(solto, true);
    EXPECT_TRUE(Ligado(branco));
    EXPECT_TRUE(Ligado(solto));

    j.menu->SetAtivo(false);
    EXPECT_FALSE(j.popup.OwnerDraw);
    EXPECT_FALSE(Ligado(abrir));
    EXPECT_TRUE(Ligado(branco));  // Ativar leaves blank items alone either way
    EXPECT_TRUE(Ligado(solto));   // not the window's: Ativar does not reach it
    j.menu->Atualizar();          // off and on again, as Ativo says: still off
    EXPECT_FALSE(Ligado(abrir));
    EXPECT_FALSE(j.popup.OwnerDraw);
    j.menu->SetAtivo(true);
    EXPECT_TRUE(Ligado(abrir));
}

TEST(TNqMenu, AnItemJoiningTheWindowHooksTheOthersButNotItselfYet) {
    Janela j;
    j.menu->SetAtivo(false);
    TMenuItem& primeiro = j.Entrada("Primeiro");
    EXPECT_FALSE(Ligado(primeiro));  // blank when it joined; the renderer switched everything on
    EXPECT_TRUE(j.menu->Ativo() == false && j.popup.OwnerDraw == false);
    j.menu->SetAtivo(true);
    TMenuItem& segundo = j.Entrada("Segundo");
    EXPECT_TRUE(Ligado(primeiro));
    EXPECT_FALSE(Ligado(segundo));
    j.menu->AtivarIndiv(segundo, true);
    EXPECT_TRUE(Ligado(segundo));
}

TEST(TNqMenu, AHandlerOutlivingTheRendererDoesNothing) {
    Janela j;
    TMenuItem& item = j.popup.Items().Add(NewItem(nullptr, "Solto"));
    j.menu->AtivarIndiv(item, true);
    j.menu.reset();
    test::RecordingCanvas c;
    int w = -1, h = -1;
    ASSERT_TRUE(Ligado(item));
    item.OnMeasureItem(item, c, w, h);
    item.OnDrawItem(item, c, Rect{0, 0, 100, 20}, {});
    EXPECT_EQ(w, -1);
    EXPECT_TRUE(c.calls.empty());
}

TEST(TNqMenu, TheConfigurationItemOpensTheDialogAndIsForgottenWhenItGoes) {
    Janela j;
    int aberturas = 0;
    j.menu->DialogoConfig = [&](TNqMenu&) -> std::optional<TMenusEscolha> {
        ++aberturas;
        return std::nullopt;
    };
    auto item = NewItem(&j.form, "Menus...");
    item->ShortCut = ShortCut(0x71);
    j.menu->SetMenuConfigura(item.get());
    EXPECT_EQ(item->Caption, "Menus...");  // at run time the host's caption and shortcut stay
    EXPECT_EQ(item->ShortCut, ShortCut(0x71));
    item->Click();
    EXPECT_EQ(aberturas, 1);
    item.reset();
    EXPECT_EQ(j.menu->MenuConfigura(), nullptr);

    j.sis.design = true;
    Janela d;
    d.sis.design = true;
    d.Criar();
    auto noDesign = NewItem(nullptr, "x");
    d.menu->SetMenuConfigura(noDesign.get());
    EXPECT_EQ(noDesign->Caption, "&Configurar menus");
    EXPECT_EQ(noDesign->ShortCut, ShortCut(0x78, scShift | scCtrl));
    d.menu->SetMenuConfigura(nullptr);
    noDesign.reset();  // no longer watched: nothing to tell
    EXPECT_EQ(d.menu->MenuConfigura(), nullptr);
}

TEST(ShortCut, TextsOfTheToolkit) {
    struct Case {
        TShortCut atalho;
        const char* texto;
    };
    const Case cases[] = {
        {0, ""},
        {ShortCut(45), "Ins"},
        {ShortCut(116), "F5"},
        {8219, "Shift+Esc"},
        {ShortCut(0x78, scShift | scCtrl), "Shift+Ctrl+F9"},
        {ShortCut(0x20, scCtrl), "Ctrl+Space"},
        {ShortCut('A', scAlt | scCtrl | scShift), "Shift+Ctrl+Alt+A"},
        {ShortCut('7'), "7"},
        {ShortCut(0x87), "F24"},
        {ShortCut(0x08), "BkSp"},
        {ShortCut(0x22), "PgDn"},
        {ShortCut(0x2E, scCtrl), "Ctrl+Del"},
        {ShortCut(0xBA, scCtrl), ""},  // a key without a name
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.atalho), c.texto) << c.atalho;
        if (*c.texto) {
            EXPECT_EQ(TextToShortCut(c.texto), c.atalho) << c.texto;
        }
    }
    EXPECT_EQ(TextToShortCut("ctrl+shift+f9"), ShortCut(0x78, scShift | scCtrl));
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("Hyper+A"), 0);
}

}  // namespace
}  // namespace nq
