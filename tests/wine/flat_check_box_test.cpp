#include "harness.h"
#include "rendering.h"
#include "pages/option_page.h"
#include "widgets/flat_check_box.h"
#include "widgets/panel.h"

#include <algorithm>
#include <memory>

namespace {

// Two boxes of their own on a silver panel laid over the notebook of a real
// main window, driven by real mouse and key input.
class FlatCheckBox : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        panel.Create(form->Handle(), {149, 55, 368, 260});
        SetWindowPos(panel.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        first.Create(panel.Handle(), {"&Tick me", "", {16, 12, 121, 17}}, OptionFont(), clMaroon);
        second.Create(panel.Handle(), {"Second box", "", {16, 40, 121, 17}}, OptionFont(), clMaroon);
        first.OnClick = [this] { ++firstClicks; };
        second.OnClick = [this] { ++secondClicks; };
        Pump();
    }

    void UseTestColours(TFlatCheckBox& box) {
        box.SetColor(TestFace);
        box.SetColorFocused(TestFocused);
        box.SetColorDown(TestDown);
        box.SetColorBorder(TestBorder);
        box.SetColorCheck(TestCheck);
    }

    // A pixel inside the box that the tick never covers.
    COLORREF Fill(TFlatCheckBox& box) {
        RECT rect = box.BoxRect();
        return TRendering(box).At(rect.left + 1, rect.top + 1);
    }

    POINT OnPanel() const { return {300, 150}; }

    TManualClock clock{CheckBoxHoverTracker()};
    TPanel panel;
    TFlatCheckBox first;
    TFlatCheckBox second;
    int firstClicks = 0;
    int secondClicks = 0;
};

// The box from its top-left corner: '#' frame, 'x' tick, '.' fill.
const char* const TickedBox[11] = {
    "###########",
    "#.........#",
    "#.......x.#",
    "#......xx.#",
    "#.x...xxx.#",
    "#.xx.xxx..#",
    "#.xxxxx...#",
    "#..xxx....#",
    "#...x.....#",
    "#.........#",
    "###########",
};

}  // namespace

TEST_F(FlatCheckBox, SettingCheckedRaisesOnClickOnlyOnAChange) {
    const struct {
        bool set;
        int clicks;
    } steps[] = {{false, 0}, {true, 1}, {true, 1}, {false, 2}, {false, 2}, {true, 3}};
    for (const auto& step : steps) {
        first.SetChecked(step.set);
        EXPECT_EQ(first.Checked(), step.set);
        EXPECT_EQ(firstClicks, step.clicks) << "after setting " << step.set;
    }
}

TEST_F(FlatCheckBox, TheTickIsSixSegmentsInAnElevenPixelBoxOnEitherSide) {
    const struct {
        TCheckBoxLayout layout;
        bool enabled;
    } cases[] = {{TCheckBoxLayout::checkboxLeft, true},
                 {TCheckBoxLayout::checkboxRight, true},
                 {TCheckBoxLayout::checkboxLeft, false},
                 {TCheckBoxLayout::checkboxRight, false}};
    UseTestColours(first);
    first.SetChecked(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.layout == TCheckBoxLayout::checkboxLeft ? "left" : "right") +
                     (c.enabled ? ", enabled" : ", disabled"));
        first.SetLayout(c.layout);
        first.SetEnabled(c.enabled);
        TRendering picture(first);
        const int left = c.layout == TCheckBoxLayout::checkboxLeft ? 1 : picture.Width() - 12;
        const int top = 3;
        const COLORREF tick = c.enabled ? TestCheck : GetSysColor(COLOR_BTNSHADOW);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 11; ++x) {
                const char cell = TickedBox[y][x];
                const COLORREF expected = cell == '#' ? TestBorder : cell == 'x' ? tick : TestFace;
                EXPECT_EQ(picture.At(left + x, top + y), expected) << "box pixel " << x << "," << y;
            }
        // Nothing of the box beyond its eleven pixels.
        for (int y = 0; y < picture.Height(); ++y) {
            EXPECT_EQ(picture.At(left - 1, y), TestFace) << "left of the box, row " << y;
            EXPECT_EQ(picture.At(left + 11, y), TestFace) << "right of the box, row " << y;
        }
        for (int x = left; x < left + 11; ++x) {
            EXPECT_EQ(picture.At(x, top - 1), TestFace);
            EXPECT_EQ(picture.At(x, top + 11), TestFace);
        }
    }
}

