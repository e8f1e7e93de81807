#include "app/BarTeclado.h"

#include "catalogue/ClientDataset.h"
#include "support/Text.h"

namespace nq {

void TBarTeclado::Definir(std::vector<std::string> titulos) {
    chaves_.clear();
    for (const std::string& t : titulos) chaves_.push_back(CollationKey(t));
    Limpar();
}

void TBarTeclado::Limpar() {
    busca_.clear();
    marcado_ = -1;
    acesos_.assign(chaves_.size(), true);
}

bool TBarTeclado::Apagado(std::size_t i) const {
    return i < acesos_.size() && !acesos_[i];
}

// The next bright button from one (-1: before the first) in a direction, going round; -1 when none.
int TBarTeclado::Proximo(int de, int passo) const {
    const int n = static_cast<int>(chaves_.size());
    if (n == 0) return -1;
    int i = de < 0 ? (passo > 0 ? -1 : n) : de;
    for (int k = 0; k < n; ++k) {
        i = ((i + passo) % n + n) % n;
        if (acesos_[static_cast<std::size_t>(i)]) return i;
    }
    return -1;
}

void TBarTeclado::Buscar() {
    const std::string chave = CollationKey(busca_);
    for (std::size_t i = 0; i < chaves_.size(); ++i) acesos_[i] = chaves_[i].find(chave) != std::string::npos;
    marcado_ = Proximo(-1, 1);
}

TAcaoBarra TBarTeclado::Tecla(TeclaBarra t, bool shift) {
    switch (t) {
        case TeclaBarra::Baixo:
            marcado_ = Proximo(marcado_, 1);
            break;
        case TeclaBarra::Cima:
            marcado_ = Proximo(marcado_, -1);
            break;
        case TeclaBarra::Tab:
            marcado_ = Proximo(marcado_, shift ? -1 : 1);
            break;
        case TeclaBarra::Inicio:
            marcado_ = Proximo(-1, 1);
            break;
        case TeclaBarra::Fim:
            marcado_ = Proximo(-1, -1);
            break;
        case TeclaBarra::Enter:
            return marcado_ >= 0 ? TAcaoBarra{TAcaoBarra::Abrir, marcado_} : TAcaoBarra{};
        case TeclaBarra::Menu:
            return TAcaoBarra{TAcaoBarra::AbrirMenu, marcado_};
        case TeclaBarra::Esc:
            // The typed text goes first; with nothing typed Esc is the bar's own.
            if (busca_.empty()) return TAcaoBarra{};
            busca_.clear();
            acesos_.assign(chaves_.size(), true);
            return TAcaoBarra{TAcaoBarra::Redesenhar, marcado_};
        case TeclaBarra::Apagar: {
            if (busca_.empty()) return TAcaoBarra{TAcaoBarra::Redesenhar, marcado_};
            // The last character, whatever its length in UTF-8.
            std::size_t fim = busca_.size() - 1;
            while (fim > 0 && (static_cast<unsigned char>(busca_[fim]) & 0xC0) == 0x80) --fim;
            busca_.erase(fim);
            Buscar();
            return TAcaoBarra{TAcaoBarra::Redesenhar, marcado_};
        }
    }
    return TAcaoBarra{TAcaoBarra::Redesenhar, marcado_};
}

TAcaoBarra TBarTeclado::Caractere(char32_t c) {
    if (c < 32 || c == 127) return TAcaoBarra{};
    const std::string antes = busca_;
    AppendUtf8(busca_, c);
    const std::string chave = CollationKey(busca_);
    bool algum = false;
    for (const std::string& k : chaves_) algum = algum || k.find(chave) != std::string::npos;
    if (!algum) {
        busca_ = antes;  // the last match stays as it was
        return TAcaoBarra{TAcaoBarra::Recusar, marcado_};
    }
    Buscar();
    return TAcaoBarra{TAcaoBarra::Redesenhar, marcado_};
}

unsigned ModificadoresTeclaGlobal(TShortCut atalho) {
    if (!(atalho & 0xFF)) return 0;
    return ((atalho & scAlt) ? 1u : 0u) | ((atalho & scCtrl) ? 2u : 0u) | ((atalho & scShift) ? 4u : 0u);
}

unsigned TeclaVirtualGlobal(TShortCut atalho) {
    return atalho & 0xFFu;
}

bool CobreMonitor(const Rect& janela, const Rect& monitor) {
    return janela.left <= monitor.left && janela.top <= monitor.top && janela.right() >= monitor.right() &&
           janela.bottom() >= monitor.bottom();
}

}  // namespace nq
