#include "widgets/status_bar.h"

#include <commctrl.h>

#include <vector>

void TStatusBar::Create(HWND parent, const TBounds& bounds, COLORREF color) {
    CreateHandle({STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                  0, bounds, parent});
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
