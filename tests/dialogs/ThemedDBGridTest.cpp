// The data grid without a window, pinned through a recording canvas: a line of the 8-point grid font is
// 14 pixels high there (at 96 dpi), every character 7 pixels wide.

#include "dialogs/ThemedDBGrid.h"

#include <gtest/gtest.h>

#include "dialogs/GradeFixture.h"
#include "ui/RecordingCanvas.h"

namespace nq {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;
using test::TabelaFalsa;

constexpr TColor clMaroon = RGBColor(128, 0, 0);
constexpr TColor clAzul = RGBColor(0, 0, 255);

// The grid of the shortcut list: "Titulo" and "M" over the catalogue, in a client area of a given size.
struct GradeCatalogo {
    TClientDataset cds;
    TTabelaCds tabela{cds};
    TDBGrid g;
    test::FakeImageList caixas{13, 2};
    test::FakeImageList memo{16, 2};

    explicit GradeCatalogo(int registros, int altura = 292, int dpi = 96) {
        test::EncherCatalogo(cds, registros);
        cds.SetIndexFieldNames("Titulo");
        cds.First();
        g.Columns = {{"Titulo", "Titulo", 448},
                     {"OpcaoMenu", "M", 21, TAlignment::taLeftJustify, TAlignment::taCenter}};
        g.SetDataSource(&tabela);
        g.SetDpi(dpi);
        g.SetBounds(493, altura);
        RecordingCanvas medidor(dpi);
        g.LayoutChanged(medidor);
    }
    RecordingCanvas Pinta() {
        RecordingCanvas c(g.Dpi());
        g.Paint(c, TImagensGrade{&caixas, &memo});
        return c;
    }
    std::string Atual() { return cds.FieldByName("Titulo").AsString(); }
};

// The fill a cell got: the last fill of exactly that rectangle.
TColor FundoDe(const RecordingCanvas& c, const Rect& r) {
    TColor cor = -1;
    for (const CanvasCall& k : c.Of(CanvasCall::Fill))
        if (k.rect == r) cor = k.brush;
    return cor;
}

std::vector<CanvasCall> TextosEm(const RecordingCanvas& c, const Rect& celula) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& k : c.Of(CanvasCall::Text))
        if (k.rect.top >= celula.top && k.rect.bottom() <= celula.bottom() && k.rect.left >= celula.left &&
            k.rect.right() <= celula.right())
            out.push_back(k);
    return out;
}

class Grade : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { test::ValoresGrade(GetParam()); }
    bool Temas() const { return GetParam(); }
};

INSTANTIATE_TEST_SUITE_P(Visuais, Grade, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "ComTemas" : "Classico"; });

TEST_P(Grade, RowsAreAsHighAsTheFontPlusTheLooksSpaceAndTheRowLine) {
    struct Caso {
        int dpi, texto;
    };
    // The recording canvas's text heights at 96 and 144 dpi.
    for (const Caso caso : {Caso{96, 14}, Caso{144, 19}}) {
        GradeCatalogo x(3, 292 * caso.dpi / 96, caso.dpi);
        const int esperada = caso.texto + Scale(Temas() ? 10 : 8, caso.dpi) + (Temas() ? 0 : 1);
        EXPECT_EQ(x.g.DefaultRowHeight(), esperada) << caso.dpi;
        EXPECT_EQ(x.g.TitleHeight(), esperada) << caso.dpi;
        EXPECT_EQ(x.g.RowCount(), (292 * caso.dpi / 96 - esperada) / esperada + 1) << caso.dpi;
    }
    // LinesPerRow makes the data rows taller, never the title.
    GradeCatalogo y(3);
    y.g.LinesPerRow = 2;
    RecordingCanvas medidor;
    y.g.LayoutChanged(medidor);
    EXPECT_EQ(y.g.DefaultRowHeight(), 2 * y.g.TitleHeight());
}

