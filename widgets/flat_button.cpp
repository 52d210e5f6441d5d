#include "widgets/flat_button.h"

#include "widgets/caption_text.h"
#include "widgets/panel.h"
#include "widgets/scale.h"

#include <oleacc.h>

TFlatButton::TFlatButton() : TFlatColors(RGB(235, 235, 225), RGB(217, 214, 197), RGB(160, 150, 131)) {
    ButtonHoverTracker().AddUser();
}

TFlatButton::~TFlatButton() { ButtonHoverTracker().RemoveUser(*this); }

void TFlatButton::Create(HWND parent, const TControlProps& props, HFONT font) {
    font_ = font;
    SetHint(props.Hint);
    CreateHandle({nullptr, props.Caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, props.Bounds,
                  parent});
}

void TFlatButton::SetColorHighLight(COLORREF color) {
    colorHighLight_ = color;
    Repaint();
}

void TFlatButton::SetColorShadow(COLORREF color) {
    colorShadow_ = color;
    Repaint();
}

void TFlatButton::Repaint() {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

bool TFlatButton::PointerInside() const {
    POINT point{};
    GetCursorPos(&point);
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    return PtInRect(&rect, point) != FALSE;
}

void TFlatButton::EnabledChanged() {
    if (!Enabled()) {
        hovered_ = false;
        dragging_ = false;
        state_ = TState::bsDisabled;
        ButtonHoverTracker().Release(*this);
    } else {
        if (state_ == TState::bsDisabled) state_ = TState::bsUp;
        // Lit through the tracker, so that the timer unlights it again.
        hovered_ = false;
        if (PointerInside()) ButtonHoverTracker().MouseMoved(*this);
    }
    Repaint();
}

void TFlatButton::MouseEntered() {
    if (!Enabled() || hovered_) return;
    hovered_ = true;
    Repaint();
    UpdateWindow(Handle());
}

void TFlatButton::MouseLeft() {
    if (!Enabled() || !hovered_ || dragging_) return;
    hovered_ = false;
    ButtonHoverTracker().Release(*this);
    Repaint();
}

void TFlatButton::Released() {
    dragging_ = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    const bool inside = PointerInside();
    state_ = TState::bsUp;
    hovered_ = false;
    if (inside) {
        Repaint();
        if (OnClick) OnClick();
    } else {
        // Released elsewhere: untracked, so that the pointer lights the
        // button again when it comes back.
        ButtonHoverTracker().Release(*this);
    }
    if (Enabled()) hovered_ = PointerInside();
    Repaint();
}

TAccessibleInfo TFlatButton::Describe(long) const {
    TAccessibleInfo info{ROLE_SYSTEM_PUSHBUTTON, WithoutAccelerator(Text()), WindowState(Handle(), true), "Press"};
    if (dragging_ && state_ == TState::bsDown) info.State |= STATE_SYSTEM_PRESSED;
    if (hovered_) info.State |= STATE_SYSTEM_HOTTRACKED;
    return info;
}

void TFlatButton::DoDefaultAction(long) { Clicked(); }

// The click of the accelerator and of a reader; a disabled button, or one
// on a disabled panel, does nothing.
void TFlatButton::Clicked() {
    if (EnabledUpToTop(Handle()) && OnClick) OnClick();
}

void TFlatButton::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TState state = state_;
    bool hovered = hovered_;
    if (Enabled() && state == TState::bsDisabled) state = TState::bsUp;
    if (!Enabled()) {
        state = TState::bsDisabled;
        hovered = false;
    }

    COLORREF face = Color();
    switch (state) {
    case TState::bsUp:
        face = hovered ? ColorFocused() : Color();
        break;
    case TState::bsDisabled:
        face = Color();
        break;
    case TState::bsDown:
        face = ColorDown();
        break;
    case TState::bsExclusive:
        face = hovered ? ColorFocused() : ColorDown();
        break;
    }
    TBrush faceBrush(CreateSolidBrush(face));
    FillRect(dc, &all, faceBrush.Get());

    const int line = TScale(Dpi()).Line();
    if (state == TState::bsDown || state == TState::bsExclusive) {
        DrawFrame(dc, all, colorShadow_, colorHighLight_, line);
    } else if (state == TState::bsUp && hovered) {
        DrawFrame(dc, all, colorHighLight_, colorShadow_, line);
    } else {
        DrawFrame(dc, all, ColorBorder(), ColorBorder(), line);
    }

    std::string caption = Text();
    RECT text = all;
    if (state == TState::bsDown || state == TState::bsExclusive) OffsetRect(&text, line, line);
    const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    TSelectObject font(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    if (state != TState::bsDisabled) {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        DrawTextA(dc, caption.c_str(), -1, &text, format);
        return;
    }
    RECT shifted = text;
    OffsetRect(&shifted, line, line);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextA(dc, caption.c_str(), -1, &shifted, format);
    SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, caption.c_str(), -1, &text, format);
}

// Disabled with the focus (Apply Changes disables itself), the platform
// leaves the focus nowhere: it goes back to the control before the button,
// where Shift+Tab would take it.
void TFlatButton::SetEnabled(bool enabled) {
    const bool hadFocus = Focused();
    TCustomControl::SetEnabled(enabled);
    if (enabled || !hadFocus) return;
    HWND previous = GetNextDlgTabItem(RootWindow(Handle()), Handle(), TRUE);
    if (previous != Handle()) ::SetFocus(previous);
}

LRESULT TFlatButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        ButtonHoverTracker().MouseMoved(*this);
        if (dragging_) {
            TState wanted = PointerInside() ? TState::bsDown : TState::bsUp;
            if (wanted != state_) {
                state_ = wanted;
                Repaint();
            }
        }
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        state_ = TState::bsDown;
        Repaint();
        dragging_ = true;
        SetCapture(Handle());
        SetFocus();
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) Released();
        return 0;
    case WM_GETDLGCODE:
        // A button to the dialog manager: it sends BM_CLICK when the
        // caption's accelerator is typed.
        return DLGC_BUTTON;
    case BM_CLICK:
        Clicked();
        return 0;
    case WM_CAPTURECHANGED:
        if (dragging_ && reinterpret_cast<HWND>(lParam) != Handle()) {
            dragging_ = false;
            state_ = Enabled() ? TState::bsUp : TState::bsDisabled;
            Repaint();
        }
        return 0;
    case WM_ENABLE:
        EnabledChanged();
        RaiseStandardEvent(Handle(), message);
        return 0;
    case WM_SETTEXT: {
        LRESULT result = TCustomControl::HandleMessage(message, wParam, lParam);
        Repaint();
        return result;
    }
    case WM_SYSCOLORCHANGE:
        FollowParentColor();
        Repaint();
        return 0;
    }
    return TCustomControl::HandleMessage(message, wParam, lParam);
}
