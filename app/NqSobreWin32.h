#pragma once
// The about box: TNqSobre takes over the click of the menu item it is given and shows TfrmSobre, with
// the program's icon, title and version, its notice and licence, where it lives and a link to its log.

#include <windows.h>

#include "ui/DialogoWin32.h"

namespace nq {

class TfrmSobre final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        Shape1, imgIcone, lblNomesis, lblVersao, NqBevel3, imgFornecedor, lbFornecedor, lbDescricao, NqBevel2,
        lbAviso, lbPastaTitulo, lbPasta, lbConfigTitulo, lbConfig, NqBevel1, lbRegistro, BitBtn1,
    };
    static constexpr const char* kControles[] = {
        "Shape1", "imgIcone", "lblNomesis", "lblVersao", "NqBevel3", "imgFornecedor", "lbFornecedor",
        "lbDescricao", "NqBevel2", "lbAviso", "lbPastaTitulo", "lbPasta", "lbConfigTitulo", "lbConfig",
        "NqBevel1", "lbRegistro", "BitBtn1",
    };

    TfrmSobre();

protected:
    void FormCreate() override;
    void FormShow() override;
    void Click(int controle) override;

private:
    void lbRegistroClick();
};

class TNqSobre {
public:
    // The menu command that opens the box (0: none).
    void SetMenuSobre(UINT comando) { FMenuSobre = comando; }
    UINT MenuSobre() const { return FMenuSobre; }
    // A command of the owner's menu: true when it was the about item's, and the box was shown.
    bool MenuSobreClick(UINT comando);
    // Builds, shows and releases the about box.
    void Show();

private:
    UINT FMenuSobre = 0;
};

}  // namespace nq