TEST_P(Grade, StripesTheRecordsAndMarksTheCurrentRowAndTheSelectedCell) {
    GradeCatalogo x(5);
    x.cds.MoveBy(1);  // record 2
    RecordingCanvas c = x.Pinta();
    const TColor destaque = Temas() ? RGBColor(0xDF, 0xE6, 0xF7) : RGBColor(0xDD, 0xEC, 0xFE);
    const TColor realce = Temas() ? RGBColor(0xA5, 0xBE, 0xED) : clHighlight;
    EXPECT_EQ(FundoDe(c, x.g.CellRect(1, 0)), RGBColor(248, 248, 248));  // record 1 is odd
    EXPECT_EQ(FundoDe(c, x.g.CellRect(1, 1)), RGBColor(248, 248, 248));
    EXPECT_EQ(FundoDe(c, x.g.CellRect(2, 0)), realce);  // the selected cell
    EXPECT_EQ(FundoDe(c, x.g.CellRect(2, 1)), destaque);
    EXPECT_EQ(FundoDe(c, x.g.CellRect(3, 0)), RGBColor(248, 248, 248));
    EXPECT_EQ(FundoDe(c, x.g.CellRect(4, 1)), clWhite);
    // The selected cell's text takes the highlight text colour; the others keep the grid font's.
    EXPECT_EQ(TextosEm(c, x.g.CellRect(2, 0)).at(0).font.color, Temas() ? clWindowText : clHighlightText);
    EXPECT_EQ(TextosEm(c, x.g.CellRect(3, 0)).at(0).font.color, clWindowText);
    // Without the focus the selection still shows, but without the focus frame.
    EXPECT_TRUE(c.Of(CanvasCall::Focus).empty());
    x.g.SetFocused(true);
    RecordingCanvas focada = x.Pinta();
    ASSERT_EQ(focada.Of(CanvasCall::Focus).size(), 1u);
    EXPECT_EQ(focada.Of(CanvasCall::Focus)[0].rect, x.g.CellRect(2, 0));
    // The right arrow moves the selected cell to "M".
    EXPECT_TRUE(x.g.KeyDown(tecla::Direita, false, false));
    RecordingCanvas direita = x.Pinta();
    EXPECT_EQ(FundoDe(direita, x.g.CellRect(2, 0)), destaque);
    EXPECT_EQ(FundoDe(direita, x.g.CellRect(2, 1)), realce);
}

TEST_P(Grade, CellsAndLinesFollowTheLook) {
    GradeCatalogo x(2);
    const int h = x.g.DefaultRowHeight();
    // Indicator 11, then each column followed by its line: "Titulo" 12..460, "M" 461..482.
    EXPECT_EQ(x.g.CellRect(1, -1), (Rect{0, h, 11, h - (Temas() ? 0 : 1)}));
    EXPECT_EQ(x.g.CellRect(1, 0), (Rect{12, h, 448, h - (Temas() ? 0 : 1)}));
    EXPECT_EQ(x.g.CellRect(2, 1), (Rect{461, 2 * h, 21, h - (Temas() ? 0 : 1)}));
    RecordingCanvas c = x.Pinta();
    std::vector<std::string> linhas;
    for (const CanvasCall& k : c.Of(CanvasCall::Line))
        if (k.pen == clSilver) linhas.push_back(test::Describe(k));
    const int fim = 3 * h;
    const int topo = Temas() ? 0 : h;  // titles with raised frames need no lines of their own
    std::vector<std::string> esperadas = {
        "line 11," + std::to_string(topo) + "-11," + std::to_string(fim) + " #C0C0C0",
        "line 460," + std::to_string(topo) + "-460," + std::to_string(fim) + " #C0C0C0",
        "line 482," + std::to_string(topo) + "-482," + std::to_string(fim) + " #C0C0C0"};
    if (!Temas()) {
        esperadas.push_back("line 0," + std::to_string(2 * h - 1) + "-483," + std::to_string(2 * h - 1) +
                            " #C0C0C0");
        esperadas.push_back("line 0," + std::to_string(3 * h - 1) + "-483," + std::to_string(3 * h - 1) +
                            " #C0C0C0");
    }
    EXPECT_EQ(linhas, esperadas);
    // Below the last record and right of the last column: the grid's own colour.
    EXPECT_EQ(FundoDe(c, (Rect{483, 0, 10, 292})), clWindow);
    EXPECT_EQ(FundoDe(c, (Rect{0, fim, 483, 292 - fim})), clWindow);
}

