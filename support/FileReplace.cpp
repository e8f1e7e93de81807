#include "support/FileReplace.h"

#include <array>
#include <vector>

#include "support/Caminho.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

namespace {

constexpr std::string_view kReplaced = "antigo";

const std::array<std::uint32_t, 256>& CrcTable() {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    return table;
}

std::string Hex8(std::uint32_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string out(8, '0');
    for (int i = 7; i >= 0; --i, v >>= 4) out[static_cast<std::size_t>(i)] = digits[v & 15];
    return out;
}

// A whole number in the given base, nothing else, of at most 20 characters.
template <class T>
std::optional<T> Number(std::string_view text, int base = 10) {
    if (text.size() > 20) return std::nullopt;
    return LerInteiro<T>(text, base);
}

std::string_view NameOnly(std::string_view path) { return NomeDoCaminho(path); }

std::string_view FolderOf(std::string_view path) { return PastaDoCaminho(path); }

// "pivXXXX.tmp": the names the system gave the temporary files of earlier versions.
bool IsEarlierLeftover(std::string_view name) {
    if (name.size() < 8 || name.size() > 11 || !SameText(name.substr(0, 3), "piv") ||
        !SameText(name.substr(name.size() - 4), ".tmp"))
        return false;
    return Number<std::uint32_t>(name.substr(3, name.size() - 7), 16).has_value();
}


}  // namespace

std::uint32_t Crc32(std::string_view bytes) {
    const std::array<std::uint32_t, 256>& table = CrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char b : bytes) c = table[(c ^ static_cast<unsigned char>(b)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string ReplacementName(std::string_view file, std::uint32_t process, std::uint32_t n,
                            std::string_view bytes) {
    return std::string(file) + "~" + std::to_string(process) + "-" + std::to_string(n) + "-" +
           std::to_string(bytes.size()) + "-" + Hex8(Crc32(bytes)) + ".tmp";
}

std::string ReplacedName(std::string_view file, std::uint32_t process, std::uint32_t n) {
    return std::string(file) + "~" + std::to_string(process) + "-" + std::to_string(n) + "-" +
           std::string(kReplaced) + ".tmp";
}

std::optional<ReplaceLeftover> ParseReplaceName(std::string_view name, std::string_view fileName) {
    const std::size_t head = fileName.size() + 1;
    if (name.size() <= head + 4 || !SameText(name.substr(0, fileName.size()), fileName) ||
        name[fileName.size()] != '~' || !SameText(name.substr(name.size() - 4), ".tmp"))
        return std::nullopt;
    std::string_view rest = name.substr(head, name.size() - head - 4);
    std::vector<std::string_view> parts;
    for (std::size_t dash; (dash = rest.find('-')) != std::string_view::npos; rest.remove_prefix(dash + 1))
        parts.push_back(rest.substr(0, dash));
    parts.push_back(rest);

    ReplaceLeftover l;
    const auto process = parts.size() >= 3 ? Number<std::uint32_t>(parts[0]) : std::nullopt;
    const auto n = parts.size() >= 3 ? Number<std::uint32_t>(parts[1]) : std::nullopt;
    if (!process || !n) return std::nullopt;
    l.process = *process;
    l.n = *n;
    if (parts.size() == 3 && SameText(parts[2], kReplaced)) {
        l.replaced = true;
        return l;
    }
    if (parts.size() != 4 || parts[3].size() != 8) return std::nullopt;
    const auto size = Number<std::uint64_t>(parts[2]);
    const auto crc = Number<std::uint32_t>(parts[3], 16);
    if (!size || !crc) return std::nullopt;
    l.size = *size;
    l.crc = *crc;
    return l;
}

void RemoveLeftovers(const std::string& file) {
    IFileSystem& fs = *CurrentPlatform().files;
    const std::string folder(FolderOf(file));
    const std::string_view fileName = NameOnly(file);

    struct Found {
        std::string path;
        ReplaceLeftover what;
        LocalTime written;
    };
    std::vector<Found> found;
    for (const FileEntry& e : fs.Find(file + "~*.tmp"))
        if (!e.isDirectory)
            if (const std::optional<ReplaceLeftover> what = ParseReplaceName(e.name, fileName))
                found.push_back({folder + e.name, *what, e.lastWrite});
    std::vector<std::string> earlier;
    for (const FileEntry& e : fs.Find(folder + "piv*.tmp"))
        if (!e.isDirectory && IsEarlierLeftover(e.name)) earlier.push_back(folder + e.name);
    if (found.empty() && earlier.empty()) return;

    if (!fs.ReadAll(file) && !CurrentPlatform().shell->FileExists(file)) {
        // The newest complete new content; else the newest file moved aside, which was whole when moved.
        std::optional<std::string> best;
        LocalTime bestTime;
        bool bestIsNew = false;
        for (const Found& f : found) {
            if (bestIsNew && f.what.replaced) continue;
            if (best && (f.what.replaced || bestIsNew) && f.written <= bestTime) continue;
            std::optional<std::string> bytes = fs.ReadAll(f.path);
            if (!bytes) continue;
            if (!f.what.replaced && (bytes->size() != f.what.size || Crc32(*bytes) != f.what.crc)) continue;
            best = std::move(bytes);
            bestTime = f.written;
            bestIsNew = !f.what.replaced;
        }
        if (best) {
            try {
                fs.ReplaceAll(file, *best);
            } catch (const std::exception&) {
                return;  // the leftovers are the only copy: they stay for the next start
            }
        }
    }
    // A file that another program still holds open cannot be deleted, and stays.
    for (const Found& f : found) fs.ForceDelete(f.path);
    for (const std::string& path : earlier) fs.ForceDelete(path);
}

}  // namespace nq
