#include "widgets/adv_colors.h"

#include <algorithm>

namespace {

const int HlsMax = 240;
const int RgbMax = 255;
const int UndefinedHue = HlsMax * 2 / 3;

int Red(TRgb color) { return static_cast<int>(color & 0xFF); }
int Green(TRgb color) { return static_cast<int>((color >> 8) & 0xFF); }
int Blue(TRgb color) { return static_cast<int>((color >> 16) & 0xFF); }

TRgb MakeRgb(int red, int green, int blue) {
    return static_cast<TRgb>(red) | static_cast<TRgb>(green) << 8 | static_cast<TRgb>(blue) << 16;
}

int HueToRgb(int n1, int n2, int hue) {
    if (hue < 0) hue += HlsMax;
    if (hue > HlsMax) hue -= HlsMax;
    if (hue < HlsMax / 6) return n1 + (((n2 - n1) * hue + (HlsMax / 12)) / (HlsMax / 6));
    if (hue < HlsMax / 2) return n2;
    if (hue < (HlsMax * 2) / 3) return n1 + (((n2 - n1) * (((HlsMax * 2) / 3) - hue) + (HlsMax / 12)) / (HlsMax / 6));
    return n1;
}

int Delta(int max, int min, int component) {
    return (((max - component) * (HlsMax / 6)) + ((max - min) / 2)) / (max - min);
}

TRgb WithLuminance(TRgb face, int luminance) {
    THls hls = RgbToHls(face);
    hls.Luminance = luminance;
    return HlsToRgb(hls);
}

}  // namespace

THls RgbToHls(TRgb color) {
    const int r = Red(color), g = Green(color), b = Blue(color);
    const int max = std::max({r, g, b});
    const int min = std::min({r, g, b});
    THls hls;
    hls.Luminance = (((max + min) * HlsMax) + RgbMax) / (2 * RgbMax);
    if (max == min) {
        hls.Saturation = 0;
        hls.Hue = UndefinedHue;
        return hls;
    }
    if (hls.Luminance <= HlsMax / 2)
        hls.Saturation = (((max - min) * HlsMax) + ((max + min) / 2)) / (max + min);
    else
        hls.Saturation = (((max - min) * HlsMax) + ((2 * RgbMax - max - min) / 2)) / (2 * RgbMax - max - min);
    const int redDelta = Delta(max, min, r), greenDelta = Delta(max, min, g), blueDelta = Delta(max, min, b);
    if (r == max)
        hls.Hue = blueDelta - greenDelta;
    else if (g == max)
        hls.Hue = (HlsMax / 3) + redDelta - blueDelta;
    else
        hls.Hue = ((2 * HlsMax) / 3) + greenDelta - redDelta;
    if (hls.Hue < 0) hls.Hue += HlsMax;
    if (hls.Hue > HlsMax) hls.Hue -= HlsMax;
    return hls;
}

TRgb HlsToRgb(const THls& hls) {
    if (hls.Saturation == 0) {
        int grey = hls.Luminance * RgbMax / HlsMax;
        return MakeRgb(grey, grey, grey);
    }
    int magic2;
    if (hls.Luminance <= HlsMax / 2)
        magic2 = (hls.Luminance * (HlsMax + hls.Saturation) + (HlsMax / 2)) / HlsMax;
    else
        magic2 = hls.Luminance + hls.Saturation - ((hls.Luminance * hls.Saturation) + (HlsMax / 2)) / HlsMax;
    int magic1 = 2 * hls.Luminance - magic2;
    auto component = [&](int hue) {
        return std::clamp((HueToRgb(magic1, magic2, hue) * RgbMax + (HlsMax / 2)) / HlsMax, 0, RgbMax);
    };
    return MakeRgb(component(hls.Hue + HlsMax / 3), component(hls.Hue), component(hls.Hue - HlsMax / 3));
}

TAdvColors DeriveAdvColors(TRgb face, int focusedStep, int downStep, int borderStep, const TAdvColors& current) {
    const int luminance = RgbToHls(face).Luminance;
    TAdvColors derived = current;
    if (focusedStep != 0) derived.Focused = WithLuminance(face, std::min(luminance + focusedStep, 234));
    if (downStep != 0) derived.Down = WithLuminance(face, std::max(luminance - downStep, 0));
    if (borderStep != 0) derived.Border = WithLuminance(face, std::max(luminance - borderStep, 0));
    return derived;
}
