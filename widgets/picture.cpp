#include "widgets/picture.h"

#include "widgets/bitmap_resource.h"
#include "widgets/scale.h"

#include <oleacc.h>

void TPicture::Create(HWND parent, const TBounds& bounds, int resource, TKind kind) {
    resource_ = resource;
    kind_ = kind;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (kind == TKind::Icon)
        LoadIconAt(TScale::Of(parent).Dpi());
    else
        bitmap_ = LoadBitmapResource(instance, resource);
    // Selected once: a bitmap selected at every paint costs the platform
    // more than the copy.
    if (bitmap_) {
        source_ = CreateCompatibleDC(nullptr);
        oldBitmap_ = SelectObject(source_, bitmap_);
    }
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
}

// The icon's image of the size nearest above, scaled down by the platform.
void TPicture::LoadIconAt(int dpi) {
    if (icon_) DestroyIcon(icon_);
    iconSize_ = TScale(dpi)(32);
    icon_ = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource_), IMAGE_ICON, iconSize_, iconSize_, 0));
}

void TPicture::ChangeDpi(int dpi, const TFontAt& fontAt) {
    TWindow::ChangeDpi(dpi, fontAt);
    if (kind_ == TKind::Icon) LoadIconAt(dpi);
    Invalidate();
}

TAccessibleInfo TPicture::Describe(long) const {
    return {ROLE_SYSTEM_GRAPHIC, Text(), WindowState(Handle(), false) | STATE_SYSTEM_READONLY, ""};
}

TPicture::~TPicture() {
    if (source_) {
        SelectObject(source_, oldBitmap_);
        DeleteDC(source_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    if (icon_) DestroyIcon(icon_);
}

void TPicture::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush background(CreateSolidBrush(Color()));
    FillRect(dc, &all, background.Get());
    if (icon_) {
        DrawIconEx(dc, 0, 0, icon_, iconSize_, iconSize_, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!source_) return;
    BITMAP info{};
    GetObject(bitmap_, sizeof(info), &info);
    const TScale scale = TScale(Dpi());
    if (kind_ == TKind::Bitmap && scale.IsOne()) {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source_, 0, 0, SRCCOPY);
        return;
    }
    // Averaged, not blown up pixel by pixel, at any scale but the pictures'
    // own; Windows 95, 98 and ME have no halftone and copy pixels instead.
    const int width = kind_ == TKind::Bitmap ? scale(info.bmWidth) : size.cx;
    const int height = kind_ == TKind::Bitmap ? scale(info.bmHeight) : size.cy;
    SetStretchBltMode(dc, scale.IsOne() ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, width, height, source_, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
}