TEST_P(Grade, TitlesAreFilledFramedAndWrittenInMaroon) {
    GradeCatalogo x(1);
    RecordingCanvas c = x.Pinta();
    const Rect titulo = x.g.CellRect(0, 0), m = x.g.CellRect(0, 1);
    EXPECT_EQ(FundoDe(c, titulo), Temas() ? clWhite : clBtnFace);
    std::vector<std::string> bordas;
    for (const CanvasCall& k : c.Of(CanvasCall::Edge))
        if (k.rect == titulo) bordas.push_back(test::Describe(k));
    if (Temas()) {
        EXPECT_TRUE(bordas.empty());
    } else {
        const std::string r = test::RectText(titulo);
        EXPECT_EQ(bordas, (std::vector<std::string>{"edge " + r + " raisedinner right bottom",
                                                    "edge " + r + " raisedinner left top"}));
    }
    const auto textos = TextosEm(c, titulo);
    ASSERT_EQ(textos.size(), 1u);
    EXPECT_EQ(textos[0].text, "Titulo");
    EXPECT_EQ(textos[0].rect, (Rect{titulo.left + 2, titulo.top + 2, titulo.width - 4, titulo.height - 4}));
    EXPECT_EQ(textos[0].font.color, clMaroon);
    EXPECT_EQ(textos[0].flags & (tfSingleLine | tfVCenter | tfNoPrefix),
              tfSingleLine | tfVCenter | tfNoPrefix);
    EXPECT_EQ(TextosEm(c, m).at(0).flags & tfCenter, unsigned{tfCenter});  // "M" is centred
}

TEST_P(Grade, BooleansAndSNTextsAreCheckBoxesCentredInTheCell) {
    TabelaFalsa t;
    t.campos = {
        {"Logico", TTipoCampo::Logico}, {"Letra", TTipoCampo::Texto, 1}, {"Larga", TTipoCampo::Texto, 2}};
    t.registros = {{"1", "S", "S"}, {"0", "N", "N"}, {"0", "X", "S"}};
    TDBGrid g;
    g.Columns = {{"Logico", "", 40}, {"Letra", "", 40}, {"Larga", "", 40}};
    g.SetDataSource(&t);
    g.SetBounds(300, 200);
    RecordingCanvas medidor;
    g.LayoutChanged(medidor);
    test::FakeImageList caixas{13, 2};
    RecordingCanvas c;
    g.Paint(c, TImagensGrade{&caixas, nullptr});
    auto imagem = [&](int linha, int coluna) -> std::string {
        const Rect r = g.CellRect(linha, coluna);
        for (const CanvasCall& k : c.Of(CanvasCall::Image))
            if (k.rect.left >= r.left && k.rect.right() <= r.right() && k.rect.top >= r.top &&
                k.rect.bottom() <= r.bottom())
                return std::to_string(k.index) + " at " + std::to_string(k.rect.left - r.left) + "," +
                       std::to_string(k.rect.top - r.top);
        return TextosEm(c, r).empty() ? "" : "text " + TextosEm(c, r)[0].text;
    };
    // (40 - 13) / 2 = 13 across; (row height - 13) / 2 down, both rounded toward zero.
    const std::string dy = std::to_string((g.CellRect(1, 0).height - 13) / 2);
    EXPECT_EQ(imagem(1, 0), "1 at 13," + dy);
    EXPECT_EQ(imagem(2, 0), "0 at 13," + dy);
    EXPECT_EQ(imagem(1, 1), "1 at 13," + dy);
    EXPECT_EQ(imagem(2, 1), "0 at 13," + dy);
    EXPECT_EQ(imagem(3, 1), "text X");  // any other letter is text
    EXPECT_EQ(imagem(1, 2), "text S");  // a wider field too
    NqGridStringAsBoolean = false;
    RecordingCanvas sem;
    g.Paint(sem, TImagensGrade{&caixas, nullptr});
    EXPECT_EQ(TextosEm(sem, g.CellRect(1, 1)).at(0).text, "S");
}

