#include "menus/ShortCut.h"

#include "support/Text.h"

namespace nq {

namespace {

struct KeyName {
    int key;
    const char* name;
};

constexpr KeyName kNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x1B, "Esc"},  {0x0D, "Enter"}, {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},  {0x24, "Home"},  {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},   {0x2E, "Del"},
};

constexpr int kF1 = 0x70;

std::string KeyText(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= kF1 && key < kF1 + 24) return "F" + std::to_string(key - kF1 + 1);
    for (const KeyName& k : kNames)
        if (k.key == key) return k.name;
    return {};
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
    const std::string name = KeyText(shortCut & 0xFF);
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
    TShortCut modifiers = 0;
    const struct {
        std::string_view prefix;
        TShortCut flag;
    } prefixes[] = {{"shift+", scShift}, {"ctrl+", scCtrl}, {"alt+", scAlt}};
    for (bool found = true; found;) {
        found = false;
        for (const auto& p : prefixes) {
            if (text.size() > p.prefix.size() && SameText(text.substr(0, p.prefix.size()), p.prefix)) {
                modifiers |= p.flag;
                text.remove_prefix(p.prefix.size());
                found = true;
            }
        }
    }
    for (int key = 1; key < 256; ++key) {
        const std::string name = KeyText(key);
        if (!name.empty() && SameText(name, text)) return ShortCut(key, modifiers);
    }
    return 0;
}

}  // namespace nq
