#include "support/NqFun.h"

#include <cctype>

#include <cstdio>

#include "support/Caminho.h"
#include "support/Platform.h"
#include "support/Text.h"

namespace nq {

std::string StrTran(std::string_view Origem, std::string_view s1, std::string_view s2) {
    if (s1.empty()) return std::string(Origem);
    std::string out;
    out.reserve(Origem.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = Origem.find(s1, pos)) != std::string_view::npos; pos = hit + s1.size()) {
        out.append(Origem, pos, hit - pos);
        out.append(s2);
    }
    out.append(Origem, pos, std::string_view::npos);
    return out;
}

std::string TextoMensagem(std::string_view texto) {
    return StrTran(texto, "|", "\r\n");
}

std::string Formatar(std::string_view padrao, const std::vector<std::string>& valores) {
    std::string out;
    std::size_t proximo = 0;
    for (std::size_t i = 0; i < padrao.size(); ++i) {
        if (padrao[i] == '%' && i + 1 < padrao.size()) {
            if (padrao[i + 1] == 's') {
                if (proximo < valores.size()) out += valores[proximo];
                ++proximo;
                ++i;
                continue;
            }
            if (padrao[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += padrao[i];
    }
    return out;
}

bool Empty(std::string_view AValor) {
    for (char c : AValor)
        if (static_cast<unsigned char>(c) > 32) return false;
    return true;
}

std::string Right(std::string_view S, int qt) {
    if (qt <= 0) return {};
    const std::size_t len = CharCount(S);
    const auto n = static_cast<std::size_t>(qt);
    return n >= len ? std::string(S) : CharSubstr(S, len - n);
}

std::string QuotedStrLike(std::string_view S) {
    if (Empty(S)) return "'%'";
    const std::string pattern = StrTran(" " + Trim(S) + " ", " ", "%");
    return "'" + StrTran(pattern, "'", "''") + "'";
}

std::string Aspas(std::string_view S) {
    if (S.find(' ') == std::string_view::npos) return std::string(S);
    return "\"" + std::string(S) + "\"";
}

std::string IncluirContraBarra(std::string_view S) {
    std::string r(S);
    if (!Empty(S) && CharCount(S) >= 2 && S.back() != '\\') r += '\\';
    return r;
}

std::string FormatPath(std::string_view S) {
    std::string s(S);
    if (!s.empty() && s.back() != '\\') s += '\\';
    if (s.size() > 2) {
        // The first two characters are kept as they are: a network path begins with two backslashes.
        std::size_t pos = 0;
        NextCodePoint(s, pos);
        if (pos < s.size()) NextCodePoint(s, pos);
        s = s.substr(0, pos) + StrTran(std::string_view(s).substr(pos), "\\\\", "\\");
    }
    std::u32string chars;
    for (std::size_t pos = 0; pos < s.size();) chars += NextCodePoint(s, pos);
    for (std::size_t i = 0; i < chars.size(); ++i) chars[i] = i == 0 ? UpperChar(chars[i]) : LowerChar(chars[i]);
    for (std::size_t i = 1; i + 1 < chars.size(); ++i) {
        const char32_t c = chars[i];
        if (c == '\\' || c == ' ' || c == '_' || c == '-') chars[i + 1] = UpperChar(chars[i + 1]);
    }
    std::string out;
    out.reserve(s.size());
    for (char32_t c : chars) AppendUtf8(out, c);
    return out;
}

std::string ExtensaoArquivo(std::string_view NomeArquivo) {
    return LowerCase(NomeArquivo.substr(InicioDaExtensao(NomeArquivo, kSeparadoresAlvo)));
}

TStringArray AParse(std::string_view Str, std::string_view Sep) {
    std::size_t count = 0;
    if (Sep.empty()) {
        count = Str.size();
    } else {
        for (std::size_t i = Str.find(Sep); i != std::string_view::npos; i = Str.find(Sep, i + 1)) ++count;
    }
    TStringArray result(count + 1);
    if (count == 0) {
        result[0] = std::string(Str);
        return result;
    }
    // An empty separator is never found in the text (every field but the first stays empty).
    std::string_view rest = Str;
    for (std::size_t n = 0; !rest.empty() && n < result.size(); ++n) {
        const std::size_t at = Sep.empty() ? std::string_view::npos : rest.find(Sep);
        if (at == std::string_view::npos) {
            result[n] = std::string(rest);
            break;
        }
        result[n] = std::string(rest.substr(0, at));
        rest = rest.substr(at + Sep.size());
    }
    return result;
}

TDateTime FileDate(const std::string& FileName) {
    if (FileName.empty()) return 0;
    const std::vector<FileEntry> found = CurrentPlatform().files->Find(FileName);
    return found.empty() ? 0 : EncodeDateTime(found.front().lastWrite);
}

int AnoData(TDateTime D) {
    int y = 0, m = 0, d = 0;
    DecodeDate(D, y, m, d);
    return y;
}

void GetFileVersion(const std::string& arquivo, int& ver, int& mver, int& rele, int& build) {
    ver = mver = rele = build = 0;
    const auto fixed = CurrentPlatform().versions->Read(arquivo);
    if (!fixed) return;
    ver = static_cast<int>(fixed->mostSignificant >> 16);
    mver = static_cast<int>(fixed->mostSignificant & 0xFFFF);
    rele = static_cast<int>(fixed->leastSignificant >> 16);
    build = static_cast<int>(fixed->leastSignificant & 0xFFFF);
}

std::string FormatFileVersion(int ver, int mver, int rele, int buildNumber, bool build) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%d.%d", ver, mver);
    std::string r = buf;
    if (rele == 0 && buildNumber == 0) return r;
    if (build) {
        if (rele != 0) r += "." + std::to_string(rele);
        if (buildNumber != 0) r += " (" + std::to_string(buildNumber) + ")";
    } else {
        std::snprintf(buf, sizeof buf, "%d.%d.%d", ver, mver, rele);
        r = buf;
        if (buildNumber != 0) r += "." + std::to_string(buildNumber);
    }
    return r;
}

std::string GetFileVersion(const std::string& arquivo, bool build) {
    int v = 0, m = 0, r = 0, b = 0;
    GetFileVersion(arquivo, v, m, r, b);
    return FormatFileVersion(v, m, r, b, build);
}

void PesqArqs(std::string_view APath, std::string_view AMask, std::vector<std::string>& AList) {
    const std::string folder = IncluirContraBarra(APath);
    Platform& platform = CurrentPlatform();
    for (const FileEntry& e : platform.files->Find(folder + std::string(AMask))) {
        if (e.isDirectory) continue;
        AList.push_back(folder + e.name);
        platform.system->ProcessMessages();
    }
}

bool LigaDesMudaCor(std::string_view nomeClasse) {
    static constexpr std::string_view kLista =
        "TEdit TMaskEdit TDBEdit TNqDBEdit TLabeledEdit TListBox TDBListBox TComboBox TNqComboBox TDBComboBox "
        "TNqDBComboBox TNqComboBoxSalva TDBGrid TNqDBGrid TStringGrid TDrawGrid TMemo TDBMemo TNqDBMemo "
        "TCheckListBox TLookupComboBox TDBLookupComboBox TNqDBLookupComboBox TDateTimePicker TSpinEdit "
        "TNqEditFind TNqEditNum TNqEditDate TMenuItem ";
    if (nomeClasse.empty()) return false;
    std::string lista(kLista), nome(nomeClasse);
    for (char& ch : lista) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    for (char& ch : nome) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return lista.find(nome) != std::string::npos;
}

}  // namespace nq
