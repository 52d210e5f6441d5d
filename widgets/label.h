#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

// A caption drawn transparently on its parent, in the window's font.
class TLabel : public TCustomControl, public TAccessibleControl {
public:
    void Create(HWND parent, const std::string& caption, const TBounds& bounds, HFONT font,
                COLORREF textColor = clBlack);
    void PaintTo(HDC dc) override;
    TAccessibleInfo Describe(long item) const override;

private:
    COLORREF textColor_ = clBlack;
};
