#include "ui/NqReadlnFormWin32.h"

#include <algorithm>

#include "resource.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"
#include "ui/NqMsgAllForm.h"

namespace nq {

namespace {

ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.lugar = LugarDialogo::SobrePrincipalVisivel;
    d.largura = 364;
    d.altura = 129;
    d.fonte = ProjetoFonte{"Tahoma", 8};
    auto& c = d.controles;
    c.push_back({.tipo = TipoControle::Faixa,
                 .nome = "Shape1",
                 .r = {0, 0, 364, 89},
                 .ancoras = akLeft | akTop | akRight,
                 .cor = clWhite,
                 .corBorda = clSilver});
    c.push_back({.tipo = TipoControle::Imagem, .nome = "Image1", .r = {8, 8, 48, 65}, .imagem = IDI_ENTRADA});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Mens",
                 .r = {72, 8, 281, 33},
                 .flags = fTransparente | fCentroV});
    c.push_back({.tipo = TipoControle::Edicao, .nome = "Edit", .r = {72, 48, 281, 21}});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "btnOk",
                 .texto = "OK",
                 .r = {168, 96, 89, 25},
                 .flags = fPadrao,
                 .resultado = mrOk});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "btnCanc",
                 .texto = "Cancelar",
                 .r = {264, 96, 89, 25},
                 .flags = fCancelar,
                 .resultado = mrCancel});
    return d;
}

}  // namespace

TfmReadForm::TfmReadForm() : TDialogo(Desenho(), kControles) {
    Item(Edit).fonte = ProjetoFonte{FMsgFonteFixa.empty() ? "Courier New" : FMsgFonteFixa, 10};
}

void TfmReadForm::FormShow() {
    SetTexto(Edit, ValorInicial);
    Foco(Edit);  // the dialog manager selects all of its text
}

std::string ReadLn(const std::string& titulo, const std::string& Msg, const std::string& ValIni) {
    TfmReadForm janela;
    janela.SetCaption(Empty(titulo) ? ApplicationTitle : titulo);
    janela.Item(TfmReadForm::Mens).texto = TextoMensagem(Msg);
    janela.ValorInicial = ValIni;
    return janela.ShowModal(JanelaDasMensagens()) == mrOk ? janela.Texto(TfmReadForm::Edit) : std::string();
}

std::string InputBox(const std::string& ACaption, const std::string& APrompt, const std::string& ADefault) {
    TfmReadForm janela;
    janela.SetCaption(Empty(ACaption) ? ApplicationTitle : ACaption);
    janela.Item(TfmReadForm::Mens).texto = TextoMensagem(APrompt);
    janela.ValorInicial = ADefault;
    return janela.ShowModal(JanelaDasMensagens()) == mrOk ? janela.Texto(TfmReadForm::Edit) : ADefault;
}

}  // namespace nq