TEST_F(FlatCheckBox, TheCaptionStandsBesideTheBoxAndIsEngravedWhenDisabled) {
    UseTestColours(first);
    const int width = first.ClientSize().cx;

    TRendering left(first);
    TPoints ink = left.PointsOf(clMaroon);
    ASSERT_FALSE(ink.empty());
    int minX = width, maxX = 0;
    for (const auto& point : ink) {
        minX = std::min(minX, point.first);
        maxX = std::max(maxX, point.first);
    }
    EXPECT_GE(minX, 16) << "from 16 pixels in";
    EXPECT_LE(minX, 17);

    first.SetLayout(TCheckBoxLayout::checkboxRight);
    TPoints rightInk = TRendering(first).PointsOf(clMaroon);
    int rightMaxX = 0;
    for (const auto& point : rightInk) rightMaxX = std::max(rightMaxX, point.first);
    EXPECT_LE(rightMaxX, width - 17) << "ending 16 pixels from the right edge";
    EXPECT_GE(rightMaxX, width - 19);
    EXPECT_EQ(rightInk, Shifted(ink, rightMaxX - maxX, 0)) << "the same caption, aligned right";

    first.SetLayout(TCheckBoxLayout::checkboxLeft);
    first.Disable();
    TRendering disabled(first);
    EXPECT_TRUE(disabled.PointsOf(clMaroon).empty());
    const RECT caption = first.CaptionRect();
    TPoints light = disabled.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT), caption);
    TPoints dark = disabled.PointsOf(GetSysColor(COLOR_BTNSHADOW), caption);
    EXPECT_EQ(dark, ink) << "the shadow copy in place";
    TPoints expectedLight;
    for (const auto& point : Shifted(ink, 1, 1))
        if (!ink.count(point)) expectedLight.insert(point);
    EXPECT_EQ(light, expectedLight) << "under it the highlight copy one pixel right and down";
}

TEST_F(FlatCheckBox, ALongCaptionWrapsAtItsWidth) {
    first.SetBounds({16, 12, 121, 34});
    first.SetText("Disable All Context Menus And More");
    TPoints ink = TRendering(first).PointsOf(clMaroon);
    int minY = 100, maxY = 0;
    for (const auto& point : ink) {
        minY = std::min(minY, point.second);
        maxY = std::max(maxY, point.second);
    }
    EXPECT_GT(maxY - minY, 13) << "two lines";
}

TEST_F(FlatCheckBox, TheFillFollowsHoverFocusAndPress) {
    UseTestColours(first);
    EXPECT_EQ(Fill(first), TestFace);

    MoveMouseTo(first, {60, 8});
    EXPECT_TRUE(first.Hovered());
    EXPECT_EQ(Fill(first), TestFocused) << "hovered";

    PressMouseAt(first, {60, 8});
    EXPECT_TRUE(first.Pressed());
    EXPECT_EQ(Fill(first), TestDown) << "pressed";

    ReleaseMouse();
    EXPECT_TRUE(first.Checked());
    EXPECT_EQ(Fill(first), TestFocused) << "hovered and focused";

    MoveMouseTo(panel, OnPanel());
    CheckBoxHoverTracker().Tick();
    EXPECT_FALSE(first.Hovered());
    EXPECT_TRUE(first.HasFocusState());
    EXPECT_EQ(Fill(first), TestFocused) << "a focused box stays lit";

    PressKey(VK_TAB);
    EXPECT_TRUE(second.Focused());
    EXPECT_FALSE(first.HasFocusState());
    EXPECT_EQ(Fill(first), TestFace) << "tabbing away unlights it";
}

