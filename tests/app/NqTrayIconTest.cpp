// What the shell's mouse notifications for the tray icon set off, and its tooltip.

#include "app/NqTrayIcon.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

using A = TTrayAcao;
constexpr auto L = TMouseButton::mbLeft, R = TMouseButton::mbRight, M = TMouseButton::mbMiddle;

std::vector<A> Acoes(const std::vector<unsigned>& mensagens) {
    bool clicked = false;
    std::vector<A> out;
    for (unsigned m : mensagens)
        for (const A& a : TrayAcoes(m, clicked)) out.push_back(a);
    return out;
}

TEST(TrayAcoes, MouseMessagesInOrder) {
    struct Case {
        const char* nome;
        std::vector<unsigned> mensagens;
        std::vector<A> acoes;
    };
    const Case cases[] = {
        {"click", {0x201, 0x202}, {A{A::MouseDown, L}, A{A::Click}, A{A::MouseUp, L}}},
        // The release after the double click finds no press: one click in all.
        {"double click",
         {0x201, 0x202, 0x203, 0x202},
         {A{A::MouseDown, L}, A{A::Click}, A{A::MouseUp, L}, A{A::DblClick}, A{A::ItemPadrao},
          A{A::MouseUp, L}}},
        {"release without press", {0x202}, {A{A::MouseUp, L}}},
        {"right click", {0x204, 0x205}, {A{A::MouseDown, R}, A{A::Popup}, A{A::MouseUp, R}}},
        {"middle and move", {0x207, 0x200, 0x208}, {A{A::MouseDown, M}, A{A::MouseMove}, A{A::MouseUp, M}}},
        {"others", {0x206, 0x209, 0x20A, 0x400, 0}, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Acoes(c.mensagens), c.acoes) << c.nome;
}

TEST(TrayTip, CutTo63CharactersOrEmpty) {
    const std::string longo = "Nq-Pivel, v2.0.3 " + std::string(50, 'x');  // 67 characters
    EXPECT_EQ(TrayTip(longo, true), longo.substr(0, 63));
    std::string cedilhas;
    for (int i = 0; i < 70; ++i)
        cedilhas += "ç";  // 2 bytes each: counted as characters, never cut inside one
    EXPECT_EQ(TrayTip(cedilhas, true), cedilhas.substr(0, 126));
    EXPECT_EQ(TrayTip("Nq-Pivel, v2.0.3", true), "Nq-Pivel, v2.0.3");
    EXPECT_EQ(TrayTip("Nq-Pivel, v2.0.3", false), "");
}

}  // namespace
}  // namespace nq
