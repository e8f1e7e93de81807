#pragma once
// The data grid's window (class "TDBGrid"): a sunken control with a vertical scroll bar that paints the
// grid of dialogs/ThemedDBGrid.h on a GDI canvas, hands it keys, clicks, the wheel and the scroll bar,
// and answers screen readers (WM_GETOBJECT) with the table's rows and cells. A dialog places it as a
// control of kind Classe and binds it in FormCreate through TDBGridWin32::De.

#include <windows.h>

#include <memory>

#include "dialogs/ThemedDBGrid.h"
#include "ui/ImageListWin32.h"
#include "ui/WindowWin32.h"

struct IAccessible;

namespace nq {

constexpr const wchar_t* kClasseGrade = L"TDBGrid";

class TDBGridWin32;

// The grid that accessible objects speak for; the window clears it when it goes, and objects that
// screen readers still hold then answer that they are gone.
struct TLigacaoAcessivel {
    TDBGridWin32* grade = nullptr;
};

class TDBGridWin32 {
public:
    // Registers the window class once; every window of the class makes its own grid object.
    static void Registrar();
    // The grid of a window of the class; nullptr for any other window.
    static TDBGridWin32* De(HWND w);

    HWND hwnd() const { return hwnd_; }
    TDBGrid& Grade() { return grade_; }

    // After the table, its filter or order, its current record or the columns changed: the current
    // record comes into view, and the scroll bar, the picture and screen readers follow.
    void Atualizar();

    // Where a cell is on the screen; an empty rectangle when it is not in view.
    RECT RetanguloNaTela(int recNo, int coluna) const;
    // Makes a record current, as a click on its row would (screen readers select rows this way).
    void Selecionar(int recNo);

private:
    friend class JanelaDeClasse<TDBGridWin32>;
    explicit TDBGridWin32(HWND w);
    ~TDBGridWin32();
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
    void Medir();
    void Pintar(HDC dc);
    void CarregarImagens();
    void AvisarLeitores();

    HWND hwnd_;
    TDBGrid grade_;
    int dpi_ = 96;
    std::unique_ptr<TImageListWin32> caixas_, memo_;
    std::shared_ptr<TLigacaoAcessivel> ligacao_;
    IAccessible* acessivel_ = nullptr;
    int ultimoAtual_ = -2;
};

// The accessible object of a grid's client area (ThemedDBGridAccWin32.cpp): a table whose children are
// the title row and one row per visible record, each with one cell per column.
IAccessible* CriarAcessivelGrade(std::shared_ptr<TLigacaoAcessivel> ligacao);

}  // namespace nq
