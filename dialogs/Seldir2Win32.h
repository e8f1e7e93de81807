#pragma once
// The folder picker TfSeldir2: drives, system folders and network paths on three pages, and a list of
// the current folder's chain of parents and its subfolders, opened with a single click. Folders are
// listed by a worker thread, so that a slow or unreachable network path never freezes the window.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/DialogoWin32.h"

namespace nq {

// A folder's content as the picker lists it: whether the folder opens, and its subfolders by name.
struct TConteudoPasta {
    bool ok = false;
    std::vector<std::string> subpastas;
};
// Lists one folder, on a worker thread. The file system's by default; a test may put a slow one in its
// place and gets the previous one back.
using TListarPasta = std::function<TConteudoPasta(const std::string& pasta)>;
TListarPasta DefinirListarPasta(TListarPasta listar);

class TfSeldir2 final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        pnTopo, lbpasta, pcc, tsUnid, Unidades, tsSis, bdoc, bmusica, bvideo, bimagem, bdown, bsis, tsRede,
        elocal, sbok, pnBaixo, bmakedir, bok, bcancel, dirlst,
    };
    static constexpr const char* kControles[] = {
        "pnTopo", "lbpasta", "pcc", "tsUnid", "Unidades", "tsSis", "bdoc", "bmusica", "bvideo", "bimagem",
        "bdown", "bsis", "tsRede", "elocal", "sbok", "pnBaixo", "bmakedir", "bok", "bcancel", "dirlst",
    };

    TfSeldir2();
    ~TfSeldir2() override;

    // The folder to start in; when it is not an existing folder the program's folder is used.
    std::string PastaInicial;
    // The folder the list shows, with a trailing backslash.
    const std::string& PastaAtual() const { return atual_; }

    struct Listagem;  // a folder's content as a worker found it
    struct Caixa;     // what the window and its workers share

protected:
    void FormCreate() override;
    void FormShow() override;
    void Click(int controle) override;
    void Comando(int controle, int codigo) override;
    LRESULT Notificar(int controle, NMHDR* nm) override;
    bool DesenharItem(int controle, DRAWITEMSTRUCT* dis) override;
    bool FormKeyDown(WPARAM key) override;
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp, bool& tratada) override;

private:
    enum class Origem { Inicio, Usuario, Digitada, Unidade };
    void IrPara(const std::string& pasta, Origem origem);
    void Chegou(const Listagem& l);
    void MostrarLista(const std::vector<std::string>& subpastas);
    void PreencherUnidades();
    void SincronizarUnidade();
    void tsUnidShow();
    void elocalConfirmar();
    void bmakedirClick();
    void pmOpenPopup(POINT pt);

    struct Linha {
        std::string caminho;
        std::string nome;
        int nivel = 0;
        bool aberta = false;
    };
    std::vector<Linha> linhas_;
    std::string atual_;
    unsigned geracao_ = 0;
    Origem origem_ = Origem::Inicio;
    std::shared_ptr<Caixa> caixa_;
};

// Lets the user choose a folder. True when one was confirmed; VLocal then holds it with a trailing
// backslash, and is left as it was otherwise. A blank ACaption keeps "Selecione uma pasta".
bool Seldir(std::string& VLocal, const std::string& ADirInicial, const std::string& ACaption = "",
            bool ASalvarPosJan = false);

}  // namespace nq
