#include "harness.h"
#include "rendering.h"

#include <algorithm>

namespace {

class StatusBar : public TFormTest {
protected:
    // The bar as the screen shows it.
    COLORREF OnScreen(int x, int y) {
        RedrawWindow(form->statbar1.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(form->statbar1.Handle());
        COLORREF color = GetPixel(dc, x, y);
        ReleaseDC(form->statbar1.Handle(), dc);
        return color;
    }
};

}  // namespace

TEST_F(StatusBar, IsSilverWithTheHintInTheWindowsFont) {
    TStatusBar& bar = form->statbar1;
    EXPECT_EQ(OnScreen(300, 9), clSilver) << "empty";

    bar.SetSimpleText("Hide/Show Mouse & Keyboard Control Panels.");
    EXPECT_EQ(bar.SimpleText(), "Hide/Show Mouse & Keyboard Control Panels.");
    EXPECT_EQ(OnScreen(500, 9), clSilver) << "beside the text";
    EXPECT_EQ(OnScreen(300, 9), clSilver);

    TRendering picture(bar.Handle(), [&bar](HDC dc) { bar.PaintTo(dc); });
    TPoints ink = picture.PointsOf(GetSysColor(COLOR_BTNTEXT));
    ASSERT_FALSE(ink.empty());
    int minX = picture.Width(), maxX = 0;
    for (const auto& point : ink) {
        minX = std::min(minX, point.first);
        maxX = std::max(maxX, point.first);
    }
    HDC dc = GetDC(nullptr);
    TSelectObject font(dc, Application().Font("MS Sans Serif", 11));
    SIZE extent{};
    const std::string text = bar.SimpleText();
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ReleaseDC(nullptr, dc);
    EXPECT_NEAR(maxX - minX + 1, extent.cx, 2) << "the whole text, the ampersand as it stands";
    EXPECT_LT(minX, 6) << "at the left edge";
}
