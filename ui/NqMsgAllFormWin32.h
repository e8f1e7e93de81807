#pragma once
// The program's own message window TfmMsgAll: an error with "OK" or a question with "Sim" and "Não",
// beside its picture on a white band, sized to its text.

#include <string>

#include "ui/DialogoWin32.h"
#include "ui/NqMsgAllForm.h"

namespace nq {

class TfmMsgAll final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        sh, Bevel1, imErro, imConf, labelMens, bsim, bnao, bok,
    };
    static constexpr const char* kControles[] = {
        "sh", "Bevel1", "imErro", "imConf", "labelMens", "bsim", "bnao", "bok",
    };

    TfmMsgAll();

    int FBotaoPadrao = 2;  // the question's button that has the focus at first: 1 "Sim", 2 "Não"
    TTipoMensagem FTipoMens = tmErro;
    std::string Texto;  // the message, "|" for line breaks, heading included
    unsigned Som = kSomExclamacao;

protected:
    void FormCreate() override;
    void FormShow() override;
    void Click(int controle) override;

private:
    void labelMensClick();
};

// The message window being shown, while there is one.
extern TfmMsgAll* fmMsgAll;

// Builds, shows and releases the message window; its result: 1 "OK", 6 "Sim", 7 "Não", 2 closed.
int MsgAll(const std::string& ATexto, const std::string& ATitulo, TTipoMensagem ATipoMensagem,
           int ABotaoPadrao);

// An error in the program's message window, with "OK": each "%s" of texto takes the next value. The
// caption is the program's title (titulo and tempo are kept for the callers and have no effect).
void Erro(const std::string& texto, const std::vector<std::string>& param, const std::string& titulo = "",
          int tempo = 0);
void Erro(const std::string& texto, const std::string& titulo = "", int tempo = 0);

// A question in the program's message window: true only for "Sim". botao_padrao 2 gives "Não" the
// focus at first.
bool Conf(const std::string& texto, const std::vector<std::string>& param, int botao_padrao = 2);
bool Conf(const std::string& texto, int botao_padrao = 2);

}  // namespace nq
