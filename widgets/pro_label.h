#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

enum class TDirection { drNone, drUp, drDown, drLeft, drRight, drUpLeft, drUpRight, drDownLeft, drDownRight };
enum class TShadowStyle { ssNone, ssCustom };

// A label whose caption is drawn three times, a shadow copy, a highlight copy
// and the text itself, so that text in the panel's colour reads as embossed.
class TProLabel : public TCustomControl, public TAccessibleControl {
public:
    void Create(HWND parent, const std::string& caption, const TBounds& bounds, HFONT font, COLORREF textColor);
    void PaintTo(HDC dc) override;
    TAccessibleInfo Describe(long item) const override;

    TShadowStyle ShadowStyle = TShadowStyle::ssCustom;
    TDirection ShadowDirection = TDirection::drDownRight;
    int ShadowDepth = 1;
    int ShadowSize = 1;
    COLORREF ShadowColor = clGray;
    TDirection HighlightDirection = TDirection::drUpLeft;
    int HighlightDepth = 1;
    COLORREF HighlightColor = GetSysColor(COLOR_BTNHIGHLIGHT);

private:
    void DrawCaption(HDC dc, RECT rect, COLORREF color);

    COLORREF textColor_ = clSilver;
};

// The one-pixel step of a direction (y grows downwards).
POINT StepOf(TDirection direction);
