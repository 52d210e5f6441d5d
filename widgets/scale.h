#pragma once

#include "widgets/window.h"

// The window's figures are given at 96 pixels per inch and drawn at the
// pixels per inch of the screen the window is on: every figure times
// dpi / 96, rounded. At 96 every figure is itself.
class TScale {
public:
    explicit TScale(int dpi = 96) : dpi_(dpi > 0 ? dpi : 96) {}
    // The scale a window of ours is laid out for, or that of the screen
    // another window is on; nullptr: the screen's.
    static TScale Of(HWND window);

    int Dpi() const { return dpi_; }
    bool IsOne() const { return dpi_ == 96; }
    int operator()(int pixels) const { return MulDiv(pixels, dpi_, 96); }
    // By its edges, so that controls that line up at 96 still line up.
    TBounds operator()(const TBounds& bounds) const;
    RECT operator()(const RECT& rect) const;
    // A line one pixel wide at 96.
    int Line() const { return (*this)(1) > 0 ? (*this)(1) : 1; }

private:
    int dpi_;
};

// Pixels per inch of the screen a window is on (nullptr: the screen's):
// the window's own on Windows 10 and later, the system's on Vista to 8,
// and the screen's logical inch before.
int DpiOf(HWND window);

// The outline face that stands in where a face of few sizes lacks a scaled
// height: the face of dialogs from Windows 2000 on, drawn to the measures of
// the bitmap "MS Sans Serif". Where it is missing (Windows 95) the font
// mapper's nearest outline sans serif face, Arial, draws instead.
constexpr const char* OutlineFace = "Tahoma";

// A font of character height given at 96 pixels per inch, at a scale: the
// face asked for where it draws at the scaled height, else OutlineFace.
HFONT CreateScaledFont(const char* face, int characterHeight, bool bold, const TScale& scale);
