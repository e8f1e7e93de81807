#include "dialogs/Config.h"

#include "catalogue/NqIniFiles.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

const std::vector<std::string> kChavesConfig = {"NomeEmpresa",          "IconeEmpresa",       "SobreOutros",
                                                "TransparênciaAtivada", "NívelTransparência", "Color",
                                                "FonteÍcones",          "DistânciaÍcones",    "EditarTítulo",
                                                "AutoOcultar",          "IconHeightAuto",     "TeclaAtalho"};

std::function<bool(const std::string& caption)> AbrirEdicaoAtalho;

namespace {

constexpr const char* kAusente = "\x01";  // no value of the file can be this

}  // namespace

void LerConfig(const TMemIniFile& ini, TConfigBarra& c) {
    c.salto = ini.ReadInteger(kSecaoConfig, "DistânciaÍcones", 38);
    c.editarTitulo = ini.ReadBool(kSecaoConfig, "EditarTítulo", true);
    c.autoOcultar = ini.ReadBool(kSecaoConfig, "AutoOcultar", false);
    c.alturaAutomatica = ini.ReadBool(kSecaoConfig, "IconHeightAuto", false);
    c.icone = ini.ReadString(kSecaoConfig, "IconeEmpresa", "");
    c.teclaAtalho = ini.ReadString(kSecaoConfig, "TeclaAtalho", kTeclaAtalhoPadrao);
}

void GravarConfig(TMemIniFile& ini, const TConfigBarra& c) {
    ini.WriteString(kSecaoConfig, "NomeEmpresa", c.titulo);
    ini.WriteString(kSecaoConfig, "IconeEmpresa", c.icone);
    ini.WriteBool(kSecaoConfig, "SobreOutros", c.sobreOutros);
    ini.WriteBool(kSecaoConfig, "TransparênciaAtivada", c.transparente);
    ini.WriteInteger(kSecaoConfig, "NívelTransparência", c.nivel);
    ini.WriteInteger(kSecaoConfig, "Color", c.cor);
    ini.WriteFont(kSecaoConfig, "FonteÍcones", c.fonte);
    ini.WriteInteger(kSecaoConfig, "DistânciaÍcones", c.salto);
    ini.WriteBool(kSecaoConfig, "EditarTítulo", c.editarTitulo);
    ini.WriteBool(kSecaoConfig, "AutoOcultar", c.autoOcultar);
    ini.WriteBool(kSecaoConfig, "IconHeightAuto", c.alturaAutomatica);
    ini.WriteString(kSecaoConfig, "TeclaAtalho", c.teclaAtalho);
}

TCopiaConfig CopiarConfig(const TMemIniFile& ini) {
    TCopiaConfig copia;
    for (const std::string& chave : kChavesConfig) {
        const std::string v = ini.ReadString(kSecaoConfig, chave, kAusente);
        copia.presentes.push_back(v != kAusente);
        copia.valores.push_back(v != kAusente ? v : std::string());
    }
    return copia;
}

void RestaurarConfig(TMemIniFile& ini, const TCopiaConfig& copia, const TConfigBarra& lidos) {
    GravarConfig(ini, lidos);
    for (std::size_t i = 0; i < kChavesConfig.size() && i < copia.valores.size(); ++i)
        if (copia.presentes[i]) ini.WriteString(kSecaoConfig, kChavesConfig[i], copia.valores[i]);
}

std::string FiltroDaOpcao(int tag) {
    switch (tag) {
        case 2:
            return "tipo=1";
        case 3:
            return "tipo=0";
        case 4:
            return "(not opcaoMenu)";
        case 5:
            return "opcaoMenu";
        default:
            return "";
    }
}

std::string FiltroPesquisa(std::string_view texto) {
    const std::string p = QuotedStrLike(UpperCase(texto));
    return "upper(programa) like " + p + " or upper(titulo) like " + p;
}

// --- The catalogue page ---------------------------------------------------------------------------------

void TAtalhosConfig::Mostrar() {
    cds_.SetIndexFieldNames("tipo;titulo");
    cds_.First();
}

void TAtalhosConfig::Fechar() {
    cds_.SetFiltered(false);
}

void TAtalhosConfig::Pesquisar(std::string_view texto) {
    cds_.SetFilter(FiltroPesquisa(texto));
    cds_.SetFiltered(true);
    cds_.First();
}

void TAtalhosConfig::Filtrar(int tag) {
    cds_.SetFilter(FiltroDaOpcao(tag));
    cds_.SetFiltered(true);
}

bool TAtalhosConfig::Editar(const std::string& caption) {
    const auto& abrir = AbrirEdicao ? AbrirEdicao : AbrirEdicaoAtalho;
    bool confirmado = false;
    try {
        confirmado = abrir && abrir(caption);
    } catch (...) {
        // The record must not stay half-made behind an error: it is dropped, and the error goes on.
        cds_.Cancel();
        throw;
    }
    if (confirmado) {
        cds_.Post();
        return true;
    }
    cds_.Cancel();
    return false;
}

bool TAtalhosConfig::Incluir() {
    cds_.Append();
    return Editar("Inclusão");
}

bool TAtalhosConfig::Alterar() {
    if (cds_.IsEmpty()) return false;
    cds_.Edit();
    return Editar("Alteração");
}

bool TAtalhosConfig::Excluir() {
    if (cds_.IsEmpty()) return false;
    const std::vector<std::string> valores = {cds_.FieldByName("Titulo").AsString(),
                                              cds_.FieldByName("Programa").AsString(),
                                              cds_.FieldByName("Param").AsString()};
    if (!Confirmar || !Confirmar("Excluir atalho?||Nome: %s|Programa: %s|Parâmetros: %s", valores))
        return false;
    cds_.Delete();
    return true;
}

bool TAtalhosConfig::AlternarMenu() {
    if (cds_.IsEmpty()) return false;
    cds_.Edit();
    TField& menu = cds_.FieldByName("OpcaoMenu");
    menu.SetAsBoolean(!menu.AsBoolean());
    cds_.Post();
    return true;
}

bool TAtalhosConfig::NoMenu(int recNo) const {
    const TFieldValue& v = cds_.ValueAt(recNo, cds_.FieldByName("OpcaoMenu").Index());
    return !v.null && v.number != 0;
}

}  // namespace nq
