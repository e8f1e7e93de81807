// Measuring and painting in the five styles, pinned through a recording canvas: every character is 7
// pixels wide (8 in bold) and a line of the 12-pixel menu font is 15 pixels high.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "menus/FakeMenuSistema.h"
#include "menus/NqMenus.h"
#include "ui/RecordingCanvas.h"

namespace nq {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

constexpr TTipoMenu kEstilos[] = {TTipoMenu::tmPadrao, TTipoMenu::tmOffice, TTipoMenu::tmSemIcones,
                                  TTipoMenu::tmWin7, TTipoMenu::tmMarvo};
const char* Nome(TTipoMenu t) {
    static const char* nomes[] = {"tmPadrao", "tmOffice", "tmSemIcones", "tmWin7", "tmMarvo"};
    return nomes[static_cast<int>(t)];
}

// A popup menu with pictures, a menu bar, and a renderer in one style.
struct Cena {
    test::FakeMenuSistema sis;
    TMenuOwner form;
    TPopupMenu popup{&form};
    TMainMenu barra{&form};
    test::FakeImageList img16{16, 6};
    test::FakeImageList img32{32, 6};
    TNqMenu menu{&form, sis};

    explicit Cena(TTipoMenu tipo = TTipoMenu::tmPadrao, bool comFiguras = true) {
        menu.Name = "NqMenu1";
        menu.SetTipoMenu(tipo);
        if (comFiguras) popup.Images = &img16;
    }
    TMenuItem& Entrada(const std::string& caption) { return popup.Items().Add(NewItem(nullptr, caption)); }
    // An entry of a submenu of the popup menu.
    TMenuItem& Subentrada(const std::string& caption) {
        if (popup.Items().Count() == 0) Entrada("Mais");
        return popup.Items().Items(0).Add(NewItem(nullptr, caption));
    }
    TMenuItem& Titulo(const std::string& caption) { return barra.Items().Add(NewItem(nullptr, caption)); }

