// Dropped files, folders and links becoming shortcuts: what is asked, what is added, what is refused.

#include "catalogue/ArquivosSoltos.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "catalogue/Auxiliares.h"
#include "fuzz/CatalogueLoaderCheck.h"

namespace nq {
namespace {

class Soltos : public ::testing::Test {
protected:
    Soltos() {
        fuzzcheck::NewCatalogue(cds);
        perguntas.PerguntarTitulo = [this](const std::string& proposto) {
            perguntados.push_back(proposto);
            return respostas.empty() ? proposto : Proxima();
        };
        perguntas.MostrarErro = [this](const std::string& m) { erros.push_back(m); };
        perguntas.TrazerParaFrente = [this] { ++frente; };
    }
    std::string Proxima() {
        std::string r = respostas.front();
        respostas.erase(respostas.begin());
        return r;
    }
    int Soltar(const std::vector<std::string>& itens, bool editar = true) {
        return IncluirSoltos(cds, itens, editar, perguntas);
    }
    // "Titulo|Programa|Param|Tipo|OpcaoMenu" of every record, in the order they were added.
    std::vector<std::string> Registros() {
        std::vector<std::string> out;
        cds.SetIndexFieldNames("Id");
        for (cds.First(); !cds.Eof(); cds.Next())
            out.push_back(cds.FieldByName("Titulo").AsString() + "|" +
                          cds.FieldByName("Programa").AsString() + "|" + cds.FieldByName("Param").AsString() +
                          "|" + cds.FieldByName("Tipo").AsString() + "|" +
                          cds.FieldByName("OpcaoMenu").AsString());
        return out;
    }

    test::FakePlatform fake;
    TClientDataset cds;
    TPerguntasSoltura perguntas;
    std::vector<std::string> perguntados, respostas, erros;
    int frente = 0;
};

TEST_F(Soltos, EachDocumentIsAskedForAndAddedAsABarButton) {
    fake.files.Add("D:\\Docs\\relatório.final.pdf");
    fake.files.Add("D:\\Docs\\Carta.DOCX");
    fake.files.Add("D:\\Docs\\notas.txt");
    respostas = {"Relatório final", "Carta", "Notas"};
    EXPECT_EQ(Soltar({"D:\\Docs\\relatório.final.pdf", "D:\\Docs\\Carta.DOCX", "D:\\Docs\\notas.txt"}), 3);
    EXPECT_EQ(perguntados, (std::vector<std::string>{"Relatório.final", "Carta", "Notas"}));
    EXPECT_EQ(frente, 3) << "the program comes to the front before each question";
    EXPECT_EQ(Registros(), (std::vector<std::string>{"Relatório final|D:\\Docs\\relatório.final.pdf||1|Não",
                                                     "Carta|D:\\Docs\\Carta.DOCX||1|Não",
                                                     "Notas|D:\\Docs\\notas.txt||1|Não"}));
    EXPECT_TRUE(erros.empty());
}

TEST_F(Soltos, TheTitleBoxDecidesAndCanBeLeftOut) {
    fake.files.Add("D:\\a.txt");
    fake.files.Add("D:\\b.txt");
    fake.files.AddFolder("D:\\Dados\\Clientes");
    // Cancel gives the proposed title back; an emptied title skips its item.
    respostas = {"A", "   "};
    EXPECT_EQ(Soltar({"D:\\a.txt", "D:\\b.txt", "D:\\Dados\\Clientes\\"}), 2);
    EXPECT_EQ(Registros(),
              (std::vector<std::string>{"A|D:\\a.txt||1|Não", "Clientes|D:\\Dados\\Clientes\\||0|Não"}));

    // Without EditarTítulo the proposed titles go in as they are.
    perguntados.clear();
    EXPECT_EQ(Soltar({"D:\\b.txt"}, false), 1);
    EXPECT_TRUE(perguntados.empty());
    EXPECT_EQ(Registros().back(), "B|D:\\b.txt||1|Não");
}

TEST_F(Soltos, LinksGiveTheirProgramOrAreRefused) {
    fake.files.Add("C:\\Apps\\Edit\\edit.exe");
    fake.files.AddFolder("D:\\Dados");
    fake.files.Add("C:\\Links\\Editor de Textos.LNK");
    fake.files.Add("C:\\Links\\Dados.lnk");
    fake.files.Add("C:\\Links\\doc.txt");
    fake.shell.links["C:\\Links\\Editor de Textos.LNK"] =
        ShellLinkData{.targetPath = "C:\\Apps\\Edit\\edit.exe",
                      .findData = {.name = "edit.exe"},
                      .arguments = "/novo",
                      .workingDirectory = "c:\\apps\\edit"};
    fake.shell.links["C:\\Links\\Dados.lnk"] =
        ShellLinkData{.targetPath = "D:\\Dados", .findData = {.name = "Dados"}};

    EXPECT_EQ(Soltar({"C:\\Links\\Dados.lnk", "C:\\Links\\Editor de Textos.LNK", "C:\\Links\\doc.txt"}), 2);
    EXPECT_EQ(erros,
              (std::vector<std::string>{
                  "Impossível incluir!||O atalho não possui um programa válido!|C:\\Links\\Dados.lnk"}));
    EXPECT_EQ(perguntados, (std::vector<std::string>{"Editor de Textos", "Doc"}));
    EXPECT_EQ(Registros(), (std::vector<std::string>{"Editor de Textos|C:\\Apps\\Edit\\edit.exe|/novo|1|Não",
                                                     "Doc|C:\\Links\\doc.txt||1|Não"}));
}

TEST_F(Soltos, MissingItemsAreSkippedAndABlankOneEndsTheDrop) {
    fake.files.Add("D:\\a.txt");
    fake.files.Add("D:\\b.txt");
    EXPECT_EQ(Soltar({"D:\\sumiu.txt", "D:\\a.txt", "  ", "D:\\b.txt"}), 1);
    EXPECT_EQ(Registros(), (std::vector<std::string>{"A|D:\\a.txt||1|Não"}));
    EXPECT_TRUE(erros.empty()) << "a vanished item is skipped without a word";

    // A deep path is taken whole.
    const std::string fundo = "D:\\" + std::string(240, 'p') + "\\" + std::string(55, 'q') + ".txt";
    fake.files.Add(fundo);
    EXPECT_EQ(Soltar({fundo}), 1);
    EXPECT_EQ(cds.FieldByName("Programa").AsString(), fundo);
}

TEST_F(Soltos, WhenLinksCannotBeReadTheDropEndsWithWhatWasAdded) {
    fake.files.Add("D:\\a.txt");
    fake.files.Add("D:\\x.lnk");
    fake.files.Add("D:\\b.txt");
    fake.shell.linkObjectMissing = true;
    EXPECT_EQ(Soltar({"D:\\a.txt", "D:\\x.lnk", "D:\\b.txt"}), 1);
    EXPECT_EQ(erros, (std::vector<std::string>{"no shell link object"}));
    EXPECT_EQ(Registros(), (std::vector<std::string>{"A|D:\\a.txt||1|Não"}));
}

}  // namespace
}  // namespace nq
