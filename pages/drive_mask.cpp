#include "pages/drive_mask.h"

int32_t DriveBit(int letter) { return static_cast<int32_t>(1u << letter); }

bool HidesAllDrives(int32_t stored) { return stored == AllDrivesMask; }

TDriveLetters LettersOf(int32_t stored) {
    TDriveLetters letters{};
    for (int letter = 0; letter < DriveLetterCount; ++letter) letters[letter] = (stored & DriveBit(letter)) != 0;
    return letters;
}

int32_t MaskOf(const TDriveLetters& ticked) {
    int32_t mask = 0;
    for (int letter = 0; letter < DriveLetterCount; ++letter)
        if (ticked[letter]) mask |= DriveBit(letter);
    return mask;
}
