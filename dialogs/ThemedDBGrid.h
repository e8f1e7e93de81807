#pragma once
// The data grid: a read-only browser of a table's visible records, one row per record and one column
// per chosen field, under a title row and beside an indicator column that points at the current
// record. Everything it shows and does without a window lives here: its look (fonts, colours, stripes,
// the current row and the selected cell, check boxes for Boolean fields, memo and date rules), its
// geometry (row heights from the font, which records are in view), and its answers to keys, clicks, the
// wheel and the scroll bar. The window (dialogs/ThemedDBGridWin32.h) paints it on a GDI canvas and
// hands it its input; only the records in view are ever drawn or read, however many the table holds.
//
// The look comes from the shared grid values of support/NqConst.h, read each time they are used.

#include <functional>
#include <string>
#include <vector>

#include "dialogs/TabelaGrade.h"
#include "support/Font.h"
#include "ui/Canvas.h"
#include "ui/Geometry.h"

namespace nq {

// The platform's virtual keys that the grid and its hosts act on.
namespace tecla {
constexpr int Espaco = 0x20, PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24, Esquerda = 0x25,
              Cima = 0x26, Direita = 0x27, Baixo = 0x28, Insert = 0x2D, Delete = 0x2E, F2 = 0x71, F5 = 0x74;
}

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TColumn {
    std::string FieldName;
    std::string Caption;  // the title; the field's name when empty
    int Width = 64;       // 96-dpi pixels
    TAlignment Alignment = TAlignment::taLeftJustify;
    TAlignment TitleAlignment = TAlignment::taLeftJustify;
};

// The grid's pictures, drawn at their own size: check boxes (0 unchecked, 1 checked) and memo pages
// (0 empty, 1 with text). A missing list draws nothing.
struct TImagensGrade {
    const TImageList* caixas = nullptr;
    const TImageList* memo = nullptr;
};

// Where a point of the grid lies: the title row, the indicator column or a data cell, with the record
// number (data rows) and the column (-1 for the indicator).
struct TCelulaGrade {
    enum Area { Fora, Titulo, Dados } area = Fora;
    int recNo = 0;
    int coluna = -1;
    bool operator==(const TCelulaGrade&) const = default;
};

// The vertical scroll bar: a range of records, the page in view and the first record shown (0-based).
struct TRolagemGrade {
    int min = 0, max = 0, page = 0, pos = 0;
    bool operator==(const TRolagemGrade&) const = default;
};

enum class TRolar { LinhaAcima, LinhaAbaixo, PaginaAcima, PaginaAbaixo, Posicao, Inicio, Fim };

class TDBGrid {
public:
    TDBGrid();

    int LinesPerRow = 1;     // height of a data row in text lines
    bool ExpandMemo = true;  // memo fields shown as text, or as a page picture

    void SetDataSource(TTabelaGrade* tabela) { tabela_ = tabela; }
    TTabelaGrade* DataSource() const { return tabela_; }
    // True when the grid has a table and the table is open.
    bool DataSetValido() const { return tabela_ && tabela_->Active(); }

    std::vector<TColumn> Columns;

    // The host's events. OnDrawColumnCell runs before a data cell is drawn and may change the font (its
    // colour); the selected cell's text colour wins over it. OnKeyDown sees a key first and returns true
    // to cancel the grid's own handling of it. OnTitleClick sorts by the column's field unless the host
    // puts its own handler.
    std::function<void(int recNo, int coluna, TFont& fonte)> OnDrawColumnCell;
    std::function<bool(int tecla, bool shift, bool ctrl)> OnKeyDown;
    std::function<void(int coluna)> OnTitleClick;
    std::function<void(int coluna)> OnCellClick;
    std::function<void()> OnDblClick;

    // The title click that the grid gives itself: sorts the table by the column's field.
    void MyTitleClick(int coluna);

    // The grid font and the title font become copies of the font given (the titles in maroon); nothing
    // for no font, or when the new look is off.
    void NqUpdateFont(const TFont* fonte);
    const TFont& Font() const { return fonte_; }
    const TFont& TitleFont() const { return fonteTitulo_; }

