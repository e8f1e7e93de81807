#include "dialogs/Base2Win32.h"

#include <winspool.h>

#include <algorithm>

#include "catalogue/ClientDataset.h"
#include "catalogue/EdicaoCatalogo.h"
#include "resource.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqEnterAsTabWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"
#include "support/Win32Text.h"
#include "ui/NqMsgAllForm.h"
#include "ui/NqMsgAllFormWin32.h"

namespace nq {

namespace {

constexpr const char* kPerguntaImprimir = "Deseja imprimir esta tela na impressora padrão?";
constexpr const char* kSemImpressora = "Não há uma impressora padrão instalada.|A tela não foi impressa.";
constexpr const char* kFalhaImpressao = "Não foi possível imprimir esta tela na impressora padrão.";

// A printer's device context, deleted with it.
class ImpressoraDc {
public:
    explicit ImpressoraDc(const std::wstring& nome)
        : dc_(CreateDCW(L"WINSPOOL", nome.c_str(), nullptr, nullptr)) {}
    ~ImpressoraDc() {
        if (dc_) DeleteDC(dc_);
    }
    ImpressoraDc(const ImpressoraDc&) = delete;
    ImpressoraDc& operator=(const ImpressoraDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

bool EhCaixaDeMarcar(TipoControle t) {
    return t == TipoControle::Caixa || t == TipoControle::Opcao || t == TipoControle::Grupo;
}

}  // namespace

ProjetoDialogo TfBase2::Desenho() {
    ProjetoDialogo d;
    d.titulo = "?";
    d.enterComoTab = true;
    d.botaoF5 = BitBtn1;
    d.botaoEsc = BitBtn2;
    d.largura = 530;
    d.altura = 338;
    d.fonte = ProjetoFonte{"Tahoma", 0, 11};
    auto& c = d.controles;
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "BitBtn1",
                 .texto = "Salvar | F5",
                 .r = {352, 304, 83, 25},
                 .fonte = ProjetoFonte{"Tahoma", 0, 9},
                 .dica = "Salvar as informações digitadas (F5)",
                 .imagem = IDI_BTN_SALVAR,
                 .resultado = mrOk,
                 .ordem = 0});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "BitBtn2",
                 .texto = "Cancelar",
                 .r = {440, 304, 83, 25},
                 .fonte = ProjetoFonte{"Tahoma", 0, 11},
                 .dica = "Cancelar as alterações realizadas (Esc)",
                 .imagem = IDI_BTN_CANCELAR,
                 .resultado = mrCancel,
                 .ordem = 1});
    return d;
}

namespace {
ProjetoDialogo Arredondado(ProjetoDialogo projeto) {
    // The window rounds its client area when it is created: height first, then width.
    projeto.altura = ArredondaQuatro(projeto.altura);
    projeto.largura = ArredondaQuatro(projeto.largura);
    return projeto;
}
}  // namespace

TfBase2::TfBase2(ProjetoDialogo projeto, std::span<const char* const> controles)
    : TDialogo(Arredondado(std::move(projeto)), controles) {}

TfBase2::~TfBase2() = default;

bool TfBase2::Open(const std::string& ACaption) {
    if (!Empty(ACaption)) SetCaption(ACaption);
    HWND dono = JanelaDasMensagens();
    int resultado = mrCancel;
    {
        TEdicaoEmCurso registro(edicao);
        resultado = ShowModal(dono);
    }
    return resultado == mrOk || Tag == 1;
}

void TfBase2::DesenhaCheckBoxes() {
    const auto& controles = Projeto().controles;
    for (std::size_t i = 0; i < controles.size(); ++i)
        if (EhCaixaDeMarcar(controles[i].tipo))
            if (HWND w = Controle(static_cast<int>(i))) InvalidateRect(w, nullptr, TRUE);
}

// --- The bound edit boxes ---------------------------------------------------------------------------

void TfBase2::Vincular(int edicao, std::string campo) {
    vinculos_.emplace_back(edicao, std::move(campo));
}

void TfBase2::MostrarCampos() {
    if (!dsPadrao) return;
    for (const auto& [e, campo] : vinculos_) SetTexto(e, dsPadrao->FieldByName(campo).AsString());
}

