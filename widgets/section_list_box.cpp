#include "widgets/section_list_box.h"

#include "widgets/panel.h"

namespace {

using InitializeFlatSBFunction = BOOL(WINAPI*)(HWND);
using FlatSBSetScrollPropFunction = BOOL(WINAPI*)(HWND, UINT, INT_PTR, BOOL);
const UINT WsbPropCxVScroll = 0x00000001;
const UINT WsbPropCyHScroll = 0x00000002;
const UINT WsbPropVStyle = 0x00000100;
const INT_PTR FsbFlatMode = 2;

}  // namespace

void TSectionListBox::Create(HWND parent, const TBounds& bounds) {
    listBrush_.Reset(CreateSolidBrush(ListColor));
    CreateHandle({"LISTBOX", "",
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWVARIABLE |
                      LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
                  0, bounds, parent});
    UseFlatScrollBar();
}

// The flat scroll bar functions are optional: where comctl32 lacks them the
// list keeps the standard scroll bar.
void TSectionListBox::UseFlatScrollBar() {
    HMODULE comctl = GetModuleHandleA("comctl32.dll");
    if (!comctl) comctl = LoadLibraryA("comctl32.dll");
    if (!comctl) return;
    auto initialize = reinterpret_cast<InitializeFlatSBFunction>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "InitializeFlatSB")));
    auto setProp = reinterpret_cast<FlatSBSetScrollPropFunction>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "FlatSB_SetScrollProp")));
    if (!initialize || !setProp || !initialize(Handle())) return;
    setProp(Handle(), WsbPropVStyle, FsbFlatMode, FALSE);
    setProp(Handle(), WsbPropCxVScroll, ScrollWidth, FALSE);
    setProp(Handle(), WsbPropCyHScroll, ScrollWidth, TRUE);
}

void TSectionListBox::AddSection(const std::string& caption, const std::vector<std::string>& subItems,
                                 const TSectionLook& look) {
    sections_.push_back({caption, TSectionState::lssContracted, subItems});
    looks_.push_back(look);
    int row = static_cast<int>(SendMessageA(Handle(), LB_ADDSTRING, 0, 0));
    SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(row), SectionHeight);
}

void TSectionListBox::SetSectionState(int section, TSectionState state) {
    if (section < 0 || section >= SectionCount()) return;
    TListSection& changed = sections_[static_cast<size_t>(section)];
    if (changed.State == state) return;
    if (state == TSectionState::lssExpanded) {
        changed.State = state;
        InsertRows(section);
    } else {
        RemoveRows(section);
        changed.State = state;
    }
}

void TSectionListBox::InsertRows(int section) {
    int header = HeaderRowOf(sections_, section);
    int count = static_cast<int>(sections_[static_cast<size_t>(section)].SubItems.size());
    for (int subItem = 0; subItem < count; ++subItem) {
        int row = header + 1 + subItem;
        SendMessageA(Handle(), LB_INSERTSTRING, static_cast<WPARAM>(row), 0);
        SendMessageA(Handle(), LB_SETITEMHEIGHT, static_cast<WPARAM>(row), ItemHeight);
    }
}

void TSectionListBox::RemoveRows(int section) {
    int header = HeaderRowOf(sections_, section);
    int count = static_cast<int>(sections_[static_cast<size_t>(section)].SubItems.size());
    for (int subItem = 0; subItem < count; ++subItem)
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

void TSectionListBox::Toggle(int section) {
    TListSection& toggled = sections_[static_cast<size_t>(section)];
    if (toggled.State == TSectionState::lssExpanded) {
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

void TSectionListBox::PressAt(POINT point) {
    LRESULT hit = SendMessageA(Handle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y));
    if (HIWORD(hit) != 0) return;  // below the last row
    int row = LOWORD(hit);
    RECT rect = RowRect(row);
    if (!PtInRect(&rect, point)) return;
    ActOnRow(row);
}

LRESULT TSectionListBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: {
        LRESULT result = DefaultHandling(message, wParam, lParam);  // focus and selection
        // No drag selection: a modal box raised by a handler must not leave
        // the list tracking the mouse.
        if (GetCapture() == Handle()) ReleaseCapture();
        PressAt({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return result;
    }
    case WM_LBUTTONDBLCLK:
        return 0;  // the second press of a double click counts for nothing
    case WM_CHAR:
        if (wParam == VK_SPACE) {
            ActOnRow(SelectedRow());
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (LOWORD(wParam) == SB_THUMBTRACK) return 0;  // scroll when the thumb is released
        return DefaultHandling(message, wParam, lParam);
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

void TSectionListBox::DrawRow(const DRAWITEMSTRUCT& item) {
    std::vector<TSectionRow> rows = Rows();
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows.size()) return;
    const TSectionRow& row = rows[item.itemID];
    RECT rect = item.rcItem;
    if (row.IsHeader)
        DrawHeader(item.hDC, rect, row.Section);
    else
        DrawSubItem(item.hDC, rect, row.Section, row.SubItem, (item.itemState & ODS_SELECTED) != 0);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = rect;
        InflateRect(&focus, -1, -1);
        SetTextColor(item.hDC, clBlack);
        SetBkColor(item.hDC, clWhite);
        DrawFocusRect(item.hDC, &focus);
    }
}

void TSectionListBox::DrawHeader(HDC dc, RECT rect, int section) {
    TBrush fill(CreateSolidBrush(SectionColor));
    FillRect(dc, &rect, fill.Get());

    const TListSection& header = sections_[static_cast<size_t>(section)];
    RECT node{rect.left + 4, rect.top + (rect.bottom - rect.top - 8) / 2, 0, 0};
    node.right = node.left + 8;
    node.bottom = node.top + 8;
    UINT edge = header.SubItems.empty()                          ? EDGE_ETCHED
                : header.State == TSectionState::lssContracted ? EDGE_RAISED
                                                               : EDGE_SUNKEN;
    DrawEdge(dc, &node, edge, BF_RECT | BF_MIDDLE);

    RECT text{rect.left + SectionIndent, rect.top, rect.right, rect.bottom};
    TSelectObject font(dc, SectionFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, clWhite);
    DrawTextA(dc, header.Caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    DrawFrame(dc, rect, clWhite, clGray);
}

void TSectionListBox::DrawSubItem(HDC dc, RECT rect, int section, int subItem, bool selected) {
    TBrush fill(CreateSolidBrush(selected ? SelectionColor : SubItemColor));
    FillRect(dc, &rect, fill.Get());
    const TSectionLook& look = looks_[static_cast<size_t>(section)];
    const std::string& caption = sections_[static_cast<size_t>(section)].SubItems[static_cast<size_t>(subItem)];
    RECT text{rect.left + SubItemIndent, rect.top, rect.right, rect.bottom};
    TSelectObject font(dc, look.SubItemFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, selected ? SelectionTextColor : look.SubItemTextColor);
    DrawTextA(dc, caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