    // The density, and the client area in device pixels; then LayoutChanged measures the rows.
    void SetDpi(int dpi) { dpi_ = dpi > 0 ? dpi : 96; }
    int Dpi() const { return dpi_; }
    void SetBounds(int largura, int altura);
    int ClientWidth() const { return largura_; }
    int ClientHeight() const { return altura_; }
    // Row heights from the text height of "Wg" in the grid and title fonts, and how many rows fit.
    void LayoutChanged(ICanvas& medidor);
    int DefaultRowHeight() const { return alturaLinha_; }
    int TitleHeight() const { return alturaTitulo_; }
    // Rows that fit, the title row included (a row cut by the bottom edge is not counted).
    int RowCount() const { return rowCount_; }
    // Records shown at once.
    int VisibleRowCount() const { return rowCount_ > 1 ? rowCount_ - 1 : 0; }
    // The record number shown in the first data row.
    int TopRow() const { return topo_; }

    void SetFocused(bool focado) { focado_ = focado; }
    bool Focused() const { return focado_; }
    // The column of the selected cell, in the current row.
    int SelectedIndex() const { return selecionada_; }
    void SetSelectedIndex(int coluna);

    // After the table changed (filter, order, records, current record): the current record in view and
    // no empty rows below the last record while earlier ones are out of view.
    void Sincronizar();

    // Paints the whole client area: the title row, the rows in view, and the grid colour elsewhere.
    void Paint(ICanvas& c, const TImagensGrade& imagens);
    // The only part of the background that an erase request paints: the square where the two scroll
    // bars would meet, at the bottom right (bottom left when laid out right to left).
    Rect CantoApagar(int larguraBarraVertical, int alturaBarraHorizontal, bool direitaParaEsquerda) const;

    // Input. Each answers whether it was taken.
    bool KeyDown(int tecla, bool shift, bool ctrl);
    void MouseDown(int x, int y);
    void MouseUp(int x, int y);
    void DblClick(int x, int y);
    // Only while the grid has the focus: wheelLines records (with Shift 1, or 3 when wheelLines is 1;
    // with Ctrl the rows in view less one) back for a positive delta, forward otherwise.
    bool MouseWheel(int delta, bool shift, bool ctrl);
    void Scroll(TRolar acao, int posicao = 0);
    TRolagemGrade Rolagem() const;

    // Geometry, in device pixels.
    TCelulaGrade HitTest(int x, int y) const;
    // A cell of a row on the screen (0 the title row, 1 the first data row) and a column (-1 the
    // indicator), without its grid lines.
    Rect CellRect(int linhaTela, int coluna) const;
    // The screen row of a record, or -1 when it is not in view.
    int LinhaNaTela(int recNo) const;

    // What a screen reader says: a cell's text (for record 0, the column's title) and a row's name,
    // each column's title with its value.
    std::string TextoCelula(int recNo, int coluna) const;
    std::string NomeLinha(int recNo) const;

private:
    int S(int px96) const { return Scale(px96, dpi_); }
    int LinhaHorizontal() const;
    int LarguraIndicador() const;
    int EsquerdaColuna(int coluna) const;
    int LarguraColuna(int coluna) const;
    int Campo(int coluna) const;
    void DesenharTitulo(ICanvas& c, int coluna, const Rect& r);
    void DesenharIndicador(ICanvas& c, const Rect& r, bool atual);
    void DesenharCelula(ICanvas& c, const TImagensGrade& imagens, int recNo, int coluna, const Rect& r);
    void DesenharConteudo(ICanvas& c, const TImagensGrade& imagens, int recNo, int campo,
                          const TColumn& coluna, const Rect& celula);
    void Mover(int distancia);

    TTabelaGrade* tabela_ = nullptr;
    TFont fonte_;
    TFont fonteTitulo_;
    int dpi_ = 96;
    int largura_ = 0, altura_ = 0;
    int alturaLinha_ = 0, alturaTitulo_ = 0, rowCount_ = 0;
    int topo_ = 1;
    int selecionada_ = 0;
    bool focado_ = false;
    TCelulaGrade apertada_;
};

}  // namespace nq
