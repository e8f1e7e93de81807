#include "dialogs/Seldir2Win32.h"

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <thread>

#include "resource.h"
#include "dialogs/Seldir2.h"
#include "support/Caminho.h"
#include "support/NqConst.h"
#include "support/NqDlgWin32.h"
#include "support/NqFun.h"
#include "support/NqFunWin32.h"
#include "support/Platform.h"
#include "support/Text.h"
#include "support/Win32Text.h"
#include "ui/ImagensWin32.h"
#include "ui/NqMsgAllForm.h"
#include "ui/NqMsgAllFormWin32.h"
#include "ui/NqReadlnFormWin32.h"

namespace nq {

namespace {

constexpr UINT WM_PASTA_LISTADA = WM_APP + 20;  // a worker has listed a folder
constexpr UINT WM_PASTA_CLICADA = WM_APP + 21;  // a row of the folder list was clicked

// A single click on a row of the folder list opens its folder (the arrow keys only move the mark).
LRESULT CALLBACK ListaProc(HWND lista, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(lista, ListaProc, 1);
    const LRESULT r = DefSubclassProc(lista, msg, wp, lp);
    if (msg == WM_LBUTTONUP) {
        const LRESULT item = SendMessageW(lista, LB_ITEMFROMPOINT, 0, lp);
        if (HIWORD(item) == 0) PostMessageW(GetAncestor(lista, GA_ROOT), WM_PASTA_CLICADA, LOWORD(item), 0);
    }
    return r;
}
constexpr int kTopoH = 105, kBaixoH = 41;

ProjetoDialogo Desenho() {
    ProjetoDialogo d;
    d.lugar = LugarDialogo::SobrePrincipalMaiorAlta;
    d.titulo = "Selecione uma pasta";
    // The design gives the window's outer size, 444 x 501, which is also its least size; the client
    // area is that less the frame, fitted when the window exists.
    d.largura = 436;
    d.altura = 473;
    d.redimensionavel = true;
    d.larguraMinima = 444;
    d.alturaMinima = 501;
    d.fonte = ProjetoFonte{"Tahoma", 8};
    auto& c = d.controles;
    const unsigned lados = akLeft | akTop | akRight;
    c.push_back({.tipo = TipoControle::Painel,
                 .nome = "pnTopo",
                 .r = {0, 0, 436, kTopoH},
                 .alinha = Alinhamento::alTop,
                 .borda = 4});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "lbpasta",
                 .r = {0, 0, 428, 16},
                 .pai = "pnTopo",
                 .flags = fSemQuebra | fSemPrefixo | fCentroV,
                 .alinha = Alinhamento::alBottom,
                 .fonte = ProjetoFonte{"Tahoma", 8, 0, true, false, false, false, RGBColor(0, 0, 255)}});
    c.push_back({.tipo = TipoControle::Abas,
                 .nome = "pcc",
                 .r = {0, 0, 428, 81},
                 .pai = "pnTopo",
                 .alinha = Alinhamento::alClient,
                 .alturaItem = 25,
                 .larguraItem = 130});
    AdicionarPagina(c, "pcc", {.nome = "tsUnid", .texto = "Unidades de Disco"},
                    {{.tipo = TipoControle::Combo,
                      .nome = "Unidades",
                      .r = {8, 8, 404, 27},
                      .ancoras = lados,
                      .fonte = ProjetoFonte{"Tahoma", 12}}});
    std::vector<ProjetoControle> pastas;
    int x = 4;
    for (const TPastaSistema& p : PastasSistema()) {
        pastas.push_back({.tipo = TipoControle::Botao, .nome = p.botao, .texto = p.texto, .r = Rect{x, 10, 66, 25}});
        x += 69;
    }
    AdicionarPagina(c, "pcc", {.nome = "tsSis", .texto = "Pastas do Sistema"}, std::move(pastas));
    AdicionarPagina(c, "pcc", {.nome = "tsRede", .texto = "Locais de Rede"},
                    {{.tipo = TipoControle::Edicao,
                      .nome = "elocal",
                      .r = {8, 10, 370, 21},
                      .ancoras = lados,
                      .fonte = ProjetoFonte{"Tahoma", 9}},
                     {.tipo = TipoControle::BotaoPlano,
                      .nome = "sbok",
                      .r = {382, 9, 23, 22},
                      .ancoras = akTop | akRight,
                      .dica = "Abrir o local digitado",
                      .imagem = IDI_BTN_OK}});
    c.push_back({.tipo = TipoControle::Painel,
                 .nome = "pnBaixo",
                 .r = {0, 0, 436, kBaixoH},
                 .alinha = Alinhamento::alBottom});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bmakedir",
                 .texto = "Criar &pasta",
                 .r = {8, 8, 97, 25},
                 .pai = "pnBaixo",
                 .flags = fSemTab,
                 .imagem = IDI_BTN_PASTA});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bok",
                 .texto = "&OK",
                 .r = {260, 8, 81, 25},
                 .pai = "pnBaixo",
                 .flags = fPadrao,
                 .ancoras = akTop | akRight,
                 .imagem = IDI_BTN_OK,
                 .resultado = mrOk});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "bcancel",
                 .texto = "Ca&ncelar",
                 .r = {347, 8, 81, 25},
                 .pai = "pnBaixo",
                 .flags = fCancelar,
                 .ancoras = akTop | akRight,
                 .imagem = IDI_BTN_NAO,
                 .resultado = mrCancel});
    c.push_back({.tipo = TipoControle::Lista,
                 .nome = "dirlst",
                 .r = {0, 0, 436, 327},
                 .flags = fDonoDesenha,
                 .alinha = Alinhamento::alClient,
                 .fonte = ProjetoFonte{"Tahoma", 9},
                 .alturaItem = 21});
    return d;
}