    Size Mede(TMenuItem& item, int dpi = 96) {
        RecordingCanvas c(dpi);
        int w = 0, h = 0;
        menu.MedeItem(item, c, w, h);
        return Size{w, h};
    }
    RecordingCanvas Desenha(TMenuItem& item, Rect r, bool selected = false, bool hot = false, int dpi = 96) {
        RecordingCanvas c(dpi);
        menu.DesenhaItem(item, c, r, TOwnerDrawState{selected, hot});
        return c;
    }
};

std::string Juntar(const std::vector<std::string>& linhas) {
    std::string s;
    for (const std::string& l : linhas) s += l + "\n";
    return s;
}

TEST(TNqMenuMedida, HeightsAndWidthsInEveryStyle) {
    struct Case {
        const char* caso;
        TTipoMenu tipo;
        bool figuras;  // the menu has 16-pixel pictures
        const char* caption;
        TShortCut atalho;
        Size esperado;
    };
    // Text items: 15 + 10 high, 7 per character + 40 wide; with pictures the picture decides the height
    // (16 + 6) and TamIcone 20 adds 20 + 8 to the width; the styles without icons add 8.
    const Case cases[] = {
        {"text", TTipoMenu::tmPadrao, false, "Abrir", 0, {35 + 40, 25}},
        {"text", TTipoMenu::tmOffice, false, "Abrir", 0, {75, 25}},
        {"text", TTipoMenu::tmSemIcones, false, "Abrir", 0, {75 + 8, 25}},
        {"text", TTipoMenu::tmWin7, false, "Abrir", 0, {75 + 8, 25}},
        {"text", TTipoMenu::tmMarvo, false, "Abrir", 0, {75, 25}},
        {"pictures", TTipoMenu::tmPadrao, true, "Abrir", 0, {75 + 28, 22}},
        {"pictures", TTipoMenu::tmOffice, true, "Abrir", 0, {75 + 28, 22}},
        {"pictures", TTipoMenu::tmSemIcones, true, "Abrir", 0, {75 + 8, 25}},
        {"pictures", TTipoMenu::tmWin7, true, "Abrir", 0, {75 + 8, 25}},
        {"pictures", TTipoMenu::tmMarvo, true, "Abrir", 0, {75 + 24 + 8, 22}},  // TamIcone 24
        {"separator", TTipoMenu::tmPadrao, true, "-", 0, {7, 6}},
        {"separator", TTipoMenu::tmOffice, false, "-", 0, {7, 6}},
        {"separator", TTipoMenu::tmWin7, true, "-", 0, {7, 6}},
        {"shortcut", TTipoMenu::tmOffice, false, "Abrir", ShortCut(0x20, scCtrl), {75 + 70, 25}},
        {"shortcut", TTipoMenu::tmWin7, false, "Abrir", ShortCut(0x20, scCtrl), {75 + 70 + 8, 25}},
        {"access key", TTipoMenu::tmOffice, false, "Finaliza&r", 0, {63 + 40, 25}},
        {"title", TTipoMenu::tmOffice, false, "*Atalhos", 0, {64 + 40, 25}},  // bold, asterisk counted
    };
    for (const Case& c : cases) {
        Cena cena(c.tipo, c.figuras);
        TMenuItem& item = cena.Entrada(c.caption);
        item.ShortCut = c.atalho;
        EXPECT_EQ(cena.Mede(item), c.esperado) << c.caso << " in " << Nome(c.tipo);
    }
}

TEST(TNqMenuMedida, TamIconeWithSixteenAndThirtyTwoPixelPictures) {
    struct Case {
        int tamIcone;
        int figura;
        Size esperado;
    };
    const Case cases[] = {
        {0, 16, {75 + 16 + 8, 22}},  {20, 16, {75 + 20 + 8, 22}},
        {32, 16, {75 + 32 + 8, 22}},  // the width reserves 32 + 8 though the picture stays at 16
        {24, 32, {75 + 24 + 8, 30}}, {0, 32, {75 + 32 + 8, 38}},
    };
    for (const Case& c : cases) {
        Cena cena(TTipoMenu::tmOffice);
        cena.popup.Images = c.figura == 16 ? &cena.img16 : &cena.img32;
        cena.menu.SetTamIcone(c.tamIcone);
        EXPECT_EQ(cena.Mede(cena.Entrada("Abrir")), c.esperado) << c.tamIcone << " / " << c.figura;
    }
}

TEST(TNqMenuMedida, MenuBarTitlesAndOtherDensities) {
    Cena cena(TTipoMenu::tmOffice);
    EXPECT_EQ(cena.Mede(cena.Titulo("Arquivo")), (Size{49 + 6, 19}));
    // At 144 dpi the font is 18 pixels (a line of 21) and every length grows by half; the pictures are
    // 24 pixels there.
    test::FakeImageList img24(24, 6);
    cena.popup.Images = &img24;
    EXPECT_EQ(cena.Mede(cena.Entrada("Abrir"), 144), (Size{35 + 60 + 30 + 12, 24 + 9}));
    cena.popup.Images = nullptr;
    EXPECT_EQ(cena.Mede(cena.Entrada("Abrir"), 144), (Size{35 + 60, 21 + 15}));
    EXPECT_EQ(cena.Mede(cena.Entrada("-"), 144), (Size{7, 9}));
}

TEST(TNqMenuDesenho, ASelectedEntryWithAPictureAndCtrlSpaceInEachStyle) {
    struct Case {
        TTipoMenu tipo;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {TTipoMenu::tmPadrao,
         {"fill 0,0,200,22 sys5", "rect 25,0,200,22 pen sys13 sys13",
          "text 32,3,200,22 \" Abrir\" sys14 on sys13",
          "text 46,3,184,22 \"Ctrl+Espaço\" sys14 on sys13 right", "edge 0,0,24,22 raisedinner rect",
          "image 0 at 3,2"}},
        {TTipoMenu::tmOffice,
         {"fill 0,0,200,22 sys5", "fill 0,0,24,22 sys30", "rect 0,0,200,22 pen #3169C6 #C6D3EF",
          "text 32,3,200,22 \" Abrir\" sys7 on #C6D3EF",
          "text 46,3,184,22 \"Ctrl+Espaço\" sys7 on #C6D3EF right", "image 0 at 3,2"}},
        {TTipoMenu::tmSemIcones,
         {"fill 0,0,200,22 sys4", "rect 0,0,200,22 pen sys13 sys13",
          "text 26,3,200,22 \" Abrir\" sys14 on sys13",
          "text 40,3,184,22 \"Ctrl+Espaço\" sys14 on sys13 right"}},
        {TTipoMenu::tmWin7,
         {"fill 0,0,200,22 sys4", "edge 25,0,200,22 raised left", "round 0,0,200,22 6 pen #7189FB #ECEFFF",
          "edge 25,2,200,20 raised left", "text 29,3,200,22 \" Abrir\" sys7 on #ECEFFF",
          "text 43,4,184,22 \"Ctrl+Space\" sys7 on #ECEFFF right"}},
        {TTipoMenu::tmMarvo,
         {"fill 0,0,200,22 #FFFFFF", "fill 0,0,6,22 #008080", "fill 8,0,200,22 #B4DDF3",
          "text 24,3,200,22 \" Abrir\" #000000 on #B4DDF3",
          "text 38,4,192,22 \"Ctrl+Space\" #000000 on #B4DDF3 right"}},
    };
    for (const Case& c : cases) {
        Cena cena(c.tipo);
        TMenuItem& item = cena.Entrada("Abrir");
        item.ShortCut = ShortCut(0x20, scCtrl);
        item.ImageIndex = 0;
        EXPECT_EQ(Juntar(cena.Desenha(item, Rect{0, 0, 200, 22}, true).Log()), Juntar(c.log)) << Nome(c.tipo);
    }
}

TEST(TNqMenuDesenho, TheShortcutNamesTheSpaceBarInPortugueseInThreeStyles) {
    for (TTipoMenu tipo : kEstilos) {
        const bool portugues = tipo != TTipoMenu::tmWin7 && tipo != TTipoMenu::tmMarvo;
        struct {
            TShortCut atalho;
            const char* texto;
        } const atalhos[] = {{ShortCut(0x20, scCtrl), portugues ? "Ctrl+Espaço" : "Ctrl+Space"},
                             {ShortCut(0x20), "Espaço"},
                             {ShortCut(0x08), "BkSp"}};
        for (const auto& a : atalhos) {
            Cena cena(tipo);
            TMenuItem& item = cena.Entrada("Abrir");
            item.ShortCut = a.atalho;
            const auto textos = cena.Desenha(item, Rect{0, 0, 200, 25}).Of(CanvasCall::Text);
            ASSERT_EQ(textos.size(), 2u) << Nome(tipo);
            EXPECT_EQ(textos[1].text, a.texto) << Nome(tipo);
            EXPECT_TRUE(textos[1].flags & tfRight);
        }
    }
    // tmWin7 writes the shortcut one point smaller: 12 pixels are 9 points, 8 points are 11 pixels.
    Cena win7(TTipoMenu::tmWin7);
    TMenuItem& item = win7.Entrada("Abrir");
    item.ShortCut = ShortCut(45);
    const auto textos = win7.Desenha(item, Rect{0, 0, 200, 25}).Of(CanvasCall::Text);
    EXPECT_EQ(textos[0].fontHeight, 12);
    EXPECT_EQ(textos[1].fontHeight, 11);
}

TEST(TNqMenuDesenho, TitleEntries) {
    struct Case {
        const char* caso;
        bool submenu;
        const char* caption;
        int tag;
        // Expected in tmPadrao, tmOffice and tmSemIcones / in tmWin7 and tmMarvo:
        const char* texto;
        const char* textoSemIcones;
        bool negrito;
        bool titulo;  // drawn disabled, never highlighted and refused (first three styles)
    };
    const Case cases[] = {
        {"asterisk", false, "*Atalhos", 0, " Atalhos", " *Atalhos", true, true},
        {"asterisk in a submenu", true, "*Atalhos", 0, " *Atalhos", " *Atalhos", true, false},
        {"tag 99", false, "Atalhos", Titulo, " Atalhos", " Atalhos", true, true},
        {"tag 99 in a submenu", true, "Atalhos", Titulo, " Atalhos", " Atalhos", false, false},
    };
    for (TTipoMenu tipo : kEstilos) {
        const bool classico = tipo != TTipoMenu::tmWin7 && tipo != TTipoMenu::tmMarvo;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.caso) + " in " + Nome(tipo));
            Cena cena(tipo);
            TMenuItem& item = c.submenu ? cena.Subentrada(c.caption) : cena.Entrada(c.caption);
            item.Tag = c.tag;
            const RecordingCanvas pintura = cena.Desenha(item, Rect{0, 0, 200, 25}, true);
            const auto textos = pintura.Of(CanvasCall::Text);
            ASSERT_EQ(textos.size(), 1u);
            EXPECT_EQ(textos[0].text, classico ? c.texto : c.textoSemIcones);
            // tmWin7 and tmMarvo make titles bold and nothing else here; in the other styles an asterisk
            // anywhere makes bold, and an entry with tag 99 in a submenu is bold only when measured.
            EXPECT_EQ(textos[0].font.bold, classico ? c.negrito : c.titulo);
            EXPECT_EQ(cena.menu.PodeEscolher(item), !(classico && c.titulo));
            const bool realcado = !pintura.Of(CanvasCall::Rectangle).empty() ||
                                  !pintura.Of(CanvasCall::RoundRect).empty() ||
                                  (tipo == TTipoMenu::tmMarvo && pintura.Of(CanvasCall::Fill).size() > 2);
            EXPECT_EQ(realcado, !c.titulo);
            if (classico && c.titulo) {
                EXPECT_EQ(textos[0].font.color, clMenuText);
            }
        }
    }
    Cena cena;
    TMenuItem& sub = cena.Subentrada("Atalhos");
    sub.Tag = Titulo;
    EXPECT_EQ(cena.Mede(sub).width, 7 * 8 + 40 + 28);  // measured bold
}

