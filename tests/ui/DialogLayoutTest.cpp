#include "ui/DialogLayout.h"

#include <gtest/gtest.h>

namespace nq {
namespace {

// A window as the folder picker is built: a top panel with a border holding a tab control above a
// label, a bottom panel whose buttons keep to the right edge, and a list filling the rest.
ProjetoDialogo Janela() {
    ProjetoDialogo d;
    d.largura = 400;
    d.altura = 300;
    auto& c = d.controles;
    c.push_back({.tipo = TipoControle::Painel,
                 .nome = "topo",
                 .r = {0, 0, 400, 100},
                 .alinha = Alinhamento::alTop,
                 .borda = 4});
    c.push_back({.tipo = TipoControle::Rotulo,
                 .nome = "rotulo",
                 .r = {0, 0, 0, 16},
                 .pai = "topo",
                 .alinha = Alinhamento::alBottom});
    c.push_back({.tipo = TipoControle::Abas,
                 .nome = "abas",
                 .pai = "topo",
                 .alinha = Alinhamento::alClient,
                 .alturaItem = 25});
    c.push_back({.tipo = TipoControle::Pagina, .nome = "p1", .texto = "Um", .pai = "abas"});
    c.push_back({.tipo = TipoControle::Edicao,
                 .nome = "campo",
                 .r = {8, 8, 300, 21},
                 .pai = "p1",
                 .ancoras = akLeft | akTop | akRight});
    c.push_back({.tipo = TipoControle::Pagina, .nome = "p2", .texto = "Dois", .pai = "abas"});
    c.push_back({.tipo = TipoControle::Painel,
                 .nome = "baixo",
                 .r = {0, 0, 400, 40},
                 .alinha = Alinhamento::alBottom});
    c.push_back(
        {.tipo = TipoControle::Botao, .nome = "esquerda", .r = {8, 8, 80, 25}, .pai = "baixo", .ordem = 2});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "ok",
                 .r = {312, 8, 80, 25},
                 .pai = "baixo",
                 .ancoras = akTop | akRight,
                 .ordem = 0});
    c.push_back({.tipo = TipoControle::Botao,
                 .nome = "canto",
                 .r = {312, 8, 80, 25},
                 .pai = "baixo",
                 .ancoras = akRight | akBottom,
                 .ordem = 1});
    c.push_back({.tipo = TipoControle::Lista, .nome = "lista", .alinha = Alinhamento::alClient});
    c.push_back({.tipo = TipoControle::Faixa,
                 .nome = "faixa",
                 .r = {10, 110, 50, 50},
                 .ancoras = akPadrao | akBottom});
    c.push_back({.tipo = TipoControle::Grupo, .nome = "grupo", .r = {100, 150, 200, 100}});
    c.push_back({.tipo = TipoControle::Opcao, .nome = "dentro", .r = {110, 170, 80, 20}});
    c.push_back({.tipo = TipoControle::Opcao, .nome = "fora", .r = {250, 240, 80, 20}});
    return d;
}

Rect Em(const ProjetoDialogo& d, const std::vector<Rect>& r, const char* nome) {
    for (std::size_t i = 0; i < d.controles.size(); ++i)
        if (d.controles[i].nome == nome) return r[i];
    ADD_FAILURE() << nome;
    return {};
}

TEST(DialogLayout, AlignedControlsStackAlongTheirContainersEdges) {
    const ProjetoDialogo d = Janela();
    const std::vector<Rect> r = PosicionarDesenho(d);
    EXPECT_EQ(Em(d, r, "topo"), (Rect{0, 0, 400, 100}));
    EXPECT_EQ(Em(d, r, "baixo"), (Rect{0, 260, 400, 40}));
    EXPECT_EQ(Em(d, r, "lista"), (Rect{0, 100, 400, 160}));
    // Inside the top panel's 4-pixel border: the label at its bottom, the tabs above.
    EXPECT_EQ(Em(d, r, "rotulo"), (Rect{4, 80, 392, 16}));
    EXPECT_EQ(Em(d, r, "abas"), (Rect{4, 4, 392, 76}));
    // A page covers the tab control less its tabs and a margin.
    EXPECT_EQ(Em(d, r, "p1"), (Rect{4, 29, 384, 43}));
    EXPECT_EQ(Em(d, r, "p2"), Em(d, r, "p1"));
    EXPECT_EQ(Em(d, r, "ok"), (Rect{312, 8, 80, 25}));
}

