#pragma once

#include "widgets/control.h"

// The platform's status bar with one simple text panel and no size grip. It
// keeps the text as a status bar does, but paints itself: the platform's
// simple panel is filled with the button face whatever the bar's colour.
class TStatusBar : public TWindow {
public:
    void Create(HWND parent, const TBounds& bounds, COLORREF color, HFONT font = nullptr);
    void SetSimpleText(const std::string& text);
    std::string SimpleText() const;

    COLORREF Color() const { return color_; }
    void PaintTo(HDC dc);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF color_ = clSilver;
};