TEST(TNqMenuDesenho, SeparatorsStartAfterTheGutterOnlyInOffice) {
    struct Case {
        TTipoMenu tipo;
        const char* linha;
    };
    const Case cases[] = {
        {TTipoMenu::tmPadrao, "edge 0,2,200,6 etched top"},
        {TTipoMenu::tmOffice, "edge 32,2,200,6 etched top"},
        {TTipoMenu::tmSemIcones, "edge 0,2,200,6 etched top"},
        {TTipoMenu::tmWin7, "edge 25,2,200,6 raised top"},
        {TTipoMenu::tmMarvo, "edge 22,2,200,6 raised top"},
    };
    for (const Case& c : cases) {
        Cena cena(c.tipo);
        const RecordingCanvas pintura = cena.Desenha(cena.Entrada("-"), Rect{0, 0, 200, 6});
        const auto log = pintura.Log();
        EXPECT_NE(std::find(log.begin(), log.end(), c.linha), log.end()) << Nome(c.tipo) << "\n"
                                                                         << Juntar(log);
        EXPECT_TRUE(pintura.Of(CanvasCall::Text).empty());
    }
}

TEST(TNqMenuDesenho, IconsAreNeverEnlarged) {
    struct Case {
        int tamIcone;
        int figura;
        int altura;
        const char* figuraDesenhada;
    };
    const Case cases[] = {
        {0, 16, 22, "image 2 at 4,3"},
        {20, 16, 22, "image 2 at 4,3"},
        {32, 16, 22, "image 2 at 4,3"},
        {24, 32, 30, "stretch 2 into 4,3,28,27"},  // W = 24: scaled down into a 32-pixel gutter
        {16, 32, 22, "stretch 2 into 4,3,20,19"},
    };
    for (TTipoMenu tipo : {TTipoMenu::tmPadrao, TTipoMenu::tmOffice}) {
        for (const Case& c : cases) {
            Cena cena(tipo);
            cena.popup.Images = c.figura == 16 ? &cena.img16 : &cena.img32;
            cena.menu.SetTamIcone(c.tamIcone);
            TMenuItem& item = cena.Entrada("Abrir");
            item.ImageIndex = 2;
            EXPECT_EQ(cena.Mede(item).height, c.altura);
            const auto log = cena.Desenha(item, Rect{0, 0, 200, c.altura}).Log();
            EXPECT_EQ(log.back(), c.figuraDesenhada) << Nome(tipo) << " " << c.tamIcone << "/" << c.figura;
        }
    }
    // No picture beyond the list, none at all in the styles without icons, greyed when disabled.
    for (TTipoMenu tipo : kEstilos) {
        Cena cena(tipo);
        TMenuItem& fora = cena.Entrada("Abrir");
        fora.ImageIndex = 6;
        EXPECT_TRUE(cena.Desenha(fora, Rect{0, 0, 200, 22}).Of(CanvasCall::Image).empty());
        TMenuItem& item = cena.Entrada("Abrir");
        item.ImageIndex = 0;
        item.Enabled = false;
        const auto imagens = cena.Desenha(item, Rect{0, 0, 200, 22}).Of(CanvasCall::Image);
        const bool comIcones = tipo == TTipoMenu::tmPadrao || tipo == TTipoMenu::tmOffice;
        ASSERT_EQ(imagens.size(), comIcones ? 1u : 0u) << Nome(tipo);
        if (comIcones) {
            EXPECT_FALSE(imagens[0].enabled);
        }
    }
}

