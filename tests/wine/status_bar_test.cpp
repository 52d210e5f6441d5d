#include "harness.h"
#include "option_table.h"
#include "rendering.h"

#include <commctrl.h>

#include <algorithm>

namespace {

class StatusBar : public TFormTest {
protected:
    // The bar as the screen shows it.
    TRendering OnScreen() {
        HWND bar = form->statbar1.Handle();
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return TRendering(bar, [bar](HDC dc) {
            RECT client{};
            GetClientRect(bar, &client);
            HDC screen = GetDC(bar);
            BitBlt(dc, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
            ReleaseDC(bar, screen);
        });
    }

    std::string SimpleTextOf(HWND bar) {
        char text[512] = {};
        // In simple mode the first part reads as the simple text.
        SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
};

int TextWidth(const std::string& text) {
    HDC dc = GetDC(nullptr);
    TSelectObject font(dc, Application().Font("MS Sans Serif", 11));
    SIZE extent{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ReleaseDC(nullptr, dc);
    return extent.cx;
}

}  // namespace

TEST_F(StatusBar, IsThePlatformsSimpleBarWithoutAGrip) {
    HWND bar = form->statbar1.Handle();
    char className[64] = {};
    GetClassNameA(bar, className, sizeof(className));
    EXPECT_STREQ(className, STATUSCLASSNAMEA);
    EXPECT_NE(SendMessageA(bar, SB_ISSIMPLE, 0, 0), 0);
    EXPECT_EQ(GetWindowLongA(bar, GWL_STYLE) & SBARS_SIZEGRIP, 0);
}

TEST_F(StatusBar, IsSilverWithTheHintInTheWindowsFont) {
    TStatusBar& bar = form->statbar1;
    EXPECT_EQ(OnScreen().At(300, 9), clSilver) << "empty";

    const std::string hint = options::Control("dismousecpl").Hint;
    bar.SetSimpleText(hint);
    EXPECT_EQ(StatusBarText(), hint);
    EXPECT_EQ(SimpleTextOf(bar.Handle()), hint);

    TRendering picture = OnScreen();
    EXPECT_EQ(picture.At(500, 9), clSilver) << "beside the text";
    TPoints ink = picture.PointsOf(GetSysColor(COLOR_BTNTEXT), {1, 1, picture.Width() - 1, picture.Height() - 1});
    ASSERT_FALSE(ink.empty());
    int minX = picture.Width(), maxX = 0;
    for (const auto& point : ink) {
        minX = std::min(minX, point.first);
        maxX = std::max(maxX, point.first);
    }
    EXPECT_NEAR(maxX - minX + 1, TextWidth(hint), 2) << "the whole text, the ampersand as it stands";
    EXPECT_LT(minX, 6) << "at the left edge";
}

// The window paints the bar until the bar itself is made, at the first idle
// moment: the same pixels before and after.
TEST_F(StatusBar, LooksTheSameBeforeItIsMade) {
    const TRendering made = OnScreen();
    form.reset();
    form = std::make_unique<TForm1>();
    form->Show();
    ASSERT_EQ(form->statbar1.Handle(), nullptr);
    HWND window = form->Handle();
    const TRendering painted(window, [window](HDC dc) {
        HDC screen = GetDC(window);
        BitBlt(dc, 0, 0, 518, 335, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    });
    for (int y = 0; y < made.Height(); ++y)
        for (int x = 0; x < made.Width(); ++x)
            ASSERT_EQ(painted.At(x, 316 + y), made.At(x, y)) << x << ", " << y;
    Pump();
    EXPECT_NE(form->statbar1.Handle(), nullptr);
}
