#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"
#include "widgets/section_rows.h"

#include <functional>
#include <vector>

// The navigation list: an owner-drawn list box of collapsible sections. A
// press or Space on a header opens or closes its section; on a sub-item it
// raises OnSubItemClick. Only the user's toggle raises the section events.
// To a screen reader it is an outline whose items are its rows.
class TSectionListBox : public TWindow, public TAccessibleControl {
public:
    // How a section draws its sub-item rows.
    struct TSectionLook {
        HFONT SubItemFont = nullptr;
        COLORREF SubItemTextColor = clBlack;
        COLORREF Color = clWhite;  // background of the sub-item rows
    };

    void Create(HWND parent, const TBounds& bounds);
    // Its fonts, and the heights of its rows and its scroll bar, too.
    void ChangeDpi(int dpi, const TFontAt& fontAt) override;
    // Adds a section, contracted, below the others.
    void AddSection(const std::string& caption, const std::vector<std::string>& subItems, const TSectionLook& look);

    int SectionCount() const { return static_cast<int>(sections_.size()); }
    const TListSection& Section(int index) const { return sections_[static_cast<size_t>(index)]; }
    // Opens or closes a section from code; raises no event.
    void SetSectionState(int section, TSectionState state);

    std::vector<TSectionRow> Rows() const { return BuildRows(sections_); }
    int RowCount() const;
    int SelectedRow() const;  // LB_ERR when none
    int TopRow() const;
    RECT RowRect(int row) const;
    bool VerticalScrollBarShown() const;

    // Item n is row n - 1.
    TAccessibleInfo Describe(long item) const override;
    long ItemCount() const override { return RowCount(); }
    bool ItemRect(long item, RECT& screen) const override;
    long ItemAt(POINT screen) const override;
    long SelectedItem() const override;
    void DoDefaultAction(long item) override;

    std::function<void(int section)> OnExpandSection;
    std::function<void(int section)> OnContractSection;
    std::function<void(int section, int subItem)> OnSubItemClick;

    // Settings of this window's list, at 96 pixels per inch; set them before Create.
    int SectionHeight = 24;
    int SectionIndent = 15;
    int SubItemIndent = 20;
    COLORREF SectionColor = clGray;
    HFONT SectionFont = nullptr;
    COLORREF Color = clSilver;  // below the last row
    COLORREF SelectionColor = clMaroon;
    COLORREF SelectionTextColor = GetSysColor(COLOR_HIGHLIGHTTEXT);
    int ScrollWidth = 13;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    LRESULT HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam);
    TAccessibleInfo DescribeRow(int row) const;
    bool RowInView(int row) const;  // scrolled into the list's client area
    void SelectionMoved();
    void UseFlatScrollBar();
    void SetFlatScrollBarWidth();
    // The row under a point of the client area; -1 for none.
    int RowAt(POINT point) const;
    void PressAt(POINT point);
    void ActOnRow(int row);
    void Toggle(int section);
    void InsertRows(int section);
    void RemoveRows(int section);
    void DrawRow(const DRAWITEMSTRUCT& item);
    void DrawHeader(HDC dc, const RECT& rect, int section);
    void DrawSubItem(HDC dc, const RECT& rect, int section, int subItem, bool selected);

    std::vector<TListSection> sections_;
    std::vector<TSectionLook> looks_;
    TBrush listBrush_;
    bool flatScrollBarTried_ = false;
    bool flatScrollBar_ = false;
};