TEST(TNqMenuDesenho, CheckMarks) {
    const std::vector<std::string> tick = {"line 8,11-11,14 #000000", "line 9,11-11,13 #000000",
                                           "line 9,10-12,13 #000000", "line 11,13-19,5 #000000",
                                           "line 11,14-15,9 #000000"};
    struct Case {
        const char* caso;
        TTipoMenu tipo;
        bool semIcones;
        bool figura;
        bool radio;
        std::vector<std::string> fim;  // the last calls of the paint
    };
    auto com = [&](std::vector<std::string> antes, std::vector<std::string> depois = {}) {
        antes.insert(antes.end(), tick.begin(), tick.end());
        antes.insert(antes.end(), depois.begin(), depois.end());
        return antes;
    };
    const Case cases[] = {
        // The gutter (0,0)-(24,22) holds the 10 x 10 square (7,6)-(17,16).
        {"padrao, picture",
         TTipoMenu::tmPadrao,
         false,
         true,
         false,
         {"edge 0,0,24,22 sunkenouter rect middle", "image 0 at 4,3"}},
        {"padrao, picture, SemIcones", TTipoMenu::tmPadrao, true, true, false, com({}, {"image 0 at 4,3"})},
        {"padrao, text", TTipoMenu::tmPadrao, false, false, false, tick},
        {"office, picture",
         TTipoMenu::tmOffice,
         false,
         true,
         false,
         {"rect 1,1,23,21 pen #3169C6 #C6D3EF", "image 0 at 4,3"}},
        {"office, picture, SemIcones", TTipoMenu::tmOffice, true, true, false,
         com({"rect 7,6,17,16 pen #3169C6 #C6D3EF"})},
        {"office, radio",
         TTipoMenu::tmOffice,
         false,
         false,
         true,
         {"ellipse 7,6,17,16 pen #3169C6 #C6D3EF", "ellipse 9,8,15,14 pen #3169C6 #3169C6"}},
        {"padrao, radio", TTipoMenu::tmPadrao, false, false, true, {"ellipse 7,6,17,16 pen sys7 sys7"}},
        {"sem icones", TTipoMenu::tmSemIcones, false, true, false, tick},
        {"win7", TTipoMenu::tmWin7, false, true, false, com({"round 0,0,24,22 6 pen sys26 #ECEFFF"})},
        {"win7, radio",
         TTipoMenu::tmWin7,
         false,
         false,
         true,
         {"round 0,0,24,22 6 pen sys26 #ECEFFF", "ellipse 8,7,16,15 pen #000000 #000000"}},
        // (8,1)-(29,21): TamIcone 24 + 5; the square (13,6)-(23,16).
        {"marvo",
         TTipoMenu::tmMarvo,
         true,
         true,
         false,
         {"line 14,11-17,14 #000000", "line 15,11-17,13 #000000", "line 15,10-18,13 #000000",
          "line 17,13-25,5 #000000", "line 17,14-21,9 #000000"}},
    };
    for (const Case& c : cases) {
        Cena cena(c.tipo, c.figura);
        cena.menu.SetSemIcones(c.semIcones);
        TMenuItem& item = cena.Entrada("Abrir");
        item.Checked = true;
        item.RadioItem = c.radio;
        item.ImageIndex = c.figura ? 0 : -1;
        const auto log = cena.Desenha(item, Rect{0, 0, 200, 22}).Log();
        ASSERT_GE(log.size(), c.fim.size()) << c.caso;
        const std::vector<std::string> fim(log.end() - static_cast<std::ptrdiff_t>(c.fim.size()), log.end());
        EXPECT_EQ(Juntar(fim), Juntar(c.fim)) << c.caso << "\n" << Juntar(log);
    }
}

