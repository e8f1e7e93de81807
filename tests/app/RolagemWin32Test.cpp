// More shortcuts than the bar's panel holds: Pivel.exe started for real with 60 of them on a 1080-pixel
// screen, driven from this process with the real wheel, keys and pointer, and read as a screen reader
// reads it.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BarraEmTeste.h"
#include "app/BarSondasWin32.h"
#include "catalogue/Auxiliares.h"
#include "support/Cp1252.h"
#include "support/NqFun.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

using test::BarraEmTeste;
using test::Gravado;
using test::Gravador;
using test::MoverPara;

struct BotaoLido {
    std::string nome;
    RECT r{};
    bool naVista = false;
};

// The shortcut buttons as a screen reader finds them (the last child, the title's menu button, left out):
// their names, places on the screen, and whether they show.
std::vector<BotaoLido> Botoes(HWND bar) {
    std::vector<BotaoLido> botoes;
    IAccessible* acc = nullptr;
    if (AccessibleObjectFromWindow(bar, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)) != S_OK)
        return botoes;
    long n = 0;
    acc->get_accChildCount(&n);
    for (long i = 1; i < n; ++i) {
        VARIANT v;
        VariantInit(&v);
        v.vt = VT_I4;
        v.lVal = i;
        BotaoLido b;
        BSTR nome = nullptr;
        if (acc->get_accName(v, &nome) == S_OK && nome) b.nome = Narrow(nome);
        SysFreeString(nome);
        long x = 0, y = 0, w = 0, h = 0;
        acc->accLocation(&x, &y, &w, &h, v);
        b.r = RECT{x, y, x + w, y + h};
        VARIANT estado;
        VariantInit(&estado);
        acc->get_accState(v, &estado);
        b.naVista = !(estado.lVal & STATE_SYSTEM_INVISIBLE);
        botoes.push_back(b);
    }
    acc->Release();
    return botoes;
}

POINT Centro(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// One notch of the wheel towards the user (down the list).
void RodaParaBaixo() {
    INPUT i{};
    i.type = INPUT_MOUSE;
    i.mi.mouseData = static_cast<DWORD>(-WHEEL_DELTA);
    i.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &i, sizeof i);
}

// The visible tooltips of a process, and the text each shows.
std::vector<std::string> DicasVisiveis(DWORD pid) {
    std::vector<std::string> textos;
    for (HWND t : test::WindowsOfClass(pid, TOOLTIPS_CLASSW)) {
        wchar_t texto[1024] = L"";
        SendMessageW(t, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(texto));
        textos.push_back(Narrow(texto));
    }
    return textos;
}

class Rolagem : public ::testing::Test {
protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(CopyFileW(Wide(test::BinFolder() + "recorder.exe").c_str(),
                              Wide(barra_.Pasta() / "recorder.exe").c_str(), FALSE));
    }
    void TearDown() override { CoUninitialize(); }

    // 60 shortcuts "Atalho 01" to "Atalho 60", each launching the recorder with "p01" to "p60".
    void Sessenta(const std::string& config = "") {
        std::vector<std::string> registros;
        for (int i = 1; i <= 60; ++i) {
            char n[3];
            std::snprintf(n, sizeof n, "%02d", i);
            registros.push_back(Gravador(barra_, std::string("Atalho ") + n, std::string("p") + n));
        }
        ASSERT_TRUE(barra_.Catalogo(registros, config));
    }
    std::string Registro() const { return barra_.Pasta() / "gravado.txt"; }
    // The recorder's command line once it came (empty when none came in time); the record is then cleared.
    std::string Lancado() {
        test::WaitFor([&] { return !Gravado(Registro()).empty(); }, 15000);
        const std::string s = Gravado(Registro());
        DeleteFileW(Wide(Registro()).c_str());
        return s;
    }
    HWND Iniciar() { return barra_.Iniciar("", {"PIVEL_RECORD_FILE=" + Registro()}); }
    LRESULT Primeiro() const {
        return SendMessageW(barra_.Janela(), RegisterWindowMessageW(kMsgAtalhos), 4, 0);
    }

    BarraEmTeste barra_;
};

