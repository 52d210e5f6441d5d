// The pictures linked into the program: sizes the window layout relies on,
// icons that draw transparently, and a different icon on every page.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <vector>

#include "app/resource.h"
#include "pages/option_page.h"
#include "widgets/bitmap_resource.h"

namespace {

const COLORREF Backdrop = RGB(255, 0, 255);

HINSTANCE Module() { return GetModuleHandleA(nullptr); }

SIZE BitmapSize(int resource) {
    HBITMAP bitmap = LoadBitmapResource(Module(), resource);
    if (!bitmap) return {0, 0};
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    DeleteObject(bitmap);
    return {info.bmWidth, info.bmHeight};
}

// The icon drawn over a magenta backdrop, read back pixel by pixel.
std::vector<COLORREF> DrawnIcon(int resource, int size) {
    auto icon = FindResourceA(Module(), MAKEINTRESOURCEA(resource), PackedIconType)
                    ? LoadIconResource(Module(), resource, size)
                    : static_cast<HICON>(LoadImageA(Module(), MAKEINTRESOURCEA(resource), IMAGE_ICON, size, size, 0));
    if (!icon) return {};
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, canvas);
    HBRUSH backdrop = CreateSolidBrush(Backdrop);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, backdrop);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
    SelectObject(dc, old);
    DeleteObject(backdrop);
    DeleteObject(canvas);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    DestroyIcon(icon);
    return pixels;
}

// One image of an icon resource, as its directory and its data say.
struct TIconImage {
    int Size;
    int Bits;      // bits a pixel of the bitmap; 0 for another format (PNG)
};

TIconImage ImageOf(int size, const BYTE* data, size_t bytes) {
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
    const bool bitmap = bytes >= sizeof(BITMAPINFOHEADER) && header->biSize == sizeof(BITMAPINFOHEADER);
    return {size, bitmap ? header->biBitCount : 0};
}

// The images of a packed icon file (the page icons) or of an icon resource.
std::vector<TIconImage> IconImages(int resource) {
    std::vector<TIconImage> images;
    const std::vector<BYTE> file = UnpackedResource(Module(), resource, PackedIconType);
    if (!file.empty()) {
        for (const TIconFileImage& image : IconFileImages(file))
            images.push_back(ImageOf(image.Size, image.Bits, image.Bytes));
        return images;
    }
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (!found) return {};
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    const WORD count = *reinterpret_cast<const WORD*>(data + 4);
    const int entrySize = 14;  // GRPICONDIRENTRY
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = data + 6 + i * entrySize;
        const WORD id = *reinterpret_cast<const WORD*>(entry + 12);
        HRSRC image = FindResourceA(Module(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3));  // RT_ICON
        const auto* bits = image ? static_cast<const BYTE*>(LockResource(LoadResource(Module(), image))) : nullptr;
        images.push_back(bits ? ImageOf(entry[0], bits, SizeofResource(Module(), image)) : TIconImage{entry[0], 0});
    }
    return images;
}

std::set<int> IconSizes(int resource) {
    std::set<int> sizes;
    for (const TIconImage& image : IconImages(resource)) sizes.insert(image.Size);
    return sizes;
}

size_t DrawnPixels(const std::vector<COLORREF>& pixels) {
    size_t drawn = 0;
    for (COLORREF pixel : pixels) drawn += pixel != Backdrop;
    return drawn;
}

}  // namespace

TEST(Pictures, BitmapsHaveTheSizesOfTheirPlaces) {
    struct TCase {
        int Resource;
        LONG Width;
        LONG Height;
    } cases[] = {{IDB_BANNER, 517, 55},
                 {IDB_DEFAULT_PAGE, 369, 261},
                 // Their places at 150%, copied pixel for pixel there.
                 {IDB_BANNER_150, 776, 83},
                 {IDB_DEFAULT_PAGE_150, 552, 390}};
    for (const TCase& expected : cases) {
        SCOPED_TRACE(expected.Resource);
        SIZE size = BitmapSize(expected.Resource);
        EXPECT_EQ(size.cx, expected.Width);
        EXPECT_EQ(size.cy, expected.Height);
    }
}

TEST(Pictures, EveryPageIconIsItsOwnTransparentDrawing) {
    std::set<std::vector<COLORREF>> drawings;
    for (int page = 1; page <= 13; ++page) {
        SCOPED_TRACE(page);
        int resource = PageIcon(page);
        // 32 pixels at 96 pixels per inch, 48 at 144.
        EXPECT_EQ(IconSizes(resource), (std::set<int>{32, 48}));
        for (int size : {32, 48}) {
            std::vector<COLORREF> pixels = DrawnIcon(resource, size);
            ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
            EXPECT_EQ(pixels.front(), Backdrop) << size << ": the top left corner shows through";
            EXPECT_GT(DrawnPixels(pixels), pixels.size() / 4) << size;
            drawings.insert(pixels);
        }
    }
    EXPECT_EQ(drawings.size(), 26u);
}

