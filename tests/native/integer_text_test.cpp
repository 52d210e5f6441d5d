#include "base/exceptions.h"
#include "widgets/integer_text.h"

#include <gtest/gtest.h>

#include <climits>

TEST(ParseInteger, ReadsDecimalAndHexadecimalWholeNumbers) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"15", 15},
        {"007", 7},
        {"+5", 5},
        {"-5", -5},
        {"   42", 42},
        {" -1", -1},
        {"$1F", 31},
        {"$ff", 255},
        {"0x10", 16},
        {"0X3c", 60},
        {"-$10", -16},
        {"+0x0A", 10},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$7FFFFFFF", INT_MAX},
        {"$FFFFFFFF", -1},
        {"$80000000", INT_MIN},
        {"00000000000000000099", 99},
    };
    for (const auto& c : cases) {
        std::optional<int32_t> value = ParseInteger(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ParseInteger, RefusesEverythingElse) {
    for (const char* text : {"", " ", "-", "+", "$", "0x", "-$", "abc", "1a", "5 ", "1.5", "1e3", "--5", "+-5",
                             "\t5", "x10", "00x5", "$G", "0x1G", "2147483648", "-2147483649", "$100000000",
                             "99999999999999999999999", "\xB9"}) {
        EXPECT_FALSE(ParseInteger(text).has_value()) << "'" << text << "'";
    }
}

TEST(StrToInt, RaisesTheConversionErrorWithTheTextAsGiven) {
    EXPECT_EQ(StrToInt(" 60"), 60);
    for (const char* text : {"abc", "", "-", " 1 2"}) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(ClampToRange, BringsANumberToTheNearestBoundUnlessTheBoundsAreEqual) {
    const struct {
        int32_t value, minValue, maxValue, clamped;
    } cases[] = {
        {99, 0, 60, 60}, {-5, 0, 60, 0}, {0, 0, 60, 0}, {60, 0, 60, 60}, {30, 0, 60, 30},
        {INT_MIN, 0, 60, 0}, {INT_MAX, 0, 60, 60}, {99, 0, 0, 99}, {-5, 7, 7, -5},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClampToRange(c.value, c.minValue, c.maxValue), c.clamped)
            << c.value << " in " << c.minValue << ".." << c.maxValue;
}

TEST(AcceptsTypedCharacter, KeepsControlCharactersSignsAndDigitsOnly) {
    std::string kept;
    for (int code = 1; code < 256; ++code)
        if (AcceptsTypedCharacter(static_cast<char>(code)) && code >= 32) kept += static_cast<char>(code);
    EXPECT_EQ(kept, "+-0123456789");
    for (char control : {'\b', '\x03', '\x16', '\x18', '\x1A', '\x1B', '\r'}) EXPECT_TRUE(AcceptsTypedCharacter(control));
}
