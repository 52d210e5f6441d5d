#include "widgets/section_list_box.h"

#include "widgets/common_controls.h"
#include "widgets/panel.h"
#include "widgets/scale.h"

#include <oleacc.h>

namespace {

using InitializeFlatSBFunction = BOOL(WINAPI*)(HWND);
using FlatSBSetScrollPropFunction = BOOL(WINAPI*)(HWND, UINT, INT_PTR, BOOL);
const UINT WsbPropCxVScroll = 0x00000001;
const UINT WsbPropCyHScroll = 0x00000002;
const UINT WsbPropVStyle = 0x00000100;
const INT_PTR FsbFlatMode = 2;
const int NodeSize = 8;
const int NodeLeft = 4;

void DrawRowText(HDC dc, const std::string& text, RECT rect, HFONT font, COLORREF color) {
    TSelectObject selected(dc, font);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    DrawTextA(dc, text.c_str(), -1, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void Fill(HDC dc, const RECT& rect, COLORREF color) {
    TBrush brush(CreateSolidBrush(color));
    FillRect(dc, &rect, brush.Get());
}

// The messages after which another row may be selected.
bool MayMoveSelection(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
    case LB_SETCURSEL:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
        return true;
    default:
        return false;
    }
}

}  // namespace

void TSectionListBox::Create(HWND parent, const TBounds& bounds) {
    listBrush_.Reset(CreateSolidBrush(Color));
    CreateHandle({"LISTBOX", "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWVARIABLE |
                      LBS_NOINTEGRALHEIGHT,
                  0, bounds, parent});
}

// The flat scroll bar functions are optional: where comctl32 lacks them, or
// refuses a property, the list keeps the standard scroll bar. Only the rows
// of an open section can outgrow the list, so the scroll bar, and the
// library it needs, wait for the first section to open.
void TSectionListBox::UseFlatScrollBar() {
    if (flatScrollBarTried_) return;
    flatScrollBarTried_ = true;
    auto initialize = CommonControlsFunction<InitializeFlatSBFunction>("InitializeFlatSB");
    auto setProp = CommonControlsFunction<FlatSBSetScrollPropFunction>("FlatSB_SetScrollProp");
    if (!initialize || !setProp || !initialize(Handle())) return;
    setProp(Handle(), WsbPropVStyle, FsbFlatMode, FALSE);
    flatScrollBar_ = true;
    SetFlatScrollBarWidth();
}

void TSectionListBox::SetFlatScrollBarWidth() {
    if (!flatScrollBar_) return;
    auto setProp = CommonControlsFunction<FlatSBSetScrollPropFunction>("FlatSB_SetScrollProp");
    const int scrollWidth = TScale(Dpi())(ScrollWidth);
    setProp(Handle(), WsbPropCxVScroll, scrollWidth, FALSE);
    setProp(Handle(), WsbPropCyHScroll, scrollWidth, TRUE);
}

void TSectionListBox::ChangeDpi(int dpi, const TFontAt& fontAt) {
    TWindow::ChangeDpi(dpi, fontAt);
    SectionFont = fontAt(SectionFont);
    for (TSectionLook& look : looks_) look.SubItemFont = fontAt(look.SubItemFont);
    const TScale scale(dpi);
    const std::vector<TSectionRow> rows = Rows();
    for (size_t row = 0; row < rows.size(); ++row)
        SendMessageA(Handle(), LB_SETITEMHEIGHT, row, scale(RowHeight(sections_, rows[row], SectionHeight)));
    SetFlatScrollBarWidth();
    Invalidate();
}

void TSectionListBox::AddSection(const std::string& caption, const std::vector<std::string>& subItems,
                                 const TSectionLook& look) {
    sections_.push_back({caption, TSectionState::lssContracted, subItems});
    looks_.push_back(look);
    int row = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, 0));
    SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(row), TScale(Dpi())(SectionHeight));
}

void TSectionListBox::SetSectionState(int section, TSectionState state) {
    if (section < 0 || section >= SectionCount()) return;
    TListSection& changed = sections_[static_cast<size_t>(section)];
    if (changed.State == state) return;
    if (state == TSectionState::lssExpanded) {
        UseFlatScrollBar();
        changed.State = state;
        InsertRows(section);
    } else {
        RemoveRows(section);
        changed.State = state;
    }
    // The list box redraws the rows that moved; the header's node box changed too.
    const int headerRow = HeaderRowOf(sections_, section);
    RECT header = RowRect(headerRow);
    InvalidateRect(Handle(), &header, FALSE);
    NotifyAccessible(EVENT_OBJECT_REORDER, Handle());
    NotifyAccessible(EVENT_OBJECT_STATECHANGE, Handle(), headerRow + 1);
}

