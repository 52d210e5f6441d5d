#include "widgets/picture.h"

#include "widgets/bitmap_resource.h"
#include "widgets/scale.h"

#include <oleacc.h>

void TPicture::Create(HWND parent, const TBounds& bounds, int resource, TKind kind) {
    resource_ = resource;
    kind_ = kind;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (kind == TKind::Icon)
        icon_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_ICON, IconSize, IconSize, 0));
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

// A bitmap compatible with a device context, selected into a memory context
// of its own for its life.
class TMemoryBitmap {
public:
    TMemoryBitmap(HDC like, int width, int height)
        : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, width, height)),
          old_(SelectObject(dc_, bitmap_)) {}
    ~TMemoryBitmap() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TMemoryBitmap(const TMemoryBitmap&) = delete;
    TMemoryBitmap& operator=(const TMemoryBitmap&) = delete;
    HDC Dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace

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
    const TScale scale(Dpi());
    if (icon_ && scale.IsOne()) {
        DrawIconEx(dc, 0, 0, icon_, IconSize, IconSize, 0, nullptr, DI_NORMAL);
        return;
    }
    if (icon_) {
        // Drawn at its size on the background, then scaled as a bitmap is.
        TMemoryBitmap drawn(dc, IconSize, IconSize);
        RECT square{0, 0, IconSize, IconSize};
        FillRect(drawn.Dc(), &square, background.Get());
        DrawIconEx(drawn.Dc(), 0, 0, icon_, IconSize, IconSize, 0, nullptr, DI_NORMAL);
        StretchSmoothly(dc, scale(IconSize), scale(IconSize), drawn.Dc(), IconSize, IconSize);
        return;
    }
    if (!source_) return;
    BITMAP info{};
    GetObject(bitmap_, sizeof(info), &info);
    if (kind_ == TKind::Bitmap && scale.IsOne()) {
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source_, 0, 0, SRCCOPY);
    } else if (kind_ == TKind::Bitmap) {
        StretchSmoothly(dc, scale(info.bmWidth), scale(info.bmHeight), source_, info.bmWidth, info.bmHeight);
    } else if (scale.IsOne()) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, size.cx, size.cy, source_, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    } else {
        StretchSmoothly(dc, size.cx, size.cy, source_, info.bmWidth, info.bmHeight);
    }
}
