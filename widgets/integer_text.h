#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The whole-number rules of the spin edit, free of any window.

// Leading blanks, an optional sign, then decimal digits, or hexadecimal
// digits after "$" or "0x"; nothing may follow. Decimal numbers must fit a
// 32-bit signed integer; up to eight hexadecimal digits are read as the bits
// of one ("$FFFFFFFF" is -1). Anything else, the empty text and a lone sign
// included, is not a whole number.
std::optional<int32_t> ParseInteger(const std::string& text);

inline bool IsWholeNumber(const std::string& text) { return ParseInteger(text).has_value(); }

// ParseInteger, raising EConvertError "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);

// The range rule: clamped to minValue..maxValue unless the two are equal,
// which means no limit.
int32_t ClampToRange(int32_t value, int32_t minValue, int32_t maxValue);

// Whether a character typed into a whole-number field is kept: control
// characters (Backspace, the clipboard keys), signs and digits.
bool AcceptsTypedCharacter(char character);
