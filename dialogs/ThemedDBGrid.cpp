#include "dialogs/ThemedDBGrid.h"

#include <algorithm>

#include "support/NqConst.h"
#include "support/NqFun.h"

namespace nq {

namespace {

constexpr TColor clMaroon = RGBColor(128, 0, 0);
constexpr TColor kCorLinhas = clSilver;
constexpr int kLarguraIndicador = 11;  // 96 dpi
constexpr int kMargem = 2;             // between a cell's edge and what it shows, 96 dpi

unsigned FlagsAlinhamento(TAlignment a) {
    switch (a) {
        case TAlignment::taRightJustify:
            return tfRight;
        case TAlignment::taCenter:
            return tfCenter;
        default:
            return tfLeft;
    }
}

Rect Encolher(const Rect& r, int d) {
    return Rect{r.left + d, r.top + d, std::max(0, r.width - 2 * d), std::max(0, r.height - 2 * d)};
}

// Every line break of a memo (CR LF, or either alone) as one space.
std::string MemoEmUmaLinha(const std::string& texto) {
    std::string out;
    out.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' || texto[i] == '\n') {
            if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += texto[i];
        }
    }
    return out;
}

}  // namespace

TDBGrid::TDBGrid() {
    OnTitleClick = [this](int coluna) { MyTitleClick(coluna); };
    NqUpdateFont(&gridFont);
}

void TDBGrid::MyTitleClick(int coluna) {
    if (!DataSetValido() || coluna < 0 || coluna >= static_cast<int>(Columns.size())) return;
    if (Campo(coluna) < 0) return;
    tabela_->Ordenar(Columns[static_cast<std::size_t>(coluna)].FieldName);
    Sincronizar();
}

void TDBGrid::NqUpdateFont(const TFont* fonte) {
    if (!gridNovo || !fonte) return;
    fonte_ = *fonte;
    fonteTitulo_ = *fonte;
    fonteTitulo_.color = clMaroon;
}

void TDBGrid::SetBounds(int largura, int altura) {
    largura_ = std::max(0, largura);
    altura_ = std::max(0, altura);
}

int TDBGrid::LinhaHorizontal() const {
    return gridLines ? 1 : 0;
}

void TDBGrid::LayoutChanged(ICanvas& medidor) {
    if (gridNovo) {
        medidor.SetFont(fonte_);
        const int linha = medidor.TextExtent("Wg").height + S(gridAltura) + LinhaHorizontal();
        medidor.SetFont(fonteTitulo_);
        alturaTitulo_ = medidor.TextExtent("Wg").height + S(gridAltura) + LinhaHorizontal();
        alturaLinha_ = linha * std::max(1, LinesPerRow);
    } else {
        medidor.SetFont(fonte_);
        alturaLinha_ = alturaTitulo_ = medidor.TextExtent("Wg").height + S(4) + LinhaHorizontal();
    }
    rowCount_ = alturaLinha_ > 0 ? std::max(0, altura_ - alturaTitulo_) / alturaLinha_ + 1 : 1;
    Sincronizar();
}

void TDBGrid::SetSelectedIndex(int coluna) {
    selecionada_ = std::clamp(coluna, 0, std::max(0, static_cast<int>(Columns.size()) - 1));
}

void TDBGrid::Sincronizar() {
    const int n = DataSetValido() ? tabela_->RecordCount() : 0;
    const int visiveis = std::max(1, VisibleRowCount());
    topo_ = std::clamp(topo_, 1, std::max(1, n - visiveis + 1));
    const int atual = DataSetValido() ? tabela_->RecNo() : -1;
    if (atual >= 1) {
        if (atual < topo_)
            topo_ = atual;
        else if (atual > topo_ + visiveis - 1)
            topo_ = atual - visiveis + 1;
    }
    SetSelectedIndex(selecionada_);
}

// --- Geometry -------------------------------------------------------------------------------------------

int TDBGrid::LarguraIndicador() const {
    return S(kLarguraIndicador);
}

