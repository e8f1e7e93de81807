// Where the settings file lives, and its first copy into application data.

#include "catalogue/LocalConfig.h"

#include <gtest/gtest.h>

#include "FakePlatform.h"

namespace nq {
namespace {

TEST(LocalConfig, BesideTheProgramUnlessItsFolderCannotBeWritten) {
    const std::string aoLado = "C:\\Program Files\\Pivel\\PivelConfig.ini";
    const std::string dados = "C:\\users\\ana\\AppData\\Roaming\\Pivel\\";
    EXPECT_EQ(LocalDasConfiguracoes(aoLado, true, dados), aoLado);
    EXPECT_EQ(LocalDasConfiguracoes(aoLado, false, dados), dados + "PivelConfig.ini");
    EXPECT_EQ(LocalDasConfiguracoes(aoLado, false, ""), aoLado) << "no application-data folder: as before";
}

TEST(LocalConfig, TheFirstStartInApplicationDataCopiesTheFileBesideTheProgramOnce) {
    test::FakePlatform fake;
    const std::string aoLado = "C:\\Program Files\\Pivel\\PivelConfig.ini";
    const std::string emUso = "C:\\users\\ana\\AppData\\Roaming\\Pivel\\PivelConfig.ini";
    EXPECT_FALSE(CopiarConfiguracoes(aoLado, emUso)) << "nothing beside: the defaults";
    EXPECT_EQ(fake.files.contents.count(emUso), 0u);

    fake.files.contents[aoLado] = "[Config]\r\nTitulo=Meus\r\n";
    EXPECT_TRUE(CopiarConfiguracoes(aoLado, emUso));
    EXPECT_EQ(fake.files.contents[emUso], "[Config]\r\nTitulo=Meus\r\n");

    // Once there, the user's own file is never replaced by the one beside the program.
    fake.files.contents[emUso] = "[Config]\r\nTitulo=Dela\r\n";
    EXPECT_FALSE(CopiarConfiguracoes(aoLado, emUso));
    EXPECT_EQ(fake.files.contents[emUso], "[Config]\r\nTitulo=Dela\r\n");
    EXPECT_FALSE(CopiarConfiguracoes(aoLado, aoLado));
}

// What the file would not take: kept under a dated name that never replaces an earlier one, and pending
// while it is newer than the file.
TEST(LocalConfig, SettingsTheFileWouldNotTakeAreKeptApartAndPendingUntilTheFileIsNewer) {
    test::FakePlatform fake;
    const std::string emUso = "D:\\Pivel\\PivelConfig.ini";
    const std::string dados = "C:\\users\\ana\\AppData\\Roaming\\Pivel\\";
    const LocalTime agora{2026, 12, 11, 10, 7, 9, 0};
    fake.files.Add(dados + "PivelConfig (não gravada 2026-12-01 10-00-00).ini", LocalTime{2026, 12, 1, 10, 0, 0, 0});
    EXPECT_TRUE(NaoGravadosPendentes(emUso, dados).empty()) << "no file yet: nothing to take back";
    const std::string primeira = GuardarNaoGravado(emUso, dados, "[Config]\r\n", agora);
    EXPECT_EQ(primeira, dados + "PivelConfig (não gravada 2026-12-11 10-07-09).ini");
    EXPECT_EQ(GuardarNaoGravado(emUso, dados, "[IconesMenu]\r\n", agora),
              dados + "PivelConfig (não gravada 2026-12-11 10-07-09) 2.ini");
    EXPECT_EQ(fake.files.contents[primeira], "[Config]\r\n") << "the first one is left as it was";
    EXPECT_EQ(GuardarNaoGravado(emUso, "", "x", agora), "") << "no application-data folder";
    fake.files.refuseWrites = true;
    EXPECT_EQ(GuardarNaoGravado(emUso, dados, "x", agora), "");

    fake.files.Add(emUso, LocalTime{2026, 12, 11, 9, 0, 0, 0});
    fake.files.Add(dados + "PivelConfig (não gravada 2026-12-10 18-00-00).ini", LocalTime{2026, 12, 10, 18, 0, 0, 0});
    fake.files.refuseWrites = false;
    fake.files.Add(dados + "PivelConfig (não gravada 2026-12-11 10-07-09).ini", agora);
    fake.files.Add(dados + "PivelConfig (não gravada 2026-12-11 10-07-09) 2.ini", agora);
    fake.files.Add(dados + "PivelConfig (cópia 2026-12-11 10-07-09).ini", agora);
    fake.files.Add(dados + "OutraConfig (não gravada 2026-12-11 10-07-09).ini", agora);
    const std::vector<std::string> novas{dados + "PivelConfig (não gravada 2026-12-11 10-07-09) 2.ini",
                                         dados + "PivelConfig (não gravada 2026-12-11 10-07-09).ini"};
    EXPECT_EQ(NaoGravadosPendentes(emUso, dados), novas) << "older than the file: taken back already";
    EXPECT_TRUE(NaoGravadosPendentes(emUso, "").empty());
}

TEST(LocalConfig, TheNoticesSayWhatFailedAndWhereTheSettingsWent) {
    const std::string emUso = "D:\\Pivel\\PivelConfig.ini", dados = "C:\\Dados\\Pivel\\";
    const std::string pendente = dados + "PivelConfig (não gravada 2026-12-11 10-07-09).ini";
    EXPECT_EQ(TextoConfigSemGravacao(emUso, "", false, dados, {}), "") << "nothing to tell";
    EXPECT_EQ(TextoConfigSemGravacao(emUso, "Acesso negado.", false, dados, {}),
              "Não é possível gravar o arquivo de configuração D:\\Pivel\\PivelConfig.ini: Acesso negado.\n\n"
              "O que não puder ser gravado nele será guardado na pasta C:\\Dados\\Pivel\\");
    EXPECT_EQ(TextoConfigSemGravacao(emUso, "Arquivo em uso", true, dados, {pendente}),
              "Não foi possível ler o arquivo de configuração D:\\Pivel\\PivelConfig.ini ao iniciar: Arquivo em "
              "uso. Ele não será gravado, para não perder o que contém; a barra começou sem ele.\n\n"
              "O que não puder ser gravado nele será guardado na pasta C:\\Dados\\Pivel\\\n\n"
              "A configuração da barra não pôde ser gravada em D:\\Pivel\\PivelConfig.ini e foi guardada em:\n" +
                  pendente);
    EXPECT_EQ(TextoConfigSemGravacao(emUso, "", false, dados, {pendente}),
              "A configuração da barra não pôde ser gravada em D:\\Pivel\\PivelConfig.ini e foi guardada em:\n" +
                  pendente);
    EXPECT_EQ(TextoFalhaAoGravar("Não foi possível gravar o arquivo X: Disco cheio.", pendente, dados),
              "Não foi possível gravar o arquivo X: Disco cheio.\n\nA configuração da barra foi guardada em " +
                  pendente);
    EXPECT_EQ(TextoFalhaAoGravar("Falhou.", "", dados),
              "Falhou.\n\nNem mesmo uma cópia pôde ser guardada na pasta C:\\Dados\\Pivel\\");
}

}  // namespace
}  // namespace nq