TEST_P(Grade, MemosDatesAndNumbersFollowTheirRules) {
    TabelaFalsa t;
    t.campos = {{"Memo", TTipoCampo::Memo}, {"Data", TTipoCampo::Data}, {"Valor", TTipoCampo::Moeda}};
    t.registros = {{"uma\r\nduas\ntres", "01/02/2015", "1,50"}, {"", "", ""}};
    TDBGrid g;
    g.Columns = {{"Memo", "", 100}, {"Data", "", 80}, {"Valor", "", 60}};
    g.SetDataSource(&t);
    g.SetBounds(300, 200);
    g.LinesPerRow = 2;
    RecordingCanvas medidor;
    g.LayoutChanged(medidor);
    test::FakeImageList memo{16, 2};
    RecordingCanvas c;
    g.Paint(c, TImagensGrade{nullptr, &memo});
    const auto memoTexto = TextosEm(c, g.CellRect(1, 0)).at(0);
    EXPECT_EQ(memoTexto.text, "uma duas tres");  // every line break one space, word-wrapped over two lines
    EXPECT_EQ(memoTexto.flags & (tfWordBreak | tfSingleLine | tfNoPrefix), tfWordBreak | tfNoPrefix);
    EXPECT_EQ(TextosEm(c, g.CellRect(1, 1)).at(0).flags & (tfCenter | tfVCenter), unsigned{tfCenter});
    EXPECT_EQ(TextosEm(c, g.CellRect(0, 2)).at(0).flags & tfRight, unsigned{tfRight});  // a money title

    g.LinesPerRow = 1;
    g.LayoutChanged(medidor);
    RecordingCanvas uma;
    g.Paint(uma, TImagensGrade{nullptr, &memo});
    EXPECT_TRUE(TextosEm(uma, g.CellRect(1, 0)).at(0).flags & tfSingleLine);
    EXPECT_TRUE(TextosEm(uma, g.CellRect(1, 1)).at(0).flags & tfVCenter);

    g.ExpandMemo = false;
    RecordingCanvas paginas;
    g.Paint(paginas, TImagensGrade{nullptr, &memo});
    const auto figuras = paginas.Of(CanvasCall::Image);
    ASSERT_EQ(figuras.size(), 2u);
    EXPECT_EQ(figuras[0].index, 1);  // a page with lines for a memo with text
    EXPECT_EQ(figuras[1].index, 0);  // an empty page
}

TEST_P(Grade, TheHostsColourShowsExceptOnTheSelectedCell) {
    GradeCatalogo x(4);
    const int menu = x.cds.FieldByName("OpcaoMenu").Index();
    x.g.OnDrawColumnCell = [&](int recNo, int, TFont& f) {
        if (x.cds.ValueAt(recNo, menu).number) f.color = clAzul;
    };
    x.cds.Last();  // "Atalho 00004": not in the menu
    x.g.Sincronizar();
    x.cds.Edit();
    x.cds.FieldByName("OpcaoMenu").SetAsBoolean(true);
    x.cds.Post();
    x.cds.First();
    x.g.Sincronizar();
    RecordingCanvas c = x.Pinta();
    EXPECT_EQ(TextosEm(c, x.g.CellRect(4, 0)).at(0).font.color, clAzul);
    EXPECT_EQ(TextosEm(c, x.g.CellRect(2, 0)).at(0).font.color, clWindowText);
    x.cds.Last();
    RecordingCanvas selecionada = x.Pinta();
    EXPECT_EQ(TextosEm(selecionada, x.g.CellRect(4, 0)).at(0).font.color,
              Temas() ? clWindowText : clHighlightText);
}

TEST_P(Grade, OnlyTheRecordsInViewAreReadAndDrawn) {
    TabelaFalsa t;
    t.campos = {{"Titulo"}};
    for (int i = 0; i < 10000; ++i) t.registros.push_back({"r" + std::to_string(i + 1)});
    t.atual = 5000;
    TDBGrid g;
    g.Columns = {{"Titulo", "", 200}};
    g.SetDataSource(&t);
    g.SetBounds(300, 292);
    RecordingCanvas medidor;
    g.LayoutChanged(medidor);
    RecordingCanvas c;
    g.Paint(c, TImagensGrade{});
    const int linhas = g.VisibleRowCount();
    EXPECT_EQ(t.leituras, linhas);
    const auto textos = c.Of(CanvasCall::Text);
    ASSERT_EQ(static_cast<int>(textos.size()), linhas + 1);
    // The current record came into view as the last row.
    EXPECT_EQ(textos[1].text, "r" + std::to_string(5000 - linhas + 1));
    EXPECT_EQ(textos.back().text, "r5000");
}

