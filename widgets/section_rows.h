#pragma once

#include <string>
#include <vector>

enum class TSectionState { lssExpanded = 0, lssContracted = 1 };

// A collapsible section of the section list: a header and its sub-items.
struct TListSection {
    std::string Caption;
    TSectionState State = TSectionState::lssContracted;
    std::vector<std::string> SubItems;
    int ItemHeight = 16;  // one text line of a sub-item row
};

// One row of the list: a section's header, or one of its sub-items.
struct TSectionRow {
    bool IsHeader = true;
    int Section = 0;
    int SubItem = -1;
    bool operator==(const TSectionRow& other) const {
        return IsHeader == other.IsHeader && Section == other.Section && SubItem == other.SubItem;
    }
};

// Every section's header, followed by its sub-items while it is expanded.
std::vector<TSectionRow> BuildRows(const std::vector<TListSection>& sections);

// The row number of a section's header.
int HeaderRowOf(const std::vector<TListSection>& sections, int section);

// Height of a row in pixels: headers share one height, a sub-item row is
// one line of its section's item height.
int RowHeight(const std::vector<TListSection>& sections, const TSectionRow& row, int sectionHeight);

// Height of all rows together.
int RowsHeight(const std::vector<TListSection>& sections, int sectionHeight);
