#include "app/NqSobreWin32.h"

#include <shellapi.h>

#include "resource.h"
#include "app/NqSobre.h"
#include "catalogue/NqIniFiles.h"
#include "support/Caminho.h"
#include "support/NqConst.h"
#include "support/NqDlg.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"
#include "support/RegistroDeEventosWin32.h"
#include "support/Win32Text.h"
#include "ui/NqMsgAllForm.h"

namespace nq {

namespace {

ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.lugar = LugarDialogo::SobrePrincipalMaior;
    d.titulo = "Sobre o sistema";
    d.largura = 497;
    d.altura = 265;
    d.fonte = ProjetoFonte{"Tahoma", 8};
    auto& c = d.controles;
    const TColor navy = RGBColor(0, 0, 128);
    c.push_back({.tipo = TipoControle::Faixa,
                 .nome = "Shape1",
                 .r = {0, 0, 497, 57},
                 .cor = clWhite,
                 .corBorda = clWhite});
    c.push_back({.tipo = TipoControle::Imagem, .nome = "imgIcone", .r = {8, 8, 32, 36}, .imagem = IDI_PIVEL});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lblNomesis",
                 .r = {56, 8, 433, 20},
                 .flags = fTransparente | fSemQuebra,
                 .fonte = ProjetoFonte{"Tahoma", 12, 0, true, false, false, false, navy}});
    c.push_back(
        {.tipo = TipoControle::Rotulo,
         .nome = "lblVersao",
         .r = {56, 32, 433, 14},
         .flags = fTransparente | fSemQuebra,
         .fonte = ProjetoFonte{"Tahoma", 8, 0, true, false, false, false, RGBColor(0xC1, 0x88, 0x11)}});
    c.push_back({.tipo = TipoControle::Linha,
                 .nome = "NqBevel3",
                 .r = {0, 57, 497, 9},
                 .forma = TBevelShape::bsTopLine});
    // The project: a picture, the name and what the program is for; below the line its notice and licence.
    c.push_back(
        {.tipo = TipoControle::Imagem, .nome = "imgFornecedor", .r = {16, 66, 32, 32}, .imagem = IDI_LOGO});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbFornecedor",
                 .r = {64, 66, 417, 16},
                 .flags = fSemQuebra | fSemPrefixo,
                 .fonte = ProjetoFonte{"Tahoma", 9, 0, true}});
    c.push_back(
        {.tipo = TipoControle::Rotulo, .nome = "lbDescricao", .r = {64, 84, 417, 16}, .flags = fSemPrefixo});
    c.push_back({.tipo = TipoControle::Linha, .nome = "NqBevel2", .r = {8, 104, 481, 14}});
    c.push_back(
        {.tipo = TipoControle::Rotulo, .nome = "lbAviso", .r = {16, 120, 465, 16}, .flags = fSemPrefixo});
    // Where the program lives: its folder and the settings file in use (beside it, or in the user's
    // application data). A long path wraps onto a second line.
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbPastaTitulo",
                 .texto = "Pasta do programa:",
                 .r = {16, 148, 116, 16},
                 .flags = fSemQuebra});
    c.push_back(
        {.tipo = TipoControle::Rotulo, .nome = "lbPasta", .r = {136, 148, 345, 28}, .flags = fSemPrefixo});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbConfigTitulo",
                 .texto = "Configurações:",
                 .r = {16, 180, 116, 16},
                 .flags = fSemQuebra});
    c.push_back(
        {.tipo = TipoControle::Rotulo, .nome = "lbConfig", .r = {136, 180, 345, 28}, .flags = fSemPrefixo});
    c.push_back({.tipo = TipoControle::Linha, .nome = "NqBevel1", .r = {8, 208, 481, 14}});
    // The diagnostic log, for a user asked to send it.
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbRegistro",
                 .texto = "Abrir registro de eventos",
                 .r = {16, 237, 250, 16},
                 .flags = fSemQuebra | fSemPrefixo | fLink});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "BitBtn1",
                 .texto = "OK",
                 .r = {408, 232, 81, 25},
                 .flags = fPadrao | fCancelar,
                 .imagem = IDI_BTN_OK,
                 .resultado = mrOk});
    return d;
}

}  // namespace

TfrmSobre::TfrmSobre() : TDialogo(Desenho(), kControles) {}

void TfrmSobre::FormCreate() {
    SetTexto(lblNomesis, ApplicationTitle);
    SetTexto(lblVersao, "Versão " + GetVersionSis(false));
    SetTexto(lbFornecedor, kProjeto.nome);
    SetTexto(lbDescricao, kProjeto.descricao);
    SetTexto(lbAviso, AvisoDireitos(AnoData(FileDate(ExeName))));
    // As the system spells it (DirAplic is in FormatPath's capitalised form).
    SetTexto(lbPasta, std::string(PastaDoCaminho(ExeName)));
    SetTexto(lbConfig, NqIni ? NqIni->FileName() : std::string());
}

void TfrmSobre::FormShow() {
    Foco(BitBtn1);
}

void TfrmSobre::Click(int controle) {
    if (controle == lbRegistro) lbRegistroClick();
}

// The log as it stands now: what is queued is written first, and a log never written yet gets its first
// line, so that there is always a file to open.
void TfrmSobre::lbRegistroClick() {
    const std::string arquivo = ArquivoDoRegistroDeEventos();
    if (arquivo.empty()) return;
    RegistrarEvento(TNivelEvento::Info, "Registro de eventos aberto pelo usuário");
    AguardarRegistroDeEventos(std::chrono::seconds(1));
    TCursorOcupado ocupado;
    // A system without a program for ".log" (Wine, say) still has the notepad.
    if (!AbrirArquivoAssoc(arquivo))
        ShellExecuteW(hwnd(), L"open", L"notepad.exe", Wide("\"" + arquivo + "\"").c_str(), nullptr, SW_SHOWNORMAL);
}

bool TNqSobre::MenuSobreClick(UINT comando) {
    if (!FMenuSobre || comando != FMenuSobre) return false;
    Show();
    return true;
}

void TNqSobre::Show() {
    TfrmSobre janela;
    janela.ShowModal(JanelaDasMensagens());
}

}  // namespace nq
