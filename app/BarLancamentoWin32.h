#pragma once
// Launching the bar's shortcuts and looking at their targets. The target worker finds out, for the
// buttons that show, whether each target exists and its icon; the launcher's thread asks the shell to
// open a target. Neither ever holds up the bar's window thread: both post their answers back.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "app/BuscaAlvos.h"
#include "app/Lancamento.h"
#include "app/MensagensBarraWin32.h"
#include "support/Trabalhador.h"
#include "support/Win32Handles.h"

namespace nq {

class TfrmMainPivel;

// A shortcut's icon, as the target worker hands it over.
struct TImagemIcone final : TImagem {
    IconHandle icone;
};

// How a launch ended, when there is something to tell.
struct TFimLancamento {
    std::string naoEncontrado;  // a target that was not found: nothing was opened
    std::string falha;          // a failed launch: the shortcut, its target and the system's reason
};

class TBarLancamento {
public:
    explicit TBarLancamento(TfrmMainPivel& barra) : barra_(barra) {}

    // Starts both workers; their answers go to the bar's window.
    void Iniciar();
    TBuscaAlvos* Busca() const { return busca_.get(); }

    // Launches on the launcher's thread what `ler` works out there (it may look at the disk).
    void clickIcone(std::function<TAtalhoRec()> ler);
    // The bar's button i.
    void clickBotao(std::size_t i);
    // The file manager on the folder that holds a target, with the target selected; a target that is
    // gone is told of, and nothing is opened.
    void AbrirLocal(const std::string& programa);
    // WM_LANCADO: the launch is over.
    void Lancado(bool ok, LPARAM fim = 0);
    // WM_ALVO_BUSCADO: a button's target is known; its button is painted again.
    void Recebido(LPARAM resposta);
    // The window goes: answers still waiting would be lost with it, and their icons with them.
    void DescartarRespostas();

private:
    // Runs a job on the launcher's thread with the busy pointer on; it answers false when the notice
    // must tell of a failure, and says what a click on the notice reads or names a target it did not find.
    void Lancar(std::function<bool(HWND, TFimLancamento&)> trabalho);

    TfrmMainPivel& barra_;
    std::unique_ptr<TBuscaAlvos> busca_;
    std::unique_ptr<TTrabalhador> lancador_;
    int lancamentos_ = 0;  // launches under way: the busy pointer shows meanwhile
    bool focoNoClique_ = false;
};

}  // namespace nq
