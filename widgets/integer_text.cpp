#include "widgets/integer_text.h"

#include "base/exceptions.h"

namespace {

int DigitValue(char character, bool hexadecimal) {
    if (character >= '0' && character <= '9') return character - '0';
    if (!hexadecimal) return -1;
    if (character >= 'a' && character <= 'f') return character - 'a' + 10;
    if (character >= 'A' && character <= 'F') return character - 'A' + 10;
    return -1;
}

}  // namespace

std::optional<int32_t> ParseInteger(const std::string& text) {
    size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    bool hexadecimal = false;
    if (at < text.size() && text[at] == '$') {
        hexadecimal = true;
        at += 1;
    } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        hexadecimal = true;
        at += 2;
    }
    if (at == text.size()) return std::nullopt;

    // Decimal numbers may reach 2^31 only as a negative number.
    const uint64_t limit = hexadecimal ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    const uint64_t base = hexadecimal ? 16 : 10;
    uint64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        int digit = DigitValue(text[at], hexadecimal);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + static_cast<uint64_t>(digit);
        if (magnitude > limit) return std::nullopt;
    }
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    return static_cast<int32_t>(bits);
}

int32_t StrToInt(const std::string& text) {
    std::optional<int32_t> value = ParseInteger(text);
    if (!value) throw EConvertError(FormatText("'%s' is not a valid integer value", text));
    return *value;
}

int32_t ClampToRange(int32_t value, int32_t minValue, int32_t maxValue) {
    if (minValue == maxValue) return value;
    if (value < minValue) return minValue;
    if (value > maxValue) return maxValue;
    return value;
}

bool AcceptsTypedCharacter(char character) {
    const unsigned char code = static_cast<unsigned char>(character);
    return code < 32 || character == '+' || character == '-' || (character >= '0' && character <= '9');
}
