#include "cli/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, TellsWellFormedTextFromOtherBytes) {
    struct TCase {
        const char* What;
        std::string Bytes;
        bool Utf8;
    };
    const TCase cases[] = {
        {"ASCII", "Caption=Warning", true},
        {"two, three and four bytes", "f\xC3\xBCr \xE2\x80\x93 \xF0\x9F\x94\x92", true},
        {"the highest code point", "\xF4\x8F\xBF\xBF", true},
        {"Windows-1252 umlaut", "f\xFCr", false},
        {"a lead byte at the end", "ab\xC3", false},
        {"a continuation byte alone", "\x80", false},
        {"overlong slash", "\xC0\xAF", false},
        {"overlong three bytes", "\xE0\x80\xAF", false},
        {"a surrogate", "\xED\xA0\x80", false},
        {"above U+10FFFF", "\xF4\x90\x80\x80", false},
        {"a lead byte without its continuation", "\xE2\x80x", false},
        // Windows-1252 that happens to be well-formed: "Ã¼" is the UTF-8 of "ü".
        {"1252 bytes that pair up", "\xC3\xBC", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(IsUtf8(c.Bytes), c.Utf8);
        EXPECT_EQ(ReadsAsUtf8(c.Bytes), c.Utf8);
        EXPECT_TRUE(ReadsAsUtf8(Utf8Mark + c.Bytes)) << "the mark decides";
    }
}

TEST(Utf8, ConvertsToUtf16AndBack) {
    const std::string text = "Achtung: gesch\xC3\xBCtzt \xE2\x80\x93 nur f\xC3\xBCr Befugte \xF0\x9F\x94\x92";
    const std::u16string wide = Utf16FromUtf8(text);
    EXPECT_EQ(wide, u"Achtung: gesch\u00FCtzt \u2013 nur f\u00FCr Befugte \U0001F512");
    EXPECT_EQ(Utf8FromUtf16(wide), text);
    EXPECT_EQ(Utf8FromUtf16(u"a\xD800z"), "a\xEF\xBF\xBDz") << "a lone surrogate";
    EXPECT_EQ(Utf16FromUtf8("a\xFFz"), u"a\uFFFDz") << "a byte that is not UTF-8";
}

}  // namespace