TEST_F(FlatCheckBox, OneSharedTimerLightsOneBoxAtATime) {
    THoverTracker& tracker = CheckBoxHoverTracker();
    EXPECT_FALSE(tracker.TimerRunning());

    MoveMouseTo(first, {60, 8});
    EXPECT_TRUE(first.Hovered());
    EXPECT_TRUE(IsTracked(tracker, first));
    EXPECT_TRUE(tracker.TimerRunning());

    MoveMouseTo(second, {60, 8});
    EXPECT_FALSE(first.Hovered()) << "unlit at once, without waiting for the timer";
    EXPECT_TRUE(second.Hovered());
    EXPECT_TRUE(IsTracked(tracker, second));

    MoveMouseTo(panel, OnPanel());
    EXPECT_TRUE(second.Hovered()) << "the panel does not tell the box";
    tracker.Tick();
    EXPECT_FALSE(second.Hovered()) << "the next beat does";
    EXPECT_EQ(tracker.Tracked(), nullptr);
    EXPECT_FALSE(tracker.TimerRunning());
}

TEST_F(FlatCheckBox, ABoxThatLosesTheFocusUnderThePointerLightsAgainWhenThePointerMoves) {
    Click(first);
    ASSERT_TRUE(first.Hovered());
    PressKey(VK_TAB);
    EXPECT_FALSE(first.Hovered()) << "losing the focus unlights it";
    MoveMouseTo(first, {61, 8});
    EXPECT_TRUE(first.Hovered());
    EXPECT_TRUE(IsTracked(CheckBoxHoverTracker(), first));
}

TEST_F(FlatCheckBox, APressedBoxStaysLitWhereverThePointerGoesAndTheReleaseTogglesIt) {
    PressMouseAt(first, {60, 8});
    MoveMouseTo(second, {60, 8});
    MoveMouseTo(panel, OnPanel());
    CheckBoxHoverTracker().Tick();
    EXPECT_TRUE(first.Hovered());
    EXPECT_TRUE(first.Pressed());
    EXPECT_FALSE(second.Hovered());

    ReleaseMouse();
    EXPECT_TRUE(first.Checked()) << "press, drag off, release toggles";
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 0);
    EXPECT_FALSE(first.Pressed());

    CheckBoxHoverTracker().Tick();
    EXPECT_FALSE(first.Hovered()) << "released away from the box, the next beat unlights it";
}

TEST_F(FlatCheckBox, MouseSpaceAndAcceleratorToggleThroughTheSetter) {
    Click(first);
    EXPECT_TRUE(first.Checked());
    EXPECT_EQ(firstClicks, 1);
    EXPECT_TRUE(first.Focused()) << "a press takes the focus";

    PressKey(VK_SPACE);
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(firstClicks, 2);

    second.SetFocus();
    Pump();
    PressKey(VK_SPACE);
    EXPECT_TRUE(second.Checked());
    EXPECT_EQ(secondClicks, 1);
    EXPECT_EQ(firstClicks, 2);

    PressKey('T');
    EXPECT_TRUE(first.Checked()) << "the accelerator of \"&Tick me\"";
    EXPECT_EQ(firstClicks, 3);
    EXPECT_TRUE(first.Focused()) << "the accelerator moves the focus to its box";
    EXPECT_EQ(secondClicks, 1);

    PressKey('Q');  // no box has it
    EXPECT_EQ(firstClicks, 3);
    EXPECT_EQ(secondClicks, 1);
}

TEST_F(FlatCheckBox, ADisabledBoxIgnoresMouseSpaceAndAccelerator) {
    MoveMouseTo(first, {60, 8});
    PressMouseAt(first, {60, 8});
    ASSERT_TRUE(first.Pressed());
    first.Disable();
    EXPECT_FALSE(first.Hovered());
    EXPECT_FALSE(first.Pressed());
    EXPECT_EQ(CheckBoxHoverTracker().Tracked(), nullptr) << "no longer tracked";
    ReleaseMouse();
    EXPECT_FALSE(first.Checked()) << "a release after disabling toggles nothing";

    Click(first);
    MoveMouseTo(first, {61, 8});
    EXPECT_FALSE(first.Hovered());
    second.SetFocus();
    Pump();
    PressKey('T');
    PressKey(VK_SPACE);
    EXPECT_FALSE(first.Checked());
    EXPECT_EQ(firstClicks, 0);
    EXPECT_TRUE(second.Checked()) << "the keys did arrive";
}

