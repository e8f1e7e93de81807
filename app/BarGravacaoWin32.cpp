#include "app/BarGravacaoWin32.h"

#include <windows.h>

#include <exception>

#include "app/MainWin32.h"
#include "catalogue/Auxiliares.h"
#include "catalogue/AvisosConfig.h"
#include "catalogue/LocalConfig.h"
#include "catalogue/LocalConfigWin32.h"
#include "catalogue/NqIniFiles.h"
#include "support/NqFunWin32.h"
#include "support/RegistroDeEventos.h"

namespace nq {

namespace {

LocalTime Agora() {
    SYSTEMTIME st{};
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds};
}

}  // namespace

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

std::string TBarGravacao::SalvarOuGuardar(bool avisar) {
    try {
        Salvar(avisar);
        return {};
    } catch (const std::exception& e) {
        // What the file would not take goes to application data: one file for the run, the latest state.
        const std::string pasta = PastaDeDados();
        const std::string bytes = NqIni->FileContent();
        bool guardado = false;
        if (!guardadoEm_.empty()) {
            try {
                CurrentPlatform().files->ReplaceAll(guardadoEm_, bytes);
                guardado = true;
            } catch (const std::exception&) {
                // A new one is tried below.
            }
        }
        if (!guardado) guardadoEm_ = GuardarNaoGravado(NqIni->FileName(), pasta, bytes, Agora());
        RegistrarEvento(TNivelEvento::Erro, std::string(e.what()) +
                                            (guardadoEm_.empty() ? "; nenhuma cópia pôde ser guardada"
                                                                 : "; configuração guardada em " + guardadoEm_));
        return TextoFalhaAoGravar(e.what(), guardadoEm_, pasta);
    }
}

void TBarGravacao::Mostrar(const std::string& resumo, const std::string& texto) {
    barra_.Aviso().Show(resumo + " Clique aqui para ler.", [texto] { MsgBox(texto); });
}

// Told without holding anything up: the desktop notice says a copy was kept; a click on it reads the
// whole of it.
void TBarGravacao::Avisar() {
    if (!NqIni) return;
    std::vector<std::string> avisos = TomarAvisosConfig(*NqIni);
    if (avisos.empty()) return;
    std::string texto;
    for (const std::string& a : avisos) {
        texto += (texto.empty() ? "" : "\n\n") + a;
        RegistrarEvento(TNivelEvento::Aviso, a);
    }
    Mostrar("Uma cópia do arquivo de configuração foi guardada ao lado dele.", texto);
}

void TBarGravacao::AvisarAoMostrar() {
    if (!NqIni) return;
    const std::string arquivo = NqIni->FileName();
    const bool ilegivel = NqIni->Unreadable();
    const std::string motivo = MotivoSemGravacao(arquivo);
    const std::string pasta = PastaDeDados();
    const std::vector<std::string> pendentes = NaoGravadosPendentes(arquivo, pasta);
    const std::string problema = TextoConfigSemGravacao(arquivo, motivo, ilegivel, pasta, pendentes);
    if (problema.empty()) {
        Avisar();
        return;
    }
    RegistrarEvento(ilegivel || !motivo.empty() ? TNivelEvento::Erro : TNivelEvento::Aviso, problema);
    // Copies kept beside the file are told in the same notice: one notice shows at a time.
    std::string texto = problema;
    for (const std::string& a : TomarAvisosConfig(*NqIni)) {
        texto += "\n\n" + a;
        RegistrarEvento(TNivelEvento::Aviso, a);
    }
    Mostrar(ilegivel             ? "O arquivo de configuração não pôde ser lido."
            : !motivo.empty()    ? "O arquivo de configuração não pode ser gravado."
                                 : "Há alterações que não puderam ser gravadas.",
            texto);
}

void TBarGravacao::SalvarAgora() {
    const std::string falha = SalvarOuGuardar(!sessaoEncerrando_);
    if (!falha.empty() && !sessaoEncerrando_) Mostrar("Não foi possível gravar o arquivo de configuração.", falha);
}

// Nobody is waited for at the end: a failure keeps the settings in application data, and the next start
// tells it (a copy kept beside the file too).
void TBarGravacao::AoDestruir() { SalvarOuGuardar(false); }

// Saved now, since the end may come without another word; the bar stays until the session really
// ends, because another program may still cancel the log-off. A message now would hold the log-off up.
void TBarGravacao::SessaoVaiEncerrar() { SalvarOuGuardar(false); }

}  // namespace nq
