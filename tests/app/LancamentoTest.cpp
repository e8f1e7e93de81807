#include "app/Lancamento.h"

#include <gtest/gtest.h>

#include <vector>

#include "FakePlatform.h"
#include "app/IconeComando.h"

namespace nq {
namespace {

class GravadorLancamento : public ILancador {
public:
    std::vector<std::string> existing{"C:\\Pivel\\", "D:\\Util\\", "D:\\Projetos"};
    std::vector<std::string> folders;  // every current-folder change, in order
    struct Open {
        std::string file, params, dir;
        int show;
        std::string verb;
    };
    std::vector<Open> opened;
    bool answer = true;  // what the shell says
    int busy = 0;

    bool SetCurrentFolder(const std::string& pasta) override {
        folders.push_back(pasta);
        for (const auto& e : existing)
            if (e == pasta) return true;
        return false;
    }
    bool ShellOpen(const std::string& v, const std::string& p, const std::string& a, const std::string& d,
                   int s) override {
        opened.push_back({p, a, d, s, v});
        return answer;
    }
    void CursorAmp() override { ++busy; }
    void CursorNormal() override { --busy; }
};

struct Launch {
    bool ok;
    int toggles;
};

Launch Lancar(TAtalhoRec r, GravadorLancamento& g, bool autoOcultar = false) {
    int toggles = 0;
    const bool ok = executeProgram(r, g, "C:\\Pivel\\", autoOcultar, [&] { ++toggles; });
    return {ok, toggles};
}

TEST(Lancamento, ButtonTargets) {
    test::FakePlatform fake;
    struct Case {
        const char* programa;
        const char* params;
        bool folder;
        const char* dir;
        int show;
    };
    const Case cases[] = {
        {"D:\\Util\\grep.exe", "-r", false, "D:\\Util\\", 1},
        {"D:\\Projetos", "", true, "D:\\Projetos", 3},
        {"https://exemplo.com.br", "", false, "", 3},
    };
    for (const Case& c : cases) {
        TIconeComando b;
        b.AddShortCut("T", c.programa, c.folder, c.params);
        GravadorLancamento g;
        const Launch l = Lancar(readProgramData(b), g);
        EXPECT_TRUE(l.ok) << c.programa;
        ASSERT_EQ(g.opened.size(), 1u);
        EXPECT_EQ(g.opened[0].file, c.programa);
        EXPECT_EQ(g.opened[0].params, c.params);
        EXPECT_EQ(g.opened[0].dir, c.dir);
        EXPECT_EQ(g.opened[0].show, c.show);
        EXPECT_EQ(g.opened[0].verb, "open");
        EXPECT_EQ(g.folders.back(), "C:\\Pivel\\");  // the program's folder again afterwards
        EXPECT_EQ(l.toggles, 1);
        EXPECT_EQ(g.busy, 0);
    }
}

TEST(Lancamento, WebAddressLeavesTheCurrentFolderAloneBeforeTheLaunch) {
    test::FakePlatform fake;
    GravadorLancamento g;
    TIconeComando b;
    b.AddShortCut("Site", "www.exemplo.com.br", false, "");
    Lancar(readProgramData(b), g);
    EXPECT_EQ(g.folders, (std::vector<std::string>{"C:\\Pivel\\"}));
}

TEST(Lancamento, MenuHints) {
    test::FakePlatform fake;
    struct Case {
        const char* hint;
        const char* programa;
        const char* params;
        bool url;
    };
    const Case cases[] = {
        {"D:\\Util\\grep.exe|-r", "D:\\Util\\grep.exe", "-r", false},
        {"D:\\Util\\grep.exe|", "D:\\Util\\grep.exe", "", false},
        {"D:\\Util\\grep.exe", "D:\\Util\\grep.exe", "", false},
        {"D:\\Util\\httpd.exe|", "D:\\Util\\httpd.exe", "", true},  // only the menu takes it for an address
        {"C:\\Windows\\cmd.exe|/c dir | more", "C:\\Windows\\cmd.exe", "/c dir | more", false},
        {"a.exe||", "a.exe", "|", false},
    };
    for (const Case& c : cases) {
        const TAtalhoRec r = readProgramData(std::string(c.hint));
        EXPECT_EQ(r.programa, c.programa);
        EXPECT_EQ(r.parametros, c.params);
        EXPECT_EQ(r.isUrl, c.url) << c.hint;
    }
    TIconeComando b;
    b.AddShortCut("T", "D:\\Util\\httpd.exe", false, "");
    EXPECT_FALSE(readProgramData(b).isUrl);
}

TEST(Lancamento, AMissingFolderStopsTheLaunchButEverythingIsPutBack) {
    test::FakePlatform fake;
    GravadorLancamento g;
    TIconeComando b;
    b.AddShortCut("T", "E:\\Sumiu\\app.exe", false, "");
    const Launch l = Lancar(readProgramData(b), g);
    EXPECT_FALSE(l.ok);
    EXPECT_TRUE(g.opened.empty());
    EXPECT_EQ(g.folders, (std::vector<std::string>{"E:\\Sumiu\\", "C:\\Pivel\\"}));
    EXPECT_EQ(g.busy, 0);
    EXPECT_EQ(l.toggles, 1);

    GravadorLancamento g2;
    EXPECT_EQ(Lancar(readProgramData(b), g2, true).toggles, 0);  // auto-hide leaves the bar alone
}

TEST(Lancamento, ABareProgramNameLaunchesWithoutChangingFolder) {
    test::FakePlatform fake;
    GravadorLancamento g;
    TIconeComando b;
    b.AddShortCut("Bloco", "notepad.exe", false, "");
    EXPECT_TRUE(Lancar(readProgramData(b), g).ok);
    ASSERT_EQ(g.opened.size(), 1u);
    EXPECT_EQ(g.opened[0].dir, "");
    EXPECT_EQ(g.folders, (std::vector<std::string>{"C:\\Pivel\\"}));
}

// "Executar como administrador": the same launch with the verb "runas"; a failure the shell reports is the
// user's to hear of, and everything is put back all the same.
TEST(Lancamento, AsAdministratorAsksForTheVerbAndTellsOfAFailure) {
    test::FakePlatform fake;
    TIconeComando b;
    b.AddShortCut("Grep", "D:\\Util\\grep.exe", false, "-r");
    for (bool answer : {true, false}) {
        GravadorLancamento g;
        g.answer = answer;
        TAtalhoRec r = readProgramData(b);
        r.verbo = "runas";
        const Launch l = Lancar(r, g);
        EXPECT_EQ(l.ok, answer);
        ASSERT_EQ(g.opened.size(), 1u);
        EXPECT_EQ(g.opened[0].verb, "runas");
        EXPECT_EQ(g.opened[0].params, "-r");
        EXPECT_EQ(g.opened[0].dir, "D:\\Util\\");
        EXPECT_EQ(g.folders.back(), "C:\\Pivel\\");
        EXPECT_EQ(l.toggles, 1);
    }
}

// A failed launch is told with the shortcut as the user typed it, not as it was used: the title, the
// target with its variables, the parameters only when there are some, and the system's reason.
TEST(Lancamento, AFailureIsToldWithTheShortcutAsTypedAndTheSystemsReason) {
    test::FakePlatform fake;
    fake.shell.environment["DADOS"] = "E:\\Dados";
    TIconeComando b;
    b.AddShortCut("Relatório", "%DADOS%\\Sumiu\\app.exe", false, "/abrir %DADOS%");
    const TAtalhoRec botao = readProgramData(b);
    EXPECT_EQ(botao.programa, "E:\\Dados\\Sumiu\\app.exe");
    EXPECT_EQ(TextoFalhaLancamento(botao, "O caminho não foi encontrado."),
              "Não foi possível abrir o atalho \"Relatório\".\n\n"
              "Destino: %DADOS%\\Sumiu\\app.exe\nParâmetros: /abrir %DADOS%\nMotivo: O caminho não foi encontrado.");

    // An "Outros atalhos" entry: its hint holds target and parameters; a pipe stays the user's.
    TAtalhoRec entrada = readProgramData(std::string("C:\\Windows\\cmd.exe|/c dir | more"));
    entrada.titulo = "Lista";
    EXPECT_EQ(TextoFalhaLancamento(entrada, "Acesso negado."),
              "Não foi possível abrir o atalho \"Lista\".\n\nDestino: C:\\Windows\\cmd.exe\n"
              "Parâmetros: /c dir | more\nMotivo: Acesso negado.");
    EXPECT_EQ(TextoFalhaLancamento(readProgramData(std::string("Q:\\x.exe|  ")), ""),
              "Não foi possível abrir o atalho.\n\nDestino: Q:\\x.exe\nMotivo: o sistema não informou o motivo.");
}

}  // namespace
}  // namespace nq
