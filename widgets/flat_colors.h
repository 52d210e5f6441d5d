#pragma once

#include <windows.h>

// The colour properties the flat controls share: a face that follows the
// parent's colour until one is set, and the focused, pressed and frame
// colours, which UseAdvColors derives from the face by luminance steps.
class TFlatColors {
public:
    TFlatColors(COLORREF focused, COLORREF down, COLORREF border)
        : colorFocused_(focused), colorDown_(down), colorBorder_(border) {}
    virtual ~TFlatColors() = default;

    void SetColor(COLORREF color);
    COLORREF ColorFocused() const { return colorFocused_; }
    void SetColorFocused(COLORREF color);
    COLORREF ColorDown() const { return colorDown_; }
    void SetColorDown(COLORREF color);
    COLORREF ColorBorder() const { return colorBorder_; }
    void SetColorBorder(COLORREF color);
    void SetUseAdvColors(bool use);
    void SetAdvColorFocused(int step);
    void SetAdvColorDown(int step);

protected:
    COLORREF FaceColor() const;
    // The parent's colour or the system colours changed: with UseAdvColors
    // the control takes its parent's colour again and derives anew.
    void FollowParentColor();

private:
    virtual HWND ColorParent() const = 0;
    virtual void ColorsChanged() = 0;
    void Derive();
    void Changed(bool derive);

    bool colorSet_ = false;
    COLORREF color_ = 0;
    COLORREF colorFocused_;
    COLORREF colorDown_;
    COLORREF colorBorder_;
    bool useAdvColors_ = false;
    int advColorFocused_ = 10;
    int advColorDown_ = 10;
    int advColorBorder_ = 50;
};
