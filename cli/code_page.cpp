#include "cli/code_page.h"

#include "cli/utf8.h"

#include <windows.h>

#include <vector>

namespace {

// Not std::wstring: its length function would be one more import.
using TWide = std::vector<wchar_t>;

TWide Wide(const std::u16string& text) { return TWide(text.begin(), text.end()); }

// Converted without a best fit: a character the code page lacks gives the
// default character, or comes back as another one.
std::string AnsiOf(const TWide& text, bool& exact) {
    exact = true;
    if (text.empty()) return "";
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &bytes[0], size, nullptr, &usedDefault);
    TWide back(static_cast<size_t>(length) * 2);
    back.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, back.data(), length * 2)));
    exact = !usedDefault && back == text;
    return bytes;
}

std::u16string Utf16FromAnsi(const std::string& text) {
    if (text.empty()) return u"";
    const int length = static_cast<int>(text.size());
    TWide wide(text.size());
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), length)));
    return std::u16string(wide.begin(), wide.end());
}

// "U+" and at least four hexadecimal digits.
std::string CodePointName(unsigned code) {
    const char* const digits = "0123456789ABCDEF";
    std::string hex;
    for (; code || hex.size() < 4; code >>= 4) hex.insert(hex.begin(), digits[code & 0xF]);
    return "U+" + hex;
}

// The first character that the code page cannot hold.
std::string FirstForeignCharacter(const TWide& text) {
    for (size_t at = 0; at < text.size(); ++at) {
        const bool pair = text[at] >= 0xD800 && text[at] <= 0xDBFF && at + 1 < text.size();
        const TWide character(text.begin() + at, text.begin() + at + (pair ? 2 : 1));
        bool exact = false;
        AnsiOf(character, exact);
        if (!exact)
            return CodePointName(pair ? 0x10000 + ((character[0] - 0xD800u) << 10) + (character[1] - 0xDC00u)
                                      : static_cast<unsigned>(character[0]));
        if (pair) ++at;
    }
    return "a character";
}

std::string AnsiLine(int line, const std::string& utf8) {
    if (!IsUtf8(utf8))
        throw EProfileError(line, "the file begins as UTF-8, but this line is not UTF-8; save it as UTF-8 or ANSI");
    const TWide wide = Wide(Utf16FromUtf8(utf8));
    bool exact = false;
    std::string ansi = AnsiOf(wide, exact);
    if (!exact)
        throw EProfileError(line, "the character " + FirstForeignCharacter(wide) + " is not in this machine's code page (" +
                                      std::to_string(AnsiCodePage()) + "), in which every text is stored");
    return ansi;
}

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

std::string ProfileInAnsi(const std::string& text) {
    if (!ReadsAsUtf8(text) || IsAscii(text)) return text;
    std::string ansi;
    size_t start = StartsWithUtf8Mark(text) ? 3 : 0;
    for (int line = 1;; ++line) {
        size_t end = text.find('\n', start);
        ansi += AnsiLine(line, text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return ansi;
        ansi += '\n';
        start = end + 1;
    }
}

std::string ProfileFileText(const TProfile& profile, const std::string& ourVersion) {
    const std::string ansi =
        ProfileText(profile, ourVersion, "in ANSI code page " + std::to_string(AnsiCodePage()));
    if (!IsUtf8(ansi) || IsAscii(ansi)) return ansi;
    return Utf8Mark + Utf8FromUtf16(Utf16FromAnsi(ProfileText(profile, ourVersion, "in UTF-8")));
}
