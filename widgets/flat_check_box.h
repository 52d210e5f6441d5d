#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"
#include "widgets/flat_colors.h"
#include "widgets/hover_tracker.h"

#include <functional>

enum class TCheckBoxLayout { checkboxLeft, checkboxRight };

// The self-drawn check box of every option. Setting Checked to a new state
// raises OnClick, whoever sets it (mouse, Space, accelerator or code);
// setting the state it already has raises nothing. The accelerator of the
// caption reaches the box from the dialog manager as a button click. To a
// screen reader it is the standard check box.
class TFlatCheckBox : public TCustomControl,
                      public TFlatColors,
                      public TAccessibleControl,
                      private THoverTarget {
public:
    TFlatCheckBox();
    ~TFlatCheckBox() override;

    void Create(HWND parent, const TControlProps& props, HFONT font, COLORREF fontColor);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    std::function<void()> OnClick;

    COLORREF Color() const override { return FaceColor(); }
    void SetColorCheck(COLORREF color);
    void SetLayout(TCheckBoxLayout layout);

    bool Hovered() const { return hovered_; }
    bool Pressed() const { return pressed_; }
    bool HasFocusState() const { return focused_; }

    void PaintTo(HDC dc) override;
    // Redraws the box alone, as hover, press and focus changes do.
    void DrawBoxTo(HDC dc);
    void DrawTickTo(HDC dc, const RECT& box);
    RECT BoxRect() const;
    RECT CaptionRect() const;

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
    void Toggle() { SetChecked(!checked_); }
    void AcceleratorPressed();
    void Repaint();
    void RedrawBox();

    bool checked_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    COLORREF colorCheck_ = clBlack;
    TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
    COLORREF fontColor_ = clBlack;
};
