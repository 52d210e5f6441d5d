#include "widgets/flat_check_box.h"

#include "widgets/caption_text.h"

#include <oleacc.h>

TFlatCheckBox::TFlatCheckBox() : TFlatColors(clWhite, RGB(217, 214, 197), RGB(160, 150, 131)) {
    CheckBoxHoverTracker().AddUser();
}

TFlatCheckBox::~TFlatCheckBox() { CheckBoxHoverTracker().RemoveUser(*this); }

void TFlatCheckBox::Create(HWND parent, const TControlProps& props, HFONT font, COLORREF fontColor) {
    font_ = font;
    fontColor_ = fontColor;
    SetHint(props.Hint);
    CreateHandle({nullptr, props.Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, props.Bounds,
                  parent});
}

void TFlatCheckBox::SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Repaint();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE, Handle());
    if (OnClick) OnClick();
}

void TFlatCheckBox::SetColorCheck(COLORREF color) {
    colorCheck_ = color;
    Repaint();
}

void TFlatCheckBox::SetLayout(TCheckBoxLayout layout) {
    layout_ = layout;
    Repaint();
}

RECT TFlatCheckBox::BoxRect() const {
    SIZE size = ClientSize();
    if (layout_ == TCheckBoxLayout::checkboxRight) return {size.cx - 12, 3, size.cx - 1, 14};
    return {1, 3, 12, 14};
}

RECT TFlatCheckBox::CaptionRect() const {
    SIZE size = ClientSize();
    if (layout_ == TCheckBoxLayout::checkboxRight) return {1, 1, size.cx - 16, size.cy - 1};
    return {16, 1, size.cx - 1, size.cy - 1};
}

void TFlatCheckBox::DrawBoxTo(HDC dc) {
    RECT box = BoxRect();
    COLORREF fill = (!focused_ && !hovered_) ? Color() : (pressed_ ? ColorDown() : ColorFocused());
    TBrush fillBrush(CreateSolidBrush(fill));
    FillRect(dc, &box, fillBrush.Get());

    if (checked_) {
        TPen pen(CreatePen(PS_SOLID, 1, Enabled() ? colorCheck_ : GetSysColor(COLOR_BTNSHADOW)));
        TSelectObject selected(dc, pen.Get());
        const int l = box.left, t = box.top;
        const POINT segments[6][2] = {
            {{l + 2, t + 4}, {l + 6, t + 8}}, {{l + 2, t + 5}, {l + 5, t + 8}}, {{l + 2, t + 6}, {l + 5, t + 9}},
            {{l + 8, t + 2}, {l + 4, t + 6}}, {{l + 8, t + 3}, {l + 4, t + 7}}, {{l + 8, t + 4}, {l + 5, t + 7}},
        };
        for (const auto& segment : segments) {
            MoveToEx(dc, segment[0].x, segment[0].y, nullptr);
            LineTo(dc, segment[1].x, segment[1].y);
        }
    }

    TBrush border(CreateSolidBrush(ColorBorder()));
    FrameRect(dc, &box, border.Get());
}

void TFlatCheckBox::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush background(CreateSolidBrush(Color()));
    FillRect(dc, &all, background.Get());
    DrawBoxTo(dc);

    std::string caption = Text();
    RECT text = CaptionRect();
    UINT format = DT_WORDBREAK | (layout_ == TCheckBoxLayout::checkboxRight ? DT_RIGHT : DT_LEFT);
    TSelectObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    if (Enabled()) {
        SetTextColor(dc, fontColor_);
        DrawTextA(dc, caption.c_str(), -1, &text, format);
        return;
    }
    RECT shifted = text;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, caption.c_str(), -1, &text, format);
}

// Setters may run before the window exists, while the box is being set up.
void TFlatCheckBox::Repaint() {
    if (Handle()) Invalidate();
}

void TFlatCheckBox::RedrawBox() {
    RECT box = BoxRect();
    InvalidateRect(Handle(), &box, FALSE);
}

void TFlatCheckBox::MouseEntered() {
    if (!Enabled() || hovered_) return;
    hovered_ = true;
    RedrawBox();
}

void TFlatCheckBox::MouseLeft() {
    if (!Enabled() || !hovered_ || pressed_) return;
    hovered_ = false;
    CheckBoxHoverTracker().Release(*this);
    RedrawBox();
}

TAccessibleInfo TFlatCheckBox::Describe(long) const {
    TAccessibleInfo info{ROLE_SYSTEM_CHECKBUTTON, WithoutAccelerator(Text()), WindowState(Handle(), true),
                         checked_ ? "Uncheck" : "Check"};
    if (checked_) info.State |= STATE_SYSTEM_CHECKED;
    if (pressed_) info.State |= STATE_SYSTEM_PRESSED;
    if (hovered_) info.State |= STATE_SYSTEM_HOTTRACKED;
    return info;
}

// What a click does, by the way the dialog manager clicks.
void TFlatCheckBox::DoDefaultAction(long) { AcceleratorPressed(); }

void TFlatCheckBox::AcceleratorPressed() {
    if (!CanFocus(Handle())) return;
    SetFocus();
    Toggle();
}

LRESULT TFlatCheckBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        CheckBoxHoverTracker().MouseMoved(*this);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus();
        pressed_ = true;
        SetCapture(Handle());
        RedrawBox();
        return 0;
    case WM_LBUTTONUP:
        if (!pressed_) return 0;
        pressed_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        if (hovered_) Toggle();
        RedrawBox();
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) {
            pressed_ = false;
            RedrawBox();
        }
        return 0;
    case WM_GETDLGCODE:
        // A button to the dialog manager: it sends BM_CLICK when the
        // caption's accelerator is typed, and hands other characters on.
        return DLGC_BUTTON;
    case BM_CLICK:
        AcceleratorPressed();
        return 0;
    case WM_CHAR:
        if (wParam == VK_SPACE && focused_) Toggle();
        return 0;
    case WM_SETFOCUS:
        if (Enabled()) {
            focused_ = true;
            RedrawBox();
        }
        RaiseStandardEvent(Handle(), message);
        return 0;
    case WM_KILLFOCUS:
        if (Enabled()) {
            hovered_ = false;
            focused_ = false;
            // Untracked, so that the pointer lights the box again when it
            // next moves over it.
            CheckBoxHoverTracker().Release(*this);
            RedrawBox();
        }
        return 0;
    case WM_ENABLE:
        if (!wParam) {
            hovered_ = false;
            pressed_ = false;
            CheckBoxHoverTracker().Release(*this);
        }
        Invalidate();
        RaiseStandardEvent(Handle(), message);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = TCustomControl::HandleMessage(message, wParam, lParam);
        Invalidate();
        return result;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_SYSCOLORCHANGE:
        FollowParentColor();
        Invalidate();
        return 0;
    }
    return TCustomControl::HandleMessage(message, wParam, lParam);
}
