// What Pivel.exe carries as resources: a missing manifest or icon must never ship silently.

#include <gtest/gtest.h>

#include <set>

#include "Win32TestUtil.h"
#include "resource.h"

namespace nq {
namespace {

class PivelResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(Wide(test::BinFolder() + "Pivel.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    std::string Resource(LPCWSTR name, LPCWSTR type) {
        HRSRC r = FindResourceW(module_, name, type);
        if (!r) return {};
        HGLOBAL g = LoadResource(module_, r);
        return std::string(static_cast<const char*>(LockResource(g)), SizeofResource(module_, r));
    }

    // The sizes of an icon resource's pictures.
    std::set<int> Sizes(int id) {
        const std::string group = Resource(MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
        std::set<int> sizes;
        if (group.size() < 6) return sizes;
        const int count = static_cast<unsigned char>(group[4]) | (static_cast<unsigned char>(group[5]) << 8);
        for (int i = 0; i < count && 6 + 14 * (i + 1) <= static_cast<int>(group.size()); ++i) {
            const int w = static_cast<unsigned char>(group[6 + 14 * i]);
            sizes.insert(w == 0 ? 256 : w);
        }
        return sizes;
    }

    HMODULE module_ = nullptr;
};

TEST_F(PivelResources, ManifestAsksForCommonControls6AndPerMonitorDpi) {
    const std::string manifest = Resource(MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_FALSE(manifest.empty());
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(manifest.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos);
    // An elevated program gets no drops from the shell: the bar never asks for more than its user has.
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

TEST_F(PivelResources, ProgramIconHasEverySize) {
    EXPECT_EQ(Sizes(1), (std::set<int>{16, 32, 48, 64, 128, 256}));
}

// The edit dialog's and the menus' pictures come in their size at 100, 125, 150 and 200 %: sharp at every density.
TEST_F(PivelResources, EditDialogPicturesHaveEveryDensitysSize) {
    EXPECT_EQ(Sizes(IDI_BTN_LUPA), (std::set<int>{16, 20, 24, 32}));
    EXPECT_EQ(Sizes(IDI_BTN_PASTA_AZUL), (std::set<int>{16, 20, 24, 32}));
    EXPECT_EQ(Sizes(IDI_NEUTRO), (std::set<int>{32, 40, 48, 64}));
    for (int menu : {IDI_MENU_CONFIG, IDI_MENU_ATALHOS, IDI_MENU_INCLUIR, IDI_MENU_SOBRE, IDI_MENU_FINALIZAR,
                     IDI_MENU_ABRIR, IDI_MENU_ADMINISTRADOR, IDI_MENU_COPIAR, IDI_MENU_EXCLUIR,
                     IDI_MENU_CONFIG_ESCURO, IDI_MENU_EXCLUIR_ESCURO})
        EXPECT_EQ(Sizes(menu), (std::set<int>{16, 20, 24, 32})) << menu;
}

}  // namespace
}  // namespace nq
