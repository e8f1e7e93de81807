#include "dialogs/ItensEditaWin32.h"

#include "catalogue/Alvos.h"
#include "catalogue/AlvosWin32.h"
#include "catalogue/ClientDataset.h"
#include "dialogs/ItensEdita.h"
#include "resource.h"
#include "dialogs/Seldir2Win32.h"
#include "support/ArquivoDialogoWin32.h"
#include "support/Errors.h"
#include "support/NqFun.h"
#include "ui/NqMsgAllForm.h"
#include "ui/NqMsgAllFormWin32.h"

namespace nq {

TfrmItensEdita* frmItensEdita = nullptr;

namespace {

ProjetoDialogo DesenhoItensEdita() {
    ProjetoDialogo d = TfBase2::Desenho();
    d.titulo = "Programas e comandos (Edição)";
    d.largura = 537;
    d.altura = 219;
    // The base's buttons, moved to this window's corner; saving is this window's own step.
    ProjetoControle& salvar = d.controles[TfBase2::BitBtn1];
    salvar.r = {360, 184, 83, 25};
    salvar.resultado = 0;
    salvar.ordem = 5;
    ProjetoControle& cancelar = d.controles[TfBase2::BitBtn2];
    cancelar.r = {448, 184, 83, 25};
    cancelar.ordem = 6;
    auto& c = d.controles;
    c.push_back({.tipo = TipoControle::Linha,
                 .nome = "Bevel1",
                 .r = {8, 8, 521, 169},
                 .flags = fElevada,
                 .forma = TBevelShape::bsBox});
    // The labels stand level with their boxes; the radio buttons leave room for a wider face than
    // Tahoma where the system has none.
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Label1",
                 .texto = "Programa",
                 .r = {16, 16, 63, 21},
                 .flags = fSemQuebra | fTransparente | fCentroV});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Label2",
                 .texto = "Parâmetros",
                 .r = {16, 40, 63, 21},
                 .flags = fSemQuebra | fTransparente | fCentroV});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "Label3",
                 .texto = "Titulo",
                 .r = {16, 64, 63, 21},
                 .flags = fSemQuebra | fTransparente | fCentroV});
    c.push_back({.tipo = TipoControle::Edicao, .nome = "ePrograma", .r = {80, 16, 393, 21}, .ordem = 0});
    c.push_back({.tipo = TipoControle::Edicao, .nome = "eParam", .r = {80, 40, 393, 21}, .ordem = 1});
    c.push_back({.tipo = TipoControle::Edicao, .nome = "eTitulo", .r = {80, 64, 393, 21}, .ordem = 2});
    c.push_back({.tipo = TipoControle::BotaoPlano,
                 .nome = "bpesqArq",
                 .r = {472, 16, 23, 22},
                 .dica = "Procurar um programa ou arquivo",
                 .imagem = IDI_BTN_LUPA});
    c.push_back({.tipo = TipoControle::BotaoPlano,
                 .nome = "bpesqFolder",
                 .r = {496, 16, 23, 22},
                 .dica = "Procurar uma pasta",
                 .imagem = IDI_BTN_PASTA_AZUL});
    c.push_back({.tipo = TipoControle::Opcao,
                 .nome = "rIcone",
                 .texto = "Exibir como ícone",
                 .r = {80, 88, 115, 25},
                 .flags = fGrupo | fMarcado,
                 .ordem = 3});
    c.push_back({.tipo = TipoControle::Opcao,
                 .nome = "rMenu",
                 .texto = "Exibir no menu \"Outros atalhos\"",
                 .r = {200, 88, 220, 25},
                 .ordem = 4});
    c.push_back({.tipo = TipoControle::Linha,
                 .nome = "Bevel2",
                 .r = {80, 120, 49, 49},
                 .forma = TBevelShape::bsFrame});
    // The target's icon; the neutral picture while there is none.
    c.push_back(
        {.tipo = TipoControle::Imagem, .nome = "imgIco", .r = {88, 128, 32, 32}, .imagem = IDI_NEUTRO});
    return d;
}

}  // namespace

TfrmItensEdita::TfrmItensEdita(TClientDataset& cds, TEdicaoCatalogo* guarda)
    : TfBase2(DesenhoItensEdita(), kControles), cds_(cds) {
    dsPadrao = &cds_;
    edicao = guarda;
    Vincular(ePrograma, "Programa");
    Vincular(eParam, "Param");
    Vincular(eTitulo, "Titulo");
    frmItensEdita = this;
}

