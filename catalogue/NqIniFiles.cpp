#include "catalogue/NqIniFiles.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <utility>

#include "support/Caminho.h"
#include "support/Cp1252.h"
#include "support/Errors.h"
#include "support/FileReplace.h"
#include "support/NqConst.h"
#include "support/NqFun.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

bool IniSortSections = true;
bool IniSeparaSecoes = true;
bool IniUpdateOnFree = true;

std::unique_ptr<TMemIniFile> NqIni;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::uint32_t kNoKey = UINT32_MAX;
const std::string sSep = ",";

// ---- names compared without regard to case --------------------------------------------------------

inline char32_t FoldedAt(std::string_view s, std::size_t& pos) {
    const auto b = static_cast<unsigned char>(s[pos]);
    if (b < 0x80) {
        ++pos;
        return (b >= 'A' && b <= 'Z') ? b + 32 : b;
    }
    return LowerChar(NextCodePoint(s, pos));
}

// Names equal by SameText hash alike: both fold the same code points.
std::uint32_t FoldedHash(std::string_view s) {
    std::uint64_t h = 0xcbf29ce484222325ull;
    for (std::size_t pos = 0; pos < s.size();) {
        h ^= FoldedAt(s, pos);
        h *= 0x100000001b3ull;
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

int FoldedCompare(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = FoldedAt(a, i), y = FoldedAt(b, j);
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool FoldedEqual(std::string_view a, std::string_view b) {
    if (a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size()) == 0) return true;
    return FoldedCompare(a, b) == 0;
}

// Open-addressing index from names (folded) to item numbers; the items keep their own names, the index
// only their hashes. Putting a name that is already there replaces its item: the last one wins.
class FoldedIndex {
public:
    template <class NameOf>
    std::int64_t Find(std::string_view name, std::uint32_t hash, NameOf nameOf) const {
        if (slots_.empty()) return -1;
        for (std::size_t i = Home(hash);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot& s = slots_[i];
            if (s.item == 0) return -1;
            if (s.hash == hash && FoldedEqual(nameOf(s.item - 1), name)) return s.item - 1;
        }
    }

    template <class NameOf>
    void Put(std::uint32_t item, std::string_view name, std::uint32_t hash, NameOf nameOf) {
        if ((count_ + 1) * 2 > slots_.size()) Grow();
        for (std::size_t i = Home(hash);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& s = slots_[i];
            if (s.item == 0) {
                s = Slot{hash, item + 1};
                ++count_;
                return;
            }
            if (s.hash == hash && FoldedEqual(nameOf(s.item - 1), name)) {
                s.item = item + 1;
                return;
            }
        }
    }

    void Clear() {
        slots_.clear();
        count_ = 0;
        bits_ = 0;
    }

    // The table's own rules: empty, or a power of two slots at most half full, its count true, every
    // item once, under its name's hash, and found from its home slot. Empty when they hold.
    template <class NameOf>
    std::string Conferir(std::size_t items, NameOf nameOf) const {
        if (slots_.empty()) return count_ == 0 ? "" : "an empty table counts items";
        if (slots_.size() != std::size_t{1} << bits_) return "the table's size is not its power of two";
        if (count_ * 2 > slots_.size()) return "the table is more than half full";
        std::vector<bool> seen(items, false);
        std::size_t used = 0;
        for (const Slot& s : slots_) {
            if (s.item == 0) continue;
            ++used;
            const std::uint32_t item = s.item - 1;
            if (item >= items) return "the table names an item that is not there";
            if (seen[item]) return "the table holds an item twice";
            seen[item] = true;
            const std::string_view name = nameOf(item);
            if (s.hash != FoldedHash(name)) return "an item is kept under another hash";
            if (Find(name, s.hash, nameOf) != item) return "an item is not found by its name";
        }
        return used == count_ ? "" : "the table's count is wrong";
    }
    std::size_t Count() const { return count_; }

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t item = 0;  // item + 1; 0 marks a free slot
    };

    std::size_t Home(std::uint32_t hash) const {
        return static_cast<std::size_t>((hash * 2654435769u) >> (32 - bits_)) & (slots_.size() - 1);
    }

    void Grow() {
        std::vector<Slot> old = std::move(slots_);
        bits_ = bits_ == 0 ? 4 : bits_ + 1;
        slots_.assign(std::size_t{1} << bits_, Slot{});
        for (const Slot& s : old) {
            if (s.item == 0) continue;
            std::size_t i = Home(s.hash);
            while (slots_[i].item != 0) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = s;
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    unsigned bits_ = 0;
};

// ---- the file on disk -------------------------------------------------------------------------------

// Enough of a file's bytes to tell whether they changed: never stored, so the hash may be the library's.
struct Fingerprint {
    std::size_t size = 0;
    std::size_t hash = 0;
    explicit Fingerprint(std::string_view bytes)
        : size(bytes.size()), hash(std::hash<std::string_view>{}(bytes)) {}
    friend bool operator==(const Fingerprint&, const Fingerprint&) = default;
};

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

// Keeps bytes that are about to be replaced in a new file beside the settings file, named after the
// moment they were written; gives its name. Throws EInOutError when no copy could be made.
std::string KeepCopy(const std::string& path, std::string_view bytes) {
    LocalTime written;
    const std::vector<FileEntry> found = CurrentPlatform().files->Find(path);
    if (!found.empty()) written = found.front().lastWrite;
    for (int n = 1; n <= 100; ++n) {
        const std::string name = NomeCopiaDatada(path, written, n);
        if (CurrentPlatform().files->CreateNew(name, std::string(bytes))) return name;
    }
    throw EInOutError("Não foi possível guardar uma cópia do arquivo " + path +
                      "; ele não foi gravado, para não perder o que contém");
}

std::string FileNameOnly(const std::string& path) {
    return std::string(NomeDoCaminho(path));
}

// ---- lines and sections -------------------------------------------------------------------------------

// A line of a section. Its key and value are ranges of the object's text store, so that reading a file
// allocates nothing per line.
struct Line {
    std::uint32_t key = 0;
    std::uint32_t keyLen = kNoKey;  // kNoKey: a line without "=", whose whole text is the value range
    std::uint32_t value = 0;
    std::uint32_t valueLen = 0;

    bool HasKey() const { return keyLen != kNoKey; }
    std::size_t Bytes() const { return (HasKey() ? keyLen : 0) + valueLen; }
};

struct Section {
    std::string name;
    std::vector<Line> lines;
    FoldedIndex keys;  // the last line of each key
};

// A line break inside a name or a value would split its line in the file and could forge sections and
// keys there; it is stored as a blank instead.
// The text itself when it holds no line break (the usual case, without a copy); otherwise a copy in
// `storage`.
std::string_view OneLine(std::string_view s, std::string& storage) {
    if (s.find_first_of("\r\n") == std::string_view::npos) return s;
    storage.assign(s);
    for (char& c : storage)
        if (c == '\r' || c == '\n') c = ' ';
    return storage;
}

// A 32-bit integer in decimal (a "+" or "-" before it), or in hexadecimal after "0x"; nothing for any other
// text.
std::optional<int> TextToInt(std::string_view t) {
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        // Colours name system colours with the high bit set: 0xFF000005 is a negative number.
        const std::optional<std::uint32_t> v = LerInteiro<std::uint32_t>(t.substr(2), 16);
        if (!v) return std::nullopt;
        return static_cast<int>(*v);
    }
    return LerInteiro(t, 10, TFormaInteiro::ComMais);
}


}  // namespace

// ---- the settings object -----------------------------------------------------------------------------

struct TMemIniFile::Impl {
    std::string fileName;
    std::vector<Section> sections;  // in the order read or created
    FoldedIndex index;              // sections by name
    std::string store;              // the text the lines' ranges point into
    std::size_t garbage = 0;        // bytes of the store that no line uses any more
    // The file was there but could not be read: writing the (empty) memory over it would lose it.
    bool unreadable = false;
    // The file's bytes did not decode cleanly (bad sequences, NUL characters, or no section in a text
    // that is not blank): before it is first replaced, a copy of it is kept beside it.
    bool undecodable = false;
    // What this object last read from the file or wrote to it; nothing when the file was missing.
    std::optional<Fingerprint> seen;
    // Memory may differ from the file: from the start (the file as read is not necessarily as this
    // object writes it) and after every change; false once UpdateFile made them agree.
    bool pending = true;
    std::vector<std::string> notices;

    std::string_view At(std::uint32_t offset, std::uint32_t len) const {
        return std::string_view(store).substr(offset, len);
    }
    std::string_view Key(const Line& l) const {
        return l.HasKey() ? At(l.key, l.keyLen) : std::string_view();
    }
    std::string_view Value(const Line& l) const { return At(l.value, l.valueLen); }
    void AppendText(std::string& out, const Line& l) const {
        if (l.HasKey()) out.append(Key(l)).append(1, '=');
        out.append(Value(l));
    }

    auto NameOf() const {
        return [this](std::uint32_t i) { return std::string_view(sections[i].name); };
    }
    auto KeyOf(const Section& s) const {
        return [this, &s](std::uint32_t i) { return Key(s.lines[i]); };
    }

    const Section* Find(std::string_view name) const {
        const std::int64_t i = index.Find(name, FoldedHash(name), NameOf());
        return i < 0 ? nullptr : &sections[static_cast<std::size_t>(i)];
    }
    const Line* Find(const Section& s, std::string_view ident) const {
        const std::int64_t i = s.keys.Find(ident, FoldedHash(ident), KeyOf(s));
        return i < 0 ? nullptr : &s.lines[static_cast<std::size_t>(i)];
    }

    std::size_t FindOrAdd(std::string_view name) {
        const std::uint32_t hash = FoldedHash(name);
        const std::int64_t i = index.Find(name, hash, NameOf());
        if (i >= 0) return static_cast<std::size_t>(i);
        const auto n = static_cast<std::uint32_t>(sections.size());
        sections.push_back(Section{std::string(name), {}, {}});
        index.Put(n, name, hash, NameOf());
        return n;
    }

    void AddLine(Section& s, const Line& line) {
        const auto n = static_cast<std::uint32_t>(s.lines.size());
        s.lines.push_back(line);
        if (line.HasKey()) {
            const std::string_view key = Key(line);
            s.keys.Put(n, key, FoldedHash(key), KeyOf(s));
        }
    }

    std::uint32_t Append(std::string_view text) {
        if (store.size() + text.size() > UINT32_MAX) throw std::length_error("settings too large");
        const auto at = static_cast<std::uint32_t>(store.size());
        store.append(text);
        return at;
    }

    // Copies the live text into a fresh store once most of the store is dead, so that repeated saves
    // of the catalogue do not grow it without end; the cost is linear and paid at most once per
    // doubling.
    void CompactIfWasteful() {
        if (garbage < 64 * 1024 || garbage < store.size() / 2) return;
        std::string old = std::move(store);
        store.clear();
        store.reserve(old.size() - garbage);
        for (Section& s : sections)
            for (Line& l : s.lines) {
                if (l.HasKey()) {
                    const std::uint32_t from = l.key;
                    l.key = static_cast<std::uint32_t>(store.size());
                    store.append(old, from, l.keyLen);
                }
                const std::uint32_t from = l.value;
                l.value = static_cast<std::uint32_t>(store.size());
                store.append(old, from, l.valueLen);
            }
        garbage = 0;
    }

    void Reindex() {
        index.Clear();
        for (std::uint32_t i = 0; i < sections.size(); ++i) {
            const std::string_view name = sections[i].name;
            index.Put(i, name, FoldedHash(name), NameOf());
        }
    }

    void Parse(std::string_view bytes);
    std::string Text() const;
};

void TMemIniFile::Impl::Parse(std::string_view bytes) {
    bool clean;
    if (bytes.substr(0, kBom.size()) == kBom) {
        clean = AppendValidUtf8(store, bytes.substr(kBom.size()));
    } else if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF") {
        clean = AppendFromUtf16(store, bytes.substr(2), bytes[0] == '\xFE');
    } else {
        AppendCp1252AsUtf8(store, bytes);
        clean = true;
    }
    if (store.size() > UINT32_MAX) throw std::length_error("settings too large");
    // No text this program reads holds a NUL: it is another encoding (UTF-16 without its mark, UTF-32)
    // or damage, such as the zeros a power cut can leave.
    if (std::memchr(store.data(), 0, store.size())) clean = false;

    // Lines end at CR LF, LF or a lone CR. The next CR and LF are remembered so that the scan stays
    // linear even for a text full of lone CRs.
    const std::string_view text = store;
    const std::size_t n = text.size();
    const char* const base = text.data();
    auto next = [&](char c, std::size_t from) {
        const void* p = from < n ? std::memchr(base + from, c, n - from) : nullptr;
        return p ? static_cast<std::size_t>(static_cast<const char*>(p) - base) : n;
    };
    auto offset = [&](std::string_view part) { return static_cast<std::uint32_t>(part.data() - base); };
    std::size_t nextCr = next('\r', 0), nextLf = next('\n', 0);
    std::size_t current = SIZE_MAX;  // no section yet: lines before the first one are ignored
    std::size_t live = 0;
    std::size_t pos = 0;
    while (pos < n) {
        if (nextCr < pos) nextCr = next('\r', pos);
        if (nextLf < pos) nextLf = next('\n', pos);
        const std::size_t end = std::min(nextCr, nextLf);
        const std::string_view line = TrimView(text.substr(pos, end - pos));
        pos = end + ((end + 1 < n && base[end] == '\r' && base[end + 1] == '\n') ? 2 : 1);

        if (line.empty() || line[0] == ';') continue;
        if (line.size() >= 2 && line[0] == '[' && line.back() == ']') {
            // A section named twice is one section: its lines follow on.
            current = FindOrAdd(TrimView(line.substr(1, line.size() - 2)));
            continue;
        }
        if (current == SIZE_MAX) continue;
        Line entry;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) {
            entry.value = offset(line);
            entry.valueLen = static_cast<std::uint32_t>(line.size());
        } else {
            const std::string_view key = TrimView(line.substr(0, eq));
            const std::string_view value = TrimView(line.substr(eq + 1));
            entry.key = offset(key);
            entry.keyLen = static_cast<std::uint32_t>(key.size());
            entry.value =
                value.empty() ? offset(line) + static_cast<std::uint32_t>(line.size()) : offset(value);
            entry.valueLen = static_cast<std::uint32_t>(value.size());
        }
        live += entry.Bytes();
        AddLine(sections[current], entry);
    }
    garbage = store.size() - live;
    // Text without a single section is not a settings file this program understands.
    if (sections.empty() && !TrimView(store).empty()) clean = false;
    undecodable = !clean;
}

