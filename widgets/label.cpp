#include "widgets/label.h"

#include "widgets/scale.h"

void TLabel::Create(HWND parent, const std::string& caption, const TBounds& bounds, HFONT font,
                    COLORREF textColor) {
    font_ = font;
    textColor_ = textColor;
    CreateHandle({nullptr, caption, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
}

TAccessibleInfo TLabel::Describe(long) const { return StaticTextInfo(Handle(), Text()); }

void TLabel::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush background(CreateSolidBrush(Color()));
    FillRect(dc, &all, background.Get());
    TSelectObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    std::string caption = Text();
    if (Enabled()) {
        SetTextColor(dc, textColor_);
        DrawTextA(dc, caption.c_str(), -1, &all, DT_LEFT | DT_TOP | DT_WORDBREAK);
        return;
    }
    const int line = TScale(Dpi()).Line();
    RECT shifted{line, line, size.cx + line, size.cy + line};
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &shifted, DT_LEFT | DT_TOP | DT_WORDBREAK);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, caption.c_str(), -1, &all, DT_LEFT | DT_TOP | DT_WORDBREAK);
}
