#include "widgets/pro_label.h"

#include "widgets/scale.h"

POINT StepOf(TDirection direction) {
    switch (direction) {
    case TDirection::drNone: return {0, 0};
    case TDirection::drUp: return {0, -1};
    case TDirection::drDown: return {0, 1};
    case TDirection::drLeft: return {-1, 0};
    case TDirection::drRight: return {1, 0};
    case TDirection::drUpLeft: return {-1, -1};
    case TDirection::drUpRight: return {1, -1};
    case TDirection::drDownLeft: return {-1, 1};
    case TDirection::drDownRight: return {1, 1};
    }
    return {0, 0};
}

namespace {

RECT Moved(RECT rect, TDirection direction, int steps) {
    POINT step = StepOf(direction);
    OffsetRect(&rect, step.x * steps, step.y * steps);
    return rect;
}

}  // namespace

void TProLabel::Create(HWND parent, const std::string& caption, const TBounds& bounds, HFONT font,
                       COLORREF textColor) {
    font_ = font;
    textColor_ = textColor;
    CreateHandle({nullptr, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
}

TAccessibleInfo TProLabel::Describe(long) const { return StaticTextInfo(Handle(), Text()); }

void TProLabel::DrawCaption(HDC dc, RECT rect, COLORREF color) {
    std::string caption = Text();
    SetTextColor(dc, color);
    DrawTextA(dc, caption.c_str(), -1, &rect, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_EXPANDTABS);
}

void TProLabel::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT text{0, 0, size.cx, size.cy};
    PaintParentBackground(Handle(), dc);  // transparent
    TSelectObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);

    const TScale scale = TScale(Dpi());
    if (!Enabled()) {
        DrawCaption(dc, Moved(text, TDirection::drDownRight, scale.Line()), GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawCaption(dc, text, GetSysColor(COLOR_BTNSHADOW));
        return;
    }
    if (ShadowStyle != TShadowStyle::ssNone) {
        RECT shadow = Moved(text, ShadowDirection, scale(ShadowDepth));
        for (int copy = 0; copy < scale(ShadowSize); ++copy) {
            DrawCaption(dc, shadow, ShadowColor);
            shadow = Moved(shadow, ShadowDirection, 1);
        }
        DrawCaption(dc, Moved(text, HighlightDirection, scale(HighlightDepth)), HighlightColor);
    }
    DrawCaption(dc, text, textColor_);
}
