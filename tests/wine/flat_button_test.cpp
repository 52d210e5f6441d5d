#include "harness.h"
#include "rendering.h"
#include "pages/option_page.h"
#include "widgets/flat_button.h"
#include "widgets/panel.h"

namespace {

const COLORREF TestHighLight = RGB(255, 200, 200);
const COLORREF TestShadow = RGB(60, 0, 90);

// A button of its own, where the Apply Changes buttons stand, on a silver
// panel laid over the notebook of a real main window.
class FlatButton : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        panel.Create(form->Handle(), {149, 55, 368, 260});
        SetWindowPos(panel.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        button.Create(panel.Handle(), {"&Go", "", {136, 184, 89, 25}}, WindowFont());
        button.OnClick = [this] { ++clicks; };
        Pump();
    }

    void UseTestColours() {
        button.SetColor(TestFace);
        button.SetColorFocused(TestFocused);
        button.SetColorDown(TestDown);
        button.SetColorBorder(TestBorder);
        button.SetColorHighLight(TestHighLight);
        button.SetColorShadow(TestShadow);
    }

    // The one-pixel ring around the client area, corners left out, side by side.
    struct TFrame {
        COLORREF Top, Left, Bottom, Right;
    };
    static void ExpectFrame(const TRendering& picture, const TFrame& frame) {
        const int right = picture.Width() - 1, bottom = picture.Height() - 1;
        for (int x = 1; x < right; ++x) {
            ASSERT_EQ(picture.At(x, 0), frame.Top) << "top, x=" << x;
            ASSERT_EQ(picture.At(x, bottom), frame.Bottom) << "bottom, x=" << x;
        }
        for (int y = 1; y < bottom; ++y) {
            ASSERT_EQ(picture.At(0, y), frame.Left) << "left, y=" << y;
            ASSERT_EQ(picture.At(right, y), frame.Right) << "right, y=" << y;
        }
    }

    POINT Centre() const { return {44, 12}; }
    POINT OnPanel() const { return {20, 20}; }

    TManualClock clock{ButtonHoverTracker()};
    TPanel panel;
    TFlatButton button;
    int clicks = 0;
};

}  // namespace

TEST_F(FlatButton, EachStateHasItsFrameFaceAndCaption) {
    UseTestColours();
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);

    TRendering up(button);
    ExpectFrame(up, {TestBorder, TestBorder, TestBorder, TestBorder});
    EXPECT_EQ(up.At(2, 2), TestFace);
    const TPoints caption = up.PointsOf(text);
    ASSERT_FALSE(caption.empty());

    MoveMouseTo(button, Centre());
    ASSERT_TRUE(button.Hovered());
    TRendering hovered(button);
    ExpectFrame(hovered, {TestHighLight, TestHighLight, TestShadow, TestShadow});
    EXPECT_EQ(hovered.At(2, 2), TestFocused);
    EXPECT_EQ(hovered.PointsOf(text), caption);

    PressMouseAt(button, Centre());
    ASSERT_EQ(button.State(), TFlatButton::TState::bsDown);
    TRendering pressed(button);
    ExpectFrame(pressed, {TestShadow, TestShadow, TestHighLight, TestHighLight});
    EXPECT_EQ(pressed.At(2, 2), TestDown);
    EXPECT_EQ(pressed.PointsOf(text), Shifted(caption, 1, 1)) << "one pixel right and down";
    ReleaseMouse();
    EXPECT_EQ(clicks, 1);

    button.Disable();
    TRendering disabled(button);
    ExpectFrame(disabled, {TestBorder, TestBorder, TestBorder, TestBorder});
    EXPECT_EQ(disabled.At(2, 2), TestFace);
    EXPECT_TRUE(disabled.PointsOf(text).empty());
    EXPECT_EQ(disabled.PointsOf(GetSysColor(COLOR_BTNSHADOW)), caption) << "the shadow copy in place";
    TPoints light;
    for (const auto& point : Shifted(caption, 1, 1))
        if (!caption.count(point)) light.insert(point);
    EXPECT_EQ(disabled.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)), light) << "the light copy right and down";
}

