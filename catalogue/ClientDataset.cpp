#include "catalogue/ClientDataset.h"

#include "catalogue/TableFilter.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

#include "support/NqFun.h"
#include "support/Text.h"

namespace nq {

namespace {

const TFieldValue kNoValue{};

// A field's integer as text: blanks around it and a sign before it allowed.
std::optional<std::int32_t> InteiroDoTexto(std::string_view text) {
    return LerInteiro<std::int32_t>(Trim(text), 10, TFormaInteiro::ComMais);
}

// The true and false texts of a Boolean field.
std::pair<std::string, std::string> SplitDisplayValues(const std::string& values) {
    const std::size_t semi = values.find(';');
    if (semi == std::string::npos) return {values, {}};
    return {values.substr(0, semi), values.substr(semi + 1)};
}

// Byte-comparable encoding of one sort field: null sorts first, integers by value, texts by ChaveDeOrdem
// (case and accents ignored, numbers in them by value; 0x00 escaped so that a shorter text sorts before
// its extensions).
void AppendSortKey(std::string& key, const TFieldValue& v, TFieldType type) {
    if (v.null) {
        key += '\0';
        return;
    }
    key += '\1';
    if (type == TFieldType::ftString) {
        for (char c : ChaveDeOrdem(v.text)) {
            key += c;
            if (c == '\0') key += '\xFF';
        }
        key += '\0';
        key += '\0';
        return;
    }
    const auto biased = static_cast<std::uint32_t>(v.number) ^ 0x80000000u;
    for (int shift = 24; shift >= 0; shift -= 8) key += static_cast<char>((biased >> shift) & 0xFF);
}

}  // namespace

// ---------------------------------------------------------------------------------------------------
// Fields

TField::TField(TClientDataset& owner, std::string name, TFieldType type, int size, int index)
    : owner_(&owner),
      name_(std::move(name)),
      lowerName_(LowerCase(name_)),
      type_(type),
      size_(size),
      index_(index) {
    switch (type) {
        case TFieldType::ftString:
            DisplayWidth = size;
            break;
        case TFieldType::ftBoolean:
            DisplayWidth = 5;
            break;
        default:
            DisplayWidth = 10;
            break;
    }
}

const TFieldValue& TField::Value() const {
    return owner_->CurrentValue(index_);
}
void TField::SetValue(TFieldValue Value) {
    owner_->StoreValue(index_, std::move(Value));
}

bool TField::IsNull() const {
    return Value().null;
}

std::string TField::AsString() const {
    return TextOf(Value());
}

std::string TField::TextOf(const TFieldValue& v) const {
    if (v.null) return {};
    switch (type_) {
        case TFieldType::ftString:
            return v.text;
        case TFieldType::ftBoolean: {
            auto [yes, no] = SplitDisplayValues(DisplayValues);
            return v.number ? yes : no;
        }
        default:
            return std::to_string(v.number);
    }
}

std::int32_t TField::AsInteger() const {
    const TFieldValue& v = Value();
    if (v.null) return 0;
    if (type_ != TFieldType::ftString) return v.number;
    const std::optional<std::int32_t> n = InteiroDoTexto(v.text);
    if (!n) throw EConvertError("'" + v.text + "' não é um valor inteiro válido");
    return *n;
}

bool TField::AsBoolean() const {
    const TFieldValue& v = Value();
    if (v.null) return false;
    if (type_ != TFieldType::ftString) return v.number != 0;
    auto [yes, no] = SplitDisplayValues(DisplayValues);
    const std::string upper = UpperCase(v.text);
    if (!upper.empty() && UpperCase(yes).starts_with(upper)) return true;
    if (!upper.empty() && UpperCase(no).starts_with(upper)) return false;
    throw EConvertError("'" + v.text + "' não é um valor lógico válido");
}

void TField::SetAsString(std::string_view Value) {
    if (Value.empty()) return Clear();
    if (type_ == TFieldType::ftString) return SetValue(TFieldValue::Text(std::string(Value)));
    if (type_ == TFieldType::ftBoolean) {
        auto [yes, no] = SplitDisplayValues(DisplayValues);
        const std::string upper = UpperCase(Value);
        if (UpperCase(yes).starts_with(upper)) return SetAsBoolean(true);
        if (UpperCase(no).starts_with(upper)) return SetAsBoolean(false);
        throw EConvertError("'" + std::string(Value) + "' não é um valor lógico válido");
    }
    const std::optional<std::int32_t> n = InteiroDoTexto(Value);
    if (!n) throw EConvertError("'" + std::string(Value) + "' não é um valor inteiro válido");
    SetAsInteger(*n);
}

void TField::SetAsInteger(std::int32_t Value) {
    if (type_ == TFieldType::ftString) return SetAsString(std::to_string(Value));
    SetValue(TFieldValue::Number(Value));
}

void TField::SetAsBoolean(bool Value) {
    if (type_ == TFieldType::ftString) {
        auto [yes, no] = SplitDisplayValues(DisplayValues);
        return SetAsString(Value ? yes : no);
    }
    SetValue(TFieldValue::Number(Value ? 1 : 0));
}

void TField::Clear() {
    SetValue(TFieldValue{});
}

// ---------------------------------------------------------------------------------------------------
// The table

TClientDataset::TClientDataset() = default;
TClientDataset::~TClientDataset() = default;

TField& TClientDataset::AddField(std::string_view Name, TFieldType Type, int Size) {
    if (Active()) throw EDatabaseError("Não é possível definir campos com a tabela aberta");
    if (FindField(Name)) throw EDatabaseError("Campo '" + std::string(Name) + "' duplicado");
    if (Type == TFieldType::ftString && Size < 1)
        throw EDatabaseError("Campo '" + std::string(Name) + "' sem tamanho");
    const int index = FieldCount();
    fields_.push_back(std::unique_ptr<TField>(
        new TField(*this, std::string(Name), Type, Type == TFieldType::ftString ? Size : 0, index)));
    return *fields_.back();
}

TField* TClientDataset::FindField(std::string_view FieldName) {
    return FindField(FieldName, 0);
}

TField* TClientDataset::FindField(std::string_view FieldName, int Hint) {
    const int n = FieldCount();
    // Stored names are the field names in lower case, in field order: most lookups end here.
    if (n > 0 && fields_[static_cast<std::size_t>(Hint % n)]->lowerName_ == FieldName)
        return fields_[static_cast<std::size_t>(Hint % n)].get();
    const auto first = FieldName.empty() ? 0u : static_cast<unsigned char>(FieldName[0]);
    for (int i = 0; i < n; ++i) {
        TField* f = fields_[static_cast<std::size_t>((Hint + i) % n)].get();
        // Names that differ in their first (ASCII) letter need no full comparison.
        const auto c = static_cast<unsigned char>(f->FieldName()[0]);
        if (c < 0x80 && first < 0x80 && std::tolower(c) != std::tolower(first)) continue;
        if (SameText(f->FieldName(), FieldName)) return f;
    }
    return nullptr;
}

TField& TClientDataset::FieldByName(std::string_view FieldName) {
    if (TField* f = FindField(FieldName)) return *f;
    throw EDatabaseError("Campo '" + std::string(FieldName) + "' não encontrado");
}

TClientDataset::Row* TClientDataset::NewRow() {
    if (!freeRows_.empty()) {
        Row* row = freeRows_.back();
        freeRows_.pop_back();
        return row;
    }
    constexpr std::size_t kChunkRows = 1024;
    if (rowChunks_.empty() || usedInChunk_ == kChunkRows) {
        rowChunks_.push_back(std::make_unique<Row[]>(kChunkRows));
        valueChunks_.push_back(std::make_unique<TFieldValue[]>(kChunkRows * fields_.size()));
        usedInChunk_ = 0;
    }
    Row* row = &rowChunks_.back()[usedInChunk_];
    row->values = &valueChunks_.back()[usedInChunk_ * fields_.size()];
    ++usedInChunk_;
    return row;
}

void TClientDataset::ReleaseRow(Row* row) {
    for (std::size_t i = 0; i < fields_.size(); ++i) row->values[i] = TFieldValue{};
    if (row->keyValid) keyGarbage_ += row->keyLen;
    row->keyValid = false;
    freeRows_.push_back(row);
}

void TClientDataset::DropRows() {
    rows_.clear();
    rowChunks_.clear();
    valueChunks_.clear();
    usedInChunk_ = 0;
    freeRows_.clear();
    keys_.clear();
    keyGarbage_ = 0;
    order_.clear();
    pending_.clear();
    view_.clear();
    // Rows stored from now on are sorted in one go when first needed (a load adds them all at once).
    orderValid_ = false;
    viewValid_ = true;
    current_ = nullptr;
    position_ = -1;
    eof_ = bof_ = true;
}

void TClientDataset::Close() {
    state_ = TDataSetState::dsInactive;
    buffer_.clear();
    modified_ = false;
    DropRows();
}

void TClientDataset::CreateDataSet() {
    if (fields_.empty()) throw EDatabaseError("Tabela sem campos");
    Close();
    highestAutoInc_ = 0;
    state_ = TDataSetState::dsBrowse;
}

void TClientDataset::Open() {
    if (!Active()) CreateDataSet();
}

void TClientDataset::CheckActive() const {
    if (!Active()) throw EDatabaseError("Operação não permitida com a tabela fechada");
}

void TClientDataset::CheckBrowseMode() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert || state_ == TDataSetState::dsEdit) {
        if (modified_)
            Post();
        else
            Cancel();
    }
}

