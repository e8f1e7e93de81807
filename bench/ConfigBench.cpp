// The configuration window's shortcut list over a catalogue of 10,000 shortcuts, in the portable core:
// opening it (the window's order set and the first page of the grid painted), one keystroke in the
// search box (the filter run over every record and the grid painted again) and one page down. Each
// should take well under 50 ms: the grid reads and draws only the rows in view.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "catalogue/Auxiliares.h"
#include "dialogs/Config.h"
#include "dialogs/ThemedDBGrid.h"
#include "support/NqConst.h"

namespace {

using namespace nq;

constexpr int kAtalhos = 10000;

// A canvas that draws nothing: the grid's own cost, without a device's.
class CanvasNulo final : public ICanvas {
public:
    int Dpi() const override { return 96; }
    void SetBrush(TColor) override {}
    void FillRect(const Rect&) override {}
    void FrameRect(const Rect&) override {}
    void Rectangle(const Rect&) override {}
    void RoundRect(const Rect&, int, int) override {}
    void Ellipse(const Rect&) override {}
    void MoveTo(int, int) override {}
    void LineTo(int, int) override {}
    void GradientFill(const Rect&, TColor, TColor, bool) override {}
    void DrawEdge(const Rect&, EdgeKind, unsigned) override {}
    void DrawFocusRect(const Rect&) override {}
    Size TextExtent(std::string_view) override { return Size{7, 13}; }
    void TextRect(const Rect&, std::string_view texto, unsigned) override { caracteres += texto.size(); }
    void DrawImage(const TImageList&, int, int, int, bool) override {}
    void StretchImage(const TImageList&, int, const Rect&) override {}
    std::size_t caracteres = 0;

protected:
    void SelectFont(const TFont&, int) override {}
    void SelectPen(TColor, int) override {}
};

class Quadros {
public:
    explicit Quadros(const TImageList& caixas) : imagens_{&caixas, nullptr} {}
    void Pintar(TDBGrid& g) { g.Paint(canvas_, imagens_); }
    CanvasNulo canvas_;

private:
    TImagensGrade imagens_;
};

class CaixasFalsas final : public TImageList {
public:
    int Width() const override { return 13; }
    int Height() const override { return 13; }
    int Count() const override { return 2; }
};

// The catalogue as the bar holds it: 10,000 shortcuts, sorted as the bar sorts them.
struct Cena {
    TClientDataset cds;
    TTabelaCds tabela{cds};
    TAtalhosConfig atalhos{cds};
    TDBGrid g;
    CaixasFalsas caixas;
    Quadros quadros{caixas};

    Cena() {
        gridNovo = gridListrar = gridDestacar = NqGridStringAsBoolean = true;
        gridAltura = 10;
        gridWheelLines = 2;
        CriarCamposAtalho(cds);
        cds.CreateDataSet();
        static const char* const palavras[] = {"Relatório", "Bloco", "Planilha", "Contas",
                                               "Ação",      "notas", "Zé",       "Éter"};
        for (int i = 0; i < kAtalhos; ++i) {
            const unsigned h = static_cast<unsigned>(i) * 2654435761u;
            const std::string titulo = std::string(palavras[h % 8]) + " " + std::to_string(h % 100000);
            cds.Append();
            cds.FieldByName("Titulo").SetAsString(titulo);
            cds.FieldByName("Programa")
                .SetAsString("D:\\Dados\\Pasta " + std::to_string(i % 97) + "\\" + titulo + ".pdf");
            cds.FieldByName("Tipo").SetAsInteger(h % 4 == 0 ? 0 : 1);
            cds.FieldByName("OpcaoMenu").SetAsBoolean(h % 3 == 0);
            cds.Post();
        }
        cds.SetIndexFieldNames("Tipo;Titulo");
        cds.First();
        g.Columns = {{"Titulo", "Titulo", 448}, {"OpcaoMenu", "M", 21}};
        g.SetDataSource(&tabela);
        g.SetBounds(493, 292);
        g.OnDrawColumnCell = [this](int recNo, int, TFont& f) {
            if (atalhos.NoMenu(recNo)) f.color = RGBColor(0, 0, 255);
        };
    }
    void Abrir() {
        atalhos.Mostrar();
        g.LayoutChanged(quadros.canvas_);
        quadros.Pintar(g);
    }
};

Cena& TheCena() {
    static Cena c;
    return c;
}

// Opening: the window sets its own order ("tipo;titulo"), which the bar's differs from in the worst
// case (here the bar sorted by title last), and paints the first page.
void BM_AbrirConfig(benchmark::State& state) {
    Cena& c = TheCena();
    for (auto _ : state) {
        state.PauseTiming();
        c.atalhos.Fechar();
        c.cds.SetIndexFieldNames("Titulo");
        state.ResumeTiming();
        c.Abrir();
    }
    state.counters["linhas"] = c.g.VisibleRowCount();
}
BENCHMARK(BM_AbrirConfig)->Unit(benchmark::kMillisecond);

// One keystroke in the search box: the filter over all 10,000 records, the first record made current
// and the grid painted again.
void BM_PesquisarUmaTecla(benchmark::State& state) {
    Cena& c = TheCena();
    c.Abrir();
    bool alterna = false;
    for (auto _ : state) {
        alterna = !alterna;
        c.atalhos.Pesquisar(alterna ? "blo" : "bloc");
        c.g.Sincronizar();
        c.quadros.Pintar(c.g);
    }
    state.counters["visiveis"] = c.cds.RecordCount();
    c.atalhos.Fechar();
}
BENCHMARK(BM_PesquisarUmaTecla)->Unit(benchmark::kMillisecond);

// Page Down in the grid, and the page painted.
void BM_RolarUmaPagina(benchmark::State& state) {
    Cena& c = TheCena();
    c.Abrir();
    for (auto _ : state) {
        if (c.cds.RecNo() >= c.cds.RecordCount()) c.g.KeyDown(tecla::Home, false, true);
        c.g.KeyDown(tecla::PageDown, false, false);
        c.quadros.Pintar(c.g);
    }
}
BENCHMARK(BM_RolarUmaPagina)->Unit(benchmark::kMillisecond);

}  // namespace
