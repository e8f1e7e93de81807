#include "ui/NqMsgAllFormWin32.h"

#include <algorithm>

#include "resource.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFunWin32.h"
#include "support/Win32Text.h"

namespace nq {

TfmMsgAll* fmMsgAll = nullptr;

namespace {

ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.lugar = LugarDialogo::SobrePrincipalMaior;
    d.largura = 427;
    d.altura = 105;
    d.fonte = ProjetoFonte{"Tahoma", 9};
    auto& c = d.controles;
    c.push_back({.tipo = TipoControle::Faixa,
                 .nome = "sh",
                 .r = {0, 0, 427, 65},
                 .alinha = Alinhamento::alTop,
                 .cor = clWhite,
                 .corBorda = clWhite});
    c.push_back({.tipo = TipoControle::Linha,
                 .nome = "Bevel1",
                 .r = {0, 65, 427, 9},
                 .alinha = Alinhamento::alTop,
                 .forma = TBevelShape::bsTopLine});
    c.push_back({.tipo = TipoControle::Imagem,
                 .nome = "imErro",
                 .r = {152, 8, 48, 48},
                 .flags = fOculto,
                 .imagem = IDI_MSG_ERRO});
    c.push_back({.tipo = TipoControle::Imagem,
                 .nome = "imConf",
                 .r = {208, 8, 48, 48},
                 .flags = fOculto,
                 .imagem = IDI_MSG_CONF});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "labelMens",
                 .r = {72, 8, 337, 16},
                 .flags = fTransparente | fCentroV | fSemPrefixo,
                 .fonte = ProjetoFonte{.pontos = 10, .icone = true}});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bsim",
                 .texto = "&Sim",
                 .r = {0, 0, 89, 27},
                 .flags = fOculto,
                 .imagem = IDI_BTN_OK,
                 .resultado = mrYes,
                 .ordem = 0});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bnao",
                 .texto = "&Não",
                 .r = {0, 0, 89, 27},
                 .flags = fOculto | fCancelar,
                 .imagem = IDI_BTN_NAO,
                 .resultado = mrNo,
                 .ordem = 1});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bok",
                 .texto = "&OK",
                 .r = {0, 0, 97, 27},
                 .flags = fOculto | fCancelar,
                 .imagem = IDI_BTN_OK,
                 .resultado = mrOk,
                 .ordem = 2});
    return d;
}

// A length in device pixels as 96-dpi pixels, rounded up so that a text always fits.
int Em96(int px, int dpi) {
    return (px * 96 + dpi - 1) / dpi;
}

}  // namespace

TfmMsgAll::TfmMsgAll() : TDialogo(Desenho(), kControles) {}

void TfmMsgAll::FormCreate() {
    // The layout is worked out in 96-dpi pixels from the screen this window is on and its own frame.
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(hwnd(), MONITOR_DEFAULTTOPRIMARY), &mi);
    RECT janela{}, cliente{};
    GetWindowRect(hwnd(), &janela);
    GetClientRect(hwnd(), &cliente);
    const int dpi = Dpi();
    const int larguraTela = MulDiv(mi.rcMonitor.right - mi.rcMonitor.left, 96, dpi);
    const int molduraW = Em96((janela.right - janela.left) - cliente.right, dpi);

    HFONT fonte = FonteDe(labelMens);
    HDC dc = GetDC(hwnd());
    auto medir = [&](const std::string& texto, int largura) {
        const std::wstring w = Wide(texto.empty() ? std::string(" ") : texto);
        RECT r{0, 0, S(largura), 0};
        HGDIOBJ antes = SelectObject(dc, fonte);
        DrawTextW(dc, w.c_str(), static_cast<int>(w.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
        SelectObject(dc, antes);
        return TMedidaTexto{Em96(r.right - r.left, dpi), Em96(r.bottom - r.top, dpi)};
    };
    const TMsgAllLayout m = MsgAllLayout(Texto, FTipoMens, larguraTela, molduraW, medir);
    ReleaseDC(hwnd(), dc);

    Item(labelMens).r = m.rotulo;
    SetTexto(labelMens, m.texto);
    Item(sh).r.height = m.alturaFaixa;
    Item(bok).r = m.bok;
    Item(bsim).r = m.bsim;
    Item(bnao).r = m.bnao;
    const int imagem = FTipoMens == tmErro ? imErro : imConf;
    Item(imagem).r = m.imagem;
    Mostrar(imagem, FTipoMens == tmErro || FTipoMens == tmConf);
    Mostrar(bok, m.mostraOk);
    Mostrar(bsim, m.mostraSimNao);
    Mostrar(bnao, m.mostraSimNao);
    Som = m.som;
    Redimensionar(m.clientW, m.clientH);
}

void TfmMsgAll::FormShow() {
    MessageBeep(Som);
    if (FTipoMens == tmConf) {
        // No default button: Enter presses the button that has the focus, Esc "Não".
        SetPadrao(-1);
        Foco(FBotaoPadrao == 1 ? bsim : bnao);
    } else {
        SetPadrao(bok);
        Foco(bok);
    }
    SetForegroundWindow(hwnd());
}

void TfmMsgAll::Click(int controle) {
    if (controle == labelMens) labelMensClick();
}

void TfmMsgAll::labelMensClick() {
    const std::wstring texto = Wide(TDialogo::Texto(labelMens));
    // Another program may hold the clipboard for a moment.
    bool aberto = false;
    for (int tentativa = 0; tentativa < 20 && !(aberto = OpenClipboard(hwnd())); ++tentativa) Sleep(10);
    if (aberto) {
        EmptyClipboard();
        const std::size_t bytes = (texto.size() + 1) * sizeof(wchar_t);
        if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
            if (void* p = GlobalLock(mem)) {
                memcpy(p, texto.c_str(), bytes);
                GlobalUnlock(mem);
                if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
            } else {
                GlobalFree(mem);
            }
        }
        CloseClipboard();
    }
    MessageBeep(0);
}

int MsgAll(const std::string& ATexto, const std::string& ATitulo, TTipoMensagem ATipoMensagem,
           int ABotaoPadrao) {
    TfmMsgAll janela;
    janela.Texto = ComCabecalho(ATexto, ATipoMensagem);
    janela.FTipoMens = ATipoMensagem;
    janela.FBotaoPadrao = ABotaoPadrao;
    janela.SetCaption(ATitulo);
    TfmMsgAll* anterior = fmMsgAll;
    fmMsgAll = &janela;
    const int resultado = janela.ShowModal(JanelaDasMensagens());
    fmMsgAll = anterior;
    return resultado;
}

void Erro(const std::string& texto, const std::vector<std::string>& param, const std::string&, int) {
    MsgAll(Formatar(texto, param), ApplicationTitle, tmErro, 1);
}

void Erro(const std::string& texto, const std::string& titulo, int tempo) { Erro(texto, {}, titulo, tempo); }

bool Conf(const std::string& texto, const std::vector<std::string>& param, int botao_padrao) {
    return MsgAll(Formatar(texto, param), ApplicationTitle, tmConf, botao_padrao) == mrYes;
}

bool Conf(const std::string& texto, int botao_padrao) { return Conf(texto, {}, botao_padrao); }

}  // namespace nq