void TClientDataset::Append() {
    CheckBrowseMode();
    buffer_.clear();
    for (auto& f : fields_) buffer_.push_back(f->DefaultValue);
    state_ = TDataSetState::dsInsert;
    if (OnNewRecord) {
        try {
            OnNewRecord(*this);
        } catch (...) {
            Cancel();
            throw;
        }
    }
    // What the handler set is part of the new record's defaults.
    modified_ = false;
}

void TClientDataset::Edit() {
    CheckActive();
    if (state_ != TDataSetState::dsBrowse) return;
    EnsureView();
    if (!current_) throw EDatabaseError("Não há registro para alterar");
    buffer_.assign(current_->values, current_->values + fields_.size());
    state_ = TDataSetState::dsEdit;
    modified_ = false;
}

void TClientDataset::Post() {
    CheckActive();
    if (state_ == TDataSetState::dsBrowse) return;
    for (auto& f : fields_) {
        if (f->DataType() != TFieldType::ftAutoInc) continue;
        TFieldValue& v = buffer_[static_cast<std::size_t>(f->Index())];
        if (v.null) {
            if (highestAutoInc_ < INT32_MAX) ++highestAutoInc_;
            v = TFieldValue::Number(static_cast<std::int32_t>(highestAutoInc_));
        } else if (v.number > highestAutoInc_) {
            highestAutoInc_ = v.number;
        }
    }
    if (state_ == TDataSetState::dsInsert) {
        Row* row = NewRow();
        std::move(buffer_.begin(), buffer_.end(), row->values);
        row->seq = nextSeq_++;
        row->keyValid = false;
        current_ = row;
        rows_.push_back(row);
        if (orderValid_) pending_.push_back(current_);
    } else {
        bool keyChanged = false;
        for (int i : indexFields_) {
            const auto at = static_cast<std::size_t>(i);
            if (!(buffer_[at] == current_->values[at])) keyChanged = true;
        }
        if (keyChanged) EnsureOrder();  // so that the row is in order_ to be taken out
        std::move(buffer_.begin(), buffer_.end(), current_->values);
        if (keyChanged) {
            if (current_->keyValid) keyGarbage_ += current_->keyLen;
            current_->keyValid = false;
            order_.erase(std::find(order_.begin(), order_.end(), current_));
            pending_.push_back(current_);
        }
    }
    buffer_.clear();
    state_ = TDataSetState::dsBrowse;
    modified_ = false;
    viewValid_ = false;
    eof_ = bof_ = false;
}

