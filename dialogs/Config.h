#pragma once
// The configuration window's rules that need no window: the catalogue page's search, filters and
// record actions, and the bar settings of the second page as they are read and written.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ClientDataset.h"
#include "catalogue/ConfigBarra.h"
#include "support/Font.h"

namespace nq {

// The bar's look that the window shows and sets: its title, colour, caption font, translucency and
// its level (0 to 255), and whether it stays above other windows.
struct TVisualBarra {
    std::string titulo;
    TColor cor = 0;
    TFont fonte;
    bool transparente = true;
    int nivel = 255;
    bool sobreOutros = true;
    bool operator==(const TVisualBarra&) const = default;
};

// The look that the settings give.
inline TVisualBarra VisualDe(const TConfigBarra& c) {
    return TVisualBarra{c.titulo, c.cor, c.fonte, c.transparente, c.nivel, c.sobreOutros};
}

// The filter of a choice of the "Filtrar:" row by its tag (1 to 5); empty for "Todos" or another tag.
std::string FiltroDaOpcao(int tag);
// The search filter for a typed text: its upper case made a pattern, matched against the upper-cased
// program and title.
std::string FiltroPesquisa(std::string_view texto);

// Opens the shortcut edit dialog on the catalogue's current record, which the caller has put into the
// insert or edit state, with a caption; true when the user confirmed. The program sets it once its edit
// dialog exists; while it is empty, shortcuts cannot be added or changed from the configuration window.
extern std::function<bool(const std::string& caption)> AbrirEdicaoAtalho;

// The catalogue page's actions. Each one that changes the catalogue posts at once.
class TAtalhosConfig {
public:
    explicit TAtalhosConfig(TClientDataset& cds) : cds_(cds) {}

    // The edit dialog (AbrirEdicaoAtalho unless a test gives another) and the yes/no question with "Não"
    // as the default answer.
    std::function<bool(const std::string& caption)> AbrirEdicao;
    std::function<bool(const std::string& texto, const std::vector<std::string>& valores)> Confirmar;

    // Showing: folders first, each group by title, from the first record.
    void Mostrar();
    // Closing: the filter goes off; its text stays.
    void Fechar();

    // The search text replaces the filter; the filter goes on and the first record becomes current.
    void Pesquisar(std::string_view texto);
    // A choice of the "Filtrar:" row replaces the filter; the current record stays where it is.
    void Filtrar(int tag);

    // Insert, edit and delete; true when the catalogue changed. Edit, delete and the menu toggle do
    // nothing on an empty view.
    bool Incluir();
    bool Alterar();
    bool Excluir();
    // The current shortcut moves between the bar and the "Outros atalhos" menu.
    bool AlternarMenu();

    // Whether a visible record is an entry of the "Outros atalhos" menu (its row is drawn in blue).
    bool NoMenu(int recNo) const;

private:
    bool Editar(const std::string& caption);

    TClientDataset& cds_;
};

}  // namespace nq
