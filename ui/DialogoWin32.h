#pragma once
// A modal dialog made from a table of controls (ui/DialogProjeto.h). The system's dialog manager runs it
// from an empty in-memory template, so Tab, Shift+Tab, the arrow keys in radio groups, access keys and
// the default and cancel buttons behave as in every other dialog; the children come from the table at
// WM_INITDIALOG and are placed by one Relayout, at creation, on WM_SIZE and on WM_DPICHANGED. While it
// is open the owner is disabled, and afterwards it is enabled and active again.
//
// A window is a table plus its handlers: a subclass passes its table to the constructor and overrides
// the handlers it needs (FormCreate, FormShow, Click, FormKeyDown ...).

#include <windows.h>

#include <commctrl.h>

#include <exception>
#include <map>
#include <span>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/Win32Handles.h"
#include "ui/DialogProjeto.h"
#include "ui/GdiWin32.h"

namespace nq {

namespace dialogo {
class TContainer;
}

class TNqEnterAsTab;

class TDialogo {
public:
    // `controles`: the names of the table's controls in their order, as the dialog's enum names them;
    // a table that does not match (a control added, moved or renamed on one side only) is refused
    // with std::logic_error when the dialog is made. Empty for a table without an enum (tests).
    explicit TDialogo(ProjetoDialogo projeto, std::span<const char* const> controles = {});
    virtual ~TDialogo();
    TDialogo(const TDialogo&) = delete;
    TDialogo& operator=(const TDialogo&) = delete;

    // Shows the dialog over its owner (nullptr: none) until it closes; its result, or mrCancel (2)
    // when it could not be shown.
    int ShowModal(HWND owner);
    // Closes the open dialog with a result (ModalResult).
    void Fechar(int resultado);

    HWND hwnd() const { return hwnd_; }
    int Dpi() const { return dpi_; }
    int S(int px96) const;
    int ModalResult() const { return resultado_; }
    int Tag = 0;  // a data-entry dialog sets it to 1 when the user confirmed; 0 each time it shows

    // The table as it stands, also after the dialog has closed (texts, check marks and numbers are
    // kept from the controls as they were): a handler may change an item (a rectangle, a flag, a text) and
    // call Relayout or Invalidar.
    ProjetoDialogo& Projeto() { return projeto_; }
    const ProjetoDialogo& Projeto() const { return projeto_; }
    // Controls are named by their index in the table: each dialog names them in an enum in table order
    // (the table's `indice` fields are checked against it when the dialog is made).
    ProjetoControle& Item(int controle);
    // The index of a control found by its name in the design; -1 when the table has no such control.
    // For tests and tools that see the dialog from outside; the dialogs use their enums.
    int Indice(std::string_view nome) const;

    HWND Controle(int controle) const;  // nullptr for a windowless or unknown control
    int IdDe(int controle) const;
    // The control a child window is, from its id; -1 for none of the table's.
    int IndiceDe(HWND janela) const;
    // The design's name of a child window (empty for none of the table's), for tests and tools.
    std::string NomeDe(HWND janela) const {
        const int i = IndiceDe(janela);
        return i < 0 ? std::string() : projeto_.controles[static_cast<std::size_t>(i)].nome;
    }

    std::string Caption() const { return projeto_.titulo; }
    void SetCaption(const std::string& titulo);
    std::string Texto(int controle) const;
    void SetTexto(int controle, const std::string& texto);
    bool Marcado(int controle) const;
    void Marcar(int controle, bool marcado);
    void Mostrar(int controle, bool visivel);
    void Habilitar(int controle, bool habilitado);
    // Switches a control and everything inside it on or off: a label greys its text, and edit, list,
    // number and combo boxes take the window colour when on and the switched-off colour when off.
    void LigaDes(int controle, bool ligado);
    void Foco(int controle);
    void SetDica(int controle, const std::string& dica);
    // A number box's value; a hot-key box's key (low byte) and HOTKEYF_ modifiers (high byte).
    int Valor(int controle) const;
    void SetValor(int controle, int valor);
    int PaginaAtiva(int abas) const;
    void SetPagina(int abas, int pagina);
    // The button Enter presses while the focus is not on another button; empty for none.
    void SetPadrao(int controle);
    // Every number box that is on holds a number in its range; otherwise the first that does not is shown
    // (its page turned to), takes the focus, and the user is told its range. For a save button: a box
    // left out of range (the focus went to the cancel button, say) stops the save.
    bool NumerosValidos();
    // A picture made while the dialog runs (a file's icon) shown by an Imagem control in place of its
    // resource; an empty handle brings the resource back.
    void SetImagem(int controle, IconHandle icone);

