#pragma once
// Arbitrary bytes as the settings file, through the catalogue's loader (older layout included) and a
// save; shared by the fuzz target and the test that replays the inputs it found.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Auxiliares.h"
#include "catalogue/ClientDataset.h"
#include "catalogue/NqIniFiles.h"
#include "support/Text.h"
#include "tests/FakePlatform.h"

namespace nq::fuzzcheck {

using Records = std::vector<std::vector<TFieldValue>>;

inline Records ReadAll(TClientDataset& cds) {
    Records out;
    for (cds.First(); !cds.Eof(); cds.Next()) {
        std::vector<TFieldValue> values;
        for (int i = 0; i < cds.FieldCount(); ++i) values.push_back(cds.Fields(i).Value());
        out.push_back(std::move(values));
    }
    return out;
}

inline void NewCatalogue(TClientDataset& cds) {
    CriarCamposAtalho(cds);
    cds.OnNewRecord = [](TClientDataset& ds) { ds.FieldByName("OpcaoMenu").SetAsBoolean(false); };
    cds.CreateDataSet();
}

// What broke, or the empty text when the loader kept every promise for these bytes.
inline std::string CheckCatalogueLoader(std::string_view bytes) {
    const std::string path = "C:\\Pivel\\PivelConfig.ini";
    test::FakePlatform fake;
    fake.files.contents[path] = std::string(bytes);

    TClientDataset cds;
    NewCatalogue(cds);
    {
        TMemIniFile ini(path);
        try {
            readSaveIcons(cds, READ_INFO, ini);
        } catch (const std::exception& e) {
            return std::string("loading threw: ") + e.what();
        }
    }
    const Records loaded = ReadAll(cds);

    // Missing keys make up at most one record per key that exists, and every key takes a line.
    const auto lines = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n') +
                                                std::count(bytes.begin(), bytes.end(), '\r') + 1);
    if (loaded.size() > 2 * lines)
        return "more records than the file can hold: " + std::to_string(loaded.size());
    for (const auto& record : loaded) {
        for (int i = 0; i < cds.FieldCount(); ++i) {
            const TField& f = cds.Fields(i);
            const TFieldValue& v = record[static_cast<std::size_t>(i)];
            if (f.DataType() == TFieldType::ftString &&
                CharCount(v.text) > static_cast<std::size_t>(f.Size()))
                return "text longer than field " + f.FieldName();
            if (f.DataType() == TFieldType::ftBoolean && !v.null && v.number != 0 && v.number != 1)
                return "Boolean out of range";
        }
        if (record[0].null) return "record without Id";
    }

    // What was loaded is saved, and reads back the same, in the same order.
    {
        TMemIniFile ini(path);
        try {
            readSaveIcons(cds, SAVE_INFO, ini);
        } catch (const std::exception& e) {
            return std::string("saving threw: ") + e.what();
        }
    }
    if (ReadAll(cds) != loaded) return "saving changed the catalogue";
    TClientDataset again;
    NewCatalogue(again);
    {
        TMemIniFile ini(path);
        readSaveIcons(again, READ_INFO, ini);
        if (ini.SectionExists("Itens")) return "the older section survived a save";
    }
    if (ReadAll(again) != loaded) return "a saved catalogue read back differently";
    return {};
}

}  // namespace nq::fuzzcheck
