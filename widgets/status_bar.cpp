#include "widgets/status_bar.h"

#include <commctrl.h>

#include <vector>

namespace {
const int TextIndent = 2;
}  // namespace

void TStatusBar::Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font) {
    color_ = color;
    CreateHandle({STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                  0, bounds, parent});
    if (font) SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
    SendMessageA(Handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
}

void TStatusBar::SetSimpleText(const std::string& text) {
    SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string TStatusBar::SimpleText() const {
    // Windows answers for the simple part under its own id; Wine answers
    // for it under part 0 while the bar is simple.
    WPARAM part = SB_SIMPLEID;
    LRESULT length = SendMessageA(Handle(), SB_GETTEXTLENGTHA, part, 0);
    if (LOWORD(length) == 0) {
        part = 0;
        length = SendMessageA(Handle(), SB_GETTEXTLENGTHA, part, 0);
    }
    std::vector<char> buffer(static_cast<size_t>(LOWORD(length)) + 1);
    SendMessageA(Handle(), SB_GETTEXTA, part, reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

// The simple panel as the platform draws it, a sunken one-pixel edge with
// the text on one line, on the bar's own colour.
void TStatusBar::PaintTo(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    TBrush background(CreateSolidBrush(color_));
    FillRect(dc, &client, background.Get());
    RECT panel = client;
    DrawEdge(dc, &panel, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    TSelectObject selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    panel.left += TextIndent;
    std::string text = SimpleText();
    DrawTextA(dc, text.c_str(), -1, &panel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT TStatusBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        TPaintBuffer buffer(Handle());
        PaintTo(buffer.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
