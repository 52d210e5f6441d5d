#include "widgets/notebook.h"

#include <oleacc.h>

namespace {
void Fill(HDC dc, SIZE size, COLORREF color) {
    RECT all{0, 0, size.cx, size.cy};
    TBrush brush(CreateSolidBrush(color));
    FillRect(dc, &all, brush.Get());
}
}  // namespace

void TNotebookPage::CreatePage(HWND notebook, const std::string& name) {
    name_ = name;
    CreateHandle({nullptr, name, WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, {}, notebook});
    FitToNotebook();
}

void TNotebookPage::ChangeDpi(int dpi, const TFontAt& fontAt) {
    TWindow::ChangeDpi(dpi, fontAt);
    FitToNotebook();
}

void TNotebookPage::FitToNotebook() {
    RECT area{};
    GetClientRect(Parent(), &area);
    SetBounds({0, 0, area.right - 1, area.bottom - 1});
}

void TNotebookPage::PaintTo(HDC dc) { Fill(dc, ClientSize(), Color()); }

TAccessibleInfo TNotebookPage::Describe(long) const {
    return {ROLE_SYSTEM_PROPERTYPAGE, Title(), WindowState(Handle(), false), ""};
}

void TNotebook::Create(HWND parent, const TBounds& bounds) {
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  WS_EX_CONTROLPARENT, bounds, parent});
}

void TNotebook::SetPageIndex(int index) {
    if (index == pageIndex_ || index < 0 || index >= PageCount()) return;
    HWND focus = GetFocus();
    bool focusInside = focus && (focus == Handle() || IsChild(Handle(), focus));
    TNotebookPage* page = pages_[static_cast<size_t>(index)];
    SetWindowPos(page->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    if (pageIndex_ >= 0) pages_[static_cast<size_t>(pageIndex_)]->SetVisible(false);
    pageIndex_ = index;
    if (focusInside) {
        HWND first = GetNextDlgTabItem(page->Handle(), nullptr, FALSE);
        if (first && IsChild(page->Handle(), first)) ::SetFocus(first);
    }
}

void TNotebook::PaintTo(HDC dc) { Fill(dc, ClientSize(), Color()); }
