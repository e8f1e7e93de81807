#pragma once
// The program's own message window: its text rules and the arithmetic of its layout, worked out in
// 96-dpi pixels from the screen's size and a measure of the wrapped text. The window itself is
// ui/NqMsgAllFormWin32.h.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/NqFun.h"
#include "ui/Geometry.h"

namespace nq {

enum TTipoMensagem { tmAviso = 0, tmErro = 1, tmConf = 2 };

// The message window's results: its buttons' and the close box's.
enum TResultadoMensagem { mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

constexpr int MinW = 290;  // least client width
constexpr int MinH = 110;  // least client height
constexpr int DIST = 8;    // margin
constexpr int DIST2 = 12;  // right margin of the text at first

// Sound numbers for MessageBeep.
constexpr unsigned kSomExclamacao = 0x30;
constexpr unsigned kSomAsterisco = 0x40;

// An error's text opens with the heading "ATENÇÃO!" unless it already has "ATENÇÃO!|" or "ERRO!|".
std::string ComCabecalho(std::string_view texto, TTipoMensagem tipo);

// Width of the widest line and height of all lines of a text wrapped at a width (an empty text is one
// line), in 96-dpi pixels.
struct TMedidaTexto {
    int largura = 0, altura = 0;
};
using TMedirTexto = std::function<TMedidaTexto(const std::string& texto, int largura)>;

struct TMsgAllLayout {
    std::string texto;  // as the label shows it
    int clientW = 0, clientH = 0;
    Rect rotulo;          // labelMens
    Rect imagem;          // the picture shown (imErro or imConf)
    int alturaFaixa = 0;  // the white band; the bevel line lies below it
    Rect bsim, bnao, bok;
    bool mostraOk = false, mostraSimNao = false;
    unsigned som = kSomExclamacao;
};

// The message window's layout for a text (with its heading already) on a screen of the given width,
// whose window frame is molduraW pixels wider than its client area (all in 96-dpi pixels).
TMsgAllLayout MsgAllLayout(std::string_view texto, TTipoMensagem tipo, int larguraTela, int molduraW,
                           const TMedirTexto& medir);

}  // namespace nq
