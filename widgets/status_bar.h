#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

// The platform's status bar in simple mode, without a size grip. The hint is
// its simple text, so that other programs (screen readers, automation) read
// it with SB_GETTEXT or WM_GETTEXT. It paints itself as the platform draws a
// simple panel (a sunken one-pixel edge, the text on one line), but on the
// bar's own colour: a themed bar keeps the theme's face whatever colour it
// is given. Readers hear it as the platform's status bar proxy gives one:
// its name is exactly the text it shows, "&" included.
class TStatusBar : public TCustomControl, public TAccessibleControl {
public:
    // The bar loads the common controls; until it exists its parent paints
    // the empty bar with PaintEmpty.
    void Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font);
    void SetSimpleText(const std::string& text);
    std::string SimpleText() const;

    COLORREF Color() const override { return color_; }
    void PaintTo(HDC dc) override;
    static void PaintEmpty(HDC dc, const RECT& bounds, COLORREF color, int line);

    TAccessibleInfo Describe(long item) const override;

private:
    COLORREF color_ = clSilver;
};
