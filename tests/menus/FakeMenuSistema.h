#pragma once
// The menu renderer's system questions answered with fixed values: visual styles, the version, the
// classic system colours and a menu font 12 pixels high at 96 dpi.

#include "menus/NqMenus.h"

namespace nq::test {

class FakeMenuSistema : public IMenuSistema {
public:
    bool temas = true;
    int versao = 10;
    bool design = false;
    TFont fonte{"Segoe UI", 9, clMenuText};
    int altura96 = 12;
    bool escuro = false;

    bool UseThemes() override { return temas; }
    int VersaoPrincipal() override { return versao; }
    bool EmDesign() override { return design; }
    TColor CorSistema(int index) override {
        switch (index) {
            case 7:
                return RGBColor(0, 0, 0);  // menu text
            case 13:
                return RGBColor(0, 120, 215);  // highlight
            case 16:
                return RGBColor(160, 160, 160);  // button shadow
            case 17:
                return RGBColor(109, 109, 109);  // grey text
            case 26:
                return RGBColor(0, 102, 204);  // hot light
            case 5:
            case 14:
                return RGBColor(255, 255, 255);  // window, highlight text
            default:
                return RGBColor(240, 240, 240);  // menu, button face, menu bar
        }
    }
    TFonteSistema FonteMenu(int dpi) override { return TFonteSistema{fonte, Scale(altura96, dpi)}; }
    bool ModoEscuro() override { return escuro; }
};

}  // namespace nq::test
