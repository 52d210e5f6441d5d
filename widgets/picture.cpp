#include "widgets/picture.h"

#include "widgets/bitmap_resource.h"
#include "widgets/scale.h"

#include <oleacc.h>

void TPicture::Create(HWND parent, const TBounds& bounds, int resource, TKind kind, int largeResource) {
    resource_ = resource;
    largeResource_ = largeResource;
    kind_ = kind;
    if (kind == TKind::Icon)
        icon_ = LoadIconImage(IconSize);
    else
        bitmap_ = Loaded(resource);
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
}


TAccessibleInfo TPicture::Describe(long) const {
    return {ROLE_SYSTEM_GRAPHIC, Text(), WindowState(Handle(), false) | STATE_SYSTEM_READONLY, ""};
}

namespace {

// Averaged, not blown up pixel by pixel, and copied as it is where the
// picture was drawn for the size. Windows 95, 98 and ME have no halftone
// and copy pixels instead.
void StretchSmoothly(HDC dc, SIZE size, HDC source, SIZE sourceSize) {
    if (size.cx == sourceSize.cx && size.cy == sourceSize.cy) {
        BitBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, SRCCOPY);
        return;
    }
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, size.cx, size.cy, source, 0, 0, sourceSize.cx, sourceSize.cy, SRCCOPY);
}

}  // namespace

TPicture::TSelectedBitmap::TSelectedBitmap(HBITMAP bitmap, HDC like)
    : dc_(CreateCompatibleDC(like)), bitmap_(bitmap), old_(SelectObject(dc_, bitmap_)) {}

TPicture::TSelectedBitmap::~TSelectedBitmap() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

SIZE TPicture::TSelectedBitmap::Size() const {
    BITMAP info{};
    GetObject(bitmap_, sizeof(info), &info);
    return {info.bmWidth, info.bmHeight};
}

TPicture::TBitmapPtr TPicture::Loaded(int resource) {
    HBITMAP bitmap = LoadBitmapResource(GetModuleHandleA(nullptr), resource);
    return bitmap ? std::make_unique<TSelectedBitmap>(bitmap, nullptr) : nullptr;
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
    TSelectedBitmap image(CreateCompatibleBitmap(dc, drawn, drawn), dc);
    RECT square{0, 0, drawn, drawn};
    FillRect(image.Dc(), &square, background);
    DrawIconEx(image.Dc(), 0, 0, icon, drawn, drawn, 0, nullptr, DI_NORMAL);
    StretchSmoothly(dc, {size, size}, image.Dc(), {drawn, drawn});
}

// From the drawing for 150% where there is one.
void TPicture::PaintBitmapTo(HDC dc, SIZE size) {
    if (largeResource_ && !largeBitmap_) largeBitmap_ = Loaded(largeResource_);
    const TSelectedBitmap& source = largeBitmap_ ? *largeBitmap_ : *bitmap_;
    StretchSmoothly(dc, size, source.Dc(), source.Size());
}

HICON TPicture::LoadIconImage(int size) const {
    return LoadIconResource(GetModuleHandleA(nullptr), resource_, size);
}

TPicture::~TPicture() {
    if (largeIcon_) DestroyIcon(largeIcon_);
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
    if (!icon_ && !bitmap_) return;
    const SIZE drawn = bitmap_ ? bitmap_->Size() : SIZE{};
    if (kind_ == TKind::Bitmap && scale.IsOne()) {
        BitBlt(dc, 0, 0, drawn.cx, drawn.cy, bitmap_->Dc(), 0, 0, SRCCOPY);
        return;
    }
    if (kind_ == TKind::StretchedBitmap && scale.IsOne()) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, size.cx, size.cy, bitmap_->Dc(), 0, 0, drawn.cx, drawn.cy, SRCCOPY);
        return;
    }
    const SIZE scaled = icon_                     ? SIZE{scale(IconSize), scale(IconSize)}
                        : kind_ == TKind::Bitmap ? SIZE{scale(drawn.cx), scale(drawn.cy)}
                                                 : size;
    // Averaging costs far more than a copy: the picture is scaled once for
    // its size and background, and copied at every paint.
    if (!scaled_ || scaledSize_.cx != scaled.cx || scaledSize_.cy != scaled.cy || scaledColor_ != color) {
        scaled_ = std::make_unique<TSelectedBitmap>(CreateCompatibleBitmap(dc, scaled.cx, scaled.cy), dc);
        scaledSize_ = scaled;
        scaledColor_ = color;
        RECT area{0, 0, scaled.cx, scaled.cy};
        FillRect(scaled_->Dc(), &area, background.Get());
        if (icon_)
            PaintIconTo(scaled_->Dc(), scaled.cx, background.Get());
        else
            PaintBitmapTo(scaled_->Dc(), scaled);
    }
    BitBlt(dc, 0, 0, scaled.cx, scaled.cy, scaled_->Dc(), 0, 0, SRCCOPY);
}
