#include "widgets/window.h"

#include "base/exceptions.h"
#include "base/program_services.h"
#include "widgets/accessible.h"
#include "widgets/scale.h"

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char* const OwnClassName = "TavrelWindow";
// Marks the windows that this window base made, with their object. The
// user data of a window is free for anyone to set, so it proves nothing.
const char* const ObjectProperty = "TavrelWindowObject";

void RegisterOwnClass(WNDPROC procedure) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(GetModuleHandleA(nullptr), OwnClassName, &existing)) return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = OwnClassName;
    RegisterClassExA(&windowClass);
}

HWND NotifyingChild(UINT message, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);
    case WM_NOTIFY:
        return reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
    case WM_DRAWITEM:
        return reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return reinterpret_cast<HWND>(lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        return nullptr;
    }
}

}  // namespace

TWindow::~TWindow() {
    if (handle_) {
        HWND handle = handle_;
        Detach();
        DestroyWindow(handle);
    }
}

// A pointer is only meaningful in this process: another instance of the
// program marks its windows too. A window that runs one of our procedures
// is one of ours, found without the property, which the platform keeps
// apart from the window and asks its window server for; one that another
// hand subclassed is still found by the property.
TWindow* TWindow::FromHandle(HWND handle) {
    if (!handle) return nullptr;
    DWORD process = 0;
    if (!GetWindowThreadProcessId(handle, &process) || process != GetCurrentProcessId()) return nullptr;
    const auto procedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(handle, GWLP_WNDPROC));
    if (procedure == &TWindow::OwnClassProc || procedure == &TWindow::SubclassProc) return Attached(handle);
    return static_cast<TWindow*>(GetPropA(handle, ObjectProperty));
}

// The procedures are only ever installed on windows of ours, and they set
// the user data first, so the user data there is our own and the fast way
// to the object for every message.
TWindow* TWindow::Attached(HWND handle) {
    return reinterpret_cast<TWindow*>(GetWindowLongPtrA(handle, GWLP_USERDATA));
}

void TWindow::Attach(HWND handle) {
    handle_ = handle;
    SetWindowLongPtrA(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetPropA(handle, ObjectProperty, this);
}

// A control without its window would be a box silently missing from its
// page, so a failure is raised for the error display.
void TWindow::CreateHandle(const TCreateParams& params) {
    const bool systemControl = params.className != nullptr;
    if (!systemControl) RegisterOwnClass(&TWindow::OwnClassProc);
    dpi_ = TScale::Of(params.parent).Dpi();
    placedAt96_ = (params.style & WS_CHILD) != 0;
    boundsAt96_ = params.bounds;
    const TBounds bounds = placedAt96_ ? TScale(dpi_)(params.bounds) : params.bounds;
    HWND handle = CreateWindowExA(params.exStyle, systemControl ? params.className : OwnClassName,
                                  params.text.c_str(), params.style, bounds.Left, bounds.Top, bounds.Width,
                                  bounds.Height, params.parent, params.menu, GetModuleHandleA(nullptr),
                                  systemControl ? nullptr : this);
    if (!handle) {
        throw Exception("Cannot create the window \"" + params.text + "\" (error " +
                        std::to_string(GetLastError()) + ")");
    }
    if (!(params.style & WS_CHILD)) dpi_ = DpiOf(handle);  // the screen it opened on
    if (!systemControl) return;  // attached by WM_NCCREATE
    Attach(handle);
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TWindow::SubclassProc)));
}

LRESULT CALLBACK TWindow::OwnClassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        static_cast<TWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)->Attach(handle);
    }
    TWindow* window = Attached(handle);
    if (!window) return DefWindowProcA(handle, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}

LRESULT CALLBACK TWindow::SubclassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* window = Attached(handle);
    if (!window) return DefWindowProcA(handle, message, wParam, lParam);
    return Dispatch(window, message, wParam, lParam);
}

