#include "cli/utf8.h"

const char* const Utf8Mark = "\xEF\xBB\xBF";

namespace {

unsigned char Byte(const std::string& text, size_t at) { return static_cast<unsigned char>(text[at]); }

// The length of the well-formed sequence at the index, and its code point;
// 0 where none starts.
size_t Sequence(const std::string& text, size_t at, char32_t& code) {
    const unsigned char lead = Byte(text, at);
    size_t length;
    char32_t lowest;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, lowest = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, lowest = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, lowest = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - at < length) return 0;
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = Byte(text, at + i);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

bool StartsWithUtf8Mark(const std::string& text) { return text.compare(0, 3, Utf8Mark) == 0; }

bool IsUtf8(const std::string& text) {
    char32_t code;
    for (size_t at = 0; at < text.size();) {
        const size_t length = Sequence(text, at, code);
        if (!length) return false;
        at += length;
    }
    return true;
}

bool IsAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

bool ReadsAsUtf8(const std::string& text) { return StartsWithUtf8Mark(text) || IsUtf8(text); }

std::u16string Utf16FromUtf8(const std::string& text) {
    std::u16string units;
    char32_t code = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t length = Sequence(text, at, code);
        if (!length) {
            code = 0xFFFD;
            ++at;
        } else {
            at += length;
        }
        if (code < 0x10000) {
            units += static_cast<char16_t>(code);
        } else {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string Utf8FromUtf16(const std::u16string& text) {
    std::string bytes;
    for (size_t at = 0; at < text.size(); ++at) {
        char32_t code = text[at];
        const bool high = code >= 0xD800 && code <= 0xDBFF;
        if (high && at + 1 < text.size() && text[at + 1] >= 0xDC00 && text[at + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++at] - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (code >> 18));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}
