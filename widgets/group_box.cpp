#include "widgets/group_box.h"

#include "widgets/caption_text.h"
#include "widgets/panel.h"
#include "widgets/scale.h"

#include <oleacc.h>

namespace {
const int CaptionLeft = 8;
const int CaptionGap = 2;  // blank space on each side of the caption, cut out of the frame
}  // namespace

void TGroupBox::Create(HWND parent, const TControlProps& props, HFONT font, COLORREF fontColor) {
    font_ = font;
    fontColor_ = fontColor;
    SetHint(props.Hint);
    CreateHandle({nullptr, props.Caption, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                  WS_EX_CONTROLPARENT, props.Bounds, parent});
}

// An etched frame from half the caption's height down, broken where the
// caption stands.
void TGroupBox::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush background(CreateSolidBrush(Color()));
    FillRect(dc, &all, background.Get());

    TSelectObject font(dc, font_);
    std::string caption = Text();
    SIZE text{};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &text);

    const TScale scale = TScale(Dpi());
    const int line = scale.Line();
    RECT frame{0, text.cy / 2, size.cx, size.cy};
    RECT inner{frame.left + line, frame.top + line, frame.right, frame.bottom};
    DrawFrame(dc, inner, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNHIGHLIGHT), line);
    RECT outer{frame.left, frame.top, frame.right - line, frame.bottom - line};
    DrawFrame(dc, outer, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW), line);
    if (caption.empty()) return;

    RECT captionRect{scale(CaptionLeft), 0, scale(CaptionLeft) + text.cx + 2 * scale(CaptionGap), text.cy};
    FillRect(dc, &captionRect, background.Get());
    OffsetRect(&captionRect, scale(CaptionGap), 0);
    SetBkMode(dc, TRANSPARENT);
    const UINT format = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOCLIP;
    if (Enabled()) {
        SetTextColor(dc, fontColor_);
        DrawTextA(dc, caption.c_str(), -1, &captionRect, format);
        return;
    }
    RECT shifted = captionRect;
    OffsetRect(&shifted, line, line);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, caption.c_str(), -1, &captionRect, format);
}

TAccessibleInfo TGroupBox::Describe(long) const {
    return {ROLE_SYSTEM_GROUPING, WithoutAccelerator(Text()), WindowState(Handle(), false), ""};
}

LRESULT TGroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A child that can no longer be reached must not keep the keyboard: the
    // platform takes the focus from a disabled window, but not from its children.
    if (message == WM_ENABLE && !wParam && IsChild(Handle(), GetFocus())) ::SetFocus(nullptr);
    return TCustomControl::HandleMessage(message, wParam, lParam);
}
