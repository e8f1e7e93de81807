// The shortcut edit dialog's rules: where the pickers start and what the save step decides.

#include "dialogs/ItensEdita.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "support/ArquivoDialogo.h"
#include "support/NqConst.h"

namespace nq {
namespace {

TEST(ItensEdita, ThePickersStartInTheFolderOfTheTypedPath) {
    const std::pair<const char*, const char*> casos[] = {
        {"D:\\Apps\\Edit\\edit.exe", "D:\\Apps\\Edit\\"},
        {"D:\\Apps\\Edit\\", "D:\\Apps\\Edit\\"},
        {"D:edit.exe", "D:"},
        {"\\\\Servidor\\Publico\\x.doc", "\\\\Servidor\\Publico\\"},
        {"edit.exe", ""},
        {"", ""},
        {"http://www.exemplo.com.br/a", "http:"},
    };
    for (auto [texto, pasta] : casos) EXPECT_EQ(PastaDoTexto(texto), pasta) << texto;
}

TEST(ItensEdita, TheSaveStepAsksForTheProgramThenTheTitleThenFillsTheRest) {
    test::FakePlatform fake;
    fake.files.AddFolder("D:\\Dados\\www");
    fake.files.Add("D:\\Apps\\edit.exe");
    fake.shell.withIcon.push_back("D:\\Apps\\edit.exe");
    struct Caso {
        const char* programa;
        const char* titulo;
        bool menu;
        TDecisaoItem::Falta falta;
        int icone, tipo;
    };
    const Caso casos[] = {
        {"", "Título", false, TDecisaoItem::Programa, 0, 0},
        {"  ", "", false, TDecisaoItem::Programa, 0, 0},
        {"D:\\Apps\\edit.exe", " ", false, TDecisaoItem::Titulo, 0, 0},
        {"D:\\Apps\\edit.exe", "Editor", true, TDecisaoItem::Nada, -1, 1},
        // A folder is Tipo 0 whatever its icon category; a folder named "www" is category 7.
        {"D:\\Dados\\www", "Site", false, TDecisaoItem::Nada, 7, 0},
        {"D:\\Dados\\www\\", "Site", false, TDecisaoItem::Nada, 7, 0},
        {"http://www.exemplo.com.br", "Exemplo", false, TDecisaoItem::Nada, 7, 1},
        {"D:\\sumiu.txt", "Sumiu", false, TDecisaoItem::Nada, 6, 1},
    };
    for (const Caso& c : casos) {
        const TDecisaoItem d = DecidirItem(c.programa, c.titulo, c.menu);
        EXPECT_EQ(d.falta, c.falta) << c.programa;
        const char* mensagem = c.falta == TDecisaoItem::Programa ? "Uma pasta ou arquivo deve ser informado!"
                               : c.falta == TDecisaoItem::Titulo
                                   ? "Um título para este programa ou pasta deve ser informado!"
                                   : "";
        EXPECT_EQ(d.mensagem, mensagem) << c.programa;
        if (c.falta != TDecisaoItem::Nada) continue;
        EXPECT_EQ(d.Icone, c.icone) << c.programa;
        EXPECT_EQ(d.Tipo, c.tipo) << c.programa;
        EXPECT_EQ(d.OpcaoMenu, c.menu) << c.programa;
    }
}

// Before a target is saved the dialog asks whether it is there, as the program will use it: variables
// and the program's folder resolved, a bare name where the shell looks for it, any address never asked.
TEST(ItensEdita, ATargetThatIsNotThereIsToldApartFromAddressesAndNamesTheShellFinds) {
    test::FakePlatform fake;
    const std::string dirAplic = DirAplic;
    DirAplic = "C:\\Pivel\\";
    fake.files.Add("D:\\Apps\\edit.exe");
    fake.files.AddFolder("D:\\Dados");
    fake.files.Add("C:\\Pivel\\Apps\\x.exe");
    fake.files.Add("C:\\Windows\\system32\\calc.exe");
    fake.files.Add("E:\\Ferramentas\\grep.exe");
    fake.files.Add("C:\\Pivel\\leia.txt");
    fake.shell.environment["APPS"] = "D:\\Apps";
    fake.shell.environment["PATH"] = "C:\\Nada; E:\\Ferramentas\\";
    const std::pair<const char*, bool> casos[] = {
        {"D:\\Apps\\edit.exe", true},
        {"d:\\apps\\EDIT.exe", true},
        {"D:\\Dados\\", true},
        {"D:\\Apps\\sumiu.exe", false},
        {"Q:\\Sumiu\\app.exe", false},
        {"%APPS%\\edit.exe", true},
        {"%APPS%\\sumiu.exe", false},
        {"%NAOEXISTE%\\edit.exe", false},
        {"Apps\\x.exe", true},  // beside the program
        {"..\\..\\..\\x.exe", false},  // above the drive's root: no path at all
        {"calc.exe", true},
        {"calc", true},
        {"grep", true},  // in a folder of PATH
        {"leia.txt", true},
        {"leia", false},  // ".exe" only is added
        {"naoexiste.exe", false},
        {"www.exemplo.com.br", true},
        {"HTTPS://exemplo.com.br/sumiu.html", true},
        {"ftp://servidor/arquivo", true},
        {"mailto:ana@exemplo.com.br", true},
        {"shell:startup", true},
        {"Z:sumiu.exe", false},  // a drive, not a scheme
    };
    for (auto [programa, encontrado] : casos) EXPECT_EQ(AlvoEncontrado(programa), encontrado) << programa;

    // The save step asks for a missing file only; a folder is there by its kind.
    EXPECT_FALSE(DecidirItem("D:\\Apps\\sumiu.exe", "Sumiu", false).encontrado);
    EXPECT_TRUE(DecidirItem("D:\\Dados", "Dados", false).encontrado);
    EXPECT_TRUE(DecidirItem("https://exemplo.com.br", "Site", false).encontrado);
    DirAplic = dirAplic;
}

TEST(ItensEdita, TheFileDialogListsItsFiveTypes) {
    EXPECT_EQ(TiposDeArquivo(FILE_TYPES), (std::vector<TTipoArquivo>{
                                              {"Programas", "*.exe;*.com;*.pif;*.bat"},
                                              {"Documentos (*.doc)", "*.doc?"},
                                              {"Planilhas (*.xls)", "*.xls?"},
                                              {"Arquivos PDF (*.pdf)", "*.pdf"},
                                              {"Todos os arquivos (*.*)", "*.*"},
                                          }));
}

}  // namespace
}  // namespace nq
