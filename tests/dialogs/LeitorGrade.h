#pragma once
// Reads a data grid as a screen reader does, through its accessible object: the table's rows, their
// names, and which one is selected. Works from another thread and from another process.

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "support/Win32Text.h"

namespace nq::test {

struct LinhaLida {
    std::string nome;
    long estado = 0;
};

// The rows of the grid's table, the title row first; empty when the grid does not answer.
inline std::vector<LinhaLida> LerGrade(HWND grade) {
    std::vector<LinhaLida> out;
    IAccessible* tabela = nullptr;
    if (FAILED(AccessibleObjectFromWindow(grade, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&tabela))) ||
        !tabela)
        return out;
    long n = 0;
    tabela->get_accChildCount(&n);
    for (long i = 1; i <= n; ++i) {
        VARIANT id;
        VariantInit(&id);
        id.vt = VT_I4;
        id.lVal = i;
        IDispatch* d = nullptr;
        if (tabela->get_accChild(id, &d) != S_OK || !d) continue;
        IAccessible* linha = nullptr;
        d->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&linha));
        d->Release();
        if (!linha) continue;
        VARIANT eu;
        VariantInit(&eu);
        eu.vt = VT_I4;
        eu.lVal = CHILDID_SELF;
        LinhaLida l;
        BSTR nome = nullptr;
        if (linha->get_accName(eu, &nome) == S_OK && nome) {
            l.nome = Narrow(std::wstring(nome, SysStringLen(nome)));
            SysFreeString(nome);
        }
        VARIANT estado;
        VariantInit(&estado);
        if (linha->get_accState(eu, &estado) == S_OK && estado.vt == VT_I4) l.estado = estado.lVal;
        linha->Release();
        out.push_back(l);
    }
    tabela->Release();
    return out;
}

// Only the names of the records' rows (the title row left out).
inline std::vector<std::string> NomesDasLinhas(HWND grade) {
    std::vector<std::string> out;
    const std::vector<LinhaLida> linhas = LerGrade(grade);
    for (std::size_t i = 1; i < linhas.size(); ++i) out.push_back(linhas[i].nome);
    return out;
}

// How many records the grid lists.
inline int RegistrosNaGrade(HWND grade) {
    return static_cast<int>(LerGrade(grade).size()) - 1;
}

// The record number of the selected row (the current record), or -1 when none is selected.
inline int RegistroAtual(HWND grade) {
    const std::vector<LinhaLida> linhas = LerGrade(grade);
    for (std::size_t i = 1; i < linhas.size(); ++i)
        if (linhas[i].estado & STATE_SYSTEM_SELECTED) return static_cast<int>(i);
    return -1;
}

// The name of one record's row (0 the first record), or "" when the grid has no such row.
inline std::string NomeDaLinha(HWND grade, std::size_t i) {
    const std::vector<std::string> nomes = NomesDasLinhas(grade);
    return i < nomes.size() ? nomes[i] : std::string();
}

}  // namespace nq::test