// The folder's full, plain form: "C:\a\..\b" is "C:\b\".
std::string FormaCompleta(const std::string& pasta) {
    const std::wstring w = Wide(pasta);
    wchar_t buf[32768];
    const DWORD n = GetFullPathNameW(w.c_str(), 32768, buf, nullptr);
    return IncluirContraBarra(n > 0 && n < 32768 ? Narrow(std::wstring(buf, n)) : pasta);
}

}  // namespace

struct TfSeldir2::Listagem {
    unsigned geracao = 0;
    std::string pasta;
    bool ok = false;
    std::vector<std::string> subpastas;
};

// What the window and its workers share: a worker that ends after the window has gone finds no window.
struct TfSeldir2::Caixa {
    std::mutex m;
    HWND janela = nullptr;
    std::vector<Listagem> prontas;
};

namespace {

TConteudoPasta ListarNoDisco(const std::string& pasta) {
    TConteudoPasta c;
    const std::wstring w = Wide(pasta);
    const DWORD atributos = GetFileAttributesW(w.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES || !(atributos & FILE_ATTRIBUTE_DIRECTORY)) return c;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileExW((w + L"*").c_str(), FindExInfoBasic, &fd, FindExSearchLimitToDirectories,
                                nullptr, FIND_FIRST_EX_LARGE_FETCH);
    c.ok = h != INVALID_HANDLE_VALUE || GetLastError() == ERROR_FILE_NOT_FOUND;
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring nome = fd.cFileName;
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && nome != L"." && nome != L"..")
                c.subpastas.push_back(Narrow(nome));
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    std::sort(c.subpastas.begin(), c.subpastas.end(),
              [](const std::string& a, const std::string& b) { return LowerCase(a) < LowerCase(b); });
    return c;
}

std::mutex& TravaListar() {
    static std::mutex m;
    return m;
}

TListarPasta& ListarAtual() {
    static TListarPasta listar = ListarNoDisco;
    return listar;
}

// Runs on a worker thread; the window hears of it when it is done.
void Listar(std::shared_ptr<TfSeldir2::Caixa> caixa, unsigned geracao, std::string pasta) {
    TListarPasta listar;
    {
        std::lock_guard<std::mutex> trava(TravaListar());
        listar = ListarAtual();
    }
    TConteudoPasta c = listar(pasta);
    TfSeldir2::Listagem l{geracao, std::move(pasta), c.ok, std::move(c.subpastas)};
    std::lock_guard<std::mutex> trava(caixa->m);
    if (!caixa->janela) return;
    caixa->prontas.push_back(std::move(l));
    PostMessageW(caixa->janela, WM_PASTA_LISTADA, 0, 0);
}

}  // namespace

