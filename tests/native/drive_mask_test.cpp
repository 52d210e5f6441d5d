#include "pages/drive_mask.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TDriveLetters Ticked(const std::string& letters) {
    TDriveLetters ticked{};
    for (char letter : letters) ticked[letter - 'A'] = true;
    return ticked;
}

std::string Names(const TDriveLetters& letters) {
    std::string names;
    for (int letter = 0; letter < DriveLetterCount; ++letter)
        if (letters[letter]) names += static_cast<char>('A' + letter);
    return names;
}

}  // namespace

TEST(DriveMask, EachLetterOwnsItsBitInAlphabeticalOrder) {
    const struct {
        char letter;
        int32_t bit;
    } cases[] = {
        {'A', 0x1},     {'B', 0x2},      {'C', 0x4},      {'F', 0x20},      {'J', 0x200},
        {'K', 0x400},   {'L', 0x800},    {'R', 0x20000},  {'W', 0x400000},  {'X', 0x800000},
        {'Y', 0x1000000}, {'Z', 0x2000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letter);
        EXPECT_EQ(DriveBit(c.letter - 'A'), c.bit);
        EXPECT_EQ(MaskOf(Ticked(std::string(1, c.letter))), c.bit);
        EXPECT_EQ(Names(LettersOf(c.bit)), std::string(1, c.letter));
    }
}

TEST(DriveMask, BuildsTheMaskOfTheTickedLetters) {
    const struct {
        const char* letters;
        int32_t mask;
    } cases[] = {
        {"", 0},
        {"CD", 12},
        {"AZ", 0x2000001},
        {"KLWX", 0xC00C00},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", AllDrivesMask},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        EXPECT_EQ(MaskOf(Ticked(c.letters)), c.mask);
        EXPECT_EQ(Names(LettersOf(c.mask)), c.letters);
    }
}

TEST(DriveMask, OnlyTheExactAllDrivesValueHidesAllDrives) {
    const struct {
        int32_t stored;
        bool all;
        const char* letters;
    } cases[] = {
        {0x3FFFFFF, true, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {-1, false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},  // all 32 bits: the upper six name no drive
        {0x7FFFFFF, false, "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {static_cast<int32_t>(0xFC000000), false, ""},
        {0x3FFFFFE, false, "BCDEFGHIJKLMNOPQRSTUVWXYZ"},
        {0, false, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(HidesAllDrives(c.stored), c.all);
        EXPECT_EQ(Names(LettersOf(c.stored)), c.letters);
        EXPECT_EQ(MaskOf(LettersOf(c.stored)), c.stored & AllDrivesMask) << "apply stores bits 0 to 25 only";
    }
}
