#pragma once
// The configuration window's rules that need no window: the catalogue page's search, filters and
// record actions, and the bar settings of the second page as they are read and written.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/ClientDataset.h"
#include "support/Font.h"

namespace nq {

class TMemIniFile;

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

// Everything the second page holds, in the order its keys are written.
struct TConfigBarra {
    std::string titulo;             // NomeEmpresa
    std::string icone;              // IconeEmpresa: the title icon's file
    bool sobreOutros = true;        // SobreOutros
    bool transparente = true;       // TransparênciaAtivada
    int nivel = 210;                // NívelTransparência
    TColor cor = 0;                 // Color
    TFont fonte;                    // FonteÍcones
    int salto = 38;                 // DistânciaÍcones
    bool editarTitulo = true;       // EditarTítulo
    bool autoOcultar = false;       // AutoOcultar
    bool alturaAutomatica = false;  // IconHeightAuto
    std::string teclaAtalho;        // TeclaAtalho: the key that opens the bar, as a shortcut's text
};

// The key that opens the bar when the file names none; an empty "TeclaAtalho" means none at all.
inline constexpr const char* kTeclaAtalhoPadrao = "Ctrl+Alt+P";

// The section and its keys, in the order they are written.
inline constexpr const char* kSecaoConfig = "Config";
extern const std::vector<std::string> kChavesConfig;

// The range of the two number boxes.
inline constexpr int kNivelMinimo = 100, kNivelMaximo = 255, kNivelPasso = 5;
inline constexpr int kSaltoMinimo = 32, kSaltoMaximo = 54;

// The settings the window reads when it opens (the rest comes from the bar as it is now).
void LerConfig(const TMemIniFile& ini, TConfigBarra& c);
// Writes the keys in their order.
void GravarConfig(TMemIniFile& ini, const TConfigBarra& c);

// The keys as they stand, to be put back (RestaurarConfig) when a save cannot reach the file.
struct TCopiaConfig {
    std::vector<std::string> valores;
    std::vector<bool> presentes;
};
TCopiaConfig CopiarConfig(const TMemIniFile& ini);
// A key that was absent takes the value that the window read when it opened, which is what every
// reader of the key got as its default.
void RestaurarConfig(TMemIniFile& ini, const TCopiaConfig& copia, const TConfigBarra& lidos);

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
