// What the bar does when something fails on a user's machine: a failure that escapes a handler is told
// once and the bar goes on, and the diagnostic log keeps what explains a failure.

#include <gtest/gtest.h>

#include <cstdio>

#include "BarraEmTeste.h"
#include "Win32TestUtil.h"
#include "app/BarSondasWin32.h"
#include "app/MainWin32.h"
#include "support/Text.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

class Falhas : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(barra_.Copiada()); }
    std::string Pasta() const { return barra_.Pasta() / "registro"; }
    std::vector<std::string> Env() const { return {"PIVEL_PASTA_REGISTRO=" + Pasta()}; }
    std::string Registro() const { return test::ReadFile(Pasta() + "\\Pivel.log"); }
    // The log's lines that hold a text, once the program ended (it writes what it holds then).
    std::vector<std::string> Linhas(const std::string& texto) const {
        std::vector<std::string> out;
        const std::string r = Registro();
        for (std::size_t at = 0, fim; (fim = r.find("\r\n", at)) != std::string::npos; at = fim + 2)
            if (r.substr(at, fim - at).find(texto) != std::string::npos) out.push_back(r.substr(at, fim - at));
        return out;
    }

    test::BarraEmTeste barra_;
};

// Thrown twice from a handler of the bar (a test message): one message box with the failure's text, then
// the bar answers as before, and the log keeps both.
TEST_F(Falhas, AFailureThatEscapesAHandlerIsToldOnceAndTheBarGoesOn) {
    ASSERT_TRUE(barra_.Catalogo({"titulo=Notas\xA7programa=C:\\windows\\notepad.exe\xA7param=\xA7icone=-1\xA7tipo=1"
                                 "\xA7opcaomenu=N\xE3o\xA7iconeid=0\xA7"}));
    HWND w = barra_.Iniciar("", Env());
    ASSERT_NE(w, nullptr);
    const UINT falhar = RegisterWindowMessageW(kMsgFalhar);
    PostMessageW(w, falhar, 0, 0);
    PostMessageW(w, falhar, 0, 0);
    HWND caixa = barra_.Processo().FindWindowOfClass(L"#32770", 10000);
    ASSERT_NE(caixa, nullptr);
    std::string texto;
    for (HWND c = GetWindow(caixa, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) texto += test::TextoDe(c) + "\n";
    EXPECT_NE(texto.find(kFalhaDeTeste), std::string::npos) << texto;
    PostMessageW(caixa, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::WaitFor([&] { return !IsWindow(caixa); }));
    EXPECT_TRUE(test::WaitSteady([&] { return barra_.Processo().FindWindowOfClass(L"#32770", 0) == nullptr; }, 1000))
        << "told once";
    DWORD_PTR botoes = 0;
    EXPECT_TRUE(SendMessageTimeoutW(w, RegisterWindowMessageW(kMsgAtalhos), 0, 0, SMTO_ABORTIFHUNG, 5000, &botoes));
    EXPECT_EQ(botoes, 1u) << "the bar still answers";
    EXPECT_TRUE(barra_.Abrir()) << "and still opens";
    EXPECT_TRUE(barra_.Encerrar());
    EXPECT_EQ(Linhas(kFalhaDeTeste).size(), 2u) << Registro();
}

// A damaged settings file that cannot be written either, and a shortcut whose folder is gone: the log
// says what happened, in the order it happened, and the lines are printed.
TEST_F(Falhas, TheLogKeepsADamagedFileAFailedSaveAndAFailedLaunch) {
    test::NaoGravadas guardadas;
    const std::string ini =
        std::string("[Config]\r\nNomeEmpresa=\xC3\0\0\r\n\r\n", 29) +
        "[IconesMenu]\r\nRecordCount=1\r\n"
        "1=id=1§titulo=Sumido§programa=C:\\nao\\existe\\sumido.exe§param=§icone=-1§tipo=1§opcaomenu=Não§iconeid=0§\r\n";
    // UTF-8, which the lone lead byte damages.
    ASSERT_TRUE(test::WriteFile(barra_.Ini(), "\xEF\xBB\xBF" + ini, FILE_ATTRIBUTE_READONLY));
    HWND w = barra_.Iniciar("", Env());
    ASSERT_NE(w, nullptr);
    // The button pressed as a screen reader would: the launch fails, and the notice tells it.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* acc = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(w, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&acc)), S_OK);
    VARIANT botao;
    VariantInit(&botao);
    botao.vt = VT_I4;
    botao.lVal = 1;
    EXPECT_EQ(acc->accDoDefaultAction(botao), S_OK);
    acc->Release();
    if (SUCCEEDED(com)) CoUninitialize();
    EXPECT_TRUE(test::WaitFor([&] { return !Linhas("sumido.exe").empty(); }, 10000));
    // Ended as at a log-off, so that the save fails without anybody to answer.
    EXPECT_TRUE(barra_.Encerrar());
    SetFileAttributesW(Wide(barra_.Ini()).c_str(), FILE_ATTRIBUTE_NORMAL);

    const std::vector<std::string> tudo = Linhas("UTC");
    for (const std::string& l : tudo) std::printf("  %s\n", l.c_str());
    const char* esperadas[] = {"INFO   Nq-Pivel", "Não é possível gravar", "não pôde ser lido por inteiro",
                               "sumido.exe", "Não foi possível gravar o arquivo", "INFO   Pivel finalizado"};
    std::size_t at = 0;
    for (const char* e : esperadas) {
        while (at < tudo.size() && tudo[at].find(e) == std::string::npos) ++at;
        EXPECT_LT(at, tudo.size()) << "in order: " << e;
    }
}

}  // namespace
}  // namespace nq