TEST_P(Grade, KeysMoveTheCurrentRecordAndTheSelectedColumn) {
    GradeCatalogo x(100);  // 11 records in view
    ASSERT_EQ(x.g.VisibleRowCount(), Temas() ? 11 : 11);
    const int pagina = x.g.VisibleRowCount();
    struct Passo {
        int tecla;
        bool ctrl;
        int recNo, coluna, topo;
    };
    const Passo passos[] = {
        {tecla::Baixo, false, 2, 0, 1},
        {tecla::Cima, false, 1, 0, 1},
        {tecla::Cima, false, 1, 0, 1},                        // stays at the first
        {tecla::PageDown, false, 1 + pagina, 0, 1 + pagina},  // a page on, same place on the screen
        {tecla::PageDown, false, 1 + 2 * pagina, 0, 1 + 2 * pagina},
        {tecla::PageUp, false, 1 + pagina, 0, 1 + pagina},
        {tecla::End, false, 1 + pagina, 1, 1 + pagina},  // End and Home pick the last and first column
        {tecla::Direita, false, 1 + pagina, 1, 1 + pagina},
        {tecla::Home, false, 1 + pagina, 0, 1 + pagina},
        {tecla::Esquerda, false, 1 + pagina, 0, 1 + pagina},
        {tecla::End, true, 100, 0, 100 - pagina + 1},  // Ctrl+End: the last record
        {tecla::PageDown, false, 100, 0, 100 - pagina + 1},
        {tecla::Home, true, 1, 0, 1},
    };
    for (const Passo& p : passos) {
        EXPECT_TRUE(x.g.KeyDown(p.tecla, false, p.ctrl));
        EXPECT_EQ(x.cds.RecNo(), p.recNo) << p.tecla;
        EXPECT_EQ(x.g.SelectedIndex(), p.coluna) << p.tecla;
        EXPECT_EQ(x.g.TopRow(), p.topo) << p.tecla;
    }
    EXPECT_FALSE(x.g.KeyDown('A', false, false));
    // The host sees a key first and may keep it from the grid.
    x.g.OnKeyDown = [](int t, bool, bool) { return t == tecla::Baixo; };
    EXPECT_TRUE(x.g.KeyDown(tecla::Baixo, false, false));
    EXPECT_EQ(x.cds.RecNo(), 1);
}

TEST_P(Grade, TheWheelMovesByItsRulesOnlyWhileFocused) {
    GradeCatalogo x(100);
    ASSERT_EQ(x.g.RowCount(), 12);
    struct Caso {
        int delta;
        bool shift, ctrl;
        int linhasRoda, passo;
    };
    const Caso casos[] = {
        {-120, false, false, 2, 2}, {120, false, false, 2, -2}, {-120, true, false, 2, 1},
        {-120, true, false, 1, 3},  {-120, false, true, 2, 10}, {-120, true, true, 2, 10},  // Ctrl wins
    };
    for (const Caso& k : casos) {
        gridWheelLines = k.linhasRoda;
        x.cds.First();
        x.cds.MoveBy(50);
        x.g.SetFocused(false);
        EXPECT_FALSE(x.g.MouseWheel(k.delta, k.shift, k.ctrl));
        EXPECT_EQ(x.cds.RecNo(), 51);
        x.g.SetFocused(true);
        EXPECT_TRUE(x.g.MouseWheel(k.delta, k.shift, k.ctrl));
        EXPECT_EQ(x.cds.RecNo(), 51 + k.passo) << k.delta << k.shift << k.ctrl << k.linhasRoda;
    }
    // Without an open table the wheel is still taken.
    TDBGrid vazia;
    vazia.SetFocused(true);
    EXPECT_TRUE(vazia.MouseWheel(-120, false, false));
}