    // Places the children again for the current density and client size.
    void Relayout();
    // Repaints the windowless items and labels.
    void Invalidar();
    // The control takes its font from the table again, at the dialog's density: after a handler has
    // changed Item(controle).fonte (a sample of the chosen font).
    void AplicarFonte(int controle);
    // A font of the table at the dialog's density, kept while the dialog lives.
    HFONT Fonte(const ProjetoFonte& f);
    HFONT FonteDe(int controle);  // the font a control of the table is drawn with
    // The colour behind a control: its own, or that of the band it lies on, or its window's.
    TColor CorAtras(std::size_t indice) const;

protected:
    virtual void FormCreate() {}  // the children exist; the dialog is not shown yet
    virtual void FormShow() {}    // just before it shows; the first focus may be set here
    virtual void FormClose() {}   // closing, with its result already set
    // The close box or the system menu asked to close; false keeps the dialog open.
    virtual bool FormCloseQuery() { return true; }
    // Key preview: every key typed in the dialog, before the focused control sees it. True when it
    // was dealt with and the control must not see it.
    virtual bool FormKeyDown(WPARAM /*key*/) { return false; }
    virtual bool FormKeyPress(wchar_t /*ch*/) { return false; }
    // A button or a label was clicked. A button with a result closes the dialog after this.
    virtual void Click(int /*controle*/) {}
    // Another notification of a control (EN_CHANGE, LBN_SELCHANGE, CBN_SELCHANGE, ...).
    virtual void Comando(int /*controle*/, int /*codigo*/) {}
    virtual LRESULT Notificar(int /*controle*/, NMHDR* /*nm*/) { return 0; }
    // An owner-drawn list's row, or a label the window draws itself; true when drawn (a label left
    // undrawn is drawn as usual).
    virtual bool DesenharItem(int /*controle*/, DRAWITEMSTRUCT* /*dis*/) { return false; }
    virtual void DuploClique() {}  // on the dialog's own surface
    // A handler failed: the error's text in the system's message box, with the program's title, an
    // error sign and OK; the dialog stays as it is. Validation messages (ENqError) come this way.
    virtual void ErroNaoTratado(const std::exception& e);
    // Any other message; set tratada to answer it.
    virtual INT_PTR HandleMessage(UINT /*msg*/, WPARAM /*wp*/, LPARAM /*lp*/, bool& tratada) {
        tratada = false;
        return 0;
    }
    // Painting of a window's own, after its windowless items (container: kSemPai for the dialog).
    virtual void PintarExtra(HDC /*dc*/, int /*container*/) {}

    // Centres the dialog on a screen rectangle.
    void CentrarEm(const RECT& area);
    // Gives the dialog another client size, in 96-dpi pixels, and places the controls again.
    void Redimensionar(int largura96, int altura96);

private:
    static INT_PTR CALLBACK DlgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK BotaoPlanoProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                           DWORD_PTR ref);
    INT_PTR HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    // Where the dialog stands before it shows, as its table's `lugar` says.
    friend class dialogo::TContainer;  // paints its windowless items

    void Posicionar();
    void DevolverTeclado();
    int Valido(int controle) const;  // the index, or -1 outside the table
    void Iniciar();
    void CriarControles();
    HWND CriarControle(std::size_t i, HWND pai);
    void CriarDicas();
    void AdicionarDica(std::size_t i);
    void AplicarDpi(int dpi);
    void AjustarTamanho(int clientW, int clientH);
    void AjustarAoTexto(std::size_t i);
    void Pintar(HDC dc, int container, const RECT& area);
    void DesenharRotulo(std::size_t i, DRAWITEMSTRUCT* dis);
    void DesenharBotaoPlano(std::size_t i, DRAWITEMSTRUCT* dis);
    bool PreVisualizar(MSG& msg);
    bool PreVisualizarTecla(MSG& msg);
    bool TeclaDeEntrada(WPARAM tecla);
    void TrocarPagina(std::size_t abas);
    void LimitarNumero(std::size_t i);
    // The message for a number box whose text is out of its range; nothing when it is within it or off.
    std::optional<std::string> NumeroInvalido(std::size_t i) const;
    void ConferirNumero(std::size_t i);
    void AvisarNumero(std::size_t i, const std::string& mensagem);
    void MostrarPaginaDe(std::size_t i);
    void ReligarJanelas();
    void GuardarValores();
    ProjetoFonte FonteEfetiva(std::size_t i) const;
    HBRUSH Pincel(TColor cor);
    HICON Icone(std::size_t i, int tamanho);
    void ImagemDoBotao(std::size_t i);
    void ComandoDe(HWND controle, int codigo);

    ProjetoDialogo projeto_;
    std::vector<int> containers_;
    std::vector<HWND> janelas_;  // per control; nullptr for windowless ones
    std::vector<HWND> setas_;    // the up-down arrows of number boxes
    std::vector<Rect> rects_;    // the last layout
    std::map<std::string, FontHandle> fontes_;
    std::map<std::size_t, FontHandle> estreitas_;  // narrower cuts for texts without room, by control
    std::map<TColor, BrushHandle> pinceis_;
    std::map<std::pair<std::size_t, int>, IconHandle> icones_;
    std::map<std::size_t, IconHandle> imagens_;  // pictures set with SetImagem
    std::vector<HIMAGELIST> listas_;
    HWND hwnd_ = nullptr;
    HWND owner_ = nullptr;
    HWND anterior_ = nullptr;  // in front when the dialog opened
    HWND dicas_ = nullptr;
    int dpi_ = 96;
    int resultado_ = 0;
    std::size_t filtro_ = 0;
    std::unique_ptr<TNqEnterAsTab> enterComoTab_;
    int quente_ = -1;               // the flat button under the pointer
    int apertado_ = -1;             // the flat button held down
    std::vector<HWND> desligadas_;  // the program's windows this dialog disabled
    bool avisandoNumero_ = false;   // a number box's range is being told
};

// Keeps a window inside the work area of its monitor: a window centred on the narrow bar at the
// screen's edge would otherwise stand half outside it.
void ManterNaTela(HWND janela);

}  // namespace nq
