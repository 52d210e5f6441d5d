#pragma once

#include <windows.h>

#include <vector>

// A bitmap of the program's resources, as LoadImage makes it for the
// screen: a BITMAP resource, or a PACKEDBITMAP one (tools/pack_resource.py):
// a bitmap file of 16 bits or more a pixel whose rows after the first hold
// their differences from the row before, packed with LZNT1 (widgets/lznt1.h)
// after its four-byte unpacked size. Bitmap resources hold pictures of more than 256
// colours only uncompressed. nullptr when there is neither, or the packed
// one is damaged.
HBITMAP LoadBitmapResource(HINSTANCE instance, int resource);

// The resource type of packed bitmaps.
inline const char* const PackedBitmapType = "PACKEDBITMAP";

// The bitmap of a packed bitmap file's bytes; nullptr when they are not one.
HBITMAP UnpackBitmap(const BYTE* packed, DWORD size);

// The resource type of packed icons: an icon file (.ico) packed as a whole,
// as the packed bitmaps are but for the row differences.
inline const char* const PackedIconType = "PACKEDICON";

// The image of <size> pixels of a packed icon resource, as LoadImage makes
// it from an icon resource; nullptr when there is no such image, or the
// resource is damaged.
HICON LoadIconResource(HINSTANCE instance, int resource, int size);

// One image an icon file's directory lists: its size and its bytes.
struct TIconFileImage {
    int Size;  // pixels each way
    const BYTE* Bits;
    DWORD Bytes;
};

// The images of an icon file, those of them that lie within the file.
std::vector<TIconFileImage> IconFileImages(const std::vector<BYTE>& file);

// An icon file's image of <size> pixels; nullptr when it has none.
HICON IconFromFile(const std::vector<BYTE>& file, int size);

// A packed resource's bytes as they were before packing; empty when there
// is no such resource or it is damaged.
std::vector<BYTE> UnpackedResource(HINSTANCE instance, int resource, const char* type);
