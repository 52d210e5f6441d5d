#include "widgets/picture.h"

#include "widgets/bitmap_resource.h"

#include <oleacc.h>

void TPicture::Create(HWND parent, const TBounds& bounds, int resource, TKind kind) {
    resource_ = resource;
    kind_ = kind;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (kind == TKind::Icon)
        icon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON, 32, 32, 0));
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
        DrawIconEx(dc, 0, 0, icon_, 32, 32, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!source_) return;
    BITMAP info{};
    GetObject(bitmap_, sizeof(info), &info);
    if (kind_ == TKind::StretchedBitmap) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, size.cx, size.cy, source_, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source_, 0, 0, SRCCOPY);
    }
}
