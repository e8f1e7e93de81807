#pragma once
// The menu settings dialog TfrmMenusConfig: the renderer's style, icon size, font and switches. A host
// that gives the renderer a configuration item opens it through TNqMenu::MenuConfig.

#include <optional>

#include "menus/NqMenusConfig.h"
#include "ui/DialogoWin32.h"

namespace nq {

class TfrmMenusConfig final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        pc, tsConfig, gestilo, gestilo0, gestilo1, gestilo2, gestilo3, gicones, gicones0, gicones1, gicones2,
        gicones3, gicones4, gicones5, gfonte, Label1, cbFonte, Label2, edTam, lblExemplo, gopcoes, ckFonteWin,
        Degrade, ckicon, BitBtn1, BitBtn2,
    };
    static constexpr const char* kControles[] = {
        "pc", "tsConfig", "gestilo", "gestilo0", "gestilo1", "gestilo2", "gestilo3", "gicones", "gicones0",
        "gicones1", "gicones2", "gicones3", "gicones4", "gicones5", "gfonte", "Label1", "cbFonte", "Label2",
        "edTam", "lblExemplo", "gopcoes", "ckFonteWin", "Degrade", "ckicon", "BitBtn1", "BitBtn2",
    };

    TfrmMenusConfig();

    TNqMenu* FMenuComp = nullptr;  // the renderer it edits; not owned
    // The user's choices as the controls hold them (also after the dialog has closed).
    TMenusEscolha Escolha() const;

protected:
    void FormShow() override;
    void Click(int controle) override;
    void Comando(int controle, int codigo) override;

private:
    int EstiloMarcado() const;
    void gestiloClick();
    void ckFonteWinClick();
    void AtualizaFonte();
    void PreencherFontes(const std::string& escolhida);
};

// Shows the dialog for a renderer: the choices on OK, nothing on Cancel. What TNqMenu::DialogoConfig
// takes.
std::optional<TMenusEscolha> MostrarMenusConfig(TNqMenu& menu);

}  // namespace nq