TfrmItensEdita::~TfrmItensEdita() {
    if (frmItensEdita == this) frmItensEdita = nullptr;
}

void TfrmItensEdita::FormShow() {
    TfBase2::FormShow();
    Marcar(cds_.FieldByName("OpcaoMenu").AsBoolean() ? rMenu : rIcone, true);
    // A picture of the last shortcut must not stand beside a new one.
    SetImagem(imgIco, IconHandle());
    if (cds_.State() == TDataSetState::dsEdit) updateIcon();
    Foco(ePrograma);  // the dialog manager selects all of its text
}

void TfrmItensEdita::Comando(int controle, int codigo) {
    TfBase2::Comando(controle, codigo);  // a bound box that loses the focus has stored its text first
    if (controle == ePrograma && codigo == EN_KILLFOCUS) eProgramaExit();
    if (controle == eTitulo && codigo == EN_SETFOCUS) eTituloEnter();
}

void TfrmItensEdita::Click(int controle) {
    if (controle == bpesqArq)
        bpesqArqClick();
    else if (controle == bpesqFolder)
        bpesqFolderClick();
    else
        TfBase2::Click(controle);
}

// A title typed by the user is never replaced; a blank one is proposed from the target.
void TfrmItensEdita::eTituloEnter() {
    if (Empty(Texto(eTitulo))) SetTexto(eTitulo, GetTitulo(Texto(ePrograma)));
    if (HWND w = Controle(eTitulo)) SendMessageW(w, EM_SETSEL, 0, -1);
}

void TfrmItensEdita::eProgramaExit() {
    const TDataSetState estado = cds_.State();
    if (estado == TDataSetState::dsInsert || estado == TDataSetState::dsEdit) {
        const std::string semAspas = GetPrograma(cds_.FieldByName("Programa").AsString());
        if (semAspas != cds_.FieldByName("Programa").AsString()) SetCampo("Programa", semAspas);
    }
    updateIcon();
}

void TfrmItensEdita::updateIcon() {
    IconHandle icone;
    // Whenever no icon can be had for the target, the neutral picture shows rather than an old one.
    if (!readIcon(Texto(ePrograma), icone)) icone = IconHandle();
    SetImagem(imgIco, std::move(icone));
}

void TfrmItensEdita::bpesqArqClick() {
    Foco(ePrograma);
    std::string arquivo;
    if (!PromptForFileName(arquivo, FILE_TYPES, "", TITLE, PastaDoTexto(Texto(ePrograma)))) return;
    SetCampo("Programa", arquivo);
    Foco(eParam);
}

void TfrmItensEdita::bpesqFolderClick() {
    Foco(ePrograma);
    std::string pasta;
    if (!Seldir(pasta, PastaDoTexto(Texto(ePrograma)), "", false)) return;
    SetCampo("Programa", pasta);
    // Entering the title box proposes the folder's name when the title is blank.
    Foco(eTitulo);
}

void TfrmItensEdita::BitBtn1Click() {
    const std::string programa = Texto(ePrograma);
    const TDecisaoItem d = DecidirItem(programa, cds_.FieldByName("Titulo").AsString(), Marcado(rMenu));
    if (d.falta == TDecisaoItem::Programa) {
        Foco(ePrograma);
        throw ENqError(d.mensagem);
    }
    if (d.falta == TDecisaoItem::Titulo) {
        Foco(eTitulo);
        throw ENqError(d.mensagem);
    }
    // A target that is not there may be one that comes later (a drive plugged in, a program installed):
    // the user decides.
    if (!d.encontrado && !Conf(kPerguntaNaoEncontrado, {programa}, 1)) {
        Foco(ePrograma);
        return;
    }
    if (d.guardar != programa) SetCampo("Programa", d.guardar);
    cds_.FieldByName("Icone").SetAsInteger(d.Icone);
    cds_.FieldByName("Tipo").SetAsInteger(d.Tipo);
    cds_.FieldByName("OpcaoMenu").SetAsBoolean(d.OpcaoMenu);
    Tag = 1;
    Fechar(mrOk);
}

}  // namespace nq
