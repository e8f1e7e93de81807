#include "catalogue/Auxiliares.h"

#include "catalogue/AlvoEmUso.h"

#include "catalogue/Alvos.h"
#include "catalogue/NqIniFiles.h"
#include "support/Errors.h"
#include "support/NqFun.h"

namespace nq {

namespace {

constexpr const char* SESSION_ANTIGA = "Itens";
constexpr const char* SEPARADOR_ANTIGO = "|";

// Sets a field from text, leaving it at its default when it cannot take the value: one bad value in
// an old file must not cost the rest of the catalogue.
void SetOrKeep(TField& field, const std::string& text) {
    try {
        field.SetAsString(text);
    } catch (const EConvertError&) {
        // The field keeps the default of a new record.
    }
}

}  // namespace

void CriarCamposAtalho(TClientDataset& cds) {
    cds.AddField("Id", TFieldType::ftAutoInc);
    cds.AddField("Titulo", TFieldType::ftString, TAM_TITULO);
    cds.AddField("Programa", TFieldType::ftString, TAM_PROGRAMA);
    cds.AddField("Param", TFieldType::ftString, TAM_PARAM);
    cds.AddField("Icone", TFieldType::ftInteger).DefaultValue = TFieldValue::Number(-1);
    cds.AddField("Tipo", TFieldType::ftInteger).DefaultValue = TFieldValue::Number(1);
    TField& menu = cds.AddField("OpcaoMenu", TFieldType::ftBoolean);
    menu.DefaultValue = TFieldValue::Number(0);
    menu.DisplayValues = "Sim;Não";
    cds.AddField("IconeId", TFieldType::ftInteger).DefaultValue = TFieldValue::Number(0);
}

void IncluirIcone(TClientDataset& cds, const std::string& AProg, const std::string& AParam,
                  const std::string& ATitulo) {
    cds.Append();
    cds.FieldByName("Programa").SetAsString(AlvoParaGuardar(AProg));  // goes with a carried bar
    cds.FieldByName("Param").SetAsString(AParam);
    cds.FieldByName("Titulo").SetAsString(ATitulo);
    TField& icone = cds.FieldByName("Icone");
    icone.SetAsInteger(GetIcone(AProg));
    cds.FieldByName("Tipo").SetAsInteger(IIf(icone.AsInteger() == 4, 0, 1));
    cds.Post();
}

void IncluirPrimeirosAtalhos(TClientDataset& cds, const std::string& dirDocs, const std::string& dirSystem) {
    if (!cds.IsEmpty()) return;
    const std::string sistema = IncluirContraBarra(dirSystem);
    IncluirIcone(cds, IncluirContraBarra(dirDocs), "", "Documentos");
    IncluirIcone(cds, sistema + "notepad.exe", "", "Bloco de notas");
    IncluirIcone(cds, sistema + "calc.exe", "", "Calculadora");
}

void readOldVersion(TClientDataset& cds, TMemIniFile& ini) {
    if (!ini.SectionExists(SESSION_ANTIGA)) return;
    cds.Close();
    cds.CreateDataSet();
    cds.Open();
    const int declared = ini.ReadInteger(SESSION_ANTIGA, SESSION_ANTIGA, 0);
    TField& titulo = cds.FieldByName("Titulo");
    TField& programa = cds.FieldByName("Programa");
    TField& param = cds.FieldByName("Param");
    TField& icone = cds.FieldByName("Icone");
    TField& tipo = cds.FieldByName("Tipo");
    TField& opcaoMenu = cds.FieldByName("OpcaoMenu");
    ForEachRecordKey(ini, SESSION_ANTIGA, "Item", declared, [&](int, std::string_view linha) {
        // A line with fewer than six texts leaves the fields it lacks at their defaults.
        const TStringArray p = AParse(linha, SEPARADOR_ANTIGO);
        cds.Append();
        if (p.size() > 0) titulo.SetAsString(p[0]);
        if (p.size() > 1) programa.SetAsString(p[1]);
        if (p.size() > 2) param.SetAsString(p[2]);
        if (p.size() > 3) SetOrKeep(icone, p[3]);
        if (p.size() > 4) SetOrKeep(tipo, p[4]);
        opcaoMenu.SetAsBoolean(p.size() > 5 && p[5] == "1");
        cds.Post();
    });
    // The new section is written before the old one goes, and both reach the file in one write: a
    // failure or a crash in between cannot leave the file without the catalogue.
    const std::string index = cds.IndexFieldNames();
    const bool filtered = cds.Filtered();
    cds.SetIndexFieldNames("");
    cds.SetFiltered(false);
    ini.EraseSection(SESSION_ANTIGA);
    try {
        cds.saveToIni(ini, SESSION);
    } catch (...) {
        cds.SetIndexFieldNames(index);
        cds.SetFiltered(filtered);
        throw;
    }
    cds.SetIndexFieldNames(index);
    cds.SetFiltered(filtered);
}

void readSaveIcons(TClientDataset& cds, int AOpcao, TMemIniFile& ini) {
    if (AOpcao == READ_INFO) {
        readOldVersion(cds, ini);
        cds.loadFromIni(ini, SESSION);
    } else if (AOpcao == SAVE_INFO) {
        cds.SetFiltered(false);
        cds.saveToIni(ini, SESSION);
    }
}

void readSaveIcons(TClientDataset& cds, int AOpcao) {
    if (!NqIni) throw EInOutError("O arquivo de configuração não foi aberto");
    readSaveIcons(cds, AOpcao, *NqIni);
}

}  // namespace nq