std::string TMemIniFile::Impl::Text() const {
    std::vector<std::size_t> order(sections.size());
    std::size_t size = 0;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        order[i] = i;
        size += sections[i].name.size() + 6 + sections[i].lines.size() * 3;
    }
    size += store.size() - garbage;
    if (IniSortSections)
        std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
            return FoldedCompare(sections[a].name, sections[b].name) < 0;
        });
    std::string out;
    out.reserve(size);
    for (std::size_t i : order) {
        const Section& s = sections[i];
        out.append(1, '[').append(s.name).append("]\r\n");
        for (const Line& l : s.lines) {
            AppendText(out, l);
            out.append("\r\n");
        }
        if (IniSeparaSecoes) out.append("\r\n");
    }
    return out;
}

TMemIniFile::TMemIniFile(const std::string& FileName) : d_(std::make_unique<Impl>()) {
    d_->fileName = AcertarNomeArquivo(FileName);
    RemoveLeftovers(d_->fileName);
    if (const std::optional<std::string> bytes = CurrentPlatform().files->ReadAll(d_->fileName)) {
        d_->Parse(*bytes);
        d_->seen = Fingerprint(*bytes);
    } else {
        d_->unreadable = CurrentPlatform().shell->FileExists(d_->fileName);
    }
}

TMemIniFile::TMemIniFile(const std::string& FileName, std::string_view Bytes) : d_(std::make_unique<Impl>()) {
    d_->fileName = AcertarNomeArquivo(FileName);
    d_->Parse(Bytes);
    d_->seen = Fingerprint(Bytes);
}

