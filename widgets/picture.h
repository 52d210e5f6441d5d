#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

#include <memory>

// A picture from the program's resources: a bitmap drawn at its size or
// stretched to the control, or an icon drawn transparently.
class TPicture : public TCustomControl, public TAccessibleControl {
public:
    enum class TKind { Bitmap, StretchedBitmap, Icon };
    void Create(HWND parent, const TBounds& bounds, int resource, TKind kind);
    ~TPicture() override;
    void PaintTo(HDC dc) override;
    // A standard picture control: a graphic, named by its window text.
    TAccessibleInfo Describe(long item) const override;
    int Resource() const { return resource_; }

private:
    int resource_ = 0;
    TKind kind_ = TKind::Bitmap;
    HBITMAP bitmap_ = nullptr;
    HDC source_ = nullptr;  // holds bitmap_
    HGDIOBJ oldBitmap_ = nullptr;
    HICON icon_ = nullptr;
    HICON largeIcon_ = nullptr;  // for 150% and above, made when first needed
    // The page icons' images: 32 pixels for 96 pixels per inch, 48 for 144.
    static const int IconSize = 32;
    static const int LargeIconSize = 48;
    void PaintIconTo(HDC dc, int size, HBRUSH background);
    HICON LoadIconImage(int size) const;

    // A bitmap compatible with a device context, selected into a memory
    // context of its own for its life.
    class TMemoryBitmap {
    public:
        TMemoryBitmap(HDC like, int width, int height);
        ~TMemoryBitmap();
        TMemoryBitmap(const TMemoryBitmap&) = delete;
        TMemoryBitmap& operator=(const TMemoryBitmap&) = delete;
        HDC Dc() const { return dc_; }

    private:
        HDC dc_;
        HBITMAP bitmap_;
        HGDIOBJ old_;
    };
    // The picture as scaled for a size and a background, at any scale but 96.
    std::unique_ptr<TMemoryBitmap> scaled_;
    SIZE scaledSize_{};
    COLORREF scaledColor_ = 0;
};
