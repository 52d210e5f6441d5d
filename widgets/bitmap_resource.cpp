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

std::vector<BYTE> UnpackedResource(HINSTANCE instance, int resource, const char* type) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(resource), type);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* packed = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!packed) return {};
    return Unpacked(packed, SizeofResource(instance, found));
}

std::vector<TIconFileImage> IconFileImages(const std::vector<BYTE>& file) {
    const size_t directory = 6, entrySize = 16;  // ICONDIR, ICONDIRENTRY
    if (file.size() < directory) return {};
    const size_t count = file[4] | file[5] << 8;
    std::vector<TIconFileImage> images;
    for (size_t at = directory; at < directory + count * entrySize && at + entrySize <= file.size();
         at += entrySize) {
        DWORD bytes = 0, offset = 0;
        std::memcpy(&bytes, &file[at + 8], sizeof(bytes));
        std::memcpy(&offset, &file[at + 12], sizeof(offset));
        if (offset > file.size() || bytes > file.size() - offset) continue;
        // Width and height are equal in ours; 0 stands for 256.
        images.push_back({file[at] ? file[at] : 256, file.data() + offset, bytes});
    }
    return images;
}

HICON IconFromFile(const std::vector<BYTE>& file, int size) {
    for (const TIconFileImage& image : IconFileImages(file)) {
        if (image.Size != size) continue;
        // The platform wants the image on a DWORD boundary, which its
        // place in the file is not.
        std::vector<BYTE> bits(image.Bits, image.Bits + image.Bytes);
        return CreateIconFromResourceEx(bits.data(), image.Bytes, TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
    }
    return nullptr;
}

HICON LoadIconResource(HINSTANCE instance, int resource, int size) {
    return IconFromFile(UnpackedResource(instance, resource, PackedIconType), size);
}

HBITMAP LoadBitmapResource(HINSTANCE instance, int resource) {
    if (FindResourceA(instance, MAKEINTRESOURCEA(resource), MAKEINTRESOURCEA(2)))  // RT_BITMAP
        return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(resource), IMAGE_BITMAP, 0, 0, 0));
    return FromFile(UnpackedResource(instance, resource, PackedBitmapType));
}