void TClientDataset::Cancel() {
    if (state_ != TDataSetState::dsInsert && state_ != TDataSetState::dsEdit) return;
    state_ = TDataSetState::dsBrowse;
    buffer_.clear();
    modified_ = false;
}

void TClientDataset::Delete() {
    CheckActive();
    if (state_ == TDataSetState::dsInsert) return Cancel();
    Cancel();
    EnsureView();
    if (!current_) throw EDatabaseError("Não há registro para excluir");
    Row* row = current_;
    const int at = position_;
    view_.erase(view_.begin() + at);
    order_.erase(std::find(order_.begin(), order_.end(), row));
    rows_.erase(std::find(rows_.begin(), rows_.end(), row));
    ReleaseRow(row);
    current_ = nullptr;
    Reposition(at);
    eof_ = bof_ = false;
}

void TClientDataset::EmptyDataSet() {
    CheckActive();
    Cancel();
    DropRows();
}

bool TClientDataset::Less(Row* a, Row* b) const {
    BuildKey(*a);
    BuildKey(*b);  // both first: building one may move the other's key in keys_
    const int c = KeyOf(*a).compare(KeyOf(*b));
    return c != 0 ? c < 0 : a->seq < b->seq;
}

void TClientDataset::BuildKey(Row& row) const {
    if (row.keyValid) return;
    const std::size_t at = keys_.size();
    for (int i : indexFields_)
        AppendSortKey(keys_, row.values[i], fields_[static_cast<std::size_t>(i)]->DataType());
    row.keyAt = static_cast<std::uint32_t>(at);
    row.keyLen = static_cast<std::uint32_t>(keys_.size() - at);
    row.keyValid = true;
}

