#pragma once
// The program's own message window TfmMsgAll: an error with "OK" or a question with "Sim" and "Não",
// beside its picture on a white band, sized to its text.

#include <string>

#include "support/NqMsgAllForm.h"
#include "ui/DialogoWin32.h"

namespace nq {

class TfmMsgAll final : public TDialogo {
public:
    TfmMsgAll();

    int FBotaoPadrao = 2;  // the question's button that has the focus at first: 1 "Sim", 2 "Não"
    TTipoMensagem FTipoMens = tmErro;
    std::string Texto;  // the message, "|" for line breaks, heading included
    unsigned Som = kSomExclamacao;

protected:
    void FormCreate() override;
    void FormShow() override;
    void Click(const std::string& nome) override;
    void Posicionar() override;

private:
    void labelMensClick();
};

// The message window being shown, while there is one.
extern TfmMsgAll* fmMsgAll;

// Builds, shows and releases the message window; its result: 1 "OK", 6 "Sim", 7 "Não", 2 closed.
int MsgAll(const std::string& ATexto, const std::string& ATitulo, TTipoMensagem ATipoMensagem,
           int ABotaoPadrao);

}  // namespace nq
