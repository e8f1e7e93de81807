#include "app/ComandosBarra.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/NqConst.h"

namespace nq {
namespace {

// A key pressed with modifiers runs the command whose key it is; Shift and Ctrl beside a command's own
// key count only where the command takes them too.
TEST(ComandosBarra, AKeyRunsItsCommand) {
    struct Caso {
        const char* tecla;
        unsigned comando;  // mnSeparador: none
    } casos[] = {
        {"Ins", mnIncluir},         {"Shift+Ins", mnSeparador},      {"Ctrl+Ins", mnSeparador},
        {"F5", mnConfig},           {"Shift+F5", mnConfig},          {"Ctrl+F5", mnConfig},
        {"Shift+Ctrl+F5", mnConfig}, {"Shift+Esc", mnFinalizar},     {"Shift+Ctrl+Esc", mnFinalizar},
        {"Esc", mnSeparador},       {"Ctrl+Esc", mnSeparador},       {"F4", mnSeparador},
        {"Up", mnSeparador},
    };
    for (const Caso& c : casos) {
        const TComandoBarra* comando = ComandoDaTecla(TextToShortCut(c.tecla));
        EXPECT_EQ(comando ? static_cast<unsigned>(comando->id) : 0u, c.comando) << c.tecla;
    }
}

// Each command is one row: one id, a key the menu shows by the very name the row gives it, and no key
// taken twice.
TEST(ComandosBarra, OneRowPerCommandAndKeysNamedAsTheMenuShowsThem) {
    std::set<unsigned> ids;
    std::set<TShortCut> teclas;
    for (const TComandoBarra& c : kComandosBarra) {
        if (c.id == mnSeparador) {
            EXPECT_STREQ(c.texto, "-");
            continue;
        }
        EXPECT_TRUE(ids.insert(c.id).second) << c.texto;
        EXPECT_EQ(ComandoBarra(c.id), &c) << c.texto;
        EXPECT_LT(static_cast<unsigned>(c.id), static_cast<unsigned>(mnAtalhoPrimeiro)) << c.texto;
        if (*c.tecla == '\0') continue;
        EXPECT_EQ(ShortCutToText(TextToShortCut(c.tecla)), c.tecla) << c.texto;
        EXPECT_TRUE(teclas.insert(TextToShortCut(c.tecla)).second) << c.texto;
    }
    EXPECT_EQ(ComandoBarra(mnSeparador), nullptr);
    EXPECT_EQ(ComandoBarra(mnAtalhoPrimeiro), nullptr);
}

// The bar's own menu: no shortcut's commands nor their separator; "Excluir todos os atalhos" only in
// programming mode. On a shortcut, its commands and their separator come first.
TEST(ComandosBarra, WhatTheMenuOffersWithAndWithoutAShortcut) {
    auto mostradas = [](const TAtalhoDoMenu* atalho) {
        std::string s;
        for (const TComandoBarra& c : kComandosBarra)
            if (Oferecido(c, atalho)) s += std::string(TextoDoComando(c, atalho)) + "|";
        return s;
    };
    const std::string barra =
        "Outros atalhos|-|Incluir atalho|Configurações|Abrir pasta do programa|-|Sobre...|-|Desinstalar|"
        "Finaliza&r|";
    EXPECT_EQ(mostradas(nullptr), barra);
    inProgrammingMode = true;
    EXPECT_EQ(mostradas(nullptr),
              "Outros atalhos|-|Incluir atalho|Excluir todos os atalhos|Configurações|Abrir pasta do programa|-|"
              "Sobre...|-|Desinstalar|Finaliza&r|");
    inProgrammingMode = false;
    TAtalhoDoMenu site;
    site.programa = "https://exemplo.com.br";
    site.noMenu = true;
    EXPECT_EQ(mostradas(&site), "&Abrir|&Copiar caminho|&Editar...|Exibir na &barra|E&xcluir|-|" + barra);
}

}  // namespace
}  // namespace nq
