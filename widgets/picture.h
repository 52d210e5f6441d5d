#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

#include <memory>

// A picture from the program's resources: a bitmap drawn at its size or
// stretched to the control, or an icon drawn transparently. At other scales
// than 96 pixels per inch it is drawn from its image for 150%, averaged to
// the scale.
class TPicture : public TCustomControl, public TAccessibleControl {
public:
    enum class TKind { Bitmap, StretchedBitmap, Icon };
    // A bitmap's <largeResource> is the same picture drawn for 150%; an
    // icon holds both images in its one resource.
    void Create(HWND parent, const TBounds& bounds, int resource, TKind kind, int largeResource = 0);
    ~TPicture() override;
    void PaintTo(HDC dc) override;
    // A standard picture control: a graphic, named by its window text.
    TAccessibleInfo Describe(long item) const override;
    int Resource() const { return resource_; }

private:
    // A bitmap selected into a memory context of its own; both go with it.
    class TSelectedBitmap {
    public:
        TSelectedBitmap(HBITMAP bitmap, HDC like);
        ~TSelectedBitmap();
        TSelectedBitmap(const TSelectedBitmap&) = delete;
        TSelectedBitmap& operator=(const TSelectedBitmap&) = delete;
        HDC Dc() const { return dc_; }
        SIZE Size() const;

    private:
        HDC dc_;
        HBITMAP bitmap_;
        HGDIOBJ old_;
    };
    using TBitmapPtr = std::unique_ptr<TSelectedBitmap>;
    static TBitmapPtr Loaded(int resource);

    int resource_ = 0;
    int largeResource_ = 0;
    TKind kind_ = TKind::Bitmap;
    // Selected once: a bitmap selected at every paint costs the platform
    // more than the copy.
    TBitmapPtr bitmap_;
    TBitmapPtr largeBitmap_;  // made when first needed
    HICON icon_ = nullptr;
    HICON largeIcon_ = nullptr;  // made when first needed
    // The page icons' images: 32 pixels for 96 pixels per inch, 48 for 144.
    static const int IconSize = 32;
    static const int LargeIconSize = 48;
    void PaintIconTo(HDC dc, int size, HBRUSH background);
    void PaintBitmapTo(HDC dc, SIZE size);
    HICON LoadIconImage(int size) const;

    // The picture as scaled for a size and a background, at any scale but 96.
    TBitmapPtr scaled_;
    SIZE scaledSize_{};
    COLORREF scaledColor_ = 0;
};
