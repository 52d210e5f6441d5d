#pragma once

#include <array>
#include <cstdint>

// NoDrives hides drives by a mask with one bit per drive letter: A in bit 0
// up to Z in bit 25.
const int DriveLetterCount = 26;
// Every drive hidden: bits 0 to 25 set, bits 26 to 31 clear.
const int32_t AllDrivesMask = 0x3FFFFFF;

// The letters a mask hides, A first.
using TDriveLetters = std::array<bool, DriveLetterCount>;

// The bit of a drive letter, counted from A = 0.
int32_t DriveBit(int letter);

// Whether a stored value is the all-drives value; a value with any bit above
// bit 25 set is not, even when bits 0 to 25 are all set.
bool HidesAllDrives(int32_t stored);

// The letters of bits 0 to 25; the bits above them name no drive and are
// ignored.
TDriveLetters LettersOf(int32_t stored);

// The mask of the ticked letters; it has no bit above 25.
int32_t MaskOf(const TDriveLetters& ticked);
