#include "ui/DialogLayout.h"

#include <algorithm>
#include <numeric>

#include "support/Text.h"

namespace nq {

bool EhSemJanela(TipoControle t) {
    return t == TipoControle::Imagem || t == TipoControle::Faixa || t == TipoControle::Linha || t == TipoControle::Grupo;
}

bool EhContainer(TipoControle t) {
    return t == TipoControle::Painel || t == TipoControle::Pagina;
}

std::vector<int> Containers(const ProjetoDialogo& d) {
    std::vector<int> out(d.controles.size(), kSemPai);
    for (std::size_t i = 0; i < d.controles.size(); ++i) {
        const std::string& pai = d.controles[i].pai;
        if (pai.empty()) continue;
        for (std::size_t j = 0; j < d.controles.size(); ++j) {
            const TipoControle t = d.controles[j].tipo;
            if (j != i && d.controles[j].nome == pai && (EhContainer(t) || t == TipoControle::Abas)) {
                out[i] = static_cast<int>(j);
                break;
            }
        }
    }
    return out;
}

std::vector<std::size_t> OrdemCriacao(const ProjetoDialogo& d) {
    const std::vector<int> cont = Containers(d);
    std::vector<std::size_t> out;
    // Adds the windowed controls held by one window, by tab order, each followed by its own controls.
    auto adicionar = [&](auto& self, int janela) -> void {
        std::vector<std::size_t> filhos;
        for (std::size_t i = 0; i < d.controles.size(); ++i)
            if (!EhSemJanela(d.controles[i].tipo) && cont[i] == janela) filhos.push_back(i);
        std::stable_sort(filhos.begin(), filhos.end(), [&](std::size_t a, std::size_t b) {
            const int oa = d.controles[a].ordem, ob = d.controles[b].ordem;
            return (oa < 0 ? 1 << 30 : oa) < (ob < 0 ? 1 << 30 : ob);
        });
        for (std::size_t i : filhos) {
            out.push_back(i);
            if (EhContainer(d.controles[i].tipo) || d.controles[i].tipo == TipoControle::Abas)
                self(self, static_cast<int>(i));
        }
    };
    adicionar(adicionar, kSemPai);
    return out;
}

Rect AreaPaginas(const Rect& abas, int alturaAbas96, int dpi) {
    const int m = Scale(4, dpi), topo = Scale(alturaAbas96 + 4, dpi);
    return Rect{abas.left + m, abas.top + topo, std::max(0, abas.width - 2 * m),
                std::max(0, abas.height - topo - m)};
}

namespace {

struct Contexto {
    const ProjetoDialogo& d;
    const std::vector<int>& cont;
    int dpi;
    const std::vector<Rect>* desenho;  // the design's rectangles, on the scaled pass
    std::vector<Rect>& out;
};

Rect Escala(const Rect& r, int dpi) {
    return Scale(r, dpi);
}

void Colocar(Contexto& c, int container, int w, int h, int w96, int h96);

void ColocarPaginas(Contexto& c, std::size_t abas) {
    const ProjetoControle& a = c.d.controles[abas];
    const int altura = a.alturaItem > 0 ? a.alturaItem : 21;
    for (std::size_t p = 0; p < c.d.controles.size(); ++p) {
        if (c.cont[p] != static_cast<int>(abas) || c.d.controles[p].tipo != TipoControle::Pagina) continue;
        const Rect r = AreaPaginas(Rect{0, 0, c.out[abas].width, c.out[abas].height}, altura, c.dpi);
        c.out[p] = r;
        const Rect d96 = c.desenho ? (*c.desenho)[p] : r;
        Colocar(c, static_cast<int>(p), r.width, r.height, d96.width, d96.height);
    }
}

void Colocar(Contexto& c, int container, int w, int h, int w96, int h96) {
    const auto& ctl = c.d.controles;
    const int borda = container == kSemPai ? 0 : Scale(ctl[static_cast<std::size_t>(container)].borda, c.dpi);
    Rect resto{borda, borda, std::max(0, w - 2 * borda), std::max(0, h - 2 * borda)};
    std::vector<std::size_t> filhos;
    for (std::size_t i = 0; i < ctl.size(); ++i)
        if (c.cont[i] == container && ctl[i].tipo != TipoControle::Pagina) filhos.push_back(i);

    // Aligned controls take their strip of what is left, in table order; the client one takes the rest.
    for (std::size_t i : filhos) {
        const ProjetoControle& s = ctl[i];
        const int largura = std::min(Scale(s.r.width, c.dpi), resto.width);
        const int altura = std::min(Scale(s.r.height, c.dpi), resto.height);
        switch (s.alinha) {
            case Alinhamento::alTop:
                c.out[i] = Rect{resto.left, resto.top, resto.width, altura};
                resto.top += altura;
                resto.height -= altura;
                break;
            case Alinhamento::alBottom:
                c.out[i] = Rect{resto.left, resto.bottom() - altura, resto.width, altura};
                resto.height -= altura;
                break;
            case Alinhamento::alLeft:
                c.out[i] = Rect{resto.left, resto.top, largura, resto.height};
                resto.left += largura;
                resto.width -= largura;
                break;
            case Alinhamento::alRight:
                c.out[i] = Rect{resto.right() - largura, resto.top, largura, resto.height};
                resto.width -= largura;
                break;
            default:
                break;
        }
    }
    // What the container has gained over its design size, which anchored controls follow.
    const int dw = w - Scale(w96, c.dpi);
    const int dh = h - Scale(h96, c.dpi);
    for (std::size_t i : filhos) {
        const ProjetoControle& s = ctl[i];
        if (s.alinha == Alinhamento::alClient) {
            c.out[i] = resto;
            continue;
        }
        if (s.alinha != Alinhamento::alNone) continue;
        Rect r = Escala(s.r, c.dpi);
        const bool l = s.ancoras & akLeft, rt = s.ancoras & akRight;
        const bool t = s.ancoras & akTop, b = s.ancoras & akBottom;
        if (l && rt)
            r.width = std::max(0, r.width + dw);
        else if (rt)
            r.left += dw;
        else if (!l)
            r.left += dw / 2;
        if (t && b)
            r.height = std::max(0, r.height + dh);
        else if (b)
            r.top += dh;
        else if (!t)
            r.top += dh / 2;
        c.out[i] = r;
    }
    for (std::size_t i : filhos) {
        if (EhContainer(ctl[i].tipo)) {
            const Rect d96 = c.desenho ? (*c.desenho)[i] : c.out[i];
            Colocar(c, static_cast<int>(i), c.out[i].width, c.out[i].height, d96.width, d96.height);
        } else if (ctl[i].tipo == TipoControle::Abas) {
            ColocarPaginas(c, i);
        }
    }
}

}  // namespace

std::vector<Rect> PosicionarDesenho(const ProjetoDialogo& d) {
    const std::vector<int> cont = Containers(d);
    std::vector<Rect> out(d.controles.size());
    Contexto c{d, cont, 96, nullptr, out};
    Colocar(c, kSemPai, d.largura, d.altura, d.largura, d.altura);
    return out;
}

std::vector<Rect> PosicionarControles(const ProjetoDialogo& d, int dpi, int clientW, int clientH) {
    const std::vector<Rect> desenho = PosicionarDesenho(d);
    const std::vector<int> cont = Containers(d);
    std::vector<Rect> out(d.controles.size());
    Contexto c{d, cont, dpi, &desenho, out};
    Colocar(c, kSemPai, clientW, clientH, d.largura, d.altura);
    return out;
}

std::vector<std::size_t> ItensDentro(const ProjetoDialogo& d, std::size_t i) {
    const std::vector<int> cont = Containers(d);
    const std::vector<Rect> r = PosicionarDesenho(d);
    // Whether j lies inside i, following the chain of containers.
    auto dentro = [&](std::size_t j) {
        for (int k = cont[j]; k != kSemPai; k = cont[static_cast<std::size_t>(k)])
            if (static_cast<std::size_t>(k) == i) return true;
        return false;
    };
    std::vector<std::size_t> out{i};
    for (std::size_t j = 0; j < d.controles.size(); ++j) {
        if (j == i) continue;
        bool inclui = dentro(j);
        if (!inclui && d.controles[i].tipo == TipoControle::Grupo && cont[j] == cont[i]) {
            const Rect& g = r[i];
            const Rect& c = r[j];
            inclui = c.left >= g.left && c.top >= g.top && c.right() <= g.right() && c.bottom() <= g.bottom();
        }
        if (inclui) out.push_back(j);
    }
    // What lies inside a group box inside the container comes along too.
    for (std::size_t k = 1; k < out.size(); ++k) {
        if (d.controles[out[k]].tipo != TipoControle::Grupo && !EhContainer(d.controles[out[k]].tipo))
            continue;
        for (std::size_t j : ItensDentro(d, out[k]))
            if (std::find(out.begin(), out.end(), j) == out.end()) out.push_back(j);
    }
    return out;
}

std::string ClasseToolkit(const ProjetoControle& c) {
    switch (c.tipo) {
        case TipoControle::Rotulo:
            return "TLabel";
        case TipoControle::Edicao:
            return "TEdit";
        case TipoControle::Numero:
            return "TSpinEdit";
        case TipoControle::Botao:
            return "TBitBtn";
        case TipoControle::BotaoPlano:
            return "TSpeedButton";
        case TipoControle::Caixa:
            return "TCheckBox";
        case TipoControle::Opcao:
            return "TRadioButton";
        case TipoControle::Grupo:
            return "TGroupBox";
        case TipoControle::Lista:
            return "TListBox";
        case TipoControle::Combo:
            return "TComboBox";
        case TipoControle::Abas:
            return "TPageControl";
        case TipoControle::Pagina:
            return "TTabSheet";
        case TipoControle::Painel:
            return "TPanel";
        case TipoControle::TeclaAtalho:
            return "THotKey";
        case TipoControle::Classe:
            return c.classe;
        case TipoControle::Imagem:
            return "TImage";
        case TipoControle::Faixa:
            return "TShape";
        case TipoControle::Linha:
            return "TNqBevel";
    }
    return {};
}

std::optional<std::string> ForaDoIntervalo(std::string_view texto, int minimo, int maximo) {
    while (!texto.empty() && texto.front() == ' ') texto.remove_prefix(1);
    while (!texto.empty() && texto.back() == ' ') texto.remove_suffix(1);
    const std::optional<int> valor = LerInteiro(texto);
    if (valor && *valor >= minimo && *valor <= maximo) return std::nullopt;
    return "O valor deve estar entre " + std::to_string(minimo) + " e " + std::to_string(maximo) + ".";
}

}  // namespace nq
