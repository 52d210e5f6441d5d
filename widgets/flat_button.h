#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"
#include "widgets/flat_colors.h"
#include "widgets/hover_tracker.h"

#include <functional>

// The self-drawn push button of the window (the Apply Changes buttons): a
// flat frame that turns raised under the mouse and sunken while pressed.
// OnClick is raised on a release over the button after a press on it. To a
// screen reader it is the standard push button.
class TFlatButton : public TCustomControl, public TFlatColors, public TAccessibleControl, private THoverTarget {
public:
    enum class TState { bsUp, bsDisabled, bsDown, bsExclusive };

    TFlatButton();
    ~TFlatButton() override;
    void SetEnabled(bool enabled) override;

    void Create(HWND parent, const TControlProps& props, HFONT font);
    std::function<void()> OnClick;

    COLORREF Color() const override { return FaceColor(); }
    void SetColorHighLight(COLORREF color);
    void SetColorShadow(COLORREF color);

    TState State() const { return state_; }
    bool Hovered() const { return hovered_; }
    bool Dragging() const { return dragging_; }

    void PaintTo(HDC dc) override;

    TAccessibleInfo Describe(long item) const override;
    void DoDefaultAction(long item) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND ColorParent() const override { return Parent(); }
    void ColorsChanged() override { Repaint(); }
    HWND HoverHandle() const override { return Handle(); }
    void MouseEntered() override;
    void MouseLeft() override;
    void Released();
    bool PointerInside() const;
    void Repaint();
    void EnabledChanged();
    void Clicked();

    TState state_ = TState::bsUp;
    bool hovered_ = false;
    bool dragging_ = false;
    COLORREF colorHighLight_ = clWhite;
    COLORREF colorShadow_ = clBlack;
};
