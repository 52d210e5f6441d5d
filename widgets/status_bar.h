#pragma once

#include "widgets/control.h"

// The platform's status bar with one simple text panel and no size grip.
class TStatusBar : public TWindow {
public:
    void Create(HWND parent, const TBounds& bounds, COLORREF color);
    void SetSimpleText(const std::string& text);
    std::string SimpleText() const;
};
