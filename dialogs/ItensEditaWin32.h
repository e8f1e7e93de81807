#pragma once
// TfrmItensEdita, the shortcut edit dialog: the target of one shortcut typed or picked, its parameters
// and its title, and whether it is a button on the bar or an entry of "Outros atalhos". It edits the
// catalogue's current record in place; its caller begins the record (Append or Edit) before Open and
// posts or cancels it afterwards. One instance serves the whole run.

#include <string>

#include "dialogs/Base2Win32.h"

namespace nq {

class TfrmItensEdita final : public TfBase2 {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        BitBtn1, BitBtn2, Bevel1, Label1, Label2, Label3, ePrograma, eParam, eTitulo, bpesqArq, bpesqFolder,
        rIcone, rMenu, Bevel2, imgIco,
    };
    static constexpr const char* kControles[] = {
        "BitBtn1", "BitBtn2", "Bevel1", "Label1", "Label2", "Label3", "ePrograma", "eParam", "eTitulo",
        "bpesqArq", "bpesqFolder", "rIcone", "rMenu", "Bevel2", "imgIco",
    };

    // The dialog of a catalogue; the guard, when given, holds back the work that would disturb the
    // record while the dialog is open.
    explicit TfrmItensEdita(TClientDataset& cds, TEdicaoCatalogo* guarda = nullptr);
    ~TfrmItensEdita() override;

protected:
    void FormShow() override;
    void Comando(int controle, int codigo) override;
    void Click(int controle) override;
    void BitBtn1Click() override;

private:
    void eTituloEnter();
    void eProgramaExit();
    void updateIcon();
    void bpesqArqClick();
    void bpesqFolderClick();

    TClientDataset& cds_;
};

// The one edit dialog of the program, made by the program's entry; nullptr before and after.
extern TfrmItensEdita* frmItensEdita;

}  // namespace nq
