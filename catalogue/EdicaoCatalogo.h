#pragma once
// While a dialog edits the catalogue's current record, that record is the dialog's: nothing else may
// move the catalogue's cursor, filter or order, post or cancel, or the record being typed would be
// stored half-done or lost. The work that would (a rebuild of the bar, the end of the program, a drop)
// is noted instead and handed back, once, when the last edit ends.

#include <functional>

namespace nq {

class TEdicaoCatalogo {
public:
    enum Trabalho : unsigned { tAtualizar = 1u << 0, tFechar = 1u << 1, tSoltar = 1u << 2 };

    // An edit begins or ends; edits inside edits are counted.
    void Iniciar() { ++edicoes_; }
    void Terminar();
    bool Ativa() const { return edicoes_ > 0; }

    // True when the work may be done now; otherwise false, and the work is noted for the end.
    bool Permite(Trabalho trabalho);

    // Runs when the last edit ends and some work waited, with that work (the Trabalho bits).
    std::function<void(unsigned trabalhos)> AoLiberar;

private:
    int edicoes_ = 0;
    unsigned adiados_ = 0;
};

// One edit, for the time of a scope. A null catalogue guard is allowed and does nothing.
class TEdicaoEmCurso {
public:
    explicit TEdicaoEmCurso(TEdicaoCatalogo* e) : e_(e) {
        if (e_) e_->Iniciar();
    }
    ~TEdicaoEmCurso() {
        if (e_) e_->Terminar();
    }
    TEdicaoEmCurso(const TEdicaoEmCurso&) = delete;
    TEdicaoEmCurso& operator=(const TEdicaoEmCurso&) = delete;

private:
    TEdicaoCatalogo* e_;
};

}  // namespace nq
