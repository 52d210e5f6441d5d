#include "widgets/scale.h"

#include "base/later_functions.h"

TScale TScale::Of(HWND window) {
    if (const TWindow* ours = TWindow::FromHandle(window)) return TScale(ours->Dpi());
    return TScale(DpiOf(window));
}

TBounds TScale::operator()(const TBounds& bounds) const {
    const int left = (*this)(bounds.Left);
    const int top = (*this)(bounds.Top);
    return {left, top, (*this)(bounds.Left + bounds.Width) - left, (*this)(bounds.Top + bounds.Height) - top};
}

RECT TScale::operator()(const RECT& rect) const {
    return {(*this)(rect.left), (*this)(rect.top), (*this)(rect.right), (*this)(rect.bottom)};
}

int DpiOf(HWND window) {
    using TGetDpiForWindow = UINT(WINAPI*)(HWND);
    using TGetDpiForSystem = UINT(WINAPI*)();
    if (window) {
        auto forWindow = LaterFunction<TGetDpiForWindow>("user32.dll", "GetDpiForWindow");
        if (forWindow) {
            const UINT dpi = forWindow(window);
            if (dpi) return static_cast<int>(dpi);
        }
    }
    auto forSystem = LaterFunction<TGetDpiForSystem>("user32.dll", "GetDpiForSystem");
    if (forSystem) return static_cast<int>(forSystem());
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

namespace {

// Measures a font on the screen.
template <typename Measure>
int Measured(HFONT font, Measure measure) {
    HDC screen = GetDC(nullptr);
    int result = 0;
    {
        TSelectObject selected(screen, font);
        result = measure(screen);
    }
    ReleaseDC(nullptr, screen);
    return result;
}

int DrawnCharacterHeight(HFONT font) {
    return Measured(font, [](HDC dc) {
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        return static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading);
    });
}

// The width of the alphabet, by which Windows measures a dialog's font.
int AlphabetWidth(HFONT font) {
    return Measured(font, [](HDC dc) {
        const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE size{};
        GetTextExtentPoint32A(dc, alphabet, sizeof(alphabet) - 1, &size);
        return static_cast<int>(size.cx);
    });
}

HFONT CreateOutlineFont(int characterHeight, bool bold) {
    return CreateFontA(-characterHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                       OutlineFace);
}

}  // namespace

// The captions were laid out for the face at 96 pixels per inch. A face of
// few sizes draws at the largest of them up to the scaled height, when that
// is at most an eighth lower; else the outline face stands in, no wider than
// the face at 96 times the scale, and so a little lower where it is the
// wider face.
HFONT CreateScaledFont(const char* face, int characterHeight, bool bold, const TScale& scale) {
    const int height = scale(characterHeight);
    if (scale.IsOne()) return CreateFontOf(face, height, bold);
    HFONT font = CreateFontOf(face, height, bold);
    if (DrawnCharacterHeight(font) == height) return font;
    DeleteObject(font);
    const TFont at96(CreateFontOf(face, characterHeight, bold));
    const int widest = scale(AlphabetWidth(at96.Get())) * 92 / 100;
    for (int outline = height;; --outline) {
        font = CreateOutlineFont(outline, bold);
        if (outline <= characterHeight || AlphabetWidth(font) <= widest) return font;
        DeleteObject(font);
    }
}
