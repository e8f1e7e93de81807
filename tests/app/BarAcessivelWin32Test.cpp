// The bar's buttons as a screen reader finds them: children of the accessible object its window gives
// out, with their names, role, state, place and default action.

#include "app/BarAcessivelWin32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Win32TestUtil.h"

namespace nq {
namespace {

struct BarraFalsa final : IBarAcessivel {
    std::vector<std::string> nomes{"Documentos", "Bloco de notas", "Calculadora"};
    int marcado = 1, quente = -1;
    std::vector<int> acionados;
    HWND janela = nullptr;
    int Botoes() const override { return static_cast<int>(nomes.size()); }
    std::string NomeBotao(int i) const override { return nomes[static_cast<std::size_t>(i)]; }
    RECT RetanguloBotao(int i) const override {
        RECT r{};
        GetWindowRect(janela, &r);
        return RECT{r.left + 8, r.top + 10 + 38 * i, r.left + 190, r.top + 45 + 38 * i};
    }
    bool BotaoNaVista(int) const override { return true; }
    int BotaoMarcado() const override { return marcado; }
    int BotaoQuente() const override { return quente; }
    void AcionarBotao(int i) override { acionados.push_back(i); }
};

TBarAcessivel* objeto = nullptr;

LRESULT CALLBACK Proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETOBJECT && objeto) {
        if (const LRESULT r = objeto->ResponderGetObject(wp, lp)) return r;
    }
    return DefWindowProcW(w, msg, wp, lp);
}

VARIANT Filho(long id) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

std::string Nome(IAccessible* acc, long id) {
    BSTR b = nullptr;
    if (acc->get_accName(Filho(id), &b) != S_OK || !b) return {};
    std::string s = Narrow(b);
    SysFreeString(b);
    return s;
}

TEST(BarAcessivel, AScreenReaderFindsEveryButtonByItsTitle) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"PivelTesteAcessivel";
    RegisterClassW(&wc);
    HWND w = CreateWindowExW(0, wc.lpszClassName, L"Barra", WS_POPUP | WS_VISIBLE, 1700, 0, 201, 600, nullptr,
                             nullptr, wc.hInstance, nullptr);
    ASSERT_NE(w, nullptr);
    BarraFalsa barra;
    barra.janela = w;
    objeto = new TBarAcessivel(w, barra);

    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(w, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)),
              S_OK);
    long n = 0;
    EXPECT_EQ(acc->get_accChildCount(&n), S_OK);
    EXPECT_EQ(n, 3);
    std::vector<std::string> nomes;
    for (long i = 1; i <= n; ++i) nomes.push_back(Nome(acc, i));
    EXPECT_EQ(nomes, barra.nomes);

    VARIANT papel, estado, foco;
    EXPECT_EQ(acc->get_accRole(Filho(2), &papel), S_OK);
    EXPECT_EQ(papel.lVal, ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(acc->get_accState(Filho(2), &estado), S_OK);
    EXPECT_TRUE(estado.lVal & STATE_SYSTEM_FOCUSED) << "the keyboard's mark is the focus";
    EXPECT_EQ(acc->get_accFocus(&foco), S_OK);
    EXPECT_EQ(foco.lVal, 2);
    BSTR acao = nullptr;
    EXPECT_EQ(acc->get_accDefaultAction(Filho(1), &acao), S_OK);
    EXPECT_EQ(Narrow(acao ? acao : L""), "Abrir");
    SysFreeString(acao);

    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(acc->accLocation(&x, &y, &cx, &cy, Filho(3)), S_OK);
    EXPECT_EQ(x, 1708);
    EXPECT_EQ(y, 10 + 2 * 38);
    VARIANT achado;
    EXPECT_EQ(acc->accHitTest(x + 5, y + 5, &achado), S_OK);
    EXPECT_EQ(achado.lVal, 3);
    EXPECT_EQ(acc->accDoDefaultAction(Filho(3)), S_OK);
    EXPECT_EQ(barra.acionados, std::vector<int>{2});
    EXPECT_EQ(acc->get_accName(Filho(9), nullptr), E_INVALIDARG);

    objeto->Desligar();
    objeto = nullptr;
    EXPECT_EQ(acc->get_accChildCount(&n), CO_E_OBJNOTCONNECTED) << "after the window goes";
    acc->Release();
    DestroyWindow(w);
    CoUninitialize();
}

}  // namespace
}  // namespace nq
