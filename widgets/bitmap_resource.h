#pragma once

#include <windows.h>

// A bitmap of the program's resources, as LoadImage makes it for the
// screen: a BITMAP resource, or a PACKEDBITMAP one (tools/pack_bitmap.py):
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
