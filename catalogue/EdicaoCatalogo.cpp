#include "catalogue/EdicaoCatalogo.h"

namespace nq {

void TEdicaoCatalogo::Terminar() {
    if (edicoes_ == 0 || --edicoes_ > 0) return;
    const unsigned trabalhos = adiados_;
    adiados_ = 0;
    if (trabalhos && AoLiberar) AoLiberar(trabalhos);
}

bool TEdicaoCatalogo::Permite(Trabalho trabalho) {
    if (edicoes_ == 0) return true;
    adiados_ |= trabalho;
    return false;
}

}  // namespace nq
