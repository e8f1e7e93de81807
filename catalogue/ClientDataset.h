#pragma once
// An in-memory table with a current record: typed fields, an edit buffer, a sort order, a filter, and
// storage of its records in a section of the settings file (ClientDatasetEx.cpp).
//
// The catalogue of shortcuts is one such table; the grid and the dialogs drive it through the same
// operations a data-aware control would use (Append/Edit/Post/Cancel, First/Next, RecNo, bookmarks).

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Comparacao.h"

namespace nq {

class TMemIniFile;
class TClientDataset;
class TableFilter;

// A misuse of the table: an operation in the wrong state, an unknown field, a filter it cannot read.
class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value that a field cannot take (a word in an integer field ...).
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TFieldType { ftString, ftInteger, ftAutoInc, ftBoolean };

enum class TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// One value of a record. Booleans are kept in `number` as 0 or 1.
struct TFieldValue {
    bool null = true;
    std::int32_t number = 0;
    std::string text;

    static TFieldValue Text(std::string s) { return {false, 0, std::move(s)}; }
    static TFieldValue Number(std::int32_t n) { return {false, n, {}}; }
    friend bool operator==(const TFieldValue&, const TFieldValue&) = default;
};

// A column of the table. It reads and writes the table's current record (the edit buffer while the
// table is inserting or editing).
class TField {
public:
    const std::string& FieldName() const { return name_; }
    TFieldType DataType() const { return type_; }
    // Characters a text field holds; 0 for the other types.
    int Size() const { return size_; }
    int Index() const { return index_; }

    // Width in characters that a grid gives the column.
    int DisplayWidth = 0;
    bool Required = false;
    // Value of a new record; null when it has none. An auto-increment field is numbered on Post.
    TFieldValue DefaultValue;
    // Booleans as text: "true text;false text".
    std::string DisplayValues = "True;False";

    bool IsNull() const;
    // The value as text: decimal for integers, DisplayValues for Booleans, "" for no value.
    std::string AsString() const;
    // Integers as they are, Booleans as 0/1, text converted (EConvertError when it is no integer),
    // 0 for no value.
    std::int32_t AsInteger() const;
    bool AsBoolean() const;
    std::string DisplayText() const { return AsString(); }
    // A value of this field as AsString gives it.
    std::string TextOf(const TFieldValue& v) const;

    // Text is cut to Size characters; an integer field takes a decimal number and a Boolean field any
    // leading part of one of its DisplayValues, without regard to case. The empty text clears the
    // value of a non-text field. EConvertError otherwise, leaving the value as it was.
    void SetAsString(std::string_view Value);
    void SetAsInteger(std::int32_t Value);
    void SetAsBoolean(bool Value);
    void Clear();

    const TFieldValue& Value() const;
    void SetValue(TFieldValue Value);

private:
    friend class TClientDataset;
    TField(TClientDataset& owner, std::string name, TFieldType type, int size, int index);

    TClientDataset* owner_;
    std::string name_;
    std::string lowerName_;
    TFieldType type_;
    int size_;
    int index_;
};

// Identity of a record, stable while the record exists (edits and reordering included).
using TBookmark = std::uint64_t;

class TClientDataset {
public:
    TClientDataset();
    ~TClientDataset();
    TClientDataset(const TClientDataset&) = delete;
    TClientDataset& operator=(const TClientDataset&) = delete;

    // Defines a field; only while the table is closed. Text fields need a size of at least 1.
    TField& AddField(std::string_view Name, TFieldType Type, int Size = 0);
    int FieldCount() const { return static_cast<int>(fields_.size()); }
    TField& Fields(int Index) { return *fields_.at(static_cast<std::size_t>(Index)); }
    // Names are matched without regard to case. FieldByName raises EDatabaseError for an unknown name.
    TField* FindField(std::string_view FieldName);
    TField& FieldByName(std::string_view FieldName);

    // Runs when a record is begun, after the fields took their defaults.
    std::function<void(TClientDataset&)> OnNewRecord;

    // Close drops every record; CreateDataSet opens the table anew, empty; Open opens a closed table
    // (empty) and does nothing to an open one.
    void Close();
    void CreateDataSet();
    void Open();
    bool Active() const { return state_ != TDataSetState::dsInactive; }
    TDataSetState State() const { return state_; }

    // Begins a new record, holding the defaults. A pending record is stored first when it was changed,
    // otherwise dropped; the same holds for every move below.
    void Append();
    // Begins changing the current record; EDatabaseError when no record is visible.
    void Edit();
    // Stores the pending record; it stays the current one (if the filter hides it, the next visible
    // record in the order becomes current).
    void Post();
    // Drops the pending record and returns to the record that was current before it.
    void Cancel();
    // Deletes the current record; the one after it becomes current (the one before, at the end).
    void Delete();
    void EmptyDataSet();
    // True while the pending record holds changes that Post has not stored yet.
    bool Modified() const { return modified_; }

    void First();
    void Next();
    void Prior();
    void Last();
    // Moves by Distance visible records, stopping at either end; gives the number of records moved.
    int MoveBy(int Distance);
    // True after moving past the last visible record, and for an empty view.
    bool Eof() const;
    // True after First, or after moving back from the first visible record.
    bool Bof() const;

    // Counted among the visible records only.
    int RecordCount() const;
    // 1-based position of the current record among the visible ones, in the current order; -1 while
    // a new record is pending or when there is no record.
    int RecNo() const;
    bool IsEmpty() const { return RecordCount() == 0; }

    // The value of a field in the visible record at 1-based position RecNo, without moving the current
    // record: what a grid shows of the records around it. The current record shows its pending changes
    // while it is edited; a position outside the visible records has no value.
    const TFieldValue& ValueAt(int RecNo, int Field) const;