TEST(TNqMenuDesenho, TheOfficeGutterGradientDarkensColumnByColumn) {
    Cena cena(TTipoMenu::tmOffice, false);
    cena.menu.SetMenusDegrade(true);
    const auto fills = cena.Desenha(cena.Entrada("Abrir"), Rect{0, 0, 200, 25}).Of(CanvasCall::Fill);
    // The colour each gutter column shows: that of the last fill covering it.
    std::vector<TColor> coluna(24, 0);
    for (const CanvasCall& f : fills)
        for (int x = std::max(0, f.rect.left); x < std::min(24, f.rect.right()); ++x) coluna[x] = f.brush;
    EXPECT_EQ(coluna[0], clMenuBar);
    for (int i = 1; i < 24; ++i)
        EXPECT_EQ(test::ColorName(coluna[i]), test::ColorName(cena.menu.NewColor(clMenuBar, -5 * (i - 1))))
            << i;
    EXPECT_EQ(test::ColorName(coluna[23]), "#E0E0E0");  // 240 + (255 - 240) * -110 %: -16.5 rounds to -16
    EXPECT_EQ(fills.size(), 1u + 25u);                  // the background, then x = 0 to 24
}

TEST(TNqMenuDesenho, HighlightsAndDisabledEntries) {
    struct Case {
        const char* caso;
        TTipoMenu tipo;
        bool temas;
        bool barra;  // a title of the menu bar
        bool enabled;
        bool selected, hot;
        std::vector<std::string> log;
    };
    const Case cases[] = {
        {"office, disabled and selected",
         TTipoMenu::tmOffice,
         true,
         false,
         false,
         true,
         false,
         {"fill 0,0,120,25 sys5", "fill 0,0,24,25 sys30", "rect 0,0,120,25 pen #3169C6 sys5",
          "text 32,5,120,25 \" Abrir\" sys17 on sys5"}},
        {"padrao, disabled",
         TTipoMenu::tmPadrao,
         false,
         false,
         false,
         false,
         false,
         {"fill 0,0,120,25 sys4", "text 32,5,120,25 \" Abrir\" sys17 on sys4"}},
        {"padrao, disabled, with visual styles",
         TTipoMenu::tmPadrao,
         true,
         false,
         false,
         false,
         false,
         {"fill 0,0,120,25 sys5", "text 32,5,120,25 \" Abrir\" #6D6D6D on sys5"}},
        {"office, hot menu title without visual styles",
         TTipoMenu::tmOffice,
         false,
         true,
         true,
         false,
         true,
         {"fill 0,0,120,19 sys15", "edge 0,0,117,19 raisedinner rect",
          "text 0,2,117,19 \"Abrir\" sys7 on sys15 center"}},
        {"office, open menu title",
         TTipoMenu::tmOffice,
         true,
         true,
         true,
         true,
         false,
         {"fill 0,0,120,19 sys30", "rect 0,0,117,19 pen #3169C6 #C6D3EF", "rect 0,0,117,19 pen sys16 sys30",
          "fill 1,1,116,19 sys30", "fill 117,4,120,19 #AAAAAA",
          "text 0,2,117,19 \"Abrir\" sys7 on sys30 center"}},
        {"win7, disabled and hot",
         TTipoMenu::tmWin7,
         true,
         false,
         false,
         false,
         true,
         {"fill 0,0,120,25 sys4", "edge 25,0,120,25 raised left", "round 0,0,120,25 6 pen #C0BFBE #E9E9E9",
          "edge 25,2,120,23 raised left", "text 29,5,120,25 \" Abrir\" #6D6D6D on #E9E9E9"}},
        {"win7, open menu title",
         TTipoMenu::tmWin7,
         true,
         true,
         true,
         true,
         false,
         {"fill 0,0,120,19 sys4", "rect 0,0,117,19 pen #C0BFBE #E9E9E9", "fill 1,18,116,19 #E9E9E9",
          "text 0,2,117,19 \"Abrir\" sys7 on #E9E9E9 center"}},
        {"marvo, disabled and selected",
         TTipoMenu::tmMarvo,
         true,
         false,
         false,
         true,
         false,
         {"fill 0,0,120,25 #FFFFFF", "fill 0,0,6,25 #008080", "fill 8,0,120,25 #B4DDF3",
          "text 24,5,120,25 \" Abrir\" sys17 on #B4DDF3"}},
        {"marvo, menu title without visual styles",
         TTipoMenu::tmMarvo,
         false,
         true,
         true,
         true,
         false,
         {"fill 0,0,120,19 sys30", "fill 0,0,117,19 sys13",
          "text 0,2,117,19 \"Abrir\" sys14 on sys13 center"}},
    };
    for (const Case& c : cases) {
        Cena cena(c.tipo, false);
        cena.sis.temas = c.temas;
        cena.menu.Atualizar();
        TMenuItem& item = c.barra ? cena.Titulo("Abrir") : cena.Entrada("Abrir");
        if (c.barra) item.Add(NewItem(nullptr, "Sub"));
        item.Enabled = c.enabled;
        const Rect r{0, 0, 120, c.barra ? 19 : 25};
        EXPECT_EQ(Juntar(cena.Desenha(item, r, c.selected, c.hot).Log()), Juntar(c.log)) << c.caso;
    }
}