// Where the window catches errors: an error that escapes a handler is shown,
// and the window goes on as if the message was handled.
LRESULT TWindow::Dispatch(TWindow* window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        LRESULT result = window->DefaultHandling(message, wParam, lParam);
        window->Detach();
        return result;
    }
    try {
        return window->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        ProgramServices().ShowException(error);
    } catch (...) {
        ProgramServices().ShowException(std::runtime_error("Unknown error"));
    }
    return 0;
}

void TWindow::Detach() {
    if (!handle_) return;
    SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
    RemovePropA(handle_, ObjectProperty);
    if (systemProc_) SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    handle_ = nullptr;
}

// A control that handles WM_SETFOCUS or WM_ENABLE itself raises their events.
LRESULT TWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (ReflectNotification(message, wParam, lParam, result)) return result;
    if (AnswerReader(message, wParam, lParam, result)) return result;
    const HWND handle = handle_;
    result = DefaultHandling(message, wParam, lParam);
    if (message == WM_SETFOCUS || message == WM_ENABLE) RaiseStandardEvent(handle, message);
    return result;
}

// The handler ran first, so that a reader that asks at once reads the new
// state; it may also have destroyed the control.
void TWindow::RaiseStandardEvent(HWND handle, UINT message) {
    auto* control = dynamic_cast<TAccessibleControl*>(TWindow::FromHandle(handle));
    if (!control) return;
    if (message == WM_SETFOCUS)
        NotifyAccessible(EVENT_OBJECT_FOCUS, handle, control->SelectedItem());
    else
        NotifyAccessible(EVENT_OBJECT_STATECHANGE, handle);
}

// The questions of screen readers to a control that answers them itself.
bool TWindow::AnswerReader(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message != WM_GETOBJECT && message != DoDefaultActionMessage) return false;
    auto* control = dynamic_cast<TAccessibleControl*>(this);
    if (!control) return false;
    if (message == WM_GETOBJECT) {
        result = AnswerGetObject(handle_, wParam, lParam);
    } else {
        control->DoDefaultAction(static_cast<long>(wParam));
        result = 0;
    }
    return true;
}

LRESULT TWindow::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (systemProc_) return CallWindowProcA(systemProc_, handle_, message, wParam, lParam);
    return DefWindowProcA(handle_, message, wParam, lParam);
}

bool TWindow::HandleNotification(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

bool TWindow::ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = NotifyingChild(message, lParam);
    if (!child || child == handle_) return false;
    TWindow* control = FromHandle(child);
    return control && control->HandleNotification(message, wParam, lParam, result);
}

std::string TWindow::Text() const {
    int length = GetWindowTextLengthA(handle_);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    int copied = GetWindowTextA(handle_, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void TWindow::SetText(const std::string& text) { SetWindowTextA(handle_, text.c_str()); }

bool TWindow::Enabled() const { return IsWindowEnabled(handle_) != FALSE; }

void TWindow::SetEnabled(bool enabled) { EnableWindow(handle_, enabled ? TRUE : FALSE); }

bool TWindow::Visible() const { return IsWindowVisible(handle_) != FALSE; }

void TWindow::SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }

bool TWindow::Focused() const { return handle_ && GetFocus() == handle_; }

void TWindow::SetFocus() { ::SetFocus(handle_); }

void TWindow::Invalidate() { InvalidateRect(handle_, nullptr, TRUE); }

HWND TWindow::Parent() const { return GetParent(handle_); }

TBounds TWindow::Bounds() const {
    RECT rect{};
    GetWindowRect(handle_, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void TWindow::SetBounds(const TBounds& bounds) {
    SetWindowPos(handle_, nullptr, bounds.Left, bounds.Top, bounds.Width, bounds.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWindow::ChangeDpi(int dpi, const TFontAt& fontAt) {
    dpi_ = dpi;
    if (placedAt96_) SetBounds(TScale(dpi)(boundsAt96_));
    auto font = reinterpret_cast<HFONT>(SendMessageA(handle_, WM_GETFONT, 0, 0));
    if (font) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(fontAt(font)), TRUE);
}

HFONT CreateFontOf(const char* face, int characterHeight, bool bold) {
    return CreateFontA(-characterHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}
