#pragma once
// The text input window TfmReadForm: one line of text asked for beside a picture of a sheet and a pen.

#include <string>

#include "ui/DialogoWin32.h"

namespace nq {

class TfmReadForm final : public TDialogo {
public:
    // The controls, named by their place in the table (kControles: the same, as the table names them).
    enum Controles : int {
        Shape1, Image1, Mens, Edit, btnOk, btnCanc,
    };
    static constexpr const char* kControles[] = {
        "Shape1", "Image1", "Mens", "Edit", "btnOk", "btnCanc",
    };

    TfmReadForm();
    std::string ValorInicial;

protected:
    void FormShow() override;
};

// Asks for one line of text: the typed text when confirmed with OK, otherwise the empty text. The
// caption is titulo, or the program's title when it is blank; every "|" of Msg is a line break.
std::string ReadLn(const std::string& titulo, const std::string& Msg, const std::string& ValIni);

// The program's text-input box: the edited text when confirmed with OK, the proposed text unchanged
// when cancelled. The caption is ACaption, or the program's title when it is blank.
std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& ADefault);

}  // namespace nq
