#pragma once
// The menu settings dialog TfrmMenusConfig: the renderer's style, icon size, font and switches. A host
// that gives the renderer a configuration item opens it through TNqMenu::MenuConfig.

#include <optional>

#include "menus/NqMenusConfig.h"
#include "ui/DialogoWin32.h"

namespace nq {

class TfrmMenusConfig final : public TDialogo {
public:
    TfrmMenusConfig();

    TNqMenu* FMenuComp = nullptr;  // the renderer it edits; not owned
    // The user's choices as the controls hold them (also after the dialog has closed).
    TMenusEscolha Escolha() const;

protected:
    void FormShow() override;
    void Click(const std::string& nome) override;
    void Comando(const std::string& nome, int codigo) override;
    void Posicionar() override;

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