TEST(TNqMenuDesenho, MarvosStripeFollowsTheItemsLeftEdgeAndHelpContext99IsBlue) {
    Cena cena(TTipoMenu::tmMarvo);
    TMenuItem& item = cena.Entrada("Ajuda");
    item.HelpContext = Titulo;
    const auto log = cena.Desenha(item, Rect{3, 10, 120, 25}).Log();
    EXPECT_EQ(Juntar(log), Juntar({"fill 3,10,123,35 #FFFFFF", "fill 3,10,9,35 #008080",
                                   "text 27,15,123,35 \" Ajuda\" #0000FF on #FFFFFF bold"}));
    cena.sis.temas = false;
    EXPECT_EQ(cena.Desenha(item, Rect{3, 10, 120, 25}, true).Log()[1], "fill 3,10,9,35 #C0C0C0");
}

// The dark mode: dark items, light text, and separators as flat lines rather than light 3-D edges, in
// every style.
TEST(TNqMenuDesenho, TheDarkModeDrawsDarkItemsWithLightTextAndFlatSeparators) {
    for (int estilo = 0; estilo <= static_cast<int>(TTipoMenu::tmMarvo); ++estilo) {
        SCOPED_TRACE(estilo);
        Cena cena(static_cast<TTipoMenu>(estilo));
        cena.sis.escuro = true;
        cena.menu.Atualizar();
        const std::string item = Juntar(cena.Desenha(cena.Entrada("Abrir"), Rect{0, 0, 120, 25}).Log());
        EXPECT_NE(item.find("fill 0,0,120,25 #2B2B2B"), std::string::npos) << item;
        EXPECT_NE(item.find("\" Abrir\" #F2F2F2 on #2B2B2B"), std::string::npos) << item;
        const std::string linha = Juntar(cena.Desenha(cena.Entrada("-"), Rect{0, 0, 120, 8}).Log());
        EXPECT_EQ(linha.find("edge"), std::string::npos) << linha;
        EXPECT_NE(linha.find("#505050"), std::string::npos) << linha;
    }
}

