#include "widgets/status_bar.h"

namespace {
const int TextIndent = 2;
}  // namespace

void TStatusBar::Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font) {
    color_ = color;
    font_ = font;
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
}

void TStatusBar::SetSimpleText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TStatusBar::PaintTo(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    TBrush background(CreateSolidBrush(color_));
    FillRect(dc, &client, background.Get());
    RECT panel = client;
    DrawEdge(dc, &panel, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);

    TSelectObject selected(dc, font_ ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    panel.left += TextIndent;
    DrawTextA(dc, text_.c_str(), -1, &panel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
