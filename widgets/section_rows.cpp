#include "widgets/section_rows.h"

namespace {

int ShownSubItems(const TListSection& section) {
    return section.State == TSectionState::lssExpanded ? static_cast<int>(section.SubItems.size()) : 0;
}

}  // namespace

std::vector<TSectionRow> BuildRows(const std::vector<TListSection>& sections) {
    std::vector<TSectionRow> rows;
    for (int section = 0; section < static_cast<int>(sections.size()); ++section) {
        rows.push_back({true, section, -1});
        int shown = ShownSubItems(sections[static_cast<size_t>(section)]);
        for (int subItem = 0; subItem < shown; ++subItem) rows.push_back({false, section, subItem});
    }
    return rows;
}

int HeaderRowOf(const std::vector<TListSection>& sections, int section) {
    int row = 0;
    for (int before = 0; before < section && before < static_cast<int>(sections.size()); ++before)
        row += 1 + ShownSubItems(sections[static_cast<size_t>(before)]);
    return row;
}

int RowHeight(const std::vector<TListSection>& sections, const TSectionRow& row, int sectionHeight) {
    if (row.IsHeader) return sectionHeight;
    return sections[static_cast<size_t>(row.Section)].ItemHeight;
}

int RowsHeight(const std::vector<TListSection>& sections, int sectionHeight) {
    int height = 0;
    for (const TSectionRow& row : BuildRows(sections)) height += RowHeight(sections, row, sectionHeight);
    return height;
}