// Each cell is followed by its one-pixel column line.
int TDBGrid::EsquerdaColuna(int coluna) const {
    int x = LarguraIndicador() + 1;
    for (int i = 0; i < coluna; ++i) x += LarguraColuna(i) + 1;
    return x;
}

int TDBGrid::LarguraColuna(int coluna) const {
    return S(Columns[static_cast<std::size_t>(coluna)].Width);
}

int TDBGrid::Campo(int coluna) const {
    if (!tabela_ || coluna < 0 || coluna >= static_cast<int>(Columns.size())) return -1;
    return tabela_->FindField(Columns[static_cast<std::size_t>(coluna)].FieldName);
}

Rect TDBGrid::CellRect(int linhaTela, int coluna) const {
    const int x = coluna < 0 ? 0 : EsquerdaColuna(coluna);
    const int w = coluna < 0 ? LarguraIndicador() : LarguraColuna(coluna);
    if (linhaTela <= 0) {
        // The title cells draw their own frame over their whole row while the row lines are on.
        return Rect{x, 0, w, alturaTitulo_ - (gridLines ? 0 : LinhaHorizontal())};
    }
    const int y = alturaTitulo_ + (linhaTela - 1) * alturaLinha_;
    return Rect{x, y, w, alturaLinha_ - LinhaHorizontal()};
}

int TDBGrid::LinhaNaTela(int recNo) const {
    const int n = DataSetValido() ? tabela_->RecordCount() : 0;
    if (recNo < topo_ || recNo > n || recNo >= topo_ + VisibleRowCount()) return -1;
    return recNo - topo_ + 1;
}

TCelulaGrade TDBGrid::HitTest(int x, int y) const {
    TCelulaGrade c;
    if (x < 0 || y < 0 || x >= largura_ || y >= altura_) return c;
    int coluna = -2;
    if (x < LarguraIndicador() + 1) {
        coluna = -1;
    } else {
        for (int i = 0; i < static_cast<int>(Columns.size()); ++i) {
            const int esquerda = EsquerdaColuna(i);
            if (x >= esquerda && x < esquerda + LarguraColuna(i) + 1) coluna = i;
        }
    }
    if (coluna == -2) return c;
    c.coluna = coluna;
    if (y < alturaTitulo_) {
        c.area = TCelulaGrade::Titulo;
        return c;
    }
    const int linha = (y - alturaTitulo_) / std::max(1, alturaLinha_) + 1;
    const int recNo = topo_ + linha - 1;
    if (linha > VisibleRowCount() || LinhaNaTela(recNo) < 0) return TCelulaGrade{};
    c.area = TCelulaGrade::Dados;
    c.recNo = recNo;
    return c;
}

Rect TDBGrid::CantoApagar(int larguraBarraVertical, int alturaBarraHorizontal,
                          bool direitaParaEsquerda) const {
    const int x = direitaParaEsquerda ? 0 : largura_ - larguraBarraVertical;
    return Rect{x, altura_ - alturaBarraHorizontal, larguraBarraVertical, alturaBarraHorizontal};
}

// --- Painting -------------------------------------------------------------------------------------------

