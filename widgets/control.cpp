#include "widgets/control.h"

#include <algorithm>

COLORREF ColorOf(HWND window) {
    if (auto* control = dynamic_cast<TCustomControl*>(TWindow::FromHandle(window))) return control->Color();
    return GetSysColor(COLOR_BTNFACE);
}

void PaintParentBackground(HWND window, HDC dc) {
    HWND parent = GetParent(window);
    RECT client{};
    GetClientRect(window, &client);
    TBrush fill(CreateSolidBrush(ColorOf(parent)));
    FillRect(dc, &client, fill.Get());
    POINT origin{0, 0};
    MapWindowPoints(window, parent, &origin, 1);
    POINT saved{};
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &saved);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, saved.x, saved.y, nullptr);
}

namespace {
bool IsChild(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_CHILD) != 0; }
}  // namespace

bool EnabledUpToTop(HWND window) {
    for (HWND enabled = window; enabled; enabled = GetParent(enabled)) {
        if (!IsWindowEnabled(enabled)) return false;
        if (!IsChild(enabled)) break;
    }
    return true;
}

HWND RootWindow(HWND window) {
    while (window && IsChild(window)) window = GetParent(window);
    return window;
}

bool CanFocus(HWND window) { return IsWindowVisible(window) && EnabledUpToTop(window); }

namespace {

struct TMessageToSend {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

BOOL CALLBACK SendToChild(HWND child, LPARAM message) {
    const auto* toSend = reinterpret_cast<const TMessageToSend*>(message);
    SendMessageA(child, toSend->message, toSend->wParam, toSend->lParam);
    return TRUE;
}

}  // namespace

void SendToDescendants(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TMessageToSend toSend{message, wParam, lParam};
    EnumChildWindows(window, &SendToChild, reinterpret_cast<LPARAM>(&toSend));
}

namespace {

// A memory device context with a bitmap of the screen's kind selected, at
// least as large as the last size asked for.
class TOffscreen {
public:
    TOffscreen() : dc_(CreateCompatibleDC(nullptr)) {}
    ~TOffscreen() {
        if (old_) SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    TOffscreen(const TOffscreen&) = delete;
    TOffscreen& operator=(const TOffscreen&) = delete;

    // nullptr while another paint holds it.
    HDC Take(SIZE size) {
        if (taken_) return nullptr;
        if (size.cx > size_.cx || size.cy > size_.cy) Grow({std::max(size.cx, size_.cx), std::max(size.cy, size_.cy)});
        if (size.cx > size_.cx || size.cy > size_.cy) return nullptr;
        taken_ = true;
        return dc_;
    }
    void Give() { taken_ = false; }

private:
    void Grow(SIZE size) {
        HDC screen = GetDC(nullptr);
        TBitmap larger(CreateCompatibleBitmap(screen, size.cx, size.cy));
        ReleaseDC(nullptr, screen);
        if (!larger.Get()) return;
        HGDIOBJ previous = SelectObject(dc_, larger.Get());
        if (!old_) old_ = previous;
        bitmap_ = std::move(larger);
        size_ = size;
    }

    HDC dc_;
    HGDIOBJ old_ = nullptr;
    TBitmap bitmap_;
    SIZE size_{};
    bool taken_ = false;
};

TOffscreen& SharedOffscreen() {
    static TOffscreen offscreen;
    return offscreen;
}

}  // namespace

// A paint within a paint, or one the bitmap cannot grow for, draws straight
// on the screen.
TPaintBuffer::TPaintBuffer(HWND window) : window_(window) {
    screen_ = BeginPaint(window, &paint_);
    RECT client{};
    GetClientRect(window, &client);
    size_ = {client.right, client.bottom};
    memory_ = SharedOffscreen().Take({std::max(size_.cx, 1L), std::max(size_.cy, 1L)});
    if (!memory_) memory_ = screen_;
    // What one control leaves selected or set is no concern of the next.
    savedState_ = SaveDC(memory_);
}

TPaintBuffer::~TPaintBuffer() {
    RestoreDC(memory_, savedState_);
    if (memory_ != screen_) {
        BitBlt(screen_, 0, 0, size_.cx, size_.cy, memory_, 0, 0, SRCCOPY);
        SharedOffscreen().Give();
    }
    EndPaint(window_, &paint_);
}

SIZE TCustomControl::ClientSize() const {
    RECT client{};
    GetClientRect(Handle(), &client);
    return {client.right, client.bottom};
}

LRESULT TCustomControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return TRUE;
    case WM_PAINT: {
        TPaintBuffer buffer(Handle());
        PaintTo(buffer.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFONT:
        font_ = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam)) Invalidate();
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(font_);
    case WM_ENABLE:
        Invalidate();
        RaiseStandardEvent(Handle(), message);
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
