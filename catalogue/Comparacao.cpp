#include "catalogue/Comparacao.h"

#include "support/Text.h"

namespace nq {

namespace {

// Base letters of U+0100..U+017F; '1' stands for "ij", '2' for "oe".
constexpr char kLatinExtendedA[] =
    "aaaaaacccccccc"
    "dddd"
    "eeeeeeeeee"
    "gggggggghhhh"
    "iiiiiiiiii"
    "11jjkkkllllllllll"
    "nnnnnnnnnoooooo22"
    "rrrrrrsssssssstttttt"
    "uuuuuuuuuuuuwwyyyzzzzzzs";
static_assert(sizeof kLatinExtendedA == 0x80 + 1);

void AppendFolded(std::string& out, char32_t c) {
    c = LowerChar(c);
    if (c >= 0xE0 && c <= 0xFF) {
        // à..ÿ with their base letters; æ, ß and þ become two letters as a reader spells them.
        static constexpr const char* kLatin1[] = {"a", "a", "a", "a", "a", "a", "ae", "c", "e",  "e", "e",
                                                  "e", "i", "i", "i", "i", "d", "n",  "o", "o",  "o", "o",
                                                  "o", "÷", "o", "u", "u", "u", "u",  "y", "th", "y"};
        out += kLatin1[c - 0xE0];
        return;
    }
    if (c == 0xDF) {
        out += "ss";
        return;
    }
    if (c >= 0x100 && c <= 0x17F) {
        const char base = kLatinExtendedA[c - 0x100];
        if (base == '1')
            out += "ij";
        else if (base == '2')
            out += "oe";
        else
            out += base;
        return;
    }
    if (c == 0x192) {  // ƒ
        out += 'f';
        return;
    }
    AppendUtf8(out, c);
}

bool Digito(char c) {
    return c >= '0' && c <= '9';
}

// A count as a byte-comparable run: up to 8 as one digit, more as '9' and then the count's own
// number of digits and its digits, so that a larger count always compares larger.
void AppendContagem(std::string& out, std::size_t n) {
    if (n < 9) {
        out += static_cast<char>('0' + n);
        return;
    }
    const std::string digitos = std::to_string(n);
    out += '9';
    out += static_cast<char>('0' + digitos.size());  // under 10 digits for any count a string holds
    out += digitos;
}

}  // namespace

std::string CollationKey(std::string_view Text) {
    std::string out;
    out.reserve(Text.size());
    for (std::size_t pos = 0; pos < Text.size();) AppendFolded(out, NextCodePoint(Text, pos));
    return out;
}

std::string ChaveDeOrdem(std::string_view Text) {
    const std::string dobrado = CollationKey(Text);
    std::string out, zeros;
    out.reserve(dobrado.size() + 8);
    bool comZeros = false;
    for (std::size_t i = 0; i < dobrado.size();) {
        if (!Digito(dobrado[i])) {
            out += dobrado[i++];
            continue;
        }
        std::size_t z = 0;
        while (i < dobrado.size() && dobrado[i] == '0') ++z, ++i;
        const std::size_t inicio = i;
        while (i < dobrado.size() && Digito(dobrado[i])) ++i;
        // Its number of significant digits, then the digits: every byte lies in '0'..'9', so against
        // another character the run compares as a digit does.
        AppendContagem(out, i - inicio);
        out.append(dobrado, inicio, i - inicio);
        AppendContagem(zeros, z);
        comZeros = comZeros || z > 0;
    }
    // Texts equal but for leading zeros: the one with fewer, run by run, first. Below every character,
    // the mark keeps the key's first part deciding.
    if (comZeros) out += '\x01' + zeros;
    return out;
}

bool MatchLike(std::string_view Text, std::string_view Pattern) {
    const std::size_t first = Pattern.find('%');
    if (first == std::string_view::npos) return Text == Pattern;
    const std::size_t last = Pattern.rfind('%');
    const std::string_view prefix = Pattern.substr(0, first);
    const std::string_view suffix = Pattern.substr(last + 1);
    if (Text.size() < prefix.size() + suffix.size()) return false;
    if (!Text.starts_with(prefix) || Text.substr(Text.size() - suffix.size()) != suffix) return false;
    std::string_view rest = Text.substr(prefix.size(), Text.size() - prefix.size() - suffix.size());
    // With "%" as the only wildcard, taking each inner piece at its leftmost place never loses a match.
    std::string_view inner = Pattern.substr(first + 1, last > first ? last - first - 1 : 0);
    while (!inner.empty()) {
        const std::size_t cut = inner.find('%');
        const std::string_view piece = inner.substr(0, cut);
        inner = cut == std::string_view::npos ? std::string_view{} : inner.substr(cut + 1);
        if (piece.empty()) continue;
        const std::size_t at = rest.find(piece);
        if (at == std::string_view::npos) return false;
        rest = rest.substr(at + piece.size());
    }
    return true;
}

}  // namespace nq
