#include "widgets/control.h"

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

bool EnabledUpToTop(HWND window) {
    const HWND top = GetAncestor(window, GA_ROOT);
    for (HWND enabled = window; enabled; enabled = GetAncestor(enabled, GA_PARENT)) {
        if (!IsWindowEnabled(enabled)) return false;
        if (enabled == top) break;
    }
    return true;
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

TPaintBuffer::TPaintBuffer(HWND window) : window_(window) {
    screen_ = BeginPaint(window, &paint_);
    RECT client{};
    GetClientRect(window, &client);
    size_ = {client.right, client.bottom};
    memory_ = CreateCompatibleDC(screen_);
    bitmap_ = CreateCompatibleBitmap(screen_, size_.cx > 0 ? size_.cx : 1, size_.cy > 0 ? size_.cy : 1);
    oldBitmap_ = SelectObject(memory_, bitmap_);
}

TPaintBuffer::~TPaintBuffer() {
    BitBlt(screen_, 0, 0, size_.cx, size_.cy, memory_, 0, 0, SRCCOPY);
    SelectObject(memory_, oldBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(memory_);
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
    case WM_ENABLE:
        Invalidate();
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
