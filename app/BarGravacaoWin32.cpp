#include "app/BarGravacaoWin32.h"

#include <exception>

#include "app/MainWin32.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/AvisosConfig.h"
#include "catalogue/NqIniFiles.h"
#include "support/NqFunWin32.h"

namespace nq {

void TBarGravacao::Salvar(bool avisar) {
    if (!NqIni) return;
    try {
        // A catalogue that was never loaded must not replace the stored one.
        if (catalogoLido_) {
            if (barra_.cdsEdicao.Ativa()) {
                // A dialog is typing a record (a log-off came meanwhile): the stored records are saved
                // from a copy, and the record being typed stays the dialog's.
                TClientDataset copia;
                CriarCamposAtalho(copia);
                copia.CreateDataSet();
                barra_.cds.CopyStoredRecords(copia);
                readSaveIcons(copia, SAVE_INFO);
            } else {
                readSaveIcons(barra_.cds, SAVE_INFO);
            }
        }
        NqIni->UpdateFile();
    } catch (...) {
        if (avisar) Avisar();  // a copy kept before the failure is still news
        throw;
    }
    if (avisar) Avisar();
}

// Told without holding anything up: the desktop notice says a copy was kept; a click on it reads the
// whole of it.
void TBarGravacao::Avisar() {
    if (!NqIni) return;
    std::vector<std::string> avisos = TomarAvisosConfig(*NqIni);
    if (avisos.empty()) return;
    std::string texto;
    for (const std::string& a : avisos) texto += (texto.empty() ? "" : "\n\n") + a;
    barra_.Aviso().Show("Uma cópia do arquivo de configuração foi guardada ao lado dele. Clique aqui para ler.",
                        [texto] { MsgBox(texto); });
}

void TBarGravacao::SalvarAgora() {
    try {
        Salvar(!sessaoEncerrando_);
    } catch (const std::exception& e) {
        MsgBoxErro(e.what());
    }
}

void TBarGravacao::AoDestruir() {
    try {
        Salvar(false);  // a copy kept now is told at the next start: the end waits on nobody
    } catch (const std::exception& e) {
        // At the end of a session nobody is left to answer a message.
        if (!sessaoEncerrando_) MsgBoxErro(e.what());
    }
}

// Saved now, since the end may come without another word; the bar stays until the session really
// ends, because another program may still cancel the log-off.
void TBarGravacao::SessaoTerminando() {
    try {
        Salvar(false);  // a message now would hold the log-off up; it is told at the end
    } catch (const std::exception&) {
        // The system may be going down: nobody may be left to read a message.
    }
}

}  // namespace nq