// Windows before Vista read no PNG images, and Windows before XP no 32-bit
// ones: each size has a bitmap of at most 8 bits.
TEST(Pictures, EveryIconHasImagesThatWindows95Reads) {
    std::vector<int> icons{IDI_TAVREL};
    for (int page = 1; page <= 13; ++page) icons.push_back(PageIcon(page));
    for (int icon : icons) {
        SCOPED_TRACE(icon);
        std::set<int> classic;
        for (const TIconImage& image : IconImages(icon)) {
            EXPECT_NE(image.Bits, 0) << image.Size << " pixels: not a bitmap";
            if (image.Bits > 0 && image.Bits <= 8) classic.insert(image.Size);
        }
        EXPECT_EQ(classic, IconSizes(icon));
    }
}

TEST(Pictures, TheWindowIconComesInBothSizes) {
    EXPECT_EQ(IconSizes(IDI_TAVREL), (std::set<int>{16, 32}));
    for (int size : {16, 32}) {
        SCOPED_TRACE(size);
        std::vector<COLORREF> pixels = DrawnIcon(IDI_TAVREL, size);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
        EXPECT_EQ(pixels.front(), Backdrop);
        EXPECT_GT(DrawnPixels(pixels), pixels.size() / 2);
    }
}

namespace {

std::vector<BYTE> PackedBanner() {
    HRSRC found = FindResourceA(Module(), MAKEINTRESOURCEA(IDB_BANNER), PackedBitmapType);
    if (!found) return {};
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(Module(), found)));
    return std::vector<BYTE>(data, data + SizeofResource(Module(), found));
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return pixel;
}

}  // namespace

// Right side up and in its colours at both scales: the maroon rule runs
// along the bottom, to the last row, the navy fades to the right across the
// top.
TEST(Pictures, ThePackedBannersUnpackAsDrawn) {
    for (int resource : {IDB_BANNER, IDB_BANNER_150}) {
        SCOPED_TRACE(resource);
        HBITMAP banner = LoadBitmapResource(Module(), resource);
        ASSERT_NE(banner, nullptr);
        BITMAP info{};
        GetObject(banner, sizeof(info), &info);
        const int width = info.bmWidth, bottom = info.bmHeight - 1;
        for (int above : {0, 2}) EXPECT_EQ(PixelOf(banner, width / 2, bottom - above), RGB(128, 0, 0)) << above;
        const COLORREF left = PixelOf(banner, 2, 2), right = PixelOf(banner, width - 3, 2);
        EXPECT_GT(GetBValue(left), GetRValue(left) + 64);
        EXPECT_GT(GetRValue(right), GetRValue(left) + 64);
        DeleteObject(banner);
    }
}

// A damaged icon file gives no icon rather than reading past its end.
TEST(Pictures, ADamagedIconFileIsNoIcon) {
    const std::vector<BYTE> whole = UnpackedResource(Module(), PageIcon(1), PackedIconType);
    ASSERT_GT(whole.size(), 100u);
    std::vector<BYTE> farOffset = whole;
    farOffset[6 + 12 + 2] = 0x7F;  // the first image some 8 MiB on
    std::vector<BYTE> moreImages = whole;
    moreImages[4] = 200;  // entries past the end of the file
    const struct {
        const char* Name;
        std::vector<BYTE> Bytes;
        int Size;
        bool Icon;
    } cases[] = {
        {"whole", whole, 32, true},
        {"whole, large", whole, 48, true},
        {"a size it lacks", whole, 40, false},
        {"empty", {}, 32, false},
        {"the header alone", std::vector<BYTE>(whole.begin(), whole.begin() + 6), 32, false},
        {"cut short", std::vector<BYTE>(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2)), 48, false},
        {"an image past the end", farOffset, 32, false},
        {"more images than it holds", moreImages, 40, false},
    };
    for (const auto& file : cases) {
        SCOPED_TRACE(file.Name);
        HICON icon = IconFromFile(file.Bytes, file.Size);
        EXPECT_EQ(icon != nullptr, file.Icon);
        if (icon) DestroyIcon(icon);
    }
}

TEST(Pictures, ADamagedPackedBitmapIsNoBitmap) {
    const std::vector<BYTE> whole = PackedBanner();
    ASSERT_GT(whole.size(), 100u);
    std::vector<BYTE> huge = whole;
    huge[3] = 0x7F;  // an unpacked size of some 2 GiB
    std::vector<BYTE> shorter = whole;
    shorter[0] ^= 1;  // one byte more than it unpacks to
    std::vector<BYTE> scrambled = whole;
    for (size_t at = 4; at < scrambled.size(); at += 7) scrambled[at] ^= 0x5A;
    const struct {
        const char* Name;
        std::vector<BYTE> Bytes;
    } cases[] = {
        {"empty", {}},
        {"the size alone", std::vector<BYTE>(whole.begin(), whole.begin() + 4)},
        {"cut short", std::vector<BYTE>(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2))},
        {"an impossible size", huge},
        {"a wrong size", shorter},
        {"scrambled", scrambled},
    };
    for (const auto& damaged : cases) {
        SCOPED_TRACE(damaged.Name);
        HBITMAP bitmap = UnpackBitmap(damaged.Bytes.data(), static_cast<DWORD>(damaged.Bytes.size()));
        EXPECT_EQ(bitmap, nullptr);
        if (bitmap) DeleteObject(bitmap);
    }
    HBITMAP bitmap = UnpackBitmap(whole.data(), static_cast<DWORD>(whole.size()));
    EXPECT_NE(bitmap, nullptr);
    if (bitmap) DeleteObject(bitmap);
}
