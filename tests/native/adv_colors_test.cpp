#include "widgets/adv_colors.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
TRgb Rgb(int r, int g, int b) { return static_cast<TRgb>(r | g << 8 | b << 16); }
}  // namespace

TEST(AdvColors, ConvertsToTheColourDialogModel) {
    const struct {
        TRgb color;
        int hue, luminance, saturation;
    } cases[] = {
        {Rgb(192, 192, 192), 160, 181, 0},  // silver: grey, undefined hue
        {Rgb(0, 0, 0), 160, 0, 0},
        {Rgb(255, 255, 255), 160, 240, 0},
        {Rgb(255, 0, 0), 0, 120, 240},
        {Rgb(0, 255, 0), 80, 120, 240},
        {Rgb(0, 0, 255), 160, 120, 240},
        {Rgb(128, 0, 0), 0, 60, 240},
        {Rgb(235, 235, 225), 40, 216, 48},
    };
    for (const auto& c : cases) {
        THls hls = RgbToHls(c.color);
        EXPECT_EQ(hls.Hue, c.hue) << std::hex << c.color;
        EXPECT_EQ(hls.Luminance, c.luminance) << std::hex << c.color;
        EXPECT_EQ(hls.Saturation, c.saturation) << std::hex << c.color;
    }
}

TEST(AdvColors, PureColoursSurviveTheRoundTrip) {
    for (TRgb color : {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(128, 0, 0), Rgb(0, 0, 0),
                       Rgb(255, 255, 255), Rgb(255, 255, 0)})
        EXPECT_EQ(HlsToRgb(RgbToHls(color)), color) << std::hex << color;
}

TEST(AdvColors, DerivesTheButtonColoursFromSilver) {
    TAdvColors derived = DeriveAdvColors(Rgb(192, 192, 192), 10, 10, 50, {0, 0, 0});
    EXPECT_EQ(derived.Focused, Rgb(202, 202, 202));
    EXPECT_EQ(derived.Down, Rgb(181, 181, 181));
    EXPECT_EQ(derived.Border, Rgb(139, 139, 139));
}

TEST(AdvColors, StepsStopAtTheirBoundsAndAZeroStepKeepsTheColour) {
    const TAdvColors before{Rgb(1, 2, 3), Rgb(4, 5, 6), Rgb(7, 8, 9)};
    TAdvColors nearWhite = DeriveAdvColors(Rgb(250, 250, 250), 20, 0, 0, before);
    EXPECT_EQ(nearWhite.Focused, Rgb(248, 248, 248));  // luminance 235 + 20 is held at 234
    EXPECT_EQ(nearWhite.Down, before.Down);
    EXPECT_EQ(nearWhite.Border, before.Border);
    TAdvColors nearBlack = DeriveAdvColors(Rgb(10, 10, 10), 0, 50, 200, before);
    EXPECT_EQ(nearBlack.Focused, before.Focused);
    EXPECT_EQ(nearBlack.Down, Rgb(0, 0, 0));
    EXPECT_EQ(nearBlack.Border, Rgb(0, 0, 0));
}

// Only the luminance moves: a tinted face keeps its hue and saturation.
TEST(AdvColors, ATintedFaceKeepsItsHueAndSaturation) {
    for (TRgb face : {Rgb(235, 235, 225), Rgb(128, 0, 0), Rgb(40, 90, 200), Rgb(200, 180, 60)}) {
        const THls before = RgbToHls(face);
        const TAdvColors derived = DeriveAdvColors(face, 10, 10, 50, {0, 0, 0});
        const struct {
            TRgb color;
            int luminance;
        } cases[] = {{derived.Focused, std::min(before.Luminance + 10, 234)},
                     {derived.Down, before.Luminance - 10},
                     {derived.Border, std::max(before.Luminance - 50, 0)}};
        for (const auto& c : cases) {
            const THls after = RgbToHls(c.color);
            EXPECT_NEAR(after.Luminance, c.luminance, 1) << std::hex << face << " -> " << c.color;
            EXPECT_NEAR(after.Hue, before.Hue, 3) << std::hex << face << " -> " << c.color;
            EXPECT_NEAR(after.Saturation, before.Saturation, 4) << std::hex << face << " -> " << c.color;
        }
    }
}
