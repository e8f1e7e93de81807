#pragma once
// TfBase2, the base of the data-entry dialogs: a fixed window with "Salvar | F5" and "Cancelar" in its
// lower right corner, in which Enter moves to the next control, Esc cancels, F5 saves and a double
// click on the window offers to print it. Its edit boxes may be bound to the fields of a table's
// current record (the data source dsPadrao): each shows its field when the dialog shows, stores its
// text there when it loses the focus, and takes no more characters than the field holds. The dialog
// never posts or cancels the record: its caller does, after Open.

#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ui/DialogoWin32.h"

namespace nq {

class TClientDataset;
class TEdicaoCatalogo;

class TfBase2 : public TDialogo {
public:
    // The base window as designed: caption "?", client area 530 x 338, the two buttons. A descendant
    // starts from it, changes its size and caption, moves the buttons and adds its own controls.
    static ProjetoDialogo Desenho();

    // The client size of the table is rounded as the base window rounds it (ArredondaQuatro).
    // The base's own controls, first in every descendant's table.
    enum ControlesDaBase : int { BitBtn1, BitBtn2, kControlesDaBase };

    // The client size of the table is rounded as the base window rounds it (ArredondaQuatro).
    // `controles`: the descendant's control names, as TDialogo checks them.
    explicit TfBase2(ProjetoDialogo projeto, std::span<const char* const> controles = {});
    ~TfBase2() override;

    // Shows the dialog over the program's window in front until it closes; true when the user
    // confirmed it. A blank ACaption keeps the caption the dialog has.
    bool Open(const std::string& ACaption);

    // The table whose current record the bound edit boxes show and change.
    TClientDataset* dsPadrao = nullptr;
    // While the dialog is open the record is its own: the catalogue's guard holds the other work back.
    TEdicaoCatalogo* edicao = nullptr;

    // Repaints the dialog's check boxes and radio buttons.
    void DesenhaCheckBoxes();

protected:
    // Binds an edit box of the table to a field of dsPadrao.
    void Vincular(int edicao, std::string campo);
    // Each bound box shows its field of the current record.
    void MostrarCampos();
    // Stores a bound box's text in its field, when the table is taking a record and the text changed.
    void GravarCampo(int edicao);
    // Stores a value in a field and shows it in the boxes bound to it.
    void SetCampo(const std::string& campo, const std::string& valor);

    void FormCreate() override;
    void FormShow() override;
    void Click(int controle) override;
    void Comando(int controle, int codigo) override;
    void DuploClique() override;

    // The save step of "Salvar | F5"; a descendant that replaces it sets Tag to 1 and closes the dialog.
    virtual void BitBtn1Click() {}

private:
    // The window's image on the default printer, at its size on the screen.
    void Imprimir();

    std::vector<std::pair<int, std::string>> vinculos_;  // edit box, field
};

}  // namespace nq
