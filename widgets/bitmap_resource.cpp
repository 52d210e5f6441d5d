#include "widgets/bitmap_resource.h"

#include "widgets/lznt1.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> Unpacked(const BYTE* packed, DWORD packedSize) {
    uint32_t size = 0;
    if (packedSize < sizeof(size)) return {};
    std::memcpy(&size, packed, sizeof(size));
    return UnpackLznt1(packed + sizeof(size), packedSize - sizeof(size), size);
}

// Each row was stored as its difference from the row before.
void AddRowsUp(BYTE* rows, size_t stride, size_t count) {
    for (size_t at = stride; at < stride * count; ++at) rows[at] = static_cast<BYTE>(rows[at] + rows[at - stride]);
}

HBITMAP FromFile(std::vector<BYTE> file) {
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    if (file.size() < sizeof(header) + sizeof(info)) return nullptr;
    std::memcpy(&header, file.data(), sizeof(header));
    std::memcpy(&info, file.data() + sizeof(header), sizeof(info));
    if (header.bfType != 0x4D42 || info.biCompression != BI_RGB || info.biBitCount < 16) return nullptr;
    const size_t stride = ((static_cast<size_t>(info.biWidth) * info.biBitCount + 31) / 32) * 4;
    const size_t rows = static_cast<size_t>(std::llabs(info.biHeight));
    if (info.biWidth <= 0 || header.bfOffBits > file.size() || (file.size() - header.bfOffBits) / stride < rows)
        return nullptr;
    AddRowsUp(file.data() + header.bfOffBits, stride, rows);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info, CBM_INIT, file.data() + header.bfOffBits,
                                    reinterpret_cast<const BITMAPINFO*>(file.data() + sizeof(header)),
                                    DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

}  // namespace

HBITMAP UnpackBitmap(const BYTE* packed, DWORD size) { return FromFile(Unpacked(packed, size)); }

HBITMAP LoadBitmapResource(HINSTANCE instance, int resource) {
    if (FindResourceA(instance, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(2)))  // RT_BITMAP
        return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, 0));
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resource), PackedBitmapType);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* packed = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!packed) return nullptr;
    return UnpackBitmap(packed, SizeofResource(instance, found));
}
