// Storage of a table's records in a section of the settings file: "RecordCount=N", then one key per
// record ("1".."N") holding "name=value§" for every field.

#include <algorithm>
#include <charconv>
#include <climits>

#include "catalogue/ClientDataset.h"
#include "catalogue/NqIniFiles.h"
#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

namespace {

// The record number a key stands for: a decimal without sign or leading zeros, as the writer makes
// them (another spelling is another key), from 1 up to limit; 0 otherwise.
int RecordKeyNumber(std::string_view key, int limit) {
    if (key.empty() || key.size() > 10 || key[0] == '0') return 0;
    const std::optional<std::uint64_t> n = LerInteiro<std::uint64_t>(key);
    return n && *n <= static_cast<std::uint64_t>(std::max(limit, 0)) ? static_cast<int>(*n) : 0;
}

std::string_view TrimBlanks(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) s.remove_suffix(1);
    return s;
}

}  // namespace

void ForEachRecordKey(TMemIniFile& ini, std::string_view section, std::string_view prefix, int declared,
                      const std::function<void(int, std::string_view)>& record) {
    if (declared <= 0) return;
    // One pass over the section's lines finds every record key and its value, as ReadString would
    // (the last line of a key wins), without a lookup per record.
    std::vector<std::string> lines;
    ini.ReadSectionValues(section, lines);
    struct Found {
        int key;
        std::string_view value;
    };
    std::vector<Found> found;
    for (const std::string& line : lines) {
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        const std::string_view key = TrimBlanks(std::string_view(line).substr(0, eq));
        if (key.size() <= prefix.size() || !SameText(key.substr(0, prefix.size()), prefix)) continue;
        if (const int n = RecordKeyNumber(key.substr(prefix.size()), declared))
            found.push_back({n, TrimBlanks(std::string_view(line).substr(eq + 1))});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.key < b.key; });

    // A key missing from the numbering still gives a record, as it always has; but a count far beyond
    // the keys that exist must not make up millions of empty records: at most one per real one.
    std::size_t allowance = 0;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (i + 1 == found.size() || found[i].key != found[i + 1].key) ++allowance;
    int previous = 0;
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (i + 1 < found.size() && found[i].key == found[i + 1].key) continue;  // a later line of the key
        const auto gap = static_cast<std::size_t>(found[i].key - previous - 1);
        const std::size_t filled = std::min(gap, allowance);
        allowance -= filled;
        for (std::size_t n = 0; n < filled; ++n) record(0, {});
        record(found[i].key, found[i].value);
        previous = found[i].key;
    }
}

void TClientDataset::saveToIni(TMemIniFile& myIniObject, std::string_view sessionName) {
    // A pending record is settled before counting, so that the count and the keys agree.
    First();
    myIniObject.EraseSection(sessionName);
    myIniObject.WriteInteger(sessionName, sRecordCount, RecordCount());
    // The field's text (TField::AsString) built in place: a catalogue of 100,000 records would
    // otherwise make a string for every value.
    struct Column {
        std::string name;
        TFieldType type;
        std::string yes, no;
    };
    std::vector<Column> columns;
    for (const auto& f : fields_) {
        const std::size_t semi = f->DisplayValues.find(';');
        columns.push_back({f->lowerName_ + "=", f->DataType(), f->DisplayValues.substr(0, semi),
                           semi == std::string::npos ? std::string() : f->DisplayValues.substr(semi + 1)});
    }
    std::string value;
    for (; !Eof(); Next()) {
        value.clear();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const Column& c = columns[i];
            const TFieldValue& v = current_->values[i];
            value += c.name;
            if (!v.null) {
                if (c.type == TFieldType::ftString) {
                    value += v.text;
                } else if (c.type == TFieldType::ftBoolean) {
                    value += v.number ? c.yes : c.no;
                } else {
                    char digits[16];
                    const auto end = std::to_chars(digits, digits + sizeof digits, v.number).ptr;
                    value.append(digits, end);
                }
            }
            value += cdsSeparadorCampos;
        }
        myIniObject.WriteString(sessionName, std::to_string(RecNo()), value);
    }
    myIniObject.UpdateFile();
}

void TClientDataset::LoadRecord(std::string_view value) {
    // The pieces between the separators, as AParse gives them, one after another: neither a copy of
    // each nor a list of them, which for a damaged value of millions of separators would cost more
    // than the value itself.
    const std::string_view sep = cdsSeparadorCampos;
    std::size_t from = 0;
    bool more = true;  // a piece remains (the empty piece after the last "§" included)
    auto next = [&](std::string_view& piece) {
        if (!more) return false;
        const std::size_t at = value.find(sep, from);
        piece = value.substr(from, at == std::string_view::npos ? std::string_view::npos : at - from);
        if (at == std::string_view::npos)
            more = false;
        else
            from = at + sep.size();
        return true;
    };
    TField* field = nullptr;
    int hint = 0;
    std::string text;
    auto store = [&] {
        if (!field) return;
        if (field->DataType() == TFieldType::ftString) {
            // Cut to the field, a text may end in "§" and blanks, which the next reading would drop:
            // dropped now, so that what is loaded reads back the same.
            text = CharLeft(text, static_cast<std::size_t>(field->Size()));
            for (std::size_t at; (at = text.rfind(sep)) != std::string::npos &&
                                 Empty(std::string_view(text).substr(at + sep.size()));)
                text.erase(at);
        }
        try {
            field->SetAsString(text);
        } catch (const EConvertError&) {
            // A value the field cannot take leaves the field at its default; the rest still loads.
        }
        field = nullptr;
    };
    // A "§" typed into a text splits its value when stored: what follows it is the rest of the text.
    // Only what the field can hold is kept (four bytes at most for each of its characters).
    auto join = [&](std::string_view rest) {
        if (!field || field->DataType() != TFieldType::ftString) return;  // names no field: ignored
        if (text.size() > 4 * static_cast<std::size_t>(field->Size())) return;
        text += sep;
        text += rest;
    };
    std::string_view piece;
    bool ahead = false;  // `piece` was read ahead and is still to be handled
    while (ahead || next(piece)) {
        ahead = false;
        const std::size_t eq = piece.find('=');
        if (TField* named = eq == std::string::npos ? nullptr : FindField(piece.substr(0, eq), hint)) {
            store();
            field = named;
            hint = named->Index() + 1;
            text.assign(piece.substr(eq + 1));
            continue;
        }
        if (eq != std::string::npos) {
            store();  // a pair that names no field: ignored
            continue;
        }
        if (!Empty(piece)) {
            join(piece);
            continue;
        }
        // Blank pieces followed only by the end or by a "name=value" piece are no part of a text:
        // another tool's habit, or damage. Followed by more text, they are part of it.
        const std::size_t runStart = static_cast<std::size_t>(piece.data() - value.data());
        while (next(piece) && Empty(piece)) {
        }
        if (Empty(piece)) break;  // the end
        if (piece.find('=') != std::string_view::npos) {
            ahead = true;
            continue;
        }
        join(value.substr(runStart,
                          static_cast<std::size_t>(piece.data() - value.data()) + piece.size() - runStart));
    }
    store();
}

void TClientDataset::loadFromIni(TMemIniFile& myIniObject, std::string_view sessionName) {
    Close();
    CreateDataSet();
    Open();
    const int declared = myIniObject.ReadInteger(sessionName, sRecordCount, 0);
    ForEachRecordKey(myIniObject, sessionName, "", declared, [&](int, std::string_view value) {
        Append();
        LoadRecord(value);
        Post();
    });
    First();
}

}  // namespace nq