TEST_F(FlatCheckBox, AdvancedColoursFollowTheParentAndTheirSteps) {
    first.SetUseAdvColors(true);
    EXPECT_EQ(first.Color(), clSilver);
    EXPECT_EQ(first.ColorFocused(), RGB(202, 202, 202));
    EXPECT_EQ(first.ColorDown(), RGB(181, 181, 181));
    EXPECT_EQ(first.ColorBorder(), RGB(139, 139, 139));

    first.SetAdvColorFocused(20);  // luminance 181 + 20 = 201, 201 * 255 / 240 = 213
    EXPECT_EQ(first.ColorFocused(), RGB(213, 213, 213));
    first.SetAdvColorDown(0);  // a step of 0 keeps the colour
    first.SetColor(RGB(128, 128, 128));
    EXPECT_EQ(first.ColorDown(), RGB(181, 181, 181));
    EXPECT_EQ(first.ColorBorder(), RGB(74, 74, 74));  // luminance 120 - 50 = 70

    // New system colours: the box takes its parent's colour again.
    SendMessageA(form->Handle(), WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(first.Color(), clSilver);
    EXPECT_EQ(first.ColorBorder(), RGB(139, 139, 139));
}

TEST_F(FlatCheckBox, DestroyingTheTrackedBoxStopsTheTimer) {
    auto third = std::make_unique<TFlatCheckBox>();
    third->Create(panel.Handle(), {"Third", "", {16, 68, 121, 17}}, OptionFont(), clMaroon);
    Pump();
    MoveMouseTo(*third, {60, 8});
    ASSERT_TRUE(IsTracked(CheckBoxHoverTracker(), *third));
    third.reset();
    EXPECT_EQ(CheckBoxHoverTracker().Tracked(), nullptr);
    EXPECT_FALSE(CheckBoxHoverTracker().TimerRunning());
}

namespace {
BOOL CALLBACK AddFlatCheckBox(HWND child, LPARAM found) {
    if (auto* box = dynamic_cast<TFlatCheckBox*>(TWindow::FromHandle(child)))
        reinterpret_cast<std::vector<TFlatCheckBox*>*>(found)->push_back(box);
    return TRUE;
}
}  // namespace

// Captions are word-wrapped into boxes 17 pixels high: each must fit on its
// one line in the window's font, the narrow bitmap "MS Sans Serif", or its
// end is cut off.
TEST_F(FlatCheckBox, EveryOptionCaptionFitsOnItsLine) {
    for (int page = 1; page <= 13; ++page) form->OptionPage(page);
    std::vector<TFlatCheckBox*> boxes;
    EnumChildWindows(form->Handle(), AddFlatCheckBox, reinterpret_cast<LPARAM>(&boxes));
    ASSERT_GT(boxes.size(), 100u);

    HDC dc = GetDC(nullptr);
    {
        TSelectObject font(dc, OptionFont());
        char face[LF_FACESIZE] = {};
        GetTextFaceA(dc, LF_FACESIZE, face);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        EXPECT_STREQ(face, "MS Sans Serif");
        EXPECT_EQ(metrics.tmPitchAndFamily & TMPF_VECTOR, 0) << "the bitmap face";
        EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11) << "character height";
    }
    for (TFlatCheckBox* box : boxes) {
        if (box == &first || box == &second) continue;
        std::string caption = box->Text();
        TSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageA(box->Handle(), WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        RECT rect = box->CaptionRect();
        DrawTextA(dc, caption.c_str(), -1, &rect, DT_WORDBREAK | DT_CALCRECT);
        EXPECT_EQ(rect.bottom - rect.top, metrics.tmHeight) << "\"" << caption << "\" wraps";
    }
    ReleaseDC(nullptr, dc);
}
