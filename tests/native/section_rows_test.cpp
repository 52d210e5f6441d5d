#include "widgets/section_rows.h"

#include <gtest/gtest.h>

namespace {

std::vector<TListSection> WindowSections() {
    return {
        {" Desktop Options", TSectionState::lssContracted, {"a", "b", "c", "d"}},
        {" System Options", TSectionState::lssContracted, {"a", "b", "c", "d", "e"}},
        {" User Restrictions", TSectionState::lssContracted, {"a", "b"}},
        {" Boot Options", TSectionState::lssContracted, {"a", "b"}},
    };
}

}  // namespace

TEST(SectionRows, ContractedSectionsShowTheirHeadersOnly) {
    auto rows = BuildRows(WindowSections());
    ASSERT_EQ(rows.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(rows[static_cast<size_t>(i)], (TSectionRow{true, i, -1}));
}

TEST(SectionRows, ExpandedSectionsInsertTheirSubItemsBelowTheirHeaders) {
    auto sections = WindowSections();
    sections[1].State = TSectionState::lssExpanded;
    sections[3].State = TSectionState::lssExpanded;
    auto rows = BuildRows(sections);
    const std::vector<TSectionRow> expected = {
        {true, 0, -1},  {true, 1, -1}, {false, 1, 0}, {false, 1, 1}, {false, 1, 2}, {false, 1, 3},
        {false, 1, 4},  {true, 2, -1}, {true, 3, -1}, {false, 3, 0}, {false, 3, 1},
    };
    EXPECT_EQ(rows, expected);
    const int headers[] = {0, 1, 7, 8};
    for (int section = 0; section < 4; ++section) EXPECT_EQ(HeaderRowOf(sections, section), headers[section]);
}

TEST(SectionRows, AllOpenGivesSeventeenRows) {
    auto sections = WindowSections();
    for (auto& section : sections) section.State = TSectionState::lssExpanded;
    EXPECT_EQ(BuildRows(sections).size(), 17u);  // 4 headers and 13 sub-items: 96 + 13 x 16 pixels
}
