#include "widgets/status_bar.h"

#include "widgets/common_controls.h"
#include "widgets/panel.h"
#include "widgets/scale.h"

#include <commctrl.h>
#include <oleacc.h>

#include <vector>

namespace {
const int TextIndent = 2;
}  // namespace

void TStatusBar::Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font) {
    color_ = color;
    CommonControls();
    // Placed by its parent: the bar would otherwise size itself to its font.
    CreateHandle({STATUSCLASSNAMEA, "",
                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0,
                  bounds, parent});
    if (!Handle()) return;
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageA(Handle(), SB_SETBKCOLOR, 0, static_cast<LPARAM>(color));
    SendMessageA(Handle(), SB_SIMPLE, TRUE, 0);
}

// The window text too: WM_GETTEXT reads the first part, not the simple one.
void TStatusBar::SetSimpleText(const std::string& text) {
    if (!Handle() || text == SimpleText()) return;
    SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
    SetText(text);
    NotifyAccessible(EVENT_OBJECT_NAMECHANGE, Handle());
}

// In simple mode the first part reads as the simple text.
std::string TStatusBar::SimpleText() const {
    if (!Handle()) return "";
    size_t length = LOWORD(SendMessageA(Handle(), SB_GETTEXTLENGTHA, 0, 0));
    std::vector<char> text(length + 1);
    SendMessageA(Handle(), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void TStatusBar::PaintEmpty(HDC dc, const RECT& bounds, COLORREF color, int line) {
    TBrush fill(CreateSolidBrush(color));
    FillRect(dc, &bounds, fill.Get());
    DrawFrame(dc, bounds, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), line);
}

void TStatusBar::PaintTo(HDC dc) {
    RECT panel{};
    GetClientRect(Handle(), &panel);
    const TScale scale = TScale(Dpi());
    PaintEmpty(dc, panel, color_, scale.Line());
    InflateRect(&panel, -scale.Line(), -scale.Line());
    auto font = reinterpret_cast<HGDIOBJ>(SendMessageA(Handle(), WM_GETFONT, 0, 0));
    TSelectObject selected(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    panel.left += scale(TextIndent);
    const std::string text = SimpleText();
    DrawTextA(dc, text.c_str(), -1, &panel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TAccessibleInfo TStatusBar::Describe(long) const {
    return {ROLE_SYSTEM_STATUSBAR, SimpleText(), WindowState(Handle(), false), ""};
}
