#pragma once

#include "widgets/control.h"

// A caption drawn transparently on its parent, in the window's font.
class TLabel : public TCustomControl {
public:
    void Create(HWND parent, const std::string& caption, const TBounds& bounds, HFONT font,
                COLORREF textColor = clBlack);
    void PaintTo(HDC dc) override;

private:
    HFONT font_ = nullptr;
    COLORREF textColor_ = clBlack;
};