void TSectionListBox::InsertRows(int section) {
    int header = HeaderRowOf(sections_, section);
    const TListSection& opened = sections_[static_cast<size_t>(section)];
    for (int subItem = 0; subItem < static_cast<int>(opened.SubItems.size()); ++subItem) {
        int row = header + 1 + subItem;
        SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(row), 0);
        SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(row), TScale(Dpi())(opened.ItemHeight));
    }
}

void TSectionListBox::RemoveRows(int section) {
    int header = HeaderRowOf(sections_, section);
    for (size_t count = sections_[static_cast<size_t>(section)].SubItems.size(); count > 0; --count)
        SendMessageA(Handle(), LB_DELETESTRING, static_cast<WPARAM>(header + 1), 0);
}

int TSectionListBox::RowCount() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCOUNT, 0, 0)); }

int TSectionListBox::SelectedRow() const { return static_cast<int>(SendMessageA(Handle(), LB_GETCURSEL, 0, 0)); }

int TSectionListBox::TopRow() const { return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0)); }

RECT TSectionListBox::RowRect(int row) const {
    RECT rect{};
    SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

bool TSectionListBox::VerticalScrollBarShown() const {
    return (GetWindowLongA(Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
}

// The rows change first, so that a handler sees the list as the user will.
void TSectionListBox::Toggle(int section) {
    if (Section(section).State == TSectionState::lssExpanded) {
        SetSectionState(section, TSectionState::lssContracted);
        if (OnContractSection) OnContractSection(section);
    } else {
        SetSectionState(section, TSectionState::lssExpanded);
        if (OnExpandSection) OnExpandSection(section);
    }
}

void TSectionListBox::ActOnRow(int row) {
    std::vector<TSectionRow> rows = Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return;
    const TSectionRow& target = rows[static_cast<size_t>(row)];
    if (target.IsHeader)
        Toggle(target.Section);
    else if (OnSubItemClick)
        OnSubItemClick(target.Section, target.SubItem);
}

int TSectionListBox::RowAt(POINT point) const {
    LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0) return -1;
    int row = LOWORD(hit);
    RECT rect = RowRect(row);
    return PtInRect(&rect, point) ? row : -1;  // not below the last row
}

// The whole header toggles, its sort strip included: no section here shows a
// sort marker, so a strip that swallowed presses would only be a dead zone.
void TSectionListBox::PressAt(POINT point) {
    int row = RowAt(point);
    if (row >= 0) ActOnRow(row);
}

TAccessibleInfo TSectionListBox::Describe(long item) const {
    if (item > 0) return DescribeRow(static_cast<int>(item - 1));
    return {ROLE_SYSTEM_OUTLINE, Text(), WindowState(Handle(), true), ""};
}

// A header reads as a tree node that opens and closes, a sub-item as a leaf
// that opens its page.
TAccessibleInfo TSectionListBox::DescribeRow(int row) const {
    const std::vector<TSectionRow> rows = Rows();
    if (row < 0 || row >= static_cast<int>(rows.size())) return {};
    const TSectionRow& shown = rows[static_cast<size_t>(row)];
    const TListSection& section = Section(shown.Section);
    TAccessibleInfo info{ROLE_SYSTEM_OUTLINEITEM, "", 0, "Open"};
    info.Name = shown.IsHeader ? section.Caption : section.SubItems[static_cast<size_t>(shown.SubItem)];
    if (shown.IsHeader) {
        const bool expanded = section.State == TSectionState::lssExpanded;
        if (!section.SubItems.empty()) info.State |= expanded ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
        info.DefaultAction = section.SubItems.empty() ? "" : expanded ? "Collapse" : "Expand";
    }
    if (!RowInView(row)) info.State |= STATE_SYSTEM_OFFSCREEN;
    const long list = WindowState(Handle(), true);
    if (list & STATE_SYSTEM_INVISIBLE) info.State |= STATE_SYSTEM_INVISIBLE;
    if (list & STATE_SYSTEM_UNAVAILABLE) {
        info.State |= STATE_SYSTEM_UNAVAILABLE;
        return info;
    }
    info.State |= STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
    if (row == SelectedRow()) info.State |= STATE_SYSTEM_SELECTED | (list & STATE_SYSTEM_FOCUSED);
    return info;
}

bool TSectionListBox::RowInView(int row) const {
    RECT client{};
    GetClientRect(Handle(), &client);
    RECT rect = RowRect(row);
    RECT shown{};
    return IntersectRect(&shown, &client, &rect) != FALSE;
}

bool TSectionListBox::ItemRect(long item, RECT& screen) const {
    if (item < 1 || item > RowCount()) return false;
    screen = RowRect(static_cast<int>(item - 1));
    MapWindowPoints(Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&screen), 2);
    return true;
}

long TSectionListBox::ItemAt(POINT screen) const {
    POINT point = screen;
    ScreenToClient(Handle(), &point);
    RECT client{};
    GetClientRect(Handle(), &client);
    if (!PtInRect(&client, point)) return 0;
    return RowAt(point) + 1;
}

long TSectionListBox::SelectedItem() const {
    const int row = SelectedRow();
    return row == LB_ERR ? 0 : row + 1;
}

// What a click on the row does: focus, selection, then the row's action.
void TSectionListBox::DoDefaultAction(long item) {
    if (item < 1 || item > RowCount() || !CanFocus(Handle())) return;
    const int row = static_cast<int>(item - 1);
    SetFocus();
    SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    ActOnRow(row);
}

// As the standard list box, the newly selected row is announced, and has
// the focus while the list has.
void TSectionListBox::SelectionMoved() {
    const long item = SelectedItem();
    if (item == 0) return;
    if (Focused()) NotifyAccessible(EVENT_OBJECT_FOCUS, Handle(), item);
    NotifyAccessible(EVENT_OBJECT_SELECTION, Handle(), item);
}

LRESULT TSectionListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!MayMoveSelection(message)) return HandleListMessage(message, wParam, lParam);
    const int before = SelectedRow();
    const LRESULT result = HandleListMessage(message, wParam, lParam);
    if (Handle() && SelectedRow() != before) SelectionMoved();
    return result;
}

