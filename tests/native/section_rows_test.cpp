#include "widgets/section_rows.h"

#include <gtest/gtest.h>

namespace {

const int SectionHeight = 24;

// The main window's sections, with their sub-item counts (4, 5, 2, 2).
std::vector<TListSection> WindowSections(std::vector<int> expanded = {}) {
    std::vector<TListSection> sections = {
        {" Desktop Options", TSectionState::lssContracted, {"a", "b", "c", "d"}},
        {" System Options", TSectionState::lssContracted, {"a", "b", "c", "d", "e"}},
        {" User Restrictions", TSectionState::lssContracted, {"a", "b"}},
        {" Boot Options", TSectionState::lssContracted, {"a", "b"}},
    };
    for (int section : expanded) sections[static_cast<size_t>(section)].State = TSectionState::lssExpanded;
    return sections;
}

}  // namespace

TEST(SectionRows, StateValuesAreThoseTheListPublishes) {
    EXPECT_EQ(static_cast<int>(TSectionState::lssExpanded), 0);
    EXPECT_EQ(static_cast<int>(TSectionState::lssContracted), 1);
}

TEST(SectionRows, ExpandedSectionsInsertTheirSubItemsDirectlyBelowTheirHeaders) {
    const std::vector<TSectionRow> expected = {
        {true, 0, -1},  {true, 1, -1}, {false, 1, 0}, {false, 1, 1}, {false, 1, 2}, {false, 1, 3},
        {false, 1, 4},  {true, 2, -1}, {true, 3, -1}, {false, 3, 0}, {false, 3, 1},
    };
    EXPECT_EQ(BuildRows(WindowSections({1, 3})), expected);
}

TEST(SectionRows, HeadersMoveDownByTheRowsOpenedAboveThemAndHeightsAddUp) {
    struct TCase {
        std::vector<int> Expanded;
        size_t Rows;
        int Headers[4];
        int Height;
    };
    const TCase cases[] = {
        {{}, 4, {0, 1, 2, 3}, 96},
        {{0}, 8, {0, 5, 6, 7}, 160},
        {{1, 3}, 11, {0, 1, 7, 8}, 208},
        {{3}, 6, {0, 1, 2, 3}, 128},
        {{0, 1, 2, 3}, 17, {0, 5, 11, 14}, 304},  // more than the 261 pixels of the window's list
    };
    for (const TCase& c : cases) {
        auto sections = WindowSections(c.Expanded);
        SCOPED_TRACE(testing::PrintToString(c.Expanded));
        EXPECT_EQ(BuildRows(sections).size(), c.Rows);
        for (int section = 0; section < 4; ++section) EXPECT_EQ(HeaderRowOf(sections, section), c.Headers[section]);
        EXPECT_EQ(RowsHeight(sections, SectionHeight), c.Height);
    }
}

// Counting rows from the top names the same section and sub-item as the row itself.
TEST(SectionRows, EveryRowOfEveryCombinationCountsBackToItsSectionAndSubItem) {
    for (int mask = 0; mask < 16; ++mask) {
        std::vector<int> expanded;
        for (int section = 0; section < 4; ++section)
            if (mask & (1 << section)) expanded.push_back(section);
        auto sections = WindowSections(expanded);
        auto rows = BuildRows(sections);
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            const TSectionRow& found = rows[static_cast<size_t>(row)];
            int header = HeaderRowOf(sections, found.Section);
            SCOPED_TRACE("mask " + std::to_string(mask) + " row " + std::to_string(row));
            EXPECT_EQ(found.IsHeader, row == header);
            EXPECT_EQ(found.SubItem, found.IsHeader ? -1 : row - header - 1);
            EXPECT_EQ(RowHeight(sections, found, SectionHeight), found.IsHeader ? 24 : 16);
        }
    }
}

TEST(SectionRows, ASubItemRowIsAsHighAsItsSectionsItemHeight) {
    auto sections = WindowSections({0, 2});
    sections[2].ItemHeight = 20;
    EXPECT_EQ(RowHeight(sections, {false, 0, 1}, SectionHeight), 16);
    EXPECT_EQ(RowHeight(sections, {false, 2, 1}, SectionHeight), 20);
    EXPECT_EQ(RowHeight(sections, {true, 2, -1}, SectionHeight), 24);
    EXPECT_EQ(RowsHeight(sections, SectionHeight), 96 + 4 * 16 + 2 * 20);
}