TListarPasta DefinirListarPasta(TListarPasta listar) {
    std::lock_guard<std::mutex> trava(TravaListar());
    TListarPasta antes = std::move(ListarAtual());
    ListarAtual() = listar ? std::move(listar) : TListarPasta(ListarNoDisco);
    return antes;
}

TfSeldir2::TfSeldir2() : TDialogo(Desenho(), kControles), caixa_(std::make_shared<Caixa>()) {}

TfSeldir2::~TfSeldir2() {
    std::lock_guard<std::mutex> trava(caixa_->m);
    caixa_->janela = nullptr;
}

void TfSeldir2::FormCreate() {
    {
        std::lock_guard<std::mutex> trava(caixa_->m);
        caixa_->janela = hwnd();
    }
    // The outer size is the design's: the client area is what the frame leaves of it.
    RECT janela{}, cliente{};
    GetWindowRect(hwnd(), &janela);
    GetClientRect(hwnd(), &cliente);
    const int molduraW = (janela.right - janela.left) - cliente.right;
    const int molduraH = (janela.bottom - janela.top) - cliente.bottom;
    Redimensionar(MulDiv(S(444) - molduraW, 96, Dpi()), MulDiv(S(501) - molduraH, 96, Dpi()));
    PreencherUnidades();
    if (HWND lista = Controle(dirlst)) SetWindowSubclass(lista, ListaProc, 1, 0);
    Habilitar(bok, false);  // until the first folder has been listed
    // The starting folder, or the program's folder when it cannot be opened.
    IrPara(Empty(PastaInicial) ? DirAplic : PastaInicial, Origem::Inicio);
}

void TfSeldir2::FormShow() {
    // The system folders as the buttons' hints, from the user's shell folders.
    int botao = bdoc;
    for (const TPastaSistema& p : PastasSistema()) {
        std::string pasta = DirAplic;
        if (*p.valor) {
            if (auto v = CurrentPlatform().shell->UserRegistryString(KEY_SHELL_FOLDERS, p.valor);
                v && !v->empty())
                pasta = *v;
        }
        SetDica(botao++, pasta);
    }
    SetPagina(pcc, 0);
    Foco(dirlst);
}

void TfSeldir2::IrPara(const std::string& pasta, Origem origem) {
    ++geracao_;
    origem_ = origem;
    std::thread(Listar, caixa_, geracao_, FormaCompleta(pasta)).detach();
}

INT_PTR TfSeldir2::HandleMessage(UINT msg, WPARAM wp, LPARAM lp, bool& tratada) {
    tratada = false;
    if (msg == WM_PASTA_LISTADA) {
        std::vector<Listagem> prontas;
        {
            std::lock_guard<std::mutex> trava(caixa_->m);
            prontas.swap(caixa_->prontas);
        }
        for (const Listagem& l : prontas) Chegou(l);
        tratada = true;
        return TRUE;
    }
    if (msg == WM_PASTA_CLICADA) {
        if (wp < linhas_.size()) IrPara(linhas_[wp].caminho, Origem::Usuario);
        tratada = true;
        return TRUE;
    }
    if (msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wp) == Controle(dirlst)) {
        POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (pt.x == -1 && pt.y == -1) {
            RECT r{};
            GetWindowRect(Controle(dirlst), &r);
            pt = POINT{r.left + S(8), r.top + S(8)};
        }
        pmOpenPopup(pt);
        tratada = true;
        return TRUE;
    }
    return 0;
}

void TfSeldir2::Chegou(const Listagem& l) {
    if (l.geracao != geracao_) return;  // the user has gone elsewhere meanwhile
    if (!l.ok) {
        if (origem_ == Origem::Inicio && FormaCompleta(DirAplic) != l.pasta) {
            IrPara(DirAplic, Origem::Inicio);
        } else if (origem_ == Origem::Digitada) {
            Erro("Local inválido!");
            Foco(elocal);
        }
        return;  // other failures leave the list where it was
    }
    atual_ = l.pasta;
    MostrarLista(l.subpastas);
    SetTexto(lbpasta, atual_);
    SincronizarUnidade();
    Habilitar(bok, true);
    if (origem_ == Origem::Digitada || origem_ == Origem::Unidade) Foco(dirlst);
    if (origem_ == Origem::Usuario && GetFocus() != Controle(dirlst) && GetFocus() != Controle(bok))
        Foco(dirlst);
}

