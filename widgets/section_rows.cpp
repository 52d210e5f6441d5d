#include "widgets/section_rows.h"

std::vector<TSectionRow> BuildRows(const std::vector<TListSection>& sections) {
    std::vector<TSectionRow> rows;
    for (int section = 0; section < static_cast<int>(sections.size()); ++section) {
        rows.push_back({true, section, -1});
        if (sections[static_cast<size_t>(section)].State != TSectionState::lssExpanded) continue;
        int count = static_cast<int>(sections[static_cast<size_t>(section)].SubItems.size());
        for (int subItem = 0; subItem < count; ++subItem) rows.push_back({false, section, subItem});
    }
    return rows;
}

int HeaderRowOf(const std::vector<TListSection>& sections, int section) {
    int row = 0;
    for (int before = 0; before < section && before < static_cast<int>(sections.size()); ++before) {
        const TListSection& earlier = sections[static_cast<size_t>(before)];
        row += 1;
        if (earlier.State == TSectionState::lssExpanded) row += static_cast<int>(earlier.SubItems.size());
    }
    return row;
}