void TDBGrid::Paint(ICanvas& c, const TImagensGrade& imagens) {
    const int colunas = static_cast<int>(Columns.size());
    const int direita = colunas ? EsquerdaColuna(colunas) : LarguraIndicador() + 1;

    // The title row.
    DesenharIndicador(c, CellRect(0, -1), false);
    for (int i = 0; i < colunas; ++i) DesenharTitulo(c, i, CellRect(0, i));

    // The records in view, and their lines.
    const int n = DataSetValido() ? tabela_->RecordCount() : 0;
    const int atual = DataSetValido() ? tabela_->RecNo() : -1;
    int linhas = 0;
    for (int linha = 1; linha <= VisibleRowCount() && topo_ + linha - 1 <= n; ++linha, ++linhas) {
        const int recNo = topo_ + linha - 1;
        DesenharIndicador(c, CellRect(linha, -1), recNo == atual);
        for (int i = 0; i < colunas; ++i) DesenharCelula(c, imagens, recNo, i, CellRect(linha, i));
    }
    const int fimDados = alturaTitulo_ + linhas * alturaLinha_;
    c.SetPen(kCorLinhas);
    // Column lines after every cell of the data rows, and after the titles while the row lines are off
    // (the raised titles need none).
    const int topoColunas = gridLines ? alturaTitulo_ : 0;
    for (int i = -1; i < colunas; ++i) {
        const int x = (i < 0 ? LarguraIndicador() : EsquerdaColuna(i) + LarguraColuna(i));
        if (fimDados > topoColunas) {
            c.MoveTo(x, topoColunas);
            c.LineTo(x, fimDados);
        }
    }
    if (LinhaHorizontal()) {
        for (int linha = 1; linha <= linhas; ++linha) {
            const int y = alturaTitulo_ + linha * alturaLinha_ - 1;
            c.MoveTo(0, y);
            c.LineTo(direita, y);
        }
    }

    // The grid's own colour where there is no cell.
    c.SetBrush(clWindow);
    if (direita < largura_) c.FillRect(Rect{direita, 0, largura_ - direita, altura_});
    if (fimDados < altura_) c.FillRect(Rect{0, fimDados, std::min(direita, largura_), altura_ - fimDados});
}

void TDBGrid::DesenharIndicador(ICanvas& c, const Rect& r, bool atual) {
    c.SetBrush(gridCorFixed);
    c.FillRect(r);
    if (gridLines) {
        c.DrawEdge(r, EdgeKind::RaisedInner, esBottom | esRight);
        c.DrawEdge(r, EdgeKind::RaisedInner, esTop | esLeft);
    }
    if (!atual) return;
    const TDataSetState estado = tabela_ ? tabela_->State() : TDataSetState::dsBrowse;
    if (estado == TDataSetState::dsBrowse) {
        // A small black triangle pointing at the row.
        const int altura = S(4), meioY = r.top + r.height / 2;
        const int x0 = r.left + (r.width - altura) / 2;
        c.SetPen(clBlack);
        for (int k = 0; k < altura; ++k) {
            c.MoveTo(x0 + k, meioY - (altura - 1 - k));
            c.LineTo(x0 + k, meioY + (altura - k));
        }
        return;
    }
    TFont f = fonte_;
    f.color = clBlack;
    c.SetFont(f);
    c.TextRect(r, estado == TDataSetState::dsInsert ? "*" : "I",
               tfCenter | tfVCenter | tfSingleLine | tfNoPrefix | tfTransparent);
}

void TDBGrid::DesenharTitulo(ICanvas& c, int coluna, const Rect& r) {
    const TColumn& col = Columns[static_cast<std::size_t>(coluna)];
    unsigned flags =
        tfSingleLine | tfVCenter | tfNoPrefix | tfTransparent | FlagsAlinhamento(col.TitleAlignment);
    const int campo = Campo(coluna);
    if (DataSetValido() && campo >= 0) {
        const TTipoCampo t = tabela_->FieldType(campo);
        if (t == TTipoCampo::Flutuante || t == TTipoCampo::Moeda)
            flags = (flags & ~(tfCenter | tfLeft)) | tfRight;
    }
    c.SetBrush(gridCorFixed);
    c.FillRect(r);
    if (gridLines) {
        c.DrawEdge(r, EdgeKind::RaisedInner, esBottom | esRight);
        c.DrawEdge(r, EdgeKind::RaisedInner, esTop | esLeft);
    }
    TFont f = gridFont;
    f.color = clMaroon;
    c.SetFont(f);
    c.TextRect(Encolher(r, S(kMargem)), col.Caption.empty() ? col.FieldName : col.Caption, flags);
}