void TfSeldir2::MostrarLista(const std::vector<std::string>& subpastas) {
    HWND lista = Controle(dirlst);
    linhas_.clear();
    const std::vector<std::string> cadeia = CadeiaPastas(atual_);
    for (std::size_t i = 0; i < cadeia.size(); ++i)
        linhas_.push_back({cadeia[i], NomeNaLista(cadeia[i]), static_cast<int>(i), true});
    for (const std::string& s : subpastas)
        linhas_.push_back({atual_ + s + "\\", s, static_cast<int>(cadeia.size()), false});
    if (!lista) return;
    SendMessageW(lista, WM_SETREDRAW, FALSE, 0);
    SendMessageW(lista, LB_RESETCONTENT, 0, 0);
    for (const Linha& l : linhas_)
        SendMessageW(lista, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(l.nome).c_str()));
    SendMessageW(lista, LB_SETCURSEL, cadeia.empty() ? 0 : cadeia.size() - 1, 0);
    SendMessageW(lista, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(lista, nullptr, TRUE);
}

bool TfSeldir2::DesenharItem(int controle, DRAWITEMSTRUCT* dis) {
    if (controle != dirlst || dis->itemID == static_cast<UINT>(-1) || dis->itemID >= linhas_.size())
        return false;
    const Linha& l = linhas_[dis->itemID];
    HDC dc = dis->hDC;
    const bool marcada = dis->itemState & ODS_SELECTED;
    FillRect(dc, &dis->rcItem, GetSysColorBrush(marcada ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int tamanho = S(16);
    const int x = dis->rcItem.left + S(4) + l.nivel * S(12);
    const int y = dis->rcItem.top + (dis->rcItem.bottom - dis->rcItem.top - tamanho) / 2;
    static std::map<std::pair<int, int>, IconHandle> icones;  // by picture and size, kept for the run
    auto& ic = icones[{l.aberta ? IDI_PASTA_ABERTA : IDI_PASTA, tamanho}];
    if (!ic) ic = IconeRecurso(l.aberta ? IDI_PASTA_ABERTA : IDI_PASTA, tamanho);
    if (ic) DrawIconEx(dc, x, y, ic.get(), tamanho, tamanho, 0, nullptr, DI_NORMAL);
    RECT tr = dis->rcItem;
    tr.left = x + tamanho + S(4);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(marcada ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::wstring t = Wide(l.nome);
    DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &tr,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (dis->itemState & ODS_FOCUS) DrawFocusRect(dc, &dis->rcItem);
    return true;
}

void TfSeldir2::PreencherUnidades() {
    HWND combo = Controle(Unidades);
    if (!combo) return;
    const DWORD mapa = GetLogicalDrives();
    for (int d = 0; d < 26; ++d) {
        if (!(mapa & (1u << d))) continue;
        std::wstring raiz = std::wstring(1, static_cast<wchar_t>(L'A' + d)) + L":\\";
        std::wstring texto = raiz.substr(0, 2);
        // Only local disks are asked their name: a network drive might not answer.
        const UINT tipo = GetDriveTypeW(raiz.c_str());
        wchar_t rotulo[MAX_PATH + 1] = L"";
        if ((tipo == DRIVE_FIXED || tipo == DRIVE_RAMDISK) &&
            GetVolumeInformationW(raiz.c_str(), rotulo, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr,
                                  0) &&
            rotulo[0])
            texto += L" [" + std::wstring(rotulo) + L"]";
        const LRESULT i = SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texto.c_str()));
        SendMessageW(combo, CB_SETITEMDATA, static_cast<WPARAM>(i), L'A' + d);
    }
}

void TfSeldir2::SincronizarUnidade() {
    HWND combo = Controle(Unidades);
    if (!combo) return;
    const wchar_t letra =
        TipoDoCaminho(atual_).NaUnidade() ? static_cast<wchar_t>(std::toupper(atual_[0])) : 0;
    const int n = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    int escolha = -1;
    for (int i = 0; i < n; ++i)
        if (static_cast<wchar_t>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0)) == letra)
            escolha = i;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(escolha), 0);
}

