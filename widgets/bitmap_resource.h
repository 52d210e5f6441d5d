#pragma once

#include <windows.h>

// A bitmap of the program's resources, as LoadImage makes it for the
// screen: a BITMAP resource, or a PACKEDBITMAP one, a bitmap file packed
// with LZNT1 after its four-byte unpacked size (tools/pack_lznt1.py). Bitmap
// resources hold pictures of more than 256 colours only uncompressed.
// nullptr when there is neither, or the packed one is damaged.
HBITMAP LoadBitmapResource(HINSTANCE instance, int resource);

// The resource type of packed bitmaps.
inline const char* const PackedBitmapType = "PACKEDBITMAP";

// The bitmap of a packed bitmap file's bytes; nullptr when they are not one.
HBITMAP UnpackBitmap(const BYTE* packed, DWORD size);
