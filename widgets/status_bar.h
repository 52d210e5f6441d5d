#pragma once

#include "widgets/control.h"

// A status bar with one simple text panel and no size grip, drawn as the
// platform draws its simple panel (a sunken one-pixel edge, the text on one
// line) but on the bar's own colour. Its own window rather than the common
// controls' one, which paints the panel in the button face whatever the bar's
// colour and would be the one reason to load comctl32 at start.
class TStatusBar : public TCustomControl {
public:
    void Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font = nullptr);
    void SetSimpleText(const std::string& text);
    const std::string& SimpleText() const { return text_; }

    COLORREF Color() const override { return color_; }
    void PaintTo(HDC dc) override;

private:
    COLORREF color_ = clSilver;
    HFONT font_ = nullptr;
    std::string text_;
};