TEST(DialogLayout, ScalesOnceAndAnchoredControlsFollowTheirContainer) {
    const ProjetoDialogo d = Janela();
    // At 144 dpi and the design's size scaled: every rectangle is the design's scaled.
    const std::vector<Rect> desenho = PosicionarDesenho(d);
    const std::vector<Rect> a144 = PosicionarControles(d, 144, 600, 450);
    for (std::size_t i = 0; i < d.controles.size(); ++i)
        EXPECT_EQ(a144[i], Scale(desenho[i], 144)) << d.controles[i].nome;
    EXPECT_EQ(Em(d, a144, "ok"), (Rect{468, 12, 120, 38}));

    // 100 pixels wider and 50 taller at 96 dpi.
    const std::vector<Rect> maior = PosicionarControles(d, 96, 500, 350);
    EXPECT_EQ(Em(d, maior, "ok"), (Rect{412, 8, 80, 25})) << "right: moves with the right edge";
    EXPECT_EQ(Em(d, maior, "esquerda"), (Rect{8, 8, 80, 25})) << "left and top: stays";
    EXPECT_EQ(Em(d, maior, "canto"), (Rect{412, 8, 80, 25})) << "its panel keeps its height";
    EXPECT_EQ(Em(d, maior, "campo"), (Rect{8, 8, 400, 21})) << "left and right: stretches";
    EXPECT_EQ(Em(d, maior, "faixa"), (Rect{10, 110, 50, 100})) << "top and bottom: stretches down";
    EXPECT_EQ(Em(d, maior, "lista"), (Rect{0, 100, 500, 210}));
}

TEST(DialogLayout, TabOrderFollowsTheOrderGivenAndContainersComeBeforeTheirControls) {
    const ProjetoDialogo d = Janela();
    std::vector<std::string> nomes;
    for (std::size_t i : OrdemCriacao(d)) nomes.push_back(d.controles[i].nome);
    EXPECT_EQ(nomes, (std::vector<std::string>{"topo", "rotulo", "abas", "p1", "campo", "p2", "baixo", "ok",
                                               "canto", "esquerda", "lista", "dentro", "fora"}));
}

// A page declared with its controls: in order, under its tab control, the controls inside it unless they
// name a container of their own.
TEST(DialogLayout, APageAndItsControlsJoinTheTableInOrder) {
    std::vector<ProjetoControle> c;
    c.push_back({.tipo = TipoControle::Abas, .nome = "abas"});
    AdicionarPagina(c, "abas", {.nome = "p1", .texto = "Um"},
                    {{.tipo = TipoControle::Painel, .nome = "painel"},
                     {.tipo = TipoControle::Edicao, .nome = "e", .pai = "painel"},
                     {.tipo = TipoControle::Caixa, .nome = "k"}});
    const std::vector<std::pair<std::string, std::string>> esperado = {
        {"abas", ""}, {"p1", "abas"}, {"painel", "p1"}, {"e", "painel"}, {"k", "p1"}};
    ASSERT_EQ(c.size(), esperado.size());
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].nome, esperado[i].first);
        EXPECT_EQ(c[i].pai, esperado[i].second) << c[i].nome;
    }
    EXPECT_EQ(c[1].tipo, TipoControle::Pagina);
}

TEST(DialogLayout, SwitchingOnAndOffReachesWhatIsInside) {
    const ProjetoDialogo d = Janela();
    auto nomes = [&](const char* de) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < d.controles.size(); ++i)
            if (d.controles[i].nome == de)
                for (std::size_t j : ItensDentro(d, i)) out.push_back(d.controles[j].nome);
        return out;
    };
    EXPECT_EQ(nomes("topo"), (std::vector<std::string>{"topo", "rotulo", "abas", "p1", "campo", "p2"}));
    EXPECT_EQ(nomes("grupo"), (std::vector<std::string>{"grupo", "dentro"}));
    EXPECT_EQ(nomes("campo"), (std::vector<std::string>{"campo"}));
}

// What a number box may hold when it is left: a whole number in its range; anything else tells the range.
TEST(DialogLayout, ANumberOutOfItsRangeOrNoNumberAtAllTellsTheRange) {
    const std::pair<const char*, bool> casos[] = {
        {"100", true}, {"255", true}, {" 180 ", true}, {"0180", true},
        {"99", false}, {"256", false}, {"999", false}, {"5", false}, {"", false}, {"   ", false},
        {"-5", false}, {"1e2", false}, {"12a", false}, {"99999999999999999999", false},
    };
    for (auto [texto, valido] : casos) {
        const auto m = ForaDoIntervalo(texto, 100, 255);
        EXPECT_EQ(!m.has_value(), valido) << '"' << texto << '"';
        if (m) {
            EXPECT_EQ(*m, "O valor deve estar entre 100 e 255.");
        }
    }
    EXPECT_FALSE(ForaDoIntervalo("-3", -5, 5).has_value());
    EXPECT_EQ(ForaDoIntervalo("60", 32, 54).value_or(""), "O valor deve estar entre 32 e 54.");
}

}  // namespace
}  // namespace nq
