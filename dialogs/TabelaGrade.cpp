#include "dialogs/TabelaGrade.h"

#include "dialogs/NqDB.h"

namespace nq {

int TTabelaCds::FindField(std::string_view Nome) const {
    const TField* f = cds_.FindField(Nome);
    return f ? f->Index() : -1;
}

std::string TTabelaCds::FieldName(int Campo) const {
    return this->Campo(Campo).FieldName();
}

TTipoCampo TTabelaCds::FieldType(int Campo) const {
    switch (this->Campo(Campo).DataType()) {
        case TFieldType::ftBoolean:
            return TTipoCampo::Logico;
        case TFieldType::ftInteger:
        case TFieldType::ftAutoInc:
            return TTipoCampo::Inteiro;
        default:
            return TTipoCampo::Texto;
    }
}

int TTabelaCds::DisplayWidth(int Campo) const {
    return this->Campo(Campo).DisplayWidth;
}

std::string TTabelaCds::DisplayText(int RecNo, int Campo) const {
    return this->Campo(Campo).TextOf(cds_.ValueAt(RecNo, Campo));
}

bool TTabelaCds::AsBoolean(int RecNo, int Campo) const {
    const TFieldValue& v = cds_.ValueAt(RecNo, Campo);
    return !v.null && v.number != 0;
}

void TTabelaCds::Ordenar(const std::string& Campos) {
    nq::Ordenar(cds_, 0, {Campos});
}

}  // namespace nq
