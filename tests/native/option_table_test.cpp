#include "option_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

namespace {

// The tests find a control by its caption (an edit by its hint) on its page,
// so those must be unique there.
TEST(OptionTable, NamesAndCaptionsAreUniqueOnEachPage) {
    std::set<std::string> names;
    std::set<std::pair<int, std::string>> found;
    for (const options::TControl& control : options::Controls()) {
        EXPECT_TRUE(names.insert(control.Name).second) << control.Name;
        const std::string& key = control.ShowsCaption() ? control.Caption : control.Hint;
        EXPECT_TRUE(found.insert({control.Page, key}).second) << control.Name << " on page " << control.Page;
    }
}

TEST(OptionTable, EveryStoreBelongsToABoxOrDelayAndEnablesItsPagesButton) {
    for (const options::TStore& store : options::Stores()) {
        SCOPED_TRACE(store.Name);
        const options::TControl& control = options::Control(store.Control);
        EXPECT_TRUE(control.Kind == "box" || control.Kind == "spin") << control.Kind;
        EXPECT_EQ(store.Button, options::Page(control.Page).Button);
        EXPECT_GE(store.Page, 1);
        EXPECT_LE(store.Page, 13);
    }
}

// Only the drive letters store nothing of their own: Apply Changes gathers them.
TEST(OptionTable, EveryBoxOutsideAGroupStoresSomething) {
    for (const options::TControl& control : options::Controls())
        if (control.Kind == "box" && control.Parent.empty()) {
            EXPECT_FALSE(options::StoresOf(control.Name).empty()) << control.Name;
        }
}

TEST(OptionTable, EveryPageHasItsButtonAndItsTitle) {
    ASSERT_EQ(options::Pages().size(), 13u);
    for (const options::TPage& page : options::Pages()) {
        EXPECT_FALSE(page.Title.empty()) << page.Number;
        const options::TControl& button = options::Control(page.Button);
        EXPECT_EQ(button.Kind, "button");
        EXPECT_EQ(button.Page, page.Number);
    }
}

TEST(OptionTable, ABadRowIsRefusedWithItsLine) {
    const struct {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"# note\npage\t1\tA\n", "line 2: 3 fields, not 4"},
        {"page\tone\tA\tb\n", "line 1: 'one' is not a number"},
        {"\ncontrol\t1\tx\tbox\t-\tX\t-\t1\t2\t3\t4x\n", "line 2: '4x' is not a number"},
        {"stored\t1\n", "line 1: unknown row 'stored'"},
        {"store\t1\tx\tHKEY_CURRENT_USER\t\\K\tN\t-\tdword\t1\t0\t1\t0\n", "line 1: 12 fields, not 13"},
    };
    for (const auto& c : cases) {
        try {
            options::Parse(c.Text);
            ADD_FAILURE() << "accepted: " << c.Text;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find(c.Message), std::string::npos) << error.what();
        }
    }
}

TEST(OptionTable, ADashIsAnEmptyFieldAndALoaderNameDefaultsToTheName) {
    options::TTable table =
        options::Parse("store\t1\tx\tHKEY_CURRENT_USER\t\\K\tN\t-\tdword\t1\t-\t1\t0\tb\r\n");
    ASSERT_EQ(table.Stores.size(), 1u);
    EXPECT_EQ(table.Stores[0].Cleared, "");
    EXPECT_EQ(table.Stores[0].LoaderName, "N");
    EXPECT_TRUE(table.Stores[0].InRegistry());
    EXPECT_EQ(table.Stores[0].Button, "b") << "a line's CR is not part of its last field";
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The build turns the file into one literal a line; backslashes, quotes and
// tabs must come through as written.
TEST(OptionTable, TheBuiltInTableIsTheFileAsWritten) {
    const options::TTable file = options::Parse(FileText(TAVREL_ROOT_DIR "/tests/options/options.tsv"));
    ASSERT_EQ(file.Stores.size(), options::Stores().size());
    ASSERT_EQ(file.Controls.size(), options::Controls().size());
    for (size_t i = 0; i < file.Stores.size(); ++i) {
        EXPECT_EQ(file.Stores[i].Key, options::Stores()[i].Key);
        EXPECT_EQ(file.Stores[i].Name, options::Stores()[i].Name);
    }
    for (size_t i = 0; i < file.Controls.size(); ++i) EXPECT_EQ(file.Controls[i].Hint, options::Controls()[i].Hint);
    EXPECT_EQ(options::Control("hidesysfiles").Caption, "Hide Hidden/System Files");
    EXPECT_EQ(options::StoresOf("hidedeskicons").at(0).Key,
              "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer");
}

}  // namespace
