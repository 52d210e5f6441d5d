#include "widgets/control.h"

COLORREF ColorOf(HWND window) {
    if (auto* control = dynamic_cast<TCustomControl*>(TWindow::FromHandle(window))) return control->Color();
    return GetSysColor(COLOR_BTNFACE);
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
    case WM_ENABLE:
        Invalidate();
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
