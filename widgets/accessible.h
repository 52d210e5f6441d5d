#pragma once

#include <windows.h>

#include <string>

// What a control, or one of its items, tells assistive technology: the
// role, name, state and default action that the standard control of its
// kind would give (ROLE_SYSTEM_..., STATE_SYSTEM_... of <oleacc.h>).
struct TAccessibleInfo {
    long Role = 0;
    std::string Name;
    long State = 0;
    std::string DefaultAction;  // empty: none
};

// A self-drawn control that answers screen readers itself. The window base
// answers WM_GETOBJECT for it with an object that asks these functions at
// every call; oleacc's standard object of the window answers the rest
// (parent, navigation, location of the control, ...). Item 0 is the control,
// items 1 to ItemCount() are parts of it that are no windows (list rows).
class TAccessibleControl {
public:
    virtual ~TAccessibleControl() = default;

    virtual TAccessibleInfo Describe(long item) const = 0;
    virtual long ItemCount() const { return 0; }
    // An item's rectangle on the screen; false when it has none.
    virtual bool ItemRect(long, RECT&) const { return false; }
    // The item at a point of the screen; 0 for none.
    virtual long ItemAt(POINT) const { return 0; }
    // The selected item, which has the focus while the control has; 0 for none.
    virtual long SelectedItem() const { return 0; }
    // Runs the default action that Describe names, as a click does. It runs
    // from the control's own message queue, never inside the reader's call,
    // so that a message box of a handler does not hold the reader.
    virtual void DoDefaultAction(long) {}
};

// Posted to a control by a reader's accDoDefaultAction; wParam is the item.
const UINT DoDefaultActionMessage = WM_APP + 0x0A11;

// The answer to WM_GETOBJECT of a control of ours: its client object, or 0
// (the platform's own answer) for other objects, or where oleacc or a
// single-threaded apartment cannot be had.
LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId);

// A caption that a reader reads as static text, as a standard static
// control's: read-only, its accelerator marker not said.
TAccessibleInfo StaticTextInfo(HWND window, const std::string& caption);

// Raises an accessibility event of a control, or of one of its items.
void NotifyAccessible(DWORD event, HWND window, long item = 0);

// The state of a control as the platform gives a standard control's:
// unavailable while it or a window above it is disabled, otherwise
// focusable if it takes the focus, and focused while it has it; invisible
// while hidden.
long WindowState(HWND window, bool takesFocus);
