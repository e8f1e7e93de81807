// The record being edited is the dialog's: the work that would disturb it waits for the edit's end.

#include "catalogue/EdicaoCatalogo.h"

#include <gtest/gtest.h>

#include <vector>

namespace nq {
namespace {

TEST(EdicaoCatalogo, WorkWaitsForTheLastEditAndIsHandedBackOnce) {
    TEdicaoCatalogo e;
    std::vector<unsigned> liberados;
    e.AoLiberar = [&](unsigned t) { liberados.push_back(t); };

    EXPECT_TRUE(e.Permite(TEdicaoCatalogo::tAtualizar)) << "no edit: the work runs now";
    {
        TEdicaoEmCurso fora(&e);
        EXPECT_FALSE(e.Permite(TEdicaoCatalogo::tAtualizar));
        {
            TEdicaoEmCurso dentro(&e);  // the edit dialog opened from another dialog that also edits
            EXPECT_FALSE(e.Permite(TEdicaoCatalogo::tFechar));
            EXPECT_FALSE(e.Permite(TEdicaoCatalogo::tAtualizar));
        }
        EXPECT_TRUE(e.Ativa());
        EXPECT_TRUE(liberados.empty()) << "the outer edit still holds the record";
    }
    EXPECT_FALSE(e.Ativa());
    EXPECT_EQ(liberados, (std::vector<unsigned>{TEdicaoCatalogo::tAtualizar | TEdicaoCatalogo::tFechar}));

    // An edit during which nothing waited hands nothing back; an unmatched end is harmless.
    { TEdicaoEmCurso vazia(&e); }
    e.Terminar();
    EXPECT_EQ(liberados.size(), 1u);
    EXPECT_FALSE(e.Ativa());
    { TEdicaoEmCurso semGuarda(nullptr); }
}

}  // namespace
}  // namespace nq