LRESULT TSectionListBox::HandleListMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        LRESULT result = DefaultHandling(message, wParam, lParam);  // focus and selection
        // No drag selection: a modal box raised by a handler must not find
        // the mouse captured by the list.
        if (GetCapture() == Handle()) ReleaseCapture();
        PressAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return result;
    }
    case WM_LBUTTONDBLCLK:
        return 0;  // the second press of a double click counts for nothing
    case WM_CHAR:
        if (wParam != VK_SPACE) break;
        ActOnRow(SelectedRow());
        return 0;
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (LOWORD(wParam) == SB_THUMBTRACK) return 0;  // scroll when the thumb is released
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

bool TSectionListBox::HandleNotification(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        DrawRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (message == WM_CTLCOLORLISTBOX) {
        result = reinterpret_cast<LRESULT>(listBrush_.Get());
        return true;
    }
    return false;
}

// Every row is drawn in full, whatever part of it changed.
void TSectionListBox::DrawRow(const DRAWITEMSTRUCT& item) {
    std::vector<TSectionRow> rows = Rows();
    if (item.itemID >= rows.size()) return;  // also the empty list's focus, itemID -1
    const TSectionRow& row = rows[item.itemID];
    if (row.IsHeader)
        DrawHeader(item.hDC, item.rcItem, row.Section);
    else
        DrawSubItem(item.hDC, item.rcItem, row.Section, row.SubItem, (item.itemState & ODS_SELECTED) != 0);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        const int line = TScale(Dpi()).Line();
        InflateRect(&focus, -line, -line);
        SetTextColor(item.hDC, clBlack);
        SetBkColor(item.hDC, clWhite);
        DrawFocusRect(item.hDC, &focus);
    }
}

// A selected header looks like any other.
void TSectionListBox::DrawHeader(HDC dc, const RECT& rect, int section) {
    Fill(dc, rect, SectionColor);
    const TListSection& header = Section(section);
    const TScale scale = TScale(Dpi());
    const int nodeSize = scale(NodeSize);
    int nodeTop = rect.top + (rect.bottom - rect.top - nodeSize) / 2;
    RECT node{rect.left + scale(NodeLeft), nodeTop, rect.left + scale(NodeLeft) + nodeSize, nodeTop + nodeSize};
    UINT edge = header.SubItems.empty()                          ? EDGE_ETCHED
                : header.State == TSectionState::lssContracted ? EDGE_RAISED
                                                               : EDGE_SUNKEN;
    DrawEdge(dc, &node, edge, BF_RECT | BF_MIDDLE);
    RECT text{rect.left + scale(SectionIndent), rect.top, rect.right, rect.bottom};
    DrawRowText(dc, header.Caption, text, SectionFont, clWhite);
    DrawFrame(dc, rect, clWhite, clGray, scale.Line());
}

void TSectionListBox::DrawSubItem(HDC dc, const RECT& rect, int section, int subItem, bool selected) {
    const TSectionLook& look = looks_[static_cast<size_t>(section)];
    Fill(dc, rect, selected ? SelectionColor : look.Color);
    RECT text{rect.left + TScale(Dpi())(SubItemIndent), rect.top, rect.right, rect.bottom};
    DrawRowText(dc, Section(section).SubItems[static_cast<size_t>(subItem)], text, look.SubItemFont,
                selected ? SelectionTextColor : look.SubItemTextColor);
}