// An entry that opens a submenu ends in an arrow the renderer draws itself, in the colour of the entry's
// text: in every style, light and dark, highlighted or not, greyed when disabled. The system's own arrow,
// a black triangle in a white box, never shows (the window layer keeps it off).
TEST(TNqMenuDesenho, AnEntryWithASubmenuEndsInAnArrowInTheColourOfItsText) {
    // The columns of a triangle pointing right, 4 pixels wide and 7 high, centred in the last 16 of the
    // entry (0,0)-(200,22).
    const std::vector<std::string> seta = {"190,7,191,14", "191,8,192,13", "192,9,193,12", "193,10,194,11"};
    for (bool escuro : {false, true}) {
        for (TTipoMenu tipo : kEstilos) {
            for (bool habilitado : {true, false}) {
                for (bool selecionado : {false, true}) {
                    SCOPED_TRACE(std::string(Nome(tipo)) + (escuro ? " dark" : " light") +
                                 (habilitado ? "" : " disabled") + (selecionado ? " selected" : ""));
                    Cena cena(tipo);
                    cena.sis.escuro = escuro;
                    cena.menu.Atualizar();
                    TMenuItem& item = cena.Subentrada("Mais");
                    TMenuItem& mais = cena.popup.Items().Items(0);
                    mais.ImageIndex = 1;
                    mais.Enabled = habilitado;
                    const RecordingCanvas pintura = cena.Desenha(mais, Rect{0, 0, 200, 22}, selecionado);
                    const auto textos = pintura.Of(CanvasCall::Text);
                    const auto fills = pintura.Of(CanvasCall::Fill);
                    ASSERT_EQ(textos.size(), 1u);
                    ASSERT_GE(fills.size(), seta.size());
                    const TColor cor = textos[0].font.color;
                    for (std::size_t i = 0; i < seta.size(); ++i) {
                        const CanvasCall& f = fills[fills.size() - seta.size() + i];
                        EXPECT_EQ(test::RectText(f.rect), seta[i]);
                        EXPECT_EQ(test::ColorName(f.brush), test::ColorName(cor));
                    }
                    if (escuro && habilitado && !selecionado) {
                        EXPECT_EQ(test::ColorName(cor), "#F2F2F2");
                    }
                    // The entry of the submenu opens nothing: no arrow.
                    for (const CanvasCall& f : cena.Desenha(item, Rect{0, 0, 200, 22}).Of(CanvasCall::Fill))
                        EXPECT_LT(f.rect.left, 184) << test::RectText(f.rect);
                }
            }
        }
    }
    // At 144 dpi: 6 columns, 11 rows, in the last 24 pixels.
    Cena cena(TTipoMenu::tmOffice);
    cena.Subentrada("Filho");
    const auto fills = cena.Desenha(cena.popup.Items().Items(0), Rect{0, 0, 300, 33}, false, false, 144)
                           .Of(CanvasCall::Fill);
    ASSERT_GE(fills.size(), 6u);
    EXPECT_EQ(test::RectText(fills[fills.size() - 6].rect), "285,11,286,22");
    EXPECT_EQ(test::RectText(fills.back().rect), "290,16,291,17");
    // A title of the menu bar opens its menu below it, without an arrow.
    TMenuItem& titulo = cena.Titulo("Arquivo");
    titulo.Add(NewItem(nullptr, "Abrir"));
    for (const CanvasCall& f : cena.Desenha(titulo, Rect{0, 0, 120, 19}).Of(CanvasCall::Fill))
        EXPECT_GT(f.rect.width, 1) << test::RectText(f.rect);
}