void TClientDataset::EnsureOrder() const {
    if (!orderValid_) {
        // Sorting 100,000 rows by pointer would chase each row's key on every comparison; the first
        // bytes of the keys, side by side, settle most comparisons without leaving the array.
        struct Entry {
            std::uint64_t prefix;
            Row* row;
        };
        // Every key is built anew, one after another in keys_, which drops those of edited rows.
        keys_.clear();
        keyGarbage_ = 0;
        for (Row* r : rows_) {
            r->keyValid = false;
            BuildKey(*r);
        }
        std::vector<Entry> entries;
        entries.reserve(rows_.size());
        for (Row* r : rows_) {
            const std::string_view key = KeyOf(*r);
            std::uint64_t prefix = 0;
            for (std::size_t i = 0; i < 8; ++i)
                prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
            entries.push_back({prefix, r});
        }
        const auto less = [this](const Entry& a, const Entry& b) {
            if (a.prefix != b.prefix) return a.prefix < b.prefix;
            const int c = KeyOf(*a.row).compare(KeyOf(*b.row));
            return c != 0 ? c < 0 : a.row->seq < b.row->seq;
        };
        // The catalogue is saved in the bar's order, so a load usually brings the rows in order already.
        if (!std::is_sorted(entries.begin(), entries.end(), less))
            std::sort(entries.begin(), entries.end(), less);
        order_.clear();
        order_.reserve(entries.size());
        for (const Entry& e : entries) order_.push_back(e.row);
        pending_.clear();
        orderValid_ = true;
        return;
    }
    if (pending_.empty()) return;
    // Old keys of edited rows pile up in keys_ until the next full sort: one is due when they make up
    // half of it.
    if (pending_.size() > 8 || keyGarbage_ > 4096 + keys_.size() / 2) {
        orderValid_ = false;
        return EnsureOrder();
    }
    // A few rows changed since the last sort (a record added or edited): each goes to its place.
    auto less = [this](Row* a, Row* b) { return Less(a, b); };
    for (Row* r : pending_) order_.insert(std::upper_bound(order_.begin(), order_.end(), r, less), r);
    pending_.clear();
}

