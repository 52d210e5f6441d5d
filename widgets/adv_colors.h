#pragma once

#include <cstdint>

// Colours as the platform stores them: 0x00BBGGRR.
using TRgb = uint32_t;

struct THls {
    int Hue = 0;
    int Luminance = 0;
    int Saturation = 0;
};

// Hue, luminance and saturation in the 0..240 model of the Windows colour
// dialog; a grey has saturation 0 and hue 160.
THls RgbToHls(TRgb color);
TRgb HlsToRgb(const THls& hls);

// The three colours a flat control derives from its face colour by
// luminance steps; a step of 0 keeps the colour it had.
struct TAdvColors {
    TRgb Focused;
    TRgb Down;
    TRgb Border;
};
TAdvColors DeriveAdvColors(TRgb face, int focusedStep, int downStep, int borderStep, const TAdvColors& current);
