#include "widgets/caption_text.h"

#include <gtest/gtest.h>

TEST(WithoutAccelerator, DropsTheMarkerAndReadsADoubledOneAsOne) {
    const struct {
        const char* caption;
        const char* spoken;
    } cases[] = {
        {"", ""},
        {"Apply Changes", "Apply Changes"},
        {"&Tick me", "Tick me"},
        {"Hide &All Drives", "Hide All Drives"},
        {"Files && Folders", "Files & Folders"},
        {"&&&Both", "&Both"},
        {"&&&&", "&&"},
        {"Trailing&", "Trailing"},
        {"&", ""},
        {"a&&b&c", "a&bc"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutAccelerator(c.caption), c.spoken) << c.caption;
}