void TfSeldir2::tsUnidShow() {
    HWND combo = Controle(Unidades);
    const LRESULT i = combo ? SendMessageW(combo, CB_GETCURSEL, 0, 0) : CB_ERR;
    std::string destino = atual_;
    if (i != CB_ERR) {
        const auto letra = static_cast<char>(SendMessageW(combo, CB_GETITEMDATA, static_cast<WPARAM>(i), 0));
        // Another drive: its current folder.
        if (!TipoDoCaminho(atual_).NaUnidade() || std::toupper(static_cast<unsigned char>(atual_[0])) != letra)
            destino = std::string(1, letra) + ":";
    }
    if (!destino.empty()) IrPara(destino, Origem::Unidade);
    Foco(dirlst);
}

void TfSeldir2::elocalConfirmar() {
    const std::string local = Texto(elocal);
    if (Empty(local)) {
        Foco(elocal);
        return;
    }
    IrPara(Trim(local), Origem::Digitada);
}

void TfSeldir2::bmakedirClick() {
    const std::string nome = ReadLn("Criar pasta", "Digite o nome da pasta a criar:", "");
    if (Empty(nome) || atual_.empty()) return;
    const std::string caminho = CaminhoNovaPasta(atual_, nome);
    // Missing parents are made too; a folder that is already there is simply opened.
    const int r = SHCreateDirectoryExW(hwnd(), Wide(caminho).c_str(), nullptr);
    if (r != ERROR_SUCCESS && r != ERROR_ALREADY_EXISTS && r != ERROR_FILE_EXISTS) {
        Erro("Erro ao criar a pasta %s!", {caminho});
        return;
    }
    IrPara(caminho, Origem::Usuario);
    Foco(bok);
}

void TfSeldir2::pmOpenPopup(POINT pt) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    const std::wstring texto = Wide(StrTran("Abrir a pasta [" + atual_ + "] no Explorer", "&", "&&"));
    AppendMenuW(menu, MF_STRING, 1, texto.c_str());
    const int escolha = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd(), nullptr);
    DestroyMenu(menu);
    if (escolha == 1 && !atual_.empty()) AbrirArquivoAssoc(atual_, false);  // mnOpenInExplorerClick
}

void TfSeldir2::Click(int controle) {
    if (controle == sbok) {
        elocalConfirmar();
    } else if (controle == bmakedir) {
        bmakedirClick();
    } else if (controle >= bdoc && controle <= bsis) {
        // QualUnidade: the folder the button's hint names.
        IrPara(Projeto().controles[static_cast<std::size_t>(controle)].dica, Origem::Usuario);
        Foco(dirlst);
    }
}

void TfSeldir2::Comando(int controle, int codigo) {
    if (controle == Unidades && codigo == CBN_SELCHANGE) {
        tsUnidShow();
    }
}

LRESULT TfSeldir2::Notificar(int controle, NMHDR* nm) {
    if (controle == pcc && nm->code == static_cast<UINT>(TCN_SELCHANGE)) {
        const int pagina = PaginaAtiva(pcc);
        if (pagina == 0) tsUnidShow();
        if (pagina == 2) Foco(elocal);  // tsRedeShow
    }
    return 0;
}

bool TfSeldir2::FormKeyDown(WPARAM key) {
    if (key != VK_RETURN) return false;
    HWND foco = GetFocus();
    if (foco && foco == Controle(elocal)) {
        elocalConfirmar();  // elocalKeyDown
        return true;
    }
    if (foco && foco == Controle(dirlst)) {
        const LRESULT i = SendMessageW(foco, LB_GETCURSEL, 0, 0);
        if (i >= 0 && static_cast<std::size_t>(i) < linhas_.size() &&
            linhas_[static_cast<std::size_t>(i)].caminho != atual_) {
            IrPara(linhas_[static_cast<std::size_t>(i)].caminho, Origem::Usuario);
            return true;
        }
    }
    return false;  // Enter presses OK
}

bool Seldir(std::string& VLocal, const std::string& ADirInicial, const std::string& ACaption, bool) {
    TfSeldir2 janela;
    if (!Empty(ACaption)) janela.SetCaption(ACaption);
    janela.PastaInicial = ADirInicial;
    if (janela.ShowModal(JanelaDasMensagens()) != mrOk || janela.PastaAtual().empty()) return false;
    VLocal = IncluirContraBarra(janela.PastaAtual());
    return true;
}

}  // namespace nq
