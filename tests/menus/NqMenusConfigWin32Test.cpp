// The menu settings dialog for real: what it shows for a renderer, what it enables, and what OK keeps.

#include <gtest/gtest.h>

#include "catalogue/NqIniFiles.h"
#include "menus/NqMenusConfigWin32.h"
#include "menus/NqMenusWin32.h"
#include "support/NqConst.h"
#include "ui/DialogTestUtil.h"

namespace nq {
namespace {

using test::ComDialogo;

struct Renderizador {
    TMenuSistemaWin32 sis;
    TMenuOwner form;
    TNqMenu menu{&form, sis};
};

TEST(TfrmMenusConfig, OpensOnTheRenderersStyleAndOkStoresTheChoiceInItsSection) {
    test::TempFolder dir;
    IniciaIni(dir / "MenusConfig.ini");
    ApplicationTitle = "Nq-Pivel";
    Renderizador r;
    r.menu.SetSessaoIni("Menus");
    r.menu.SetTipoMenu(TTipoMenu::tmMarvo);  // beyond the group's last item: the last one shows
    r.menu.DialogoConfig = MostrarMenusConfig;
    bool win7Marcado = false;
    std::string foco;
    ComDialogo([&] { r.menu.MenuConfig(); },
               [&](HWND w) {
                   auto* d = reinterpret_cast<TfrmMenusConfig*>(GetWindowLongPtrW(w, DWLP_USER));
                   win7Marcado = test::TextoDe(d->Controle(d->Indice("gestilo3"))) == "&4.Estilo Windows 7" && d->Marcado(d->Indice("gestilo3"));
                   test::WaitFor([&] { return test::FocoDe(w) != nullptr; });
                   foco = d->NomeDe(test::FocoDe(w));
                   test::SalvarTela(w, "TfrmMenusConfig");
                   PostMessageW(d->Controle(d->Indice("BitBtn1")), BM_CLICK, 0, 0);
               });
    EXPECT_TRUE(win7Marcado);
    EXPECT_EQ(foco, "gestilo3") << "the chosen style's button has the focus";
    EXPECT_EQ(r.menu.TipoMenu(), TTipoMenu::tmWin7);
    std::vector<std::string> linhas, chaves;
    NqIni->ReadSectionValues("Menus", linhas);
    for (const std::string& l : linhas) chaves.push_back(l.substr(0, l.find('=')));
    EXPECT_EQ(chaves, (std::vector<std::string>{"Ativo", "FaixaDegradê", "TamanhoÍcone", "TipoMenu", "UsarFonteWindows",
                                                "SemÍcones", "Fonte"}));
    NqIni.reset();
}

// Which controls each choice leaves on: the icon sizes for the first two styles, the gutter's gradient
// and "no icons" for the second only, and the font group while the system's menu font is not chosen.
TEST(TfrmMenusConfig, EnablesWhatTheChoicesAllow) {
    Renderizador r;
    r.menu.SetTipoMenu(TTipoMenu::tmOffice);
    r.menu.SetUsarFonteWin(false);
    struct Estado {
        bool icones, degrade, semIcones, fonte;
        bool operator==(const Estado&) const = default;
    };
    std::vector<Estado> estados;
    ComDialogo([&] { MostrarMenusConfig(r.menu); },
               [&](HWND w) {
                   auto* d = reinterpret_cast<TfrmMenusConfig*>(GetWindowLongPtrW(w, DWLP_USER));
                   auto ler = [&] {
                       return Estado{IsWindowEnabled(d->Controle(d->Indice("gicones1"))) != 0, IsWindowEnabled(d->Controle(d->Indice("Degrade"))) != 0,
                                     IsWindowEnabled(d->Controle(d->Indice("ckicon"))) != 0, IsWindowEnabled(d->Controle(d->Indice("cbFonte"))) != 0};
                   };
                   estados.push_back(ler());
                   test::CliqueEm(d->Controle(d->Indice("gestilo2")), 5, 5);  // "&3.Sem ícones"
                   test::WaitFor([&] { return d->Marcado(d->Indice("gestilo2")); });
                   estados.push_back(ler());
                   test::CliqueEm(d->Controle(d->Indice("ckFonteWin")), 5, 5);
                   test::WaitFor([&] { return d->Marcado(d->Indice("ckFonteWin")); });
                   estados.push_back(ler());
                   PostMessageW(d->Controle(d->Indice("BitBtn2")), BM_CLICK, 0, 0);
               });
    EXPECT_EQ(estados, (std::vector<Estado>{{true, true, true, true}, {false, false, false, true}, {false, false, false, false}}));
    EXPECT_EQ(r.menu.TipoMenu(), TTipoMenu::tmOffice) << "Cancel changes nothing";
}

}  // namespace
}  // namespace nq
