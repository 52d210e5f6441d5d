#pragma once

#include "widgets/control.h"
#include "widgets/section_rows.h"

#include <functional>
#include <vector>

// The navigation list: an owner-drawn list box of collapsible sections. A
// press or Space on a header opens or closes its section; on a sub-item it
// raises OnSubItemClick. Only the user's toggle raises the section events.
class TSectionListBox : public TWindow {
public:
    struct TSectionLook {
        HFONT SubItemFont = nullptr;
        COLORREF SubItemTextColor = clBlack;
    };

    void Create(HWND parent, const TBounds& bounds);
    // Adds a section, contracted.
    void AddSection(const std::string& caption, const std::vector<std::string>& subItems, const TSectionLook& look);

    int SectionCount() const { return static_cast<int>(sections_.size()); }
    const TListSection& Section(int index) const { return sections_[static_cast<size_t>(index)]; }
    // Opens or closes a section from code; raises no event.
    void SetSectionState(int section, TSectionState state);

    std::vector<TSectionRow> Rows() const { return BuildRows(sections_); }
    int RowCount() const;
    int SelectedRow() const;
    RECT RowRect(int row) const;
    bool VerticalScrollBarShown() const;
    int TopRow() const;

    std::function<void(int section)> OnExpandSection;
    std::function<void(int section)> OnContractSection;
    std::function<void(int section, int subItem)> OnSubItemClick;

    // Settings of this window's list.
    int SectionHeight = 24;
    int SectionIndent = 15;
    int SubItemIndent = 20;
    int ItemHeight = 16;
    COLORREF SectionColor = clGray;
    COLORREF ListColor = clSilver;
    COLORREF SubItemColor = clWhite;
    COLORREF SelectionColor = clMaroon;
    COLORREF SelectionTextColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
    int ScrollWidth = 13;
    HFONT SectionFont = nullptr;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void PressAt(POINT point);
    void ActOnRow(int row);
    void Toggle(int section);
    void InsertRows(int section);
    void RemoveRows(int section);
    void DrawRow(const DRAWITEMSTRUCT& item);
    void DrawHeader(HDC dc, RECT rect, int section);
    void DrawSubItem(HDC dc, RECT rect, int section, int subItem, bool selected);
    void UseFlatScrollBar();

    std::vector<TListSection> sections_;
    std::vector<TSectionLook> looks_;
    TBrush listBrush_;
};