void TClientDataset::EnsureView() const {
    if (viewValid_) return;
    EnsureOrder();
    view_.clear();
    const bool filtering = filtered_ && filter_;
    // A current record that the filter hides gives way to the next visible one.
    std::size_t after = SIZE_MAX;
    for (Row* r : order_) {
        if (r == current_) after = view_.size();
        if (!filtering || filter_->Matches(r->values)) view_.push_back(r);
    }
    viewValid_ = true;
    if (view_.empty()) {
        current_ = nullptr;
        position_ = -1;
        return;
    }
    position_ = after == SIZE_MAX ? 0 : static_cast<int>(std::min(after, view_.size() - 1));
    current_ = view_[static_cast<std::size_t>(position_)];
}

void TClientDataset::Reposition(int position) {
    if (view_.empty()) {
        current_ = nullptr;
        position_ = -1;
        return;
    }
    position_ = std::clamp(position, 0, static_cast<int>(view_.size()) - 1);
    current_ = view_[static_cast<std::size_t>(position_)];
}

void TClientDataset::First() {
    CheckBrowseMode();
    EnsureView();
    Reposition(0);
    bof_ = true;
    eof_ = view_.empty();
}

void TClientDataset::Last() {
    CheckBrowseMode();
    EnsureView();
    Reposition(static_cast<int>(view_.size()) - 1);
    eof_ = true;
    bof_ = view_.empty();
}

void TClientDataset::Next() {
    MoveBy(1);
}
void TClientDataset::Prior() {
    MoveBy(-1);
}

int TClientDataset::MoveBy(int Distance) {
    CheckBrowseMode();
    EnsureView();
    if (view_.empty()) {
        eof_ = bof_ = true;
        return 0;
    }
    const std::int64_t last = static_cast<std::int64_t>(view_.size()) - 1;
    const std::int64_t wanted = std::int64_t{position_} + Distance;
    const int from = position_;
    if (Distance > 0) {
        bof_ = false;
        eof_ = wanted > last;
    } else if (Distance < 0) {
        eof_ = false;
        bof_ = wanted < 0;
    }
    Reposition(static_cast<int>(std::clamp<std::int64_t>(wanted, 0, last)));
    return position_ - from;
}

bool TClientDataset::Eof() const {
    EnsureView();
    return eof_ || view_.empty();
}

bool TClientDataset::Bof() const {
    EnsureView();
    return bof_ || view_.empty();
}

int TClientDataset::RecordCount() const {
    EnsureView();
    return static_cast<int>(view_.size());
}

int TClientDataset::RecNo() const {
    if (state_ == TDataSetState::dsInsert) return -1;
    EnsureView();
    return current_ ? position_ + 1 : -1;
}

const TFieldValue& TClientDataset::ValueAt(int RecNo, int Field) const {
    EnsureView();
    if (RecNo < 1 || RecNo > static_cast<int>(view_.size()) || Field < 0 || Field >= FieldCount())
        return kNoValue;
    const Row* row = view_[static_cast<std::size_t>(RecNo - 1)];
    if (state_ == TDataSetState::dsEdit && row == current_) return buffer_[static_cast<std::size_t>(Field)];
    return row->values[Field];
}

TBookmark TClientDataset::GetBookmark() const {
    EnsureView();
    return current_ ? current_->seq : 0;
}

