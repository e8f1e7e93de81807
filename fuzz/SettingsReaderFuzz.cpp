// Arbitrary bytes as the settings file: every read must hold up, a key must read as its last line, and
// the text we write must read back to the very same text.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/NqIniFiles.h"
#include "support/Font.h"
#include "support/Text.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view detail = {}) {
    std::fprintf(stderr, "SettingsReaderFuzz: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// Our own output, read again, must give the same output.
void CheckStable(const nq::TMemIniFile& ini) {
    const std::string once = ini.FileContent();
    const nq::TMemIniFile again("fuzz.ini", once);
    if (again.FileContent() != once) Fail("output does not read back to itself", once);
}

void ExerciseReads(const nq::TMemIniFile& ini) {
    std::vector<std::string> sections, lines;
    ini.ReadSections(sections);
    for (const std::string& section : sections) {
        ini.ReadSectionValues(section, lines);
        if (ini.SectionExists(nq::UpperCase(section)) != !lines.empty()) Fail("SectionExists", section);
        // A key reads as its last line in the section; checked on small sections, the check is quadratic.
        const std::size_t checked = lines.size() < 64 ? lines.size() : 0;
        for (std::size_t i = 0; i < checked; ++i) {
            const std::size_t eq = lines[i].find('=');
            if (eq == std::string::npos) continue;
            const std::string key = lines[i].substr(0, eq);
            std::string expected;
            for (const std::string& l : lines) {
                const std::size_t e = l.find('=');
                if (e != std::string::npos && nq::SameText(l.substr(0, e), key)) expected = l.substr(e + 1);
            }
            if (ini.ReadString(nq::LowerCase(section), nq::UpperCase(key), "\x01") != expected)
                Fail("last duplicate does not win", key);
            (void)ini.ReadInteger(section, key, 7);
            (void)ini.ReadBool(section, key, true);
            nq::TFont font;
            ini.ReadFont(section, key, font);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    nq::IniUpdateOnFree = false;  // no file behind these objects
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    nq::TMemIniFile ini("fuzz.ini", bytes);
    ExerciseReads(ini);
    CheckStable(ini);

    // Writes with names and values made of the same bytes, then an erase: memory agrees at once.
    if (size >= 2) {
        const std::size_t cut = 1 + data[0] % (size - 1);
        // Callers never put "=" in a key name: it would end the key on the next reading.
        std::string ident(bytes.substr(1, cut > 16 ? 16 : cut));
        for (char& c : ident)
            if (c == '=') c = '_';
        const std::string_view value = bytes.substr(cut);
        std::vector<std::string> sections;
        ini.ReadSections(sections);
        const std::string section = sections.empty() ? "Config" : sections[data[0] % sections.size()];
        ini.WriteString(section, ident, value);
        std::string expected(value);
        for (char& c : expected)
            if (c == '\r' || c == '\n') c = ' ';
        if (ini.ReadString(section, ident, "\x01") != expected &&
            ident.find_first_of("\r\n") == std::string::npos)
            Fail("a written value does not read back", ident);
        ini.WriteInteger("Config", ident, static_cast<int>(size));
        if (data[0] & 1) ini.EraseSection(sections.empty() ? ident : sections.front());
        ExerciseReads(ini);
        // Blanks around a written name or value, or a name that looks like a comment, do not survive the
        // file; what is read from it again must then be stable.
        const nq::TMemIniFile reread("fuzz.ini", ini.FileContent());
        ExerciseReads(reread);
        CheckStable(reread);
    }
    return 0;
}
