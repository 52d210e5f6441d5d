#include "widgets/flat_check_box.h"

#include "widgets/caption_text.h"
#include "widgets/scale.h"

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

// The square and the caption are placed from the left edge at 96 pixels per
// inch, then scaled; a right-hand box mirrors them.
RECT TFlatCheckBox::BoxRect() const {
    const RECT box = TScale(Dpi())(RECT{1, 3, 12, 14});
    if (layout_ != TCheckBoxLayout::checkboxRight) return box;
    const int width = ClientSize().cx;
    return {width - box.right, box.top, width - box.left, box.bottom};
}

RECT TFlatCheckBox::CaptionRect() const {
    const TScale scale = TScale(Dpi());
    SIZE size = ClientSize();
    if (layout_ == TCheckBoxLayout::checkboxRight) return {scale(1), scale(1), size.cx - scale(16), size.cy - scale(1)};
    return {scale(16), scale(1), size.cx - scale(1), size.cy - scale(1)};
}

void TFlatCheckBox::DrawBoxTo(HDC dc) {
    RECT box = BoxRect();
    COLORREF fill = (!focused_ && !hovered_) ? Color() : (pressed_ ? ColorDown() : ColorFocused());
    TBrush fillBrush(CreateSolidBrush(fill));
    FillRect(dc, &box, fillBrush.Get());

    if (checked_) DrawTickTo(dc, box);
    TBrush border(CreateSolidBrush(ColorBorder()));
    for (int line = TScale(Dpi()).Line(); line > 0; --line) {
        FrameRect(dc, &box, border.Get());
        InflateRect(&box, -1, -1);
    }
}

// Three strokes of each arm, drawn at 96 pixels per inch from the square's
// corner and scaled, a pen as wide as one of its lines.
void TFlatCheckBox::DrawTickTo(HDC dc, const RECT& box) {
    const TScale scale = TScale(Dpi());
    TPen pen(CreatePen(PS_SOLID, scale.Line(), Enabled() ? colorCheck_ : GetSysColor(COLOR_BTNSHADOW)));
    TSelectObject selected(dc, pen.Get());
    const POINT segments[6][2] = {
        {{2, 4}, {6, 8}}, {{2, 5}, {5, 8}}, {{2, 6}, {5, 9}}, {{8, 2}, {4, 6}}, {{8, 3}, {4, 7}}, {{8, 4}, {5, 7}},
    };
    for (const auto& segment : segments) {
        MoveToEx(dc, box.left + scale(segment[0].x), box.top + scale(segment[0].y), nullptr);
        LineTo(dc, box.left + scale(segment[1].x), box.top + scale(segment[1].y));
    }
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
    const int line = TScale(Dpi()).Line();
    OffsetRect(&shifted, line, line);
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
    case WM_SYSCOLORCHANGE:
        FollowParentColor();
        Invalidate();
        return 0;
    }
    return TCustomControl::HandleMessage(message, wParam, lParam);
}
