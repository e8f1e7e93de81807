#include "app/BarSoltosWin32.h"

#include <shlobj.h>
#include <shellapi.h>

#include <cstring>
#include <exception>

#include "app/MainWin32.h"
#include "catalogue/ArquivosSoltos.h"
#include "support/NqFunWin32.h"
#include "support/Win32Text.h"
#include "ui/NqReadlnFormWin32.h"

namespace nq {

namespace {

// Every name of a drop, each read whole: its length is asked first, so that a path deeper than the old
// 255 characters arrives entire.
std::vector<std::string> NomesSoltos(HDROP drop) {
    std::vector<std::string> nomes;
    const UINT n = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < n; ++i) {
        const UINT tamanho = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring nome(tamanho + 1, L'\0');
        nome.resize(DragQueryFileW(drop, i, nome.data(), tamanho + 1));
        nomes.push_back(Narrow(nome));
    }
    return nomes;
}

}  // namespace

TBarSoltos::TBarSoltos(TfrmMainPivel& barra) : barra_(barra), soltarId_(RegisterWindowMessageW(kSoltarArquivos)) {}

void TBarSoltos::WMDropFiles(HDROP drop) {
    std::vector<std::string> itens = NomesSoltos(drop);
    DragFinish(drop);
    if (!barra_.cdsEdicao.Permite(TEdicaoCatalogo::tSoltar)) {
        soltasAdiadas_.push_back(std::move(itens));
        return;
    }
    IncluirSoltos(itens);
}

void TBarSoltos::IncluirAdiadas() {
    auto soltas = std::move(soltasAdiadas_);
    soltasAdiadas_.clear();
    for (const auto& itens : soltas) IncluirSoltos(itens);
}

void TBarSoltos::IncluirSoltos(const std::vector<std::string>& itens) {
    TPerguntasSoltura perguntas;
    perguntas.PerguntarTitulo = [](const std::string& proposto) {
        return InputBox("Atalho", "Informe o título deste atalho:", proposto);
    };
    perguntas.MostrarErro = [](const std::string& mensagem) { MsgBoxErro(mensagem); };
    perguntas.TrazerParaFrente = [this] {
        if (barra_.hwnd()) SetForegroundWindow(barra_.hwnd());
    };
    const bool editarTitulo = barra_.Config().editarTitulo;
    int ninc = 0;
    try {
        ninc = nq::IncluirSoltos(barra_.cds, itens, editarTitulo, perguntas);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
    // One rebuild for the whole drop, and nothing at all when nothing was added.
    if (ninc <= 0 || !barra_.hwnd()) return;
    barra_.AtualizarIcones();
    barra_.Gravacao().SalvarAgora();
}

bool TBarSoltos::WMCopyData(const COPYDATASTRUCT* dados, LRESULT& resposta) {
    if (!dados || !soltarId_ || dados->dwData != soltarId_) return false;
    resposta = EntregarSoltos(*dados);
    return true;
}

bool TBarSoltos::EntregarSoltos(const COPYDATASTRUCT& dados) {
    // Another program's bytes: the block must hold a DROPFILES header, wide names after it, and end with
    // the empty name that closes the list, before it becomes a drop.
    const auto* bytes = static_cast<const BYTE*>(dados.lpData);
    const std::size_t tamanho = dados.cbData;
    if (!bytes || tamanho < sizeof(DROPFILES) + 2 * sizeof(wchar_t)) return false;
    DROPFILES cabecalho;
    std::memcpy(&cabecalho, bytes, sizeof cabecalho);
    if (!cabecalho.fWide || cabecalho.pFiles < sizeof(DROPFILES) || cabecalho.pFiles >= tamanho ||
        (tamanho - cabecalho.pFiles) % sizeof(wchar_t) != 0)
        return false;
    wchar_t fim[2];
    std::memcpy(fim, bytes + tamanho - sizeof fim, sizeof fim);
    if (fim[0] != L'\0' || fim[1] != L'\0') return false;
    HGLOBAL bloco = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, tamanho);
    if (!bloco) return false;
    if (void* destino = GlobalLock(bloco)) {
        std::memcpy(destino, bytes, tamanho);
        GlobalUnlock(bloco);
        // Delivered as the shell delivers a drop: the bar frees the block with DragFinish.
        if (PostMessageW(barra_.hwnd(), WM_DROPFILES, reinterpret_cast<WPARAM>(bloco), 0)) return true;
    }
    GlobalFree(bloco);
    return false;
}

}  // namespace nq