TEST_F(Rolagem, TheWheelAndTheArrowKeysReachTheLastShortcutAndLaunchIt) {
    Sessenta();
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    std::vector<BotaoLido> botoes = Botoes(w);
    ASSERT_EQ(botoes.size(), 60u);
    EXPECT_TRUE(botoes[0].naVista);
    EXPECT_FALSE(botoes[59].naVista) << "60 buttons do not fit a 1080-pixel screen";

    // The wheel, over the bar, notch after notch until the last one shows.
    MoverPara(Centro(botoes[10].r).x, Centro(botoes[10].r).y);
    for (int notch = 0; notch < 40 && !Botoes(w)[59].naVista; ++notch) {
        const LRESULT antes = Primeiro();
        RodaParaBaixo();
        test::WaitFor([&] { return Primeiro() != antes; }, 2000);
    }
    botoes = Botoes(w);
    ASSERT_TRUE(botoes[59].naVista) << "the wheel scrolls to the end; first button shown: " << Primeiro();
    EXPECT_FALSE(botoes[0].naVista);
    RECT janela{};
    GetWindowRect(w, &janela);
    EXPECT_LE(botoes[59].r.bottom, janela.bottom) << "the last one shows whole";
    test::SalvarTela(w, "barra-rolada");
    const POINT c = Centro(botoes[59].r);
    test::ClickAt(c.x, c.y);
    EXPECT_EQ(Right(Lancado(), 4), " p60") << "a click on what shows there launches the last shortcut";

    // The keys: Home marks the first and scrolls back to it, Down walks to the last.
    ASSERT_TRUE(test::WaitFor([&] { return barra_.Fechada(); }));
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    test::PressKey(VK_HOME);
    ASSERT_TRUE(test::WaitFor([&] { return Primeiro() == 0; })) << "the mark on the first brings it into view";
    for (int i = 0; i < 59; ++i) test::PressKey(VK_DOWN);
    EXPECT_TRUE(test::WaitFor([&] { return Botoes(w)[59].naVista; })) << "the marked button is kept in view";
    test::PressKey(VK_RETURN);
    EXPECT_EQ(Right(Lancado(), 4), " p60");
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(Rolagem, TypingFindsAShortcutBeyondTheFoldAndScrollsToIt) {
    Sessenta();
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());
    ASSERT_TRUE(barra_.ComTeclado());
    ASSERT_FALSE(Botoes(w)[44].naVista);
    test::Digitar(L"atalho 45");
    EXPECT_TRUE(test::WaitFor([&] { return Botoes(w)[44].naVista; })) << "the match is scrolled into view";
    test::SalvarTela(w, "barra-busca-rolada");
    // A letter that matches nothing is refused: the match stays.
    test::Digitar(L"x");
    test::PressKey(VK_RETURN);
    EXPECT_EQ(Right(Lancado(), 4), " p45");
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(Rolagem, AutomaticSpacingNeverLaysOneButtonOverAnother) {
    Sessenta("[Config]\r\nIconHeightAuto=1\r\n\r\n");
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());
    const std::vector<BotaoLido> botoes = Botoes(w);
    ASSERT_EQ(botoes.size(), 60u);
    RECT janela{};
    GetWindowRect(w, &janela);
    int naVista = 0;
    for (std::size_t i = 0; i < botoes.size(); ++i) {
        RECT juntos{};
        if (i + 1 < botoes.size()) {
            EXPECT_FALSE(IntersectRect(&juntos, &botoes[i].r, &botoes[i + 1].r))
                << botoes[i].nome << " runs into " << botoes[i + 1].nome;
        }
        EXPECT_GE(botoes[i].r.bottom - botoes[i].r.top, kIconSize) << botoes[i].nome;
        if (!botoes[i].naVista) continue;
        ++naVista;
        EXPECT_TRUE(botoes[i].r.top >= janela.top && botoes[i].r.bottom <= janela.bottom) << botoes[i].nome;
    }
    EXPECT_GE(naVista, 20);
    EXPECT_LT(naVista, 60);
    test::SalvarTela(w, "barra-automatica");
    EXPECT_TRUE(barra_.Encerrar());
}

TEST_F(Rolagem, ALongTitleEndsInAnEllipsisAndItsTooltipHoldsItWhole) {
    // As long as a title may be (the record holds 90 characters): far more than two lines of a caption.
    const std::string titulo =
        "Relatório trimestral consolidado de vendas e custos e metas das filiais do Sul e Sudeste!!";
    ASSERT_EQ(CharCount(titulo), static_cast<std::size_t>(TAM_TITULO));
    ASSERT_TRUE(barra_.Catalogo({Gravador(barra_, *Utf8ToCp1252(titulo), "longo")}));
    HWND w = Iniciar();
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(barra_.Abrir());

    const ATOM atomo = static_cast<ATOM>(SendMessageW(w, RegisterWindowMessageW(kMsgLegenda), 0, 0));
    ASSERT_NE(atomo, 0);
    wchar_t texto[256] = L"";
    GlobalGetAtomNameW(atomo, texto, 256);
    GlobalDeleteAtom(atomo);
    const std::string legenda = Narrow(texto);
    EXPECT_EQ(legenda.rfind("Relatório trimestral", 0), 0u) << legenda;
    EXPECT_EQ(legenda.substr(legenda.size() - 3), "…") << legenda;
    EXPECT_LT(CharCount(legenda), CharCount(titulo));

    const std::vector<BotaoLido> botoes = Botoes(w);
    ASSERT_EQ(botoes.size(), 1u);
    EXPECT_EQ(botoes[0].nome, titulo) << "a screen reader reads it whole";
    const POINT c = Centro(botoes[0].r);
    MoverPara(c.x - 5, c.y);
    MoverPara(c.x, c.y);
    const DWORD pid = barra_.Ultimo().pid();
    std::vector<std::string> dicas;
    EXPECT_TRUE(test::WaitFor(
        [&] {
            dicas = DicasVisiveis(pid);
            for (const std::string& d : dicas)
                if (d.find(titulo) != std::string::npos && d.find("recorder.exe") != std::string::npos) return true;
            return false;
        },
        10000))
        << "the tooltip holds the whole title and the target; tooltips shown: " << dicas.size();
    test::SalvarTela(w, "barra-dica");
    EXPECT_TRUE(barra_.Encerrar());
}

}  // namespace
}  // namespace nq
