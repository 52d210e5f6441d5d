#include "rendering.h"

TRendering::TRendering(TCustomControl& control)
    : TRendering(control.Handle(), [&control](HDC dc) { control.PaintTo(dc); }) {}

TRendering::TRendering(HWND window, const std::function<void(HDC)>& paint) {
    RECT client{};
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    paint(memory);
    GdiFlush();
    const DWORD* pixels = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width_ * height_; ++i)
        pixels_.push_back(RGB(GetBValue(pixels[i]), GetGValue(pixels[i]), GetRValue(pixels[i])));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TPoints TRendering::PointsOf(COLORREF color) const { return PointsOf(color, {0, 0, width_, height_}); }

TPoints TRendering::PointsOf(COLORREF color, const RECT& area) const {
    TPoints points;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == color) points.insert({x, y});
    return points;
}

TPoints Shifted(const TPoints& points, int dx, int dy) {
    TPoints moved;
    for (const auto& point : points) moved.insert({point.first + dx, point.second + dy});
    return moved;
}