TEST_F(FlatButton, PressMoveOutMoveInReleaseClicksOnce) {
    PressMouseAt(button, Centre());
    EXPECT_EQ(button.State(), TFlatButton::TState::bsDown);
    EXPECT_TRUE(button.Focused());

    MoveMouseTo(panel, OnPanel());
    EXPECT_EQ(button.State(), TFlatButton::TState::bsUp) << "the up look while outside";
    ButtonHoverTracker().Tick();
    EXPECT_TRUE(button.Hovered()) << "still lit while dragging";

    MoveMouseTo(button, Centre());
    EXPECT_EQ(button.State(), TFlatButton::TState::bsDown);
    EXPECT_EQ(clicks, 0);

    ReleaseMouse();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), TFlatButton::TState::bsUp);
    EXPECT_TRUE(button.Hovered()) << "the pointer is still over it";
}

TEST_F(FlatButton, PressMoveOutReleaseClicksNothingAndTheButtonLightsAgainLater) {
    PressMouseAt(button, Centre());
    MoveMouseTo(panel, OnPanel());
    ReleaseMouse();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button.State(), TFlatButton::TState::bsUp);
    EXPECT_FALSE(button.Hovered());
    EXPECT_FALSE(button.Dragging());

    MoveMouseTo(button, Centre());
    EXPECT_TRUE(button.Hovered()) << "coming back lights it";
    MoveMouseTo(panel, OnPanel());
    ButtonHoverTracker().Tick();
    EXPECT_FALSE(button.Hovered());
}

TEST_F(FlatButton, HasItsOwnTimerApartFromTheCheckBoxes) {
    MoveMouseTo(button, Centre());
    EXPECT_TRUE(IsTracked(ButtonHoverTracker(), button));
    EXPECT_TRUE(ButtonHoverTracker().TimerRunning());
    EXPECT_EQ(CheckBoxHoverTracker().Tracked(), nullptr);

    MoveMouseTo(panel, OnPanel());
    EXPECT_TRUE(button.Hovered());
    ButtonHoverTracker().Tick();
    EXPECT_FALSE(button.Hovered());
    EXPECT_FALSE(ButtonHoverTracker().TimerRunning());
}

TEST_F(FlatButton, TheAcceleratorClicksAnEnabledButtonOnly) {
    panel.SetFocus();  // a control that leaves characters to the dialog manager
    Pump();
    PressKey('G');
    EXPECT_EQ(clicks, 1);

    button.Disable();
    PressKey('G');
    Click(button);
    EXPECT_EQ(clicks, 1) << "a disabled button ignores its accelerator and the mouse";
    MoveMouseTo(button, Centre());
    EXPECT_FALSE(button.Hovered());
}

TEST_F(FlatButton, AHandlerThatDisablesItsButtonLeavesItDisabledAndUnlit) {
    UseTestColours();
    button.OnClick = [this] {
        ++clicks;
        button.Disable();
    };
    Click(button);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), TFlatButton::TState::bsDisabled);
    EXPECT_FALSE(button.Hovered());
    EXPECT_EQ(ButtonHoverTracker().Tracked(), nullptr);
    TRendering picture(button);
    ExpectFrame(picture, {TestBorder, TestBorder, TestBorder, TestBorder});
    EXPECT_EQ(picture.At(2, 2), TestFace);
}

TEST_F(FlatButton, EnabledUnderThePointerItLightsAndTheTimerUnlightsIt) {
    button.Disable();
    MoveMouseTo(button, Centre());
    button.Enable();
    EXPECT_TRUE(button.Hovered());
    MoveMouseTo(panel, OnPanel());
    ButtonHoverTracker().Tick();
    EXPECT_FALSE(button.Hovered());
}

TEST_F(FlatButton, AdvancedColoursOnSilverAreThoseOfTheFirstApplyButton) {
    button.SetUseAdvColors(true);
    EXPECT_EQ(button.ColorFocused(), RGB(202, 202, 202));
    EXPECT_EQ(button.ColorDown(), RGB(181, 181, 181));
    EXPECT_EQ(button.ColorBorder(), RGB(139, 139, 139));

    form->OptionPage(1);
    form->OptionPage(2);
    TFlatButton& bapplydesk1 = form->desktop1.bapplydesk1;
    EXPECT_EQ(bapplydesk1.ColorFocused(), RGB(202, 202, 202));
    EXPECT_EQ(bapplydesk1.ColorDown(), RGB(181, 181, 181));
    EXPECT_EQ(bapplydesk1.ColorBorder(), RGB(139, 139, 139));
    TFlatButton& bapplydesk2 = form->desktop2.bapplydesk2;
    EXPECT_EQ(bapplydesk2.ColorFocused(), RGB(235, 235, 225));
    EXPECT_EQ(bapplydesk2.ColorDown(), RGB(217, 214, 197));
    EXPECT_EQ(bapplydesk2.ColorBorder(), RGB(160, 150, 131));
}
