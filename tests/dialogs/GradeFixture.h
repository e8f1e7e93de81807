#pragma once
// Shared pieces of the grid's native tests: the two looks of the grid values, a table of any field
// types that counts what the grid reads, and a catalogue filled with shortcuts.

#include <string>
#include <vector>

#include "catalogue/Auxiliares.h"
#include "catalogue/ClientDataset.h"
#include "dialogs/TabelaGrade.h"
#include "support/NqConst.h"

namespace nq::test {

// The grid values as the start-up sets them, and as they are while visual styles are in use.
inline void ValoresGrade(bool temas) {
    gridNovo = true;
    gridLines = !temas;
    gridDestacar = true;
    gridListrar = true;
    gridWheelLines = 2;
    gridAltura = temas ? 10 : 8;
    gridCorListrado = RGBColor(0xF8, 0xF8, 0xF8);
    gridCorListrado2 = RGBColor(0xFF, 0xFF, 0xFF);
    gridCorDestaque = temas ? RGBColor(0xDF, 0xE6, 0xF7) : RGBColor(0xDD, 0xEC, 0xFE);
    gridHighlight = temas ? RGBColor(0xA5, 0xBE, 0xED) : clHighlight;
    gridHighlightText = temas ? clWindowText : clHighlightText;
    gridCorFixed = temas ? clWhite : clBtnFace;
    gridFont = TFont{};
    gridFont.name = "Tahoma";
    gridFont.size = 8;
    NqGridStringAsBoolean = true;
}

// A table held in memory as texts, one vector per record, with the field types the test chooses.
class TabelaFalsa final : public TTabelaGrade {
public:
    struct Campo {
        std::string nome;
        TTipoCampo tipo = TTipoCampo::Texto;
        int largura = 20;
    };
    std::vector<Campo> campos;
    std::vector<std::vector<std::string>> registros;
    int atual = 1;
    bool aberta = true;
    TDataSetState estado = TDataSetState::dsBrowse;
    mutable int leituras = 0;  // values the grid read
    std::vector<std::string> ordens;

    bool Active() const override { return aberta; }
    TDataSetState State() const override { return estado; }
    int RecordCount() const override { return static_cast<int>(registros.size()); }
    int RecNo() const override { return registros.empty() ? -1 : atual; }
    int MoveBy(int d) override {
        const int antes = atual;
        atual = std::clamp(atual + d, 1, std::max(1, RecordCount()));
        return atual - antes;
    }
    void First() override { atual = 1; }
    void Last() override { atual = std::max(1, RecordCount()); }
    int FindField(std::string_view nome) const override {
        for (std::size_t i = 0; i < campos.size(); ++i)
            if (campos[i].nome == nome) return static_cast<int>(i);
        return -1;
    }
    std::string FieldName(int c) const override { return campos[static_cast<std::size_t>(c)].nome; }
    TTipoCampo FieldType(int c) const override { return campos[static_cast<std::size_t>(c)].tipo; }
    int DisplayWidth(int c) const override { return campos[static_cast<std::size_t>(c)].largura; }
    std::string DisplayText(int recNo, int c) const override {
        ++leituras;
        return registros[static_cast<std::size_t>(recNo - 1)][static_cast<std::size_t>(c)];
    }
    bool AsBoolean(int recNo, int c) const override { return DisplayText(recNo, c) == "1"; }
    void Ordenar(const std::string& c) override { ordens.push_back(c); }
};

// The catalogue's table with n shortcuts titled "Atalho 00001" ..., every third one a folder and every
// fifth one in the menu.
inline void EncherCatalogo(TClientDataset& cds, int n) {
    CriarCamposAtalho(cds);
    cds.CreateDataSet();
    char titulo[32];
    for (int i = 1; i <= n; ++i) {
        std::snprintf(titulo, sizeof titulo, "Atalho %05d", i);
        cds.Append();
        cds.FieldByName("Titulo").SetAsString(titulo);
        cds.FieldByName("Programa").SetAsString(std::string("C:\\Programas\\") + titulo + ".exe");
        cds.FieldByName("Tipo").SetAsInteger(i % 3 == 0 ? 0 : 1);
        cds.FieldByName("OpcaoMenu").SetAsBoolean(i % 5 == 0);
        cds.Post();
    }
}

}  // namespace nq::test
