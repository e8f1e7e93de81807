#pragma once
// Files, folders and links dropped on the bar: the shell's WM_DROPFILES, and the same handed over by
// another program of the session as a WM_COPYDATA (a drop handle cannot cross processes). A drop that
// comes while a dialog edits a record waits for the edit's end.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace nq {

class TfrmMainPivel;

// The name whose registered message number, as the dwData of a WM_COPYDATA, marks files handed to the
// bar by another program of the session as the shell drops them: the data is a DROPFILES block with
// wide names. The bar drops them on itself as the shell would.
constexpr const wchar_t* kSoltarArquivos = L"Pivel.SoltarArquivos";

class TBarSoltos {
public:
    explicit TBarSoltos(TfrmMainPivel& barra);

    void WMDropFiles(HDROP drop);
    // WM_COPYDATA: true when it was files handed over, and they were taken.
    bool WMCopyData(const COPYDATASTRUCT* dados, LRESULT& resposta);
    // The edit that held the drops back is over.
    void IncluirAdiadas();

private:
    void IncluirSoltos(const std::vector<std::string>& itens);
    bool EntregarSoltos(const COPYDATASTRUCT& dados);

    TfrmMainPivel& barra_;
    UINT soltarId_ = 0;
    std::vector<std::vector<std::string>> soltasAdiadas_;  // drops that came while a record was edited
};

}  // namespace nq