void TfBase2::GravarCampo(int edicao) {
    if (!dsPadrao) return;
    const TDataSetState estado = dsPadrao->State();
    if (estado != TDataSetState::dsInsert && estado != TDataSetState::dsEdit) return;
    for (const auto& [e, campo] : vinculos_) {
        if (e != edicao) continue;
        TField& f = dsPadrao->FieldByName(campo);
        const std::string texto = Texto(e);
        if (texto != f.AsString()) f.SetAsString(texto);
    }
}

void TfBase2::SetCampo(const std::string& campo, const std::string& valor) {
    if (!dsPadrao) return;
    TField& f = dsPadrao->FieldByName(campo);
    f.SetAsString(valor);
    for (const auto& [e, c] : vinculos_)
        if (SameText(c, campo) && Texto(e) != f.AsString()) SetTexto(e, f.AsString());
}

// --- Events -----------------------------------------------------------------------------------------

void TfBase2::FormCreate() {
    // Each box takes no more characters than its field holds.
    if (dsPadrao)
        for (const auto& [e, campo] : vinculos_)
            if (HWND w = Controle(e))
                SendMessageW(w, EM_LIMITTEXT, static_cast<WPARAM>(dsPadrao->FieldByName(campo).Size()), 0);
}

void TfBase2::FormShow() {
    MostrarCampos();
}

void TfBase2::Click(int controle) {
    if (controle == BitBtn1) BitBtn1Click();
    // "Cancelar" closes the dialog through its result.
}

void TfBase2::Comando(int controle, int codigo) {
    if (codigo == EN_KILLFOCUS) GravarCampo(controle);
}

void TfBase2::DuploClique() {
    if (Conf(kPerguntaImprimir, 2)) Imprimir();
}

void TfBase2::Imprimir() {
    DWORD n = 0;
    GetDefaultPrinterW(nullptr, &n);
    std::wstring nome(n, L'\0');
    if (n == 0 || !GetDefaultPrinterW(nome.data(), &n)) {
        Erro(kSemImpressora);
        return;
    }
    nome.resize(wcsnlen(nome.c_str(), nome.size()));
    UpdateWindow(hwnd());
    RECT r{};
    GetWindowRect(hwnd(), &r);
    const int w = r.right - r.left, h = r.bottom - r.top;

    // The window as it shows on the screen, in a picture of its own.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    MemoryDC mem(nullptr);
    BitmapHandle imagem(CreateDIBSection(mem.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool ok = imagem && mem.get();
    if (ok) {
        ScopedSelectObject sel(mem.get(), imagem.get());
        if (!PrintWindow(hwnd(), mem.get(), 0)) {
            HDC tela = GetDC(nullptr);
            BitBlt(mem.get(), 0, 0, w, h, tela, r.left, r.top, SRCCOPY);
            ReleaseDC(nullptr, tela);
        }
        GdiFlush();
    }

    ImpressoraDc impressora(nome);
    ok = ok && impressora.get();
    if (ok) {
        // At its size on the screen: the printer's dots per inch over the window's.
        const int largura = MulDiv(w, GetDeviceCaps(impressora.get(), LOGPIXELSX), Dpi());
        const int altura = MulDiv(h, GetDeviceCaps(impressora.get(), LOGPIXELSY), Dpi());
        const std::wstring documento = Wide(ApplicationTitle.empty() ? Caption() : ApplicationTitle);
        DOCINFOW di{};
        di.cbSize = sizeof di;
        di.lpszDocName = documento.c_str();
        ok = StartDocW(impressora.get(), &di) > 0;
        if (ok) {
            ok = StartPage(impressora.get()) > 0 &&
                 StretchDIBits(impressora.get(), 0, 0, largura, altura, 0, 0, w, h, bits, &bi, DIB_RGB_COLORS,
                               SRCCOPY) != 0 &&
                 EndPage(impressora.get()) > 0;
            if (ok)
                ok = EndDoc(impressora.get()) > 0;
            else
                AbortDoc(impressora.get());
        }
    }
    if (!ok) Erro(kFalhaImpressao);
}

}  // namespace nq