TEST_P(Grade, ClicksSelectCellsSortByTitlesAndKeepTheCurrentRecord) {
    GradeCatalogo x(30);
    x.cds.SetIndexFieldNames("tipo;titulo");
    x.cds.First();
    x.g.Sincronizar();
    int celula = -9, duplos = 0;
    x.g.OnCellClick = [&](int c) { celula = c; };
    x.g.OnDblClick = [&] { ++duplos; };
    const Rect r = x.g.CellRect(3, 1);
    x.g.MouseDown(r.left + 2, r.top + 2);
    x.g.MouseUp(r.left + 2, r.top + 2);
    EXPECT_EQ(x.cds.RecNo(), 3);
    EXPECT_EQ(x.g.SelectedIndex(), 1);
    EXPECT_EQ(celula, 1);
    x.g.DblClick(r.left + 2, r.top + 2);
    x.g.DblClick(5, 5);  // on the titles
    EXPECT_EQ(duplos, 1);

    // A click on a title sorts by its field; the current record stays current.
    const std::string atual = x.Atual();
    const Rect t = x.g.CellRect(0, 0);
    x.g.MouseDown(t.left + 5, t.top + 5);
    x.g.MouseUp(t.left + 5, t.top + 5);
    EXPECT_EQ(x.cds.IndexFieldNames(), "Titulo");
    EXPECT_EQ(x.Atual(), atual);
    EXPECT_EQ(x.g.LinhaNaTela(x.cds.RecNo()), x.cds.RecNo() - x.g.TopRow() + 1);
    const Rect m = x.g.CellRect(0, 1);
    x.g.MouseDown(m.left + 5, m.top + 5);
    x.g.MouseUp(m.left + 5, m.top + 5);
    EXPECT_EQ(x.cds.IndexFieldNames(), "OpcaoMenu");
    EXPECT_EQ(x.Atual(), atual);
    // A press that ends elsewhere is no click.
    x.g.MouseDown(t.left + 5, t.top + 5);
    x.g.MouseUp(m.left + 5, m.top + 5);
    EXPECT_EQ(x.cds.IndexFieldNames(), "OpcaoMenu");

    // With no table open, a title click does nothing.
    TabelaFalsa fechada;
    fechada.campos = {{"Titulo"}};
    fechada.aberta = false;
    x.g.SetDataSource(&fechada);
    x.g.MyTitleClick(0);
    EXPECT_TRUE(fechada.ordens.empty());
}

TEST_P(Grade, TheScrollBarShowsTheRecordsInViewAndMovesThem) {
    GradeCatalogo x(100);
    const int pagina = x.g.VisibleRowCount();
    EXPECT_EQ(x.g.Rolagem(), (TRolagemGrade{0, 99, pagina, 0}));
    x.g.Scroll(TRolar::Posicao, 40);  // the thumb dragged: the view moves, the current record follows
    EXPECT_EQ(x.g.TopRow(), 41);
    EXPECT_EQ(x.cds.RecNo(), 41);
    x.g.Scroll(TRolar::Posicao, 95);  // no empty rows below the last record
    EXPECT_EQ(x.g.TopRow(), 100 - pagina + 1);
    EXPECT_EQ(x.g.Rolagem().pos, 100 - pagina);
    x.g.Scroll(TRolar::LinhaAcima);
    EXPECT_EQ(x.cds.RecNo(), 100 - pagina);
    EXPECT_EQ(x.g.TopRow(), 100 - pagina);
    // A filter that leaves fewer records brings the view back.
    x.cds.SetFilter("tipo=0");
    x.cds.SetFiltered(true);
    x.cds.First();
    x.g.Sincronizar();
    EXPECT_EQ(x.g.TopRow(), 1);
    EXPECT_EQ(x.g.Rolagem().max, 32);
}

TEST_P(Grade, TheEraseRequestPaintsOnlyTheCornerOfTheScrollBars) {
    GradeCatalogo x(1);
    EXPECT_EQ(x.g.CantoApagar(17, 17, false), (Rect{476, 275, 17, 17}));
    EXPECT_EQ(x.g.CantoApagar(17, 17, true), (Rect{0, 275, 17, 17}));
}

TEST_P(Grade, ScreenReadersGetTheTitlesAndTheValuesOfEveryRow) {
    GradeCatalogo x(5);
    EXPECT_EQ(x.g.NomeLinha(0), "Titulo, M");
    EXPECT_EQ(x.g.NomeLinha(5), "Titulo: Atalho 00005, M: Sim");
    EXPECT_EQ(x.g.TextoCelula(2, 1), "Não");
    EXPECT_EQ(x.g.TextoCelula(6, 0), "");
    EXPECT_EQ(x.g.HitTest(20, x.g.TitleHeight() + 1), (TCelulaGrade{TCelulaGrade::Dados, 1, 0}));
    EXPECT_EQ(x.g.HitTest(5, 5), (TCelulaGrade{TCelulaGrade::Titulo, 0, -1}));
    EXPECT_EQ(x.g.HitTest(20, 290).area, TCelulaGrade::Fora);  // below the last record
}

}  // namespace
}  // namespace nq
