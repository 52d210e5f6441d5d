#include "widgets/spin_edit.h"

#include "base/program_services.h"
#include "widgets/common_controls.h"
#include "widgets/integer_text.h"
#include "widgets/scale.h"

#include <commctrl.h>

#include <cstdint>
#include <limits>

namespace {

const int UpDownWidth = 15;

bool IsFromUpDown(LPARAM lParam, HWND upDown) {
    return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom == upDown;
}

}  // namespace

void TSpinEdit::Create(HWND parent, const std::string& hint, const TBounds& bounds, HFONT font) {
    SetHint(hint);
    CreateHandle({"EDIT", "0", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | ES_RIGHT | ES_AUTOHSCROLL,
                  WS_EX_CLIENTEDGE, bounds, parent});
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    CommonControls();  // the up-down control's class
    // No buddy and no arrow keys: the field does its own stepping, and the
    // arrow keys keep their plain edit meaning.
    upDown_ = CreateWindowExA(0, UPDOWN_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, Handle(), nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    // The arrows step from -1 to 1 around 0. The 16-bit messages: every
    // version of the library has them, while the 32-bit ones came with 4.71
    // and 5.80, and an older up-down kept its default range, 100 down to 0,
    // in which the up arrow steps down.
    SendMessageA(upDown_, UDM_SETRANGE, 0, MAKELPARAM(1, -1));
    ResetUpDown();
    PlaceUpDown();
}

void TSpinEdit::ChangeDpi(int dpi, const TFontAt& fontAt) {
    TWindow::ChangeDpi(dpi, fontAt);
    PlaceUpDown();
}

// Inside the field at its right edge; the text keeps clear of it.
void TSpinEdit::PlaceUpDown() {
    RECT client{};
    GetClientRect(Handle(), &client);
    const int width = TScale(Dpi())(UpDownWidth);
    SetWindowPos(upDown_, nullptr, client.right - width, 0, width, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(Handle(), EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

void TSpinEdit::ResetUpDown() { SendMessageA(upDown_, UDM_SETPOS, 0, MAKELPARAM(0, 0)); }

int32_t TSpinEdit::Value() const { return StrToInt(Text()); }

void TSpinEdit::SetValue(int32_t value) {
    if (ShowNumber(value)) RaiseChange();
}

bool TSpinEdit::Modified() const { return SendMessageA(Handle(), EM_GETMODIFY, 0, 0) != 0; }

bool TSpinEdit::ShowNumber(int64_t number) {
    const int64_t lowest = std::numeric_limits<int32_t>::min();
    const int64_t highest = std::numeric_limits<int32_t>::max();
    const int32_t fitting = static_cast<int32_t>(number < lowest ? lowest : number > highest ? highest : number);
    const std::string text = std::to_string(ClampToRange(fitting, MinValue, MaxValue));
    if (text == Text()) return false;
    showingNumber_ = true;  // the edit's own change notification is not the event
    SetText(text);
    showingNumber_ = false;
    return true;
}

void TSpinEdit::RaiseChange() {
    if (OnChange) OnChange();
}

void TSpinEdit::Step(int direction) {
    if (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) {
        ProgramServices().Shell().Beep();
        return;
    }
    if (!ShowNumber(static_cast<int64_t>(Value()) + static_cast<int64_t>(direction) * Increment)) return;
    SendMessageA(Handle(), EM_SETMODIFY, TRUE, 0);
    RaiseChange();
}

// Only when the focus goes to another control of the same window: not when
// the window closes or another program becomes active.
void TSpinEdit::Leave(HWND focusTo) {
    if (!focusTo || RootWindow(focusTo) != RootWindow(Handle())) return;
    const int32_t value = Value();
    if (ClampToRange(value, MinValue, MaxValue) != value) SetValue(value);
}

LRESULT TSpinEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CHAR: {
        const char character = static_cast<char>(wParam);
        // Enter stays with the dialog manager, which hands it to the window
        // as a dialog key; one that reaches the field anyway is dropped.
        if (character == '\r') return 0;
        if (AcceptsTypedCharacter(character)) break;
        ProgramServices().Shell().Beep();
        return 0;
    }
    case WM_NOTIFY:
        // One step per notification, whatever delta the platform's
        // acceleration gives; the up-down itself stays at 0.
        if (IsFromUpDown(lParam, upDown_) && reinterpret_cast<const NMHDR*>(lParam)->code == UDN_DELTAPOS) {
            const int delta = reinterpret_cast<const NMUPDOWN*>(lParam)->iDelta;
            if (delta != 0) Step(delta > 0 ? +1 : -1);
            return TRUE;
        }
        break;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lParam) == upDown_) {
            ResetUpDown();
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        Leave(reinterpret_cast<HWND>(wParam));
        return result;
    }
    case WM_SIZE: {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        if (upDown_) PlaceUpDown();
        return result;
    }
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

bool TSpinEdit::HandleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE) return false;
    if (!showingNumber_) RaiseChange();
    result = 0;
    return true;
}
