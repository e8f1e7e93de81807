#pragma once
// "Configurações": the bar's configuration window. Its first page lists the shortcut catalogue in the
// data grid, with a navigator, a search box and five filters; its second page holds the bar's title and
// title icon, stay-on-top, translucency and its level, the title prompt of dropped shortcuts, auto-hide
// and opening by pointing at the edge, the distance between buttons, the bar's colour and caption font,
// the global key, the menus' look, and the monitor and edge the bar stands at. The page edits a copy of the
// settings; "Salvar | F5" writes it and hands the bar the settings as they were and as saved
// (IBarConfig::AplicarConfig), and the window closes.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "dialogs/Config.h"
#include "dialogs/TabelaGrade.h"
#include "menus/NqMenus.h"
#include "support/Win32Handles.h"
#include "ui/DialogoWin32.h"

namespace nq {

class TDBGridWin32;

// What the window reads from the bar and sets on it.
class IBarConfig {
public:
    virtual ~IBarConfig() = default;
    virtual TClientDataset& Catalogo() = 0;
    virtual TVisualBarra Visual() const = 0;
    // The picture beside the bar's title, for the window to copy.
    virtual HICON IconeTitulo() const = 0;
    // The settings were saved: antes as the window showed them, depois as written, and the title picture
    // the window shows (nullptr: none of its own; the bar takes a copy). The bar applies what changed.
    virtual void AplicarConfig(const TConfigBarra& antes, const TConfigBarra& depois, HICON icone) = 0;
    // The look of the bar's menus: chosen in the menu settings window (nothing on Cancel), as it is now,
    // and a choice taken by the menus and written into the settings (the caller writes the file).
    virtual std::optional<TMenusEscolha> EscolherAparenciaMenu() = 0;
    virtual TMenusEscolha AparenciaMenu() = 0;
    virtual void AplicarAparenciaMenu(const TMenusEscolha& escolha) = 0;
};

// The navigator's buttons, left to right.
enum class TAcaoNavegador { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit };

class TfrmConfig final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        pc, tsAtalhos, Panel1, Panel2, g, nvPrimeiro, nvAnterior, nvProximo, nvUltimo, nvIncluir, nvExcluir,
        nvAlterar, Label16, eFind, bClear, Label7, RadioButton1, RadioButton2, RadioButton3, RadioButton4,
        RadioButton5, tsconf, Label1, eTitulo, Label2, Bevel1, icoTit, Label8, nqBevel1, ckSobreOF, Label6,
        ckUsarTransp, ckEditarTit, ckAuto, ckAbrirAoApontar, nqBevel3, Label5, spTransp, Label9, Label3,
        spSalto, ckIconHeightAuto, nqBevel2, Label4, Bevel2, lbEx, bpesqCorFnd, bpesqFontIco, nqBevel8,
        Label10, hkTeclaAtalho, Label11, bAparenciaMenu, Label12, cbMonitor, Label13, cbLado, bok, bcanc,
    };
    static constexpr const char* kControles[] = {
        "pc", "tsAtalhos", "Panel1", "Panel2", "g", "nvPrimeiro", "nvAnterior", "nvProximo", "nvUltimo",
        "nvIncluir", "nvExcluir", "nvAlterar", "Label16", "eFind", "bClear", "Label7", "RadioButton1",
        "RadioButton2", "RadioButton3", "RadioButton4", "RadioButton5", "tsconf", "Label1", "eTitulo",
        "Label2", "Bevel1", "icoTit", "Label8", "nqBevel1", "ckSobreOF", "Label6", "ckUsarTransp",
        "ckEditarTit", "ckAuto", "ckAbrirAoApontar", "nqBevel3", "Label5", "spTransp", "Label9", "Label3",
        "spSalto", "ckIconHeightAuto", "nqBevel2", "Label4", "Bevel2", "lbEx", "bpesqCorFnd", "bpesqFontIco",
        "nqBevel8", "Label10", "hkTeclaAtalho", "Label11", "bAparenciaMenu", "Label12", "cbMonitor",
        "Label13", "cbLado", "bok", "bcanc",
    };

    explicit TfrmConfig(IBarConfig& barra);
    ~TfrmConfig() override;

    TAtalhosConfig& Atalhos() { return atalhos_; }
    // The title icon's file: the stored one, or the one picked.
    const std::string& slocalicon() const { return slocalicon_; }
    TDBGridWin32* Grade() const { return g_; }

protected:
    void FormCreate() override;
    void FormShow() override;
    void FormClose() override;
    void Click(int controle) override;
    void Comando(int controle, int codigo) override;
    bool DesenharItem(int controle, DRAWITEMSTRUCT* dis) override;

private:
    void bokClick();
    void nvBeforeAction(TAcaoNavegador acao);
    void eFindChange();
    void bClearClick();
    void FiltrarClick(int tag);
    void gDblClick();
    bool gKeyDown(int key);
    void gCellClick(int coluna);
    void gDrawColumnCell(int recNo, int coluna, TFont& fonte);
    void updateOpcaoMenu();
    void icoTitClick();
    void bpesqCorFndClick();
    void bpesqFontIcoClick();
    void spSaltoKeyDown();
    void ckIconHeightAutoClick();
    void bAparenciaMenuClick();
    void MostrarLugar();

    TConfigBarra Valores() const;
    void MostrarExemplo();
    void AtualizarGrade();
    void AtualizarNavegador();

    IBarConfig& barra_;
    TAtalhosConfig atalhos_;
    TTabelaCds tabela_;
    TDBGridWin32* g_ = nullptr;
    std::string slocalicon_;
    std::optional<TMenusEscolha> aparenciaMenu_;  // chosen in the menu settings window, taken on save
    TConfigBarra lidos_;  // what the page showed when the window opened; the page edits a copy of it
    int teclaLida_ = 0;   // the global key as the hot-key box showed it then
    int monitorLido_ = -1;  // the entries the monitor and edge lists showed then
    int ladoLido_ = -1;
    IconHandle icoTit_;
    TColor corExemplo_ = 0;
    TFont fonteExemplo_;
    std::size_t filtroSalto_ = 0;
};

// The window while the bar's command shows it.
extern TfrmConfig* frmConfig;

}  // namespace nq
