#include "ui/NqMsgAllForm.h"

#include <algorithm>

#include "support/NqFun.h"

namespace nq {

namespace {
constexpr int kRotuloLeft = 72, kRotuloTop = 8;
constexpr int kOkW = 97, kSimNaoW = 89, kBotaoH = 27;
constexpr int kFaixaH = 65, kImagem = 48;
}  // namespace

std::string ComCabecalho(std::string_view texto, TTipoMensagem tipo) {
    if (tipo != tmErro || texto.starts_with("ATENÇÃO!|") || texto.starts_with("ERRO!|"))
        return std::string(texto);
    return "ATENÇÃO!|" + std::string(texto);
}

TMsgAllLayout MsgAllLayout(std::string_view texto, TTipoMensagem tipo, int larguraTela, int molduraW,
                           const TMedirTexto& medir) {
    TMsgAllLayout m;
    // First width: the window is 40 % of the screen, the text as wide as its client area allows.
    m.clientW = larguraTela * 40 / 100 - molduraW;
    m.rotulo = Rect{kRotuloLeft, kRotuloTop, m.clientW - DIST2 - kRotuloLeft, 0};

    // Text and size: the label takes its wrapped text's size, the window what the label needs.
    m.texto = TextoMensagem(texto);
    const TMedidaTexto t = medir(m.texto, m.rotulo.width);
    m.rotulo.width = t.largura;
    m.rotulo.height = t.altura;
    m.som = kSomExclamacao;
    m.clientW = std::max(MinW, m.rotulo.left + m.rotulo.width + 16);
    m.clientH = std::max(MinH, m.rotulo.top + m.rotulo.height + kBotaoH + 32);

    // Buttons: never wider than 95 % of the screen; OK in the corner, "Sim" and "Não" beside it.
    m.mostraOk = tipo == tmErro;
    m.mostraSimNao = tipo == tmConf;
    const int maximo = larguraTela * 95 / 100;
    if (m.clientW > maximo) {
        m.clientW = maximo;
        m.rotulo.width = m.clientW - m.rotulo.left - DIST;
    }
    if (tipo == tmErro) m.som = kSomAsterisco;
    m.bok = Rect{m.clientW - kOkW - DIST, m.clientH - kBotaoH - DIST, kOkW, kBotaoH};
    m.bsim = Rect{m.bok.left - kSimNaoW, m.bok.top, kSimNaoW, kBotaoH};
    m.bnao = Rect{m.bsim.left + kSimNaoW + DIST, m.bok.top, kSimNaoW, kBotaoH};

    // The band grows with the text; a short text is centred on the picture.
    m.alturaFaixa = std::max(kFaixaH, m.rotulo.height + 20);
    m.imagem = Rect{DIST, 8, kImagem, kImagem};
    if (m.rotulo.height < kImagem) m.rotulo.top += (kImagem - m.rotulo.height) / 2;
    return m;
}

}  // namespace nq
