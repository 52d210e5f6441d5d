#pragma once

#include "widgets/control.h"
#include "widgets/hover_tracker.h"

#include <functional>
#include <set>
#include <utility>
#include <vector>

// A control drawn through PaintTo into a 32-bit memory bitmap of its client
// size, read back pixel by pixel.
class TRendering {
public:
    explicit TRendering(TCustomControl& control);
    TRendering(HWND window, const std::function<void(HDC)>& paint);
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    // The points of a colour inside an area (the whole picture by default).
    std::set<std::pair<int, int>> PointsOf(COLORREF color) const;
    std::set<std::pair<int, int>> PointsOf(COLORREF color, const RECT& area) const;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

using TPoints = std::set<std::pair<int, int>>;
TPoints Shifted(const TPoints& points, int dx, int dy);

// Colours no control of the window uses, to tell the drawing steps apart.
const COLORREF TestFace = RGB(10, 120, 200);
const COLORREF TestFocused = RGB(250, 240, 20);
const COLORREF TestDown = RGB(30, 200, 90);
const COLORREF TestBorder = RGB(200, 30, 160);
const COLORREF TestCheck = RGB(90, 10, 20);

// The hover timer of a tracker stands still while one of these lives; the
// tracker's Tick() is one of its 100 ms beats.
class TManualClock {
public:
    explicit TManualClock(THoverTracker& tracker) : tracker_(tracker) { tracker_.SetManualClock(true); }
    ~TManualClock() { tracker_.SetManualClock(false); }
    TManualClock(const TManualClock&) = delete;
    TManualClock& operator=(const TManualClock&) = delete;

private:
    THoverTracker& tracker_;
};

inline bool IsTracked(const THoverTracker& tracker, const TWindow& control) {
    return tracker.Tracked() && tracker.Tracked()->HoverHandle() == control.Handle();
}
