#pragma once

#include "widgets/control.h"

// A container with a lowered one-pixel bevel, in one colour.
class TPanel : public TCustomControl {
public:
    void Create(HWND parent, const TBounds& bounds, COLORREF color = clSilver);
    COLORREF Color() const override { return color_; }
    void PaintTo(HDC dc) override;

private:
    COLORREF color_ = clSilver;
};

// A lowered frame drawn around other controls; the pointer passes through it.
class TBevel : public TCustomControl {
public:
    void Create(HWND parent, const TBounds& bounds);
    void PaintTo(HDC dc) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Draws a one-pixel frame: light on top and left, dark on bottom and right.
void DrawFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight, int width = 1);
