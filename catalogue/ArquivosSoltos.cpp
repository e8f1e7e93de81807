#include "catalogue/ArquivosSoltos.h"

#include <exception>

#include "catalogue/Alvos.h"
#include "catalogue/Auxiliares.h"
#include "support/NqFun.h"
#include "support/Platform.h"

namespace nq {

int IncluirSoltos(TClientDataset& cds, const std::vector<std::string>& itens, bool editarTitulo,
                  const TPerguntasSoltura& perguntas) {
    IShell& shell = *CurrentPlatform().shell;
    int ninc = 0;
    for (const std::string& arq : itens) {
        if (Empty(arq)) break;
        if (!shell.FileExists(arq) && !shell.DirectoryExists(arq)) continue;
        std::string p, pp, t;
        if (ExtensaoArquivo(arq) == ".lnk") {
            try {
                ReadLink(arq, p, pp, t);
            } catch (const std::exception& e) {
                // The system cannot read links: every other link of the drop would fail the same way.
                if (perguntas.MostrarErro) perguntas.MostrarErro(e.what());
                break;
            }
            // A link to a folder, to a web address, or one whose program is gone.
            if (!shell.FileExists(p)) {
                if (perguntas.MostrarErro) perguntas.MostrarErro(kLinkSemPrograma + arq);
                continue;
            }
        } else {
            p = GetPrograma(arq);
            t = GetTitulo(arq);
        }
        if (perguntas.TrazerParaFrente) perguntas.TrazerParaFrente();
        if (editarTitulo && perguntas.PerguntarTitulo) t = perguntas.PerguntarTitulo(t);
        if (Empty(t)) continue;
        IncluirIcone(cds, p, pp, t);
        ++ninc;
    }
    return ninc;
}

}  // namespace nq
