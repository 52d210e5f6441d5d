#include "widgets/picture.h"

#include "widgets/bitmap_resource.h"
#include "widgets/scale.h"

#include <oleacc.h>

void TPicture::Create(HWND parent, const TBounds& bounds, int resource, TKind kind) {
    resource_ = resource;
    kind_ = kind;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (kind == TKind::Icon)
        icon_ = LoadIconImage(IconSize);
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

namespace {

// Averaged, not blown up pixel by pixel: the pictures are drawn at 96 pixels
// per inch. Windows 95, 98 and ME have no halftone and copy pixels instead.
void StretchSmoothly(HDC dc, int width, int height, HDC source, int sourceWidth, int sourceHeight) {
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, width, height, source, 0, 0, sourceWidth, sourceHeight, SRCCOPY);
}

}  // namespace

TPicture::TMemoryBitmap::TMemoryBitmap(HDC like, int width, int height)
    : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height)),
      old_(SelectObject(dc_, bitmap_)) {}

TPicture::TMemoryBitmap::~TMemoryBitmap() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

// The icon's image of 32 pixels, or of 48 for anything larger: drawn as it
// is at its size, else drawn on the background and then scaled as a bitmap is.
void TPicture::PaintIconTo(HDC dc, int size, HBRUSH background) {
    if (size > IconSize && !largeIcon_) largeIcon_ = LoadIconImage(LargeIconSize);
    HICON icon = size > IconSize && largeIcon_ ? largeIcon_ : icon_;
    const int drawn = icon == largeIcon_ ? LargeIconSize : IconSize;
    if (size == drawn) {
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        return;
    }
    TMemoryBitmap image(dc, drawn, drawn);
    RECT square{0, 0, drawn, drawn};
    FillRect(image.Dc(), &square, background);
    DrawIconEx(image.Dc(), 0, 0, icon, drawn, drawn, 0, nullptr, DI_NORMAL);
    StretchSmoothly(dc, size, size, image.Dc(), drawn, drawn);
}

HICON TPicture::LoadIconImage(int size) const {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resource_), IMAGE_ICON, size, size, 0));
}

TPicture::~TPicture() {
    if (largeIcon_) DestroyIcon(largeIcon_);
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
    const COLORREF color = Color();
    TBrush background(CreateSolidBrush(color));
    FillRect(dc, &all, background.Get());
    const TScale scale(Dpi());
    if (icon_ && scale.IsOne()) {
        DrawIconEx(dc, 0, 0, icon_, IconSize, IconSize, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!icon_ && !source_) return;
    BITMAP info{};
    if (bitmap_) GetObject(bitmap_, sizeof(info), &info);
    if (kind_ == TKind::Bitmap && scale.IsOne()) {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source_, 0, 0, SRCCOPY);
        return;
    }
    if (kind_ == TKind::StretchedBitmap && scale.IsOne()) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, size.cx, size.cy, source_, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        return;
    }
    const SIZE scaled = icon_                     ? SIZE{scale(IconSize), scale(IconSize)}
                        : kind_ == TKind::Bitmap ? SIZE{scale(info.bmWidth), scale(info.bmHeight)}
                                                 : size;
    // Averaging costs far more than a copy: the picture is scaled once for
    // its size and background, and copied at every paint.
    if (!scaled_ || scaledSize_.cx != scaled.cx || scaledSize_.cy != scaled.cy || scaledColor_ != color) {
        scaled_ = std::make_unique<TMemoryBitmap>(dc, scaled.cx, scaled.cy);
        scaledSize_ = scaled;
        scaledColor_ = color;
        RECT area{0, 0, scaled.cx, scaled.cy};
        FillRect(scaled_->Dc(), &area, background.Get());
        if (icon_)
            PaintIconTo(scaled_->Dc(), scaled.cx, background.Get());
        else
            StretchSmoothly(scaled_->Dc(), scaled.cx, scaled.cy, source_, info.bmWidth, info.bmHeight);
    }
    BitBlt(dc, 0, 0, scaled.cx, scaled.cy, scaled_->Dc(), 0, 0, SRCCOPY);
}
