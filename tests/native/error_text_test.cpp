#include "base/error_text.h"
#include "base/exceptions.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AppendsAFullStopOnlyAfterACharacterAboveIt) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Unable to write to C:\\msdos.sys", "Unable to write to C:\\msdos.sys."},
        {"'abc' is not a valid integer value", "'abc' is not a valid integer value."},
        {"Failed to get data for 'NoDesktop'", "Failed to get data for 'NoDesktop'"},  // a quote sorts below "."
        {"Ends in a full stop.", "Ends in a full stop."},
        {"Shouts!", "Shouts!"},
        {"(in brackets)", "(in brackets)"},
        {"ends in a dash-", "ends in a dash-"},
        {"ends in a slash/", "ends in a slash/."},  // "/" sorts just above "."
        {"digit 7", "digit 7."},
        {"", ""},
        {"\xE9", "\xE9."},  // codes above 127 count as above "."
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}

TEST(FormatText, FillsTheOnePlaceholderWithTheNameAsGiven) {
    EXPECT_EQ(FormatText("Invalid data type for '%s'", "NoHTMLWallPaper"), "Invalid data type for 'NoHTMLWallPaper'");
    EXPECT_EQ(FormatText("Unable to write to %s", "control.ini"), "Unable to write to control.ini");
    EXPECT_EQ(FormatText("'%s' is not a valid integer value", ""), "'' is not a valid integer value");
    EXPECT_EQ(FormatText("Failed to set data for '%s'", "100%s"), "Failed to set data for '100%s'");
}
