#pragma once

#include "widgets/accessible.h"
#include "widgets/adv_colors.h"
#include "widgets/control.h"
#include "widgets/hover_tracker.h"

#include <functional>

enum class TCheckBoxLayout { checkboxLeft, checkboxRight };

// The self-drawn check box of every option. Setting Checked to a new state
// raises OnClick, whoever sets it (mouse, Space, accelerator or code);
// setting the state it already has raises nothing. The accelerator of the
// caption reaches the box from the dialog manager as a button click. To a
// screen reader it is the standard check box.
class TFlatCheckBox : public TCustomControl, public TAccessibleControl, private THoverTarget {
public:
    TFlatCheckBox();
    ~TFlatCheckBox() override;

    void Create(HWND parent, const TControlProps& props, HFONT font, COLORREF fontColor);

    bool Checked() const { return checked_; }
    void SetChecked(bool checked);
    std::function<void()> OnClick;

    COLORREF Color() const override;
    void SetColor(COLORREF color);
    COLORREF ColorFocused() const { return colorFocused_; }
    void SetColorFocused(COLORREF color);
    COLORREF ColorDown() const { return colorDown_; }
    void SetColorDown(COLORREF color);
    COLORREF ColorCheck() const { return colorCheck_; }
    void SetColorCheck(COLORREF color);
    COLORREF ColorBorder() const { return colorBorder_; }
    void SetColorBorder(COLORREF color);
    TCheckBoxLayout Layout() const { return layout_; }
    void SetLayout(TCheckBoxLayout layout);
    void SetUseAdvColors(bool use);
    void SetAdvColorFocused(int step);
    void SetAdvColorDown(int step);
    void SetAdvColorBorder(int step);

    bool Hovered() const { return hovered_; }
    bool Pressed() const { return pressed_; }
    bool HasFocusState() const { return focused_; }

    void PaintTo(HDC dc) override;
    // Redraws the box alone, as hover, press and focus changes do.
    void DrawBoxTo(HDC dc);
    RECT BoxRect() const;
    RECT CaptionRect() const;

    TAccessibleInfo Describe(long item) const override;
    void DoDefaultAction(long item) override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND HoverHandle() const override { return Handle(); }
    void MouseEntered() override;
    void MouseLeft() override;
    void Toggle() { SetChecked(!checked_); }
    void AcceleratorPressed();
    void Repaint();
    void RedrawBox();
    void DeriveColors();

    bool checked_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    bool colorSet_ = false;
    COLORREF color_ = clSilver;
    COLORREF colorFocused_ = clWhite;
    COLORREF colorDown_ = RGB(217, 214, 197);
    COLORREF colorCheck_ = clBlack;
    COLORREF colorBorder_ = RGB(160, 150, 131);
    TCheckBoxLayout layout_ = TCheckBoxLayout::checkboxLeft;
    bool useAdvColors_ = false;
    int advColorFocused_ = 10;
    int advColorDown_ = 10;
    int advColorBorder_ = 50;
    HFONT font_ = nullptr;
    COLORREF fontColor_ = clBlack;
};