void TDBGrid::DesenharCelula(ICanvas& c, const TImagensGrade& imagens, int recNo, int coluna, const Rect& r) {
    const TColumn& col = Columns[static_cast<std::size_t>(coluna)];
    TFont fonte = fonte_;
    if (OnDrawColumnCell) OnDrawColumnCell(recNo, coluna, fonte);
    if (!DataSetValido()) return;
    const bool linhaAtual = recNo == tabela_->RecNo();
    const bool selecionada = linhaAtual && coluna == selecionada_;
    TColor fundo = clWindow;
    if (selecionada) {
        fundo = gridHighlight;
        fonte.color = gridHighlightText;
    } else {
        if (gridListrar) fundo = recNo % 2 ? gridCorListrado : gridCorListrado2;
        if (gridDestacar && linhaAtual) fundo = gridCorDestaque;
    }
    c.SetBrush(fundo);
    c.FillRect(r);
    if (selecionada && focado_) c.DrawFocusRect(r);
    const int campo = Campo(coluna);
    if (campo < 0) return;
    c.SetFont(fonte);
    DesenharConteudo(c, imagens, recNo, campo, col, r);
}

void TDBGrid::DesenharConteudo(ICanvas& c, const TImagensGrade& imagens, int recNo, int campo,
                               const TColumn& col, const Rect& celula) {
    const Rect r = Encolher(celula, S(kMargem));
    // A picture centred in the whole cell.
    auto figura = [&](const TImageList* lista, int indice) {
        if (!lista) return;
        c.DrawImage(*lista, indice, celula.left + (celula.width - lista->Width()) / 2,
                    celula.top + (celula.height - lista->Height()) / 2, true);
    };
    const TTipoCampo tipo = tabela_->FieldType(campo);
    if (tipo == TTipoCampo::Logico) return figura(imagens.caixas, tabela_->AsBoolean(recNo, campo) ? 1 : 0);
    const std::string texto = tabela_->DisplayText(recNo, campo);
    if (tipo == TTipoCampo::Texto && NqGridStringAsBoolean && tabela_->DisplayWidth(campo) == 1 &&
        (texto == "S" || texto == "N"))
        return figura(imagens.caixas, texto == "S" ? 1 : 0);
    if (tipo == TTipoCampo::Memo) {
        if (!ExpandMemo) return figura(imagens.memo, texto.empty() ? 0 : 1);
        c.TextRect(r, MemoEmUmaLinha(texto),
                   tfWordBreak | tfNoPrefix | tfTransparent | (LinesPerRow == 1 ? tfSingleLine : 0u));
        return;
    }
    unsigned flags = tfSingleLine | tfNoPrefix | tfTransparent;
    if (!ExpandMemo || LinesPerRow == 1) flags |= tfVCenter;
    flags |= (tipo == TTipoCampo::Data || tipo == TTipoCampo::DataHora) ? tfCenter
                                                                        : FlagsAlinhamento(col.Alignment);
    c.TextRect(r, texto, flags);
}

// --- Input ----------------------------------------------------------------------------------------------

void TDBGrid::Mover(int distancia) {
    if (!DataSetValido() || distancia == 0) return;
    tabela_->MoveBy(distancia);
    Sincronizar();
}

bool TDBGrid::KeyDown(int tecla, bool shift, bool ctrl) {
    if (OnKeyDown && OnKeyDown(tecla, shift, ctrl)) return true;
    const int ultima = std::max(0, static_cast<int>(Columns.size()) - 1);
    switch (tecla) {
        case tecla::Cima:
            Mover(-1);
            return true;
        case tecla::Baixo:
            Mover(1);
            return true;
        case tecla::PageUp:
            Scroll(TRolar::PaginaAcima);
            return true;
        case tecla::PageDown:
            Scroll(TRolar::PaginaAbaixo);
            return true;
        case tecla::Home:
            if (ctrl)
                Scroll(TRolar::Inicio);
            else
                SetSelectedIndex(0);
            return true;
        case tecla::End:
            if (ctrl)
                Scroll(TRolar::Fim);
            else
                SetSelectedIndex(ultima);
            return true;
        case tecla::Esquerda:
            SetSelectedIndex(selecionada_ - 1);
            return true;
        case tecla::Direita:
            SetSelectedIndex(selecionada_ + 1);
            return true;
        default:
            return false;
    }
}