    TBookmark GetBookmark() const;
    // False, without moving, when the record no longer exists or is not visible.
    bool GotoBookmark(TBookmark Bookmark);

    // Sort fields separated by ";", ascending, matched without regard to case; empty keeps the order
    // in which the records were added. Records that compare equal keep that order too. Texts compare
    // as a Portuguese speaker reads them: without regard to case and accents. EDatabaseError for an
    // unknown field, leaving the order as it was.
    void SetIndexFieldNames(std::string_view Names);
    const std::string& IndexFieldNames() const { return indexNames_; }

    // The filter is an expression over the fields: comparisons (= <> < > <= >=) of fields with numbers
    // and quoted texts, Boolean fields by themselves, upper()/lower(), "like" with "%" for any run of
    // characters, and/or/not and parentheses. Field names and keywords are matched without regard to
    // case. A text that cannot be read raises EDatabaseError when the filter is (or is being) switched
    // on, leaving the previous filter in force.
    void SetFilter(std::string_view Text);
    const std::string& Filter() const { return filterText_; }
    void SetFiltered(bool Value);
    bool Filtered() const { return filtered_; }

    // Appends to target, an open table with the same fields, a copy of every stored record, filter or
    // not, in the current order. Neither this table's cursor nor a record pending in it is touched, so
    // it may be copied while a record is being typed.
    void CopyStoredRecords(TClientDataset& target) const;

    // Replaces the section with the visible records in the current order: "RecordCount=N" and keys
    // "1".."N", each "name=value§" for every field; then writes the settings file.
    void saveToIni(TMemIniFile& myIniObject, std::string_view sessionName);
    // Replaces the records with those of the section. A value a field cannot take leaves that field
    // at its default and the rest still loads.
    void loadFromIni(TMemIniFile& myIniObject, std::string_view sessionName);

private:
    friend class TField;
    // A record. Rows and their values live in chunks of the table (a catalogue of 100,000 records
    // would otherwise cost several allocations per record, scattered over memory).
    struct Row {
        TFieldValue* values = nullptr;  // FieldCount() values
        std::uint64_t seq = 0;
        // Byte-comparable key of the current sort fields, in keys_, built when first needed.
        std::uint32_t keyAt = 0;
        std::uint32_t keyLen = 0;
        bool keyValid = false;
    };

    const TFieldValue& CurrentValue(int field) const;
    void StoreValue(int field, TFieldValue value);
    void CheckActive() const;
    void CheckBrowseMode();
    void EnsureView() const;
    void EnsureOrder() const;
    bool Less(Row* a, Row* b) const;
    void BuildKey(Row& row) const;
    std::string_view KeyOf(const Row& row) const {
        return std::string_view(keys_).substr(row.keyAt, row.keyLen);
    }
    Row* NewRow();
    void ReleaseRow(Row* row);
    std::vector<int> ParseIndex(std::string_view names);
    std::unique_ptr<TableFilter> CompileFilter(std::string_view text) const;
    void LoadRecord(std::string_view value);
    // Looks at field Hint first: stored pairs come in field order.
    TField* FindField(std::string_view FieldName, int Hint);
    void Reposition(int position);
    void DropRows();

    std::vector<std::unique_ptr<TField>> fields_;
    TDataSetState state_ = TDataSetState::dsInactive;

    // Records in the order they were added; `seq` breaks ties in every sort order.
    std::vector<Row*> rows_;
    std::vector<std::unique_ptr<Row[]>> rowChunks_;
    std::vector<std::unique_ptr<TFieldValue[]>> valueChunks_;
    std::size_t usedInChunk_ = 0;
    std::vector<Row*> freeRows_;          // deleted, ready for reuse
    mutable std::string keys_;            // sort keys of all rows; rebuilt whole by every full sort
    mutable std::size_t keyGarbage_ = 0;  // bytes of keys_ that no row uses any more
    std::uint64_t nextSeq_ = 1;
    std::int64_t highestAutoInc_ = 0;

    std::string indexNames_;
    std::vector<int> indexFields_;
    std::string filterText_;
    bool filtered_ = false;
    std::unique_ptr<TableFilter> filter_;

    // Derived lazily, so that adding many records costs one sort, not one per record.
    mutable std::vector<Row*> order_;
    mutable bool orderValid_ = true;
    mutable std::vector<Row*> pending_;  // stored rows missing from order_
    mutable std::vector<Row*> view_;
    mutable bool viewValid_ = true;

    // Current record: its row, and its position in view_ once the view is valid.
    mutable Row* current_ = nullptr;
    mutable int position_ = -1;
    bool eof_ = true;
    bool bof_ = true;

    // The pending record of dsInsert/dsEdit.
    std::vector<TFieldValue> buffer_;
    bool modified_ = false;
};

// Runs record(k, value) for the records of a stored section, in order: k is the number of a key
// prefix + k that exists (1 <= k <= declared) and value its value, or k is 0 for a key missing from
// the numbering, which stands for a record with the defaults. Missing keys count only up to the
// highest key present, and at most as many as there are keys present, so a count far beyond the
// section's keys costs nothing.
void ForEachRecordKey(TMemIniFile& ini, std::string_view section, std::string_view prefix, int declared,
                      const std::function<void(int, std::string_view)>& record);

// Constants of the stored form.
inline constexpr const char* sRecordCount = "RecordCount";
inline constexpr const char* cdsSeparadorCampos = "\xC2\xA7";  // "§"
inline constexpr int CAMPO = 0;
inline constexpr int VALOR = 1;

}  // namespace nq