TMemIniFile::~TMemIniFile() {
    if (!IniUpdateOnFree) return;
    try {
        UpdateFile();
    } catch (...) {
        // Released at the end of the program: there is no one left to tell, and the old file is whole.
    }
}

std::string TMemIniFile::ReadString(std::string_view Section, std::string_view Ident,
                                    std::string_view Default) const {
    if (const nq::Section* s = d_->Find(Section))
        if (const Line* l = d_->Find(*s, Ident)) return std::string(d_->Value(*l));
    return std::string(Default);
}

void TMemIniFile::WriteString(std::string_view Section, std::string_view Ident, std::string_view Value) {
    std::string sectionCopy, identCopy, valueCopy;
    const std::string_view section = OneLine(Section, sectionCopy);
    const std::string_view ident = OneLine(Ident, identCopy);
    const std::string_view value = OneLine(Value, valueCopy);
    Impl& d = *d_;
    d.pending = true;
    nq::Section& s = d.sections[d.FindOrAdd(section)];
    Line line;
    line.key = d.Append(ident);
    line.keyLen = static_cast<std::uint32_t>(ident.size());
    line.value = d.Append(value);
    line.valueLen = static_cast<std::uint32_t>(value.size());
    const std::int64_t i = s.keys.Find(ident, FoldedHash(ident), d.KeyOf(s));
    if (i >= 0) {
        // The same name folded: the index stays right.
        Line& old = s.lines[static_cast<std::size_t>(i)];
        d.garbage += old.Bytes();
        old = line;
    } else {
        d.AddLine(s, line);
    }
    d.CompactIfWasteful();
}

