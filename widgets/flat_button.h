#pragma once

#include "widgets/accessible.h"
#include "widgets/adv_colors.h"
#include "widgets/control.h"
#include "widgets/hover_tracker.h"

#include <functional>

// The self-drawn push button of the window (the Apply Changes buttons): a
// flat frame that turns raised under the mouse and sunken while pressed.
// OnClick is raised on a release over the button after a press on it. To a
// screen reader it is the standard push button.
class TFlatButton : public TCustomControl, public TAccessibleControl, private THoverTarget {
public:
    enum class TState { bsUp, bsDisabled, bsDown, bsExclusive };

    TFlatButton();
    ~TFlatButton() override;
    void SetEnabled(bool enabled) override;

    void Create(HWND parent, const TControlProps& props, HFONT font);
    std::function<void()> OnClick;

    COLORREF Color() const override;
    void SetColor(COLORREF color);
    COLORREF ColorFocused() const { return colorFocused_; }
    void SetColorFocused(COLORREF color);
    COLORREF ColorDown() const { return colorDown_; }
    void SetColorDown(COLORREF color);
    COLORREF ColorBorder() const { return colorBorder_; }
    void SetColorBorder(COLORREF color);
    void SetColorHighLight(COLORREF color);
    void SetColorShadow(COLORREF color);
    void SetUseAdvColors(bool use);
    void SetAdvColorFocused(int step);
    void SetAdvColorDown(int step);
    void SetAdvColorBorder(int step);

    TState State() const { return state_; }
    bool Hovered() const { return hovered_; }
    bool Dragging() const { return dragging_; }

    void PaintTo(HDC dc) override;

    TAccessibleInfo Describe(long item) const override;
    void DoDefaultAction(long item) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND HoverHandle() const override { return Handle(); }
    void MouseEntered() override;
    void MouseLeft() override;
    void Released();
    bool PointerInside() const;
    void Repaint();
    void DeriveColors();
    void EnabledChanged();
    void Clicked();

    TState state_ = TState::bsUp;
    bool hovered_ = false;
    bool dragging_ = false;
    bool colorSet_ = false;
    COLORREF color_ = clSilver;
    COLORREF colorFocused_ = RGB(235, 235, 225);
    COLORREF colorDown_ = RGB(217, 214, 197);
    COLORREF colorBorder_ = RGB(160, 150, 131);
    COLORREF colorHighLight_ = clWhite;
    COLORREF colorShadow_ = clBlack;
    bool useAdvColors_ = false;
    int advColorFocused_ = 10;
    int advColorDown_ = 10;
    int advColorBorder_ = 50;
    HFONT font_ = nullptr;
};
