#include "cli/nearest_name.h"
#include "cli/profile.h"
#include "cli/text.h"

#include <gtest/gtest.h>

namespace {

const char* const Ours = "1.0.0.0";

TEST(Profile, ReadsPagesAndControlsWithTheirLines) {
    const TProfile profile = ParseProfile(
        "\xEF\xBB\xBF; Tavrel 1.0.0.0 profile\r\n"
        "\r\n"
        "[Desktop Access]\r\n"
        "Hide All Desktop Icons=ticked\r\n"
        "  Hide Internet Icon = cleared  \r\n"
        "# a comment\n"
        "[ Windows Logon ]\n"
        "Caption= Warning = read this \n"
        "Text=\n",
        Ours);
    ASSERT_EQ(profile.Pages.size(), 2u);
    EXPECT_EQ(profile.Pages[0].Title, "Desktop Access");
    EXPECT_EQ(profile.Pages[0].Line, 3);
    ASSERT_EQ(profile.Pages[0].Entries.size(), 2u);
    EXPECT_EQ(profile.Pages[0].Entries[1].Name, "Hide Internet Icon");
    EXPECT_EQ(profile.Pages[0].Entries[1].Line, 5);
    EXPECT_EQ(Trimmed(profile.Pages[0].Entries[1].Value), "cleared");
    EXPECT_EQ(profile.Pages[1].Title, "Windows Logon");
    // A text keeps everything after the first "=", its spaces too.
    EXPECT_EQ(profile.Pages[1].Entries[0].Value, " Warning = read this ");
    EXPECT_EQ(profile.Pages[1].Entries[1].Value, "");
}

TEST(Profile, RefusesEachBadProfileWithItsLine) {
    struct TCase {
        const char* What;
        std::string Text;
        int Line;
        const char* Says;
    };
    const TCase cases[] = {
        {"empty", "", 1, "names no page"},
        {"comments only", "; Tavrel 1.0.0.0\n\n", 1, "names no page"},
        {"no equals", "[Desktop Access]\nHide All Desktop Icons ticked\n", 2, "has no \"=\""},
        {"entry before a page", "; c\nHide All Desktop Icons=ticked\n[Desktop Access]\n", 2, "before the first page"},
        {"control twice", "[Boot Settings]\nBoot Menu Delay=3\nboot menu delay =4\n", 3, "named twice (first on line 2)"},
        {"page twice", "[Boot Settings]\n[Windows Logon]\n[boot settings]\n", 3, "named twice (first on line 1)"},
        {"unended title", "[Boot Settings\n", 1, "must end in"},
        {"binary", "[Boot Settings]\nBoot Menu Delay=3\x01\x02\n", 2, "binary"},
        {"zero byte", std::string("[Boot Settings]\n\0\0\0\n", 20), 2, "binary"},
        {"Notepad's Unicode", std::string("\xFF\xFE[\0B\0]\0", 8), 1, "saved as Unicode (UTF-16)"},
        {"one long line", "[Boot Settings]\nText=" + std::string(1024 * 1024, 'x') + "\n", 2, "longer than 1024"},
        {"newer", "; Tavrel 1.0.1 profile\n[Boot Settings]\n", 1, "written by Tavrel 1.0.1, newer"},
        {"much newer", "; Tavrel 10.0.0.0 profile\n[Boot Settings]\n", 1, "newer"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        try {
            ParseProfile(c.Text, Ours);
            ADD_FAILURE() << "accepted";
        } catch (const EProfileError& error) {
            EXPECT_EQ(error.Line(), c.Line);
            EXPECT_NE(std::string(error.what()).find(c.Says), std::string::npos) << error.what();
        }
    }
}

TEST(Profile, TakesOlderAndEqualVersionsAndNone) {
    for (const char* first : {"; Tavrel 1.0.0.0 profile", "; Tavrel 0.9 profile", "; Tavrel 1.0 profile",
                              "; written by hand", "[Windows Logon]"}) {
        SCOPED_TRACE(first);
        EXPECT_EQ(ParseProfile(std::string(first) + "\n[Boot Settings]\n", Ours).Pages.back().Title, "Boot Settings");
    }
}

TEST(Profile, ReadsBackWhatItWrites) {
    TProfile written;
    written.Pages.push_back({0, "Desktop Access", {{0, "Hide All Desktop Icons", "ticked"}, {0, "A", "cleared"}}});
    written.Pages.push_back({0, "Internet Access", {}});
    written.Pages.push_back({0, "Windows Logon", {{0, "Caption", " two  spaces ; and = signs "}, {0, "Text", ""}}});
    const std::string text = ProfileText(written, Ours, "in UTF-8");
    EXPECT_EQ(text.rfind("; Tavrel 1.0.0.0 profile in UTF-8. ", 0), 0u) << text;
    const TProfile read = ParseProfile(text, Ours);
    ASSERT_EQ(read.Pages.size(), written.Pages.size());
    for (size_t p = 0; p < read.Pages.size(); ++p) {
        EXPECT_EQ(read.Pages[p].Title, written.Pages[p].Title);
        ASSERT_EQ(read.Pages[p].Entries.size(), written.Pages[p].Entries.size());
        for (size_t e = 0; e < read.Pages[p].Entries.size(); ++e) {
            EXPECT_EQ(read.Pages[p].Entries[e].Name, written.Pages[p].Entries[e].Name);
            EXPECT_EQ(read.Pages[p].Entries[e].Value, written.Pages[p].Entries[e].Value);
        }
    }
}

TEST(Profile, ComparesVersionsByTheirNumbers) {
    EXPECT_EQ(CompareVersions("1.0.0.0", "1.0"), 0);
    EXPECT_LT(CompareVersions("1.0.0.9", "1.0.0.10"), 0);
    EXPECT_GT(CompareVersions("2", "1.99.99.99"), 0);
}

TEST(NearestName, NamesTheClosestIgnoringCase) {
    const std::vector<std::string> titles = {"Desktop Access", "Drives Access", "Boot Settings", "Windows Logon"};
    EXPECT_EQ(NearestName("Desktop Acess", titles), "Desktop Access");
    EXPECT_EQ(NearestName("drive access", titles), "Drives Access");
    EXPECT_EQ(NearestName("BOOT", titles), "Boot Settings");
    EXPECT_EQ(NearestName("x", {}), "");
    EXPECT_TRUE(SameName("Hide All Desktop Icons", "hide all DESKTOP icons"));
    EXPECT_FALSE(SameName("Hide", "Hide "));
}

}  // namespace
