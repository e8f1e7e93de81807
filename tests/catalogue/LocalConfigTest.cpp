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

}  // namespace
}  // namespace nq