// Measuring and painting read the model and the renderer and change neither: after every item of a menu
// with every kind of entry is measured and painted in every style, light and dark, at two densities and
// in every state, the items, the menus and the renderer are as they were, and painting an item again
// draws exactly the same.
TEST(TNqMenuDesenho, PaintingLeavesTheModelAndTheRendererAsTheyWere) {
    const auto retrato = [](const TMenuItem& i) {
        std::ostringstream s;
        s << i.Caption << '|' << i.Tag << '|' << i.HelpContext << '|' << i.Default << i.Enabled << i.Checked
          << i.RadioItem << i.Visible << '|' << i.ShortCut << '|' << i.ImageIndex << '|' << i.SubMenuImages
          << '|' << i.Hint << '|' << i.Command << '|' << i.Count();
        return s.str();
    };
    for (TTipoMenu tipo : kEstilos) {
        for (bool escuro : {false, true}) {
            SCOPED_TRACE(std::string(Nome(tipo)) + (escuro ? " dark" : " light"));
            Cena cena(tipo);
            cena.sis.escuro = escuro;
            cena.menu.Atualizar();
            cena.Entrada("*Atalhos").ImageIndex = 1;
            cena.Entrada("Atalhos").Tag = Titulo;
            cena.Entrada("Ajuda").HelpContext = Titulo;
            cena.Entrada("Padrão").Default = true;
            TMenuItem& marcado = cena.Entrada("Marcado");
            marcado.Checked = true;
            marcado.ImageIndex = 2;
            TMenuItem& radio = cena.Entrada("Rádio");
            radio.Checked = radio.RadioItem = true;
            TMenuItem& desligado = cena.Entrada("Desligado");
            desligado.Enabled = false;
            desligado.ShortCut = ShortCut(0x20, scCtrl);
            cena.Entrada("-");
            TMenuItem& mais = cena.Entrada("Mais");
            mais.Add(NewItem(nullptr, "*Filho")).Checked = true;
            cena.Titulo("Arquivo").Add(NewItem(nullptr, "Abrir"));
            cena.Titulo("Ajuda");

            std::vector<TMenuItem*> itens;
            for (const TMenu* menu : {static_cast<TMenu*>(&cena.popup), static_cast<TMenu*>(&cena.barra)})
                for (int i = 0; i < menu->Items().Count(); ++i) {
                    TMenuItem& entrada = menu->Items().Items(i);
                    itens.push_back(&entrada);
                    for (int j = 0; j < entrada.Count(); ++j) itens.push_back(&entrada.Items(j));
                }
            std::vector<std::string> antes;
            for (const TMenuItem* i : itens) antes.push_back(retrato(*i));
            const TNqMenu::TCores cores = cena.menu.Cores();
            const TFont fonte = cena.menu.Font();
            const int tamIcone = cena.menu.TamIcone();

            for (TMenuItem* i : itens) {
                TMenuItem& item = *i;
                for (int dpi : {96, 144}) {
                    cena.Mede(item, dpi);
                    for (int estado = 0; estado < 4; ++estado) {
                        const bool sel = estado & 1, hot = estado & 2;
                        const auto primeira = cena.Desenha(item, Rect{0, 0, 200, 25}, sel, hot, dpi).Log();
                        EXPECT_EQ(cena.Desenha(item, Rect{0, 0, 200, 25}, sel, hot, dpi).Log(), primeira)
                            << item.Caption << " " << dpi << " " << estado;
                    }
                }
            }
            for (std::size_t i = 0; i < itens.size(); ++i) EXPECT_EQ(retrato(*itens[i]), antes[i]);
            EXPECT_TRUE(cena.popup.OwnerDraw && cena.barra.OwnerDraw);
            EXPECT_EQ(cena.popup.Images, &cena.img16);
            EXPECT_TRUE(cena.menu.Cores() == cores);
            EXPECT_EQ(cena.menu.Font(), fonte);
            EXPECT_EQ(cena.menu.TipoMenu(), tipo);
            EXPECT_EQ(cena.menu.TamIcone(), tamIcone);
        }
    }
}

}  // namespace
}  // namespace nq