bool TClientDataset::GotoBookmark(TBookmark Bookmark) {
    CheckBrowseMode();
    EnsureView();
    for (std::size_t i = 0; i < view_.size(); ++i) {
        if (view_[i]->seq == Bookmark) {
            Reposition(static_cast<int>(i));
            eof_ = bof_ = false;
            return true;
        }
    }
    return false;
}

std::vector<int> TClientDataset::ParseIndex(std::string_view names) {
    std::vector<int> out;
    for (const std::string& part : AParse(names, ";")) {
        const std::string name = Trim(part);
        if (!name.empty()) out.push_back(FieldByName(name).Index());
    }
    return out;
}

void TClientDataset::SetIndexFieldNames(std::string_view Names) {
    std::vector<int> fields = ParseIndex(Names);
    indexNames_ = std::string(Names);
    // The bar sets its order at every rebuild: the same fields again need no new sort.
    if (fields == indexFields_) return;
    if (Active()) CheckBrowseMode();
    indexFields_ = std::move(fields);
    for (Row* r : rows_) r->keyValid = false;
    orderValid_ = false;
    pending_.clear();
    viewValid_ = false;
    eof_ = bof_ = false;
}

std::unique_ptr<TableFilter> TClientDataset::CompileFilter(std::string_view text) const {
    std::vector<TableFilter::Column> columns;
    for (auto& f : fields_) columns.push_back({f->FieldName(), f->DataType()});
    return TableFilter::Compile(text, columns);
}

void TClientDataset::SetFilter(std::string_view Text) {
    if (filtered_) {
        auto compiled = CompileFilter(Text);
        if (Active()) CheckBrowseMode();
        filter_ = std::move(compiled);
        viewValid_ = false;
        eof_ = bof_ = false;
    }
    filterText_ = std::string(Text);
}

void TClientDataset::SetFiltered(bool Value) {
    if (Value == filtered_) return;
    auto compiled = Value ? CompileFilter(filterText_) : nullptr;
    if (Active()) CheckBrowseMode();
    filter_ = std::move(compiled);
    filtered_ = Value;
    viewValid_ = false;
    eof_ = bof_ = false;
}

void TClientDataset::CopyStoredRecords(TClientDataset& target) const {
    if (&target == this) throw EDatabaseError("Uma tabela não pode ser copiada nela mesma");
    if (target.FieldCount() != FieldCount()) throw EDatabaseError("As tabelas não têm os mesmos campos");
    EnsureOrder();
    for (const Row* r : order_) {
        target.Append();
        for (std::size_t i = 0; i < fields_.size(); ++i) target.StoreValue(static_cast<int>(i), r->values[i]);
        target.Post();
    }
}

const TFieldValue& TClientDataset::CurrentValue(int field) const {
    if (state_ == TDataSetState::dsInsert || state_ == TDataSetState::dsEdit)
        return buffer_[static_cast<std::size_t>(field)];
    EnsureView();
    return current_ ? current_->values[field] : kNoValue;
}

void TClientDataset::StoreValue(int field, TFieldValue value) {
    if (state_ != TDataSetState::dsInsert && state_ != TDataSetState::dsEdit)
        throw EDatabaseError("A tabela não está em modo de inclusão ou alteração");
    const TField& f = *fields_[static_cast<std::size_t>(field)];
    if (!value.null) {
        if (f.DataType() == TFieldType::ftString) {
            value.number = 0;
            // A text no longer in bytes than the size cannot be longer in characters.
            if (value.text.size() > static_cast<std::size_t>(f.Size()))
                value.text = CharLeft(value.text, static_cast<std::size_t>(f.Size()));
            if (value.text.empty()) value = TFieldValue{};
        } else {
            value.text.clear();
            if (f.DataType() == TFieldType::ftBoolean) value.number = value.number != 0;
        }
    }
    buffer_[static_cast<std::size_t>(field)] = std::move(value);
    modified_ = true;
}

}  // namespace nq