void TDBGrid::MouseDown(int x, int y) {
    apertada_ = HitTest(x, y);
    if (apertada_.area != TCelulaGrade::Dados) return;
    Mover(apertada_.recNo - tabela_->RecNo());
    if (apertada_.coluna >= 0) SetSelectedIndex(apertada_.coluna);
}

void TDBGrid::MouseUp(int x, int y) {
    const TCelulaGrade antes = apertada_;
    apertada_ = TCelulaGrade{};
    const TCelulaGrade aqui = HitTest(x, y);
    if (aqui.area != antes.area || aqui.coluna != antes.coluna || aqui.coluna < 0) return;
    if (aqui.area == TCelulaGrade::Titulo && OnTitleClick) OnTitleClick(aqui.coluna);
    if (aqui.area == TCelulaGrade::Dados && aqui.recNo == antes.recNo && OnCellClick)
        OnCellClick(aqui.coluna);
}

void TDBGrid::DblClick(int x, int y) {
    if (HitTest(x, y).area == TCelulaGrade::Dados && OnDblClick) OnDblClick();
}

bool TDBGrid::MouseWheel(int delta, bool shift, bool ctrl) {
    if (!focado_) return false;
    int n = gridWheelLines;
    if (shift) n = gridWheelLines == 1 ? 3 : 1;
    if (ctrl) n = RowCount() - 2;
    if (DataSetValido() && delta != 0) Mover(delta > 0 ? -n : n);
    return true;
}

void TDBGrid::Scroll(TRolar acao, int posicao) {
    if (!DataSetValido()) return;
    const int pagina = std::max(1, VisibleRowCount());
    switch (acao) {
        case TRolar::LinhaAcima:
            Mover(-1);
            break;
        case TRolar::LinhaAbaixo:
            Mover(1);
            break;
        case TRolar::PaginaAcima:
        case TRolar::PaginaAbaixo: {
            // The view turns a page and the current record keeps its place on the screen.
            const int movidos = tabela_->MoveBy(acao == TRolar::PaginaAcima ? -pagina : pagina);
            topo_ += movidos;
            Sincronizar();
            break;
        }
        case TRolar::Posicao: {
            // The view shows the records from the position; the current record stays in it.
            const int n = tabela_->RecordCount();
            topo_ = std::clamp(posicao + 1, 1, std::max(1, n - pagina + 1));
            const int atual = tabela_->RecNo();
            const int alvo = std::clamp(atual, topo_, std::max(topo_, std::min(n, topo_ + pagina - 1)));
            if (atual >= 1 && alvo != atual) tabela_->MoveBy(alvo - atual);
            Sincronizar();
            break;
        }
        case TRolar::Inicio:
            tabela_->First();
            Sincronizar();
            break;
        case TRolar::Fim:
            tabela_->Last();
            Sincronizar();
            break;
    }
}

TRolagemGrade TDBGrid::Rolagem() const {
    const int n = DataSetValido() ? tabela_->RecordCount() : 0;
    return TRolagemGrade{0, std::max(0, n - 1), VisibleRowCount(), std::max(0, topo_ - 1)};
}

// --- Screen readers -----------------------------------------------------------------------------------

std::string TDBGrid::TextoCelula(int recNo, int coluna) const {
    if (coluna < 0 || coluna >= static_cast<int>(Columns.size())) return {};
    const TColumn& col = Columns[static_cast<std::size_t>(coluna)];
    if (recNo == 0) return col.Caption.empty() ? col.FieldName : col.Caption;
    const int campo = Campo(coluna);
    if (!DataSetValido() || campo < 0 || recNo > tabela_->RecordCount()) return {};
    return tabela_->DisplayText(recNo, campo);
}

std::string TDBGrid::NomeLinha(int recNo) const {
    std::string nome;
    for (int i = 0; i < static_cast<int>(Columns.size()); ++i) {
        if (!nome.empty()) nome += ", ";
        nome += recNo == 0 ? TextoCelula(0, i) : TextoCelula(0, i) + ": " + TextoCelula(recNo, i);
    }
    return nome;
}

}  // namespace nq
