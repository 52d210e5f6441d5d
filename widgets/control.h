#pragma once

#include "widgets/window.h"

#include <string>

// What every control of a page is created with: caption, status-bar hint
// and place on its parent.
// The texts are the pages' literals; they are copied when the control is made.
struct TControlProps {
    const char* Caption = "";
    const char* Hint = "";
    TBounds Bounds;
};

const COLORREF clSilver = RGB(192, 192, 192);
const COLORREF clGray = RGB(128, 128, 128);
const COLORREF clMaroon = RGB(128, 0, 0);
const COLORREF clWhite = RGB(255, 255, 255);
const COLORREF clBlack = RGB(0, 0, 0);

// The background colour of a window: the colour its own class paints, the
// button face for any other window.
COLORREF ColorOf(HWND window);

// Draws what a window's parent shows behind it, for controls that leave
// their background transparent.
void PaintParentBackground(HWND window, HDC dc);

// Whether a window and every window above it, up to its top-level window,
// are enabled.
bool EnabledUpToTop(HWND window);

// The top-level window that holds window, or window itself when it is one.
// GetAncestor, which answers the same, came with Windows 98.
HWND RootWindow(HWND window);

// Whether a window can take the keyboard focus: shown, and enabled up to
// its top-level window.
bool CanFocus(HWND window);

// Child windows hear of some changes (new system colours) only from their
// top-level window, which passes the message on to every descendant.
void SendToDescendants(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Paints into an off-screen bitmap and copies the client area to the
// screen in one piece when it goes out of scope. The bitmap is one for the
// whole program, kept from the first paint on and grown to the largest
// control: making a bitmap and selecting it into a device context costs the
// platform more than painting a control does.
class TPaintBuffer {
public:
    explicit TPaintBuffer(HWND window);
    ~TPaintBuffer();
    TPaintBuffer(const TPaintBuffer&) = delete;
    TPaintBuffer& operator=(const TPaintBuffer&) = delete;
    HDC Dc() const { return memory_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC screen_;
    HDC memory_;
    int savedState_;
    SIZE size_{};
};

// A window of the program's own class, or a system control, that paints
// itself through PaintTo, off-screen, and never erases its background
// separately.
class TCustomControl : public TWindow {
public:
    // Draws the whole control into a device context of the client size.
    virtual void PaintTo(HDC dc) = 0;
    virtual COLORREF Color() const { return ColorOf(Parent()); }
    SIZE ClientSize() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The font the control draws its text in; WM_SETFONT changes it.
    HFONT font_ = nullptr;
};