int TMemIniFile::ReadInteger(std::string_view Section, std::string_view Ident, int Default) const {
    if (const nq::Section* s = d_->Find(Section))
        if (const Line* l = d_->Find(*s, Ident)) return TextToInt(d_->Value(*l)).value_or(Default);
    return Default;
}

void TMemIniFile::WriteInteger(std::string_view Section, std::string_view Ident, int Value) {
    WriteString(Section, Ident, std::to_string(Value));
}

bool TMemIniFile::ReadBool(std::string_view Section, std::string_view Ident, bool Default) const {
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TMemIniFile::WriteBool(std::string_view Section, std::string_view Ident, bool Value) {
    WriteString(Section, Ident, Value ? "1" : "0");
}

void TMemIniFile::ReadFont(std::string_view Sessao, std::string_view Ident, TFont& Fonte) const {
    lerFonte(ReadString(Sessao, Ident, gravarFonte(Fonte)), Fonte);
}

void TMemIniFile::WriteFont(std::string_view Sessao, std::string_view Ident, const TFont& Fonte) {
    WriteString(Sessao, Ident, gravarFonte(Fonte));
}

bool TMemIniFile::SectionExists(std::string_view Section) const {
    const nq::Section* s = d_->Find(Section);
    return s && !s->lines.empty();
}

void TMemIniFile::EraseSection(std::string_view Section) {
    const nq::Section* s = d_->Find(Section);
    if (!s) return;
    d_->pending = true;
    for (const Line& l : s->lines) d_->garbage += l.Bytes();
    d_->sections.erase(d_->sections.begin() + (s - d_->sections.data()));
    d_->Reindex();
    d_->CompactIfWasteful();
}

void TMemIniFile::ReadSections(std::vector<std::string>& Strings) const {
    Strings.clear();
    Strings.reserve(d_->sections.size());
    for (const nq::Section& s : d_->sections) Strings.push_back(s.name);
}

void TMemIniFile::ReadSectionValues(std::string_view Section, std::vector<std::string>& Strings) const {
    Strings.clear();
    const nq::Section* s = d_->Find(Section);
    if (!s) return;
    Strings.reserve(s->lines.size());
    for (const Line& l : s->lines) {
        Strings.emplace_back();
        d_->AppendText(Strings.back(), l);
    }
}

std::string TMemIniFile::FileContent() const {
    const std::string text = d_->Text();
    if (std::optional<std::string> cp1252 = Utf8ToCp1252(text)) return std::move(*cp1252);
    // Written as it will read back: a malformed sequence a caller stored becomes U+FFFD here too.
    std::string out(kBom);
    AppendValidUtf8(out, text);
    return out;
}

void TMemIniFile::UpdateFile() {
    Impl& d = *d_;
    if (d.unreadable)
        throw EInOutError("Não foi possível ler o arquivo " + d.fileName +
                          " ao iniciar; ele não foi gravado, para não perder o que contém");
    // Nothing new since the file was last made to agree: nothing to write, and nothing of another
    // writer's to overwrite.
    if (!d.pending) return;
    const std::string content = FileContent();
    // What is there now decides: nothing to do, a plain replacement, or a copy kept first.
    const std::optional<std::string> onDisk = CurrentPlatform().files->ReadAll(d.fileName);
    if (!onDisk && CurrentPlatform().shell->FileExists(d.fileName))
        throw EInOutError("Não foi possível ler o arquivo " + d.fileName +
                          " antes de gravá-lo; ele não foi gravado, para não perder o que contém");
    if (onDisk && *onDisk == content) {
        d.seen = Fingerprint(content);
        d.pending = false;
        return;
    }
    const bool changedElsewhere =
        (onDisk ? std::optional<Fingerprint>(Fingerprint(*onDisk)) : std::nullopt) != d.seen;
    if (onDisk && (changedElsewhere || d.undecodable)) KeepCopyOf(*onDisk, changedElsewhere);
    CurrentPlatform().files->ReplaceAll(d.fileName, content);
    d.seen = Fingerprint(content);
    d.pending = false;
}

// Keeps the file's bytes beside it under a dated name and says so in a notice; a second try makes no
// second copy, since the bytes are what the object has seen from then on.
void TMemIniFile::KeepCopyOf(const std::string& bytes, bool changedElsewhere) {
    Impl& d = *d_;
    const std::string copy = "\"" + FileNameOnly(KeepCopy(d.fileName, bytes)) + "\"";
    d.notices.push_back(
        changedElsewhere
            ? "O arquivo de configuração " + FileNameOnly(d.fileName) +
                  " foi alterado por outro programa enquanto a barra estava aberta. A versão alterada "
                  "foi guardada em " +
                  copy + ", e o arquivo recebeu a configuração desta barra."
            : "O arquivo de configuração " + FileNameOnly(d.fileName) +
                  " não pôde ser lido por inteiro (codificação desconhecida ou dados danificados). Ele "
                  "foi guardado como estava em " +
                  copy + ", e o arquivo recebeu a configuração desta barra.");
    d.seen = Fingerprint(bytes);
    d.undecodable = false;
}

void TMemIniFile::KeepCopyIfDamaged() {
    Impl& d = *d_;
    if (!d.undecodable) return;
    const std::optional<std::string> onDisk = CurrentPlatform().files->ReadAll(d.fileName);
    // Changed since it was read: the next save compares and decides.
    if (!onDisk || Fingerprint(*onDisk) != d.seen) return;
    KeepCopyOf(*onDisk, false);
    d.pending = true;  // the file gets the readable settings at the next save
}

std::vector<std::string> TMemIniFile::TakeNotices() {
    return std::exchange(d_->notices, {});
}

const std::string& TMemIniFile::FileName() const {
    return d_->fileName;
}

bool TMemIniFile::Unreadable() const {
    return d_->unreadable;
}

std::string TMemIniFile::Conferir() const {
    const Impl& d = *d_;
    const auto quebra = [](std::string_view t) { return t.find_first_of("\r\n") != std::string_view::npos; };
    if (std::string e = d.index.Conferir(d.sections.size(), d.NameOf()); !e.empty()) return "sections: " + e;
    if (d.index.Count() != d.sections.size()) return "sections: the index does not hold every section once";
    std::vector<std::pair<std::uint32_t, std::uint32_t>> ranges;  // offset and length of every key and value
    std::size_t live = 0;
    for (std::size_t i = 0; i < d.sections.size(); ++i) {
        const Section& s = d.sections[i];
        if (quebra(s.name)) return "a section's name holds a line break";
        if (d.index.Find(s.name, FoldedHash(s.name), d.NameOf()) != static_cast<std::int64_t>(i))
            return "sections: two have the same name, or one is not found";
        const std::string where = " in section [" + s.name + "]";
        for (const Line& l : s.lines) {
            if (std::size_t{l.value} + l.valueLen > d.store.size() ||
                (l.HasKey() && std::size_t{l.key} + l.keyLen > d.store.size()))
                return "a range lies beyond the text store" + where;
            if (l.HasKey()) ranges.emplace_back(l.key, l.keyLen);
            ranges.emplace_back(l.value, l.valueLen);
            live += l.Bytes();
            if (quebra(d.Key(l)) || quebra(d.Value(l))) return "a line holds a line break" + where;
        }
        if (std::string e = s.keys.Conferir(s.lines.size(), d.KeyOf(s)); !e.empty())
            return "keys: " + e + where;
        // Each key's last line is the one the index gives (a later line with the key would find an
        // earlier one), and the index holds nothing else.
        std::size_t last = 0;
        for (std::size_t j = 0; j < s.lines.size(); ++j) {
            if (!s.lines[j].HasKey()) continue;
            const std::string_view key = d.Key(s.lines[j]);
            const std::int64_t found = s.keys.Find(key, FoldedHash(key), d.KeyOf(s));
            if (found < static_cast<std::int64_t>(j) || !s.lines[static_cast<std::size_t>(found)].HasKey())
                return "keys: a key is not found at its last line" + where;
            if (found == static_cast<std::int64_t>(j)) ++last;
        }
        if (last != s.keys.Count()) return "keys: the index holds lines that are not a key's last" + where;
    }
    if (live + d.garbage != d.store.size()) return "the text store's unused bytes are miscounted";
    std::sort(ranges.begin(), ranges.end());
    for (std::size_t i = 1; i < ranges.size(); ++i)
        if (ranges[i - 1].second > 0 && ranges[i].second > 0 &&
            std::size_t{ranges[i - 1].first} + ranges[i - 1].second > ranges[i].first)
            return "two ranges share bytes of the text store";
    return "";
}

// ---- the process-wide object and the font text ---------------------------------------------------------

void IniciaIni(const std::string& AFileIni) {
    if (!NqIni) NqIni = std::make_unique<TMemIniFile>(AFileIni);
}

void IniciaIni(TFormatoINI Opcao) {
    if (NqIni) return;
    ISystemInfo& sys = *CurrentPlatform().system;
    std::string ending;
    if (Opcao == TFormatoINI::fiDeprecate)
        ending = "-" + sys.ComputerName() + "-" + UpperCase(sys.UserName()) + ".ini";
    else if (ConfigUnica)
        ending = ".ini";
    else
        ending = sys.ComputerName() + "(" + UpperCase(sys.UserName()) + ").ini";
    NqIni = std::make_unique<TMemIniFile>(TrocarExtensao(ExeName, ending));
}

std::string NomeCopiaDatada(std::string_view FileName, const LocalTime& Escrita, int Numero,
                            std::string_view Rotulo) {
    const std::size_t stem = InicioDaExtensao(FileName);
    std::string name(FileName.substr(0, stem));
    name += " (" + std::string(Rotulo);
    if (Escrita.year > 0)
        name += " " + std::to_string(Escrita.year) + "-" + TwoDigits(Escrita.month) + "-" +
                TwoDigits(Escrita.day) + " " + TwoDigits(Escrita.hour) + "-" + TwoDigits(Escrita.minute) +
                "-" + TwoDigits(Escrita.second);
    name += ")";
    if (Numero > 1) name += " " + std::to_string(Numero);
    return name + std::string(FileName.substr(stem));
}

std::string AcertarNomeArquivo(std::string_view FileName) {
    if (Empty(PastaDoCaminho(FileName))) return DirAplic + std::string(FileName);
    return std::string(FileName);
}

std::string gravarFonte(const TFont& Fonte) {
    auto flag = [](bool on) { return on ? "1" : "0"; };
    return Fonte.name + sSep + std::to_string(Fonte.size) + sSep + std::to_string(Fonte.color) + sSep +
           flag(Fonte.bold) + sSep + flag(Fonte.italic) + sSep + flag(Fonte.underline) + sSep +
           flag(Fonte.strikeOut);
}

void lerFonte(std::string_view Texto, TFont& Fonte) {
    // Counted first: a damaged value of millions of commas must not be split into millions of parts.
    if (std::count(Texto.begin(), Texto.end(), sSep[0]) != 6) return;
    const TStringArray parts = AParse(Texto, sSep);
    if (parts.size() != 7) return;
    Fonte.name = parts[0];
    if (const std::optional<int> size = TextToInt(parts[1])) Fonte.size = *size;
    if (const std::optional<int> color = TextToInt(parts[2])) Fonte.color = *color;
    Fonte.bold = parts[3] == "1";
    Fonte.italic = parts[4] == "1";
    Fonte.underline = parts[5] == "1";
    Fonte.strikeOut = parts[6] == "1";
}

}  // namespace nq
