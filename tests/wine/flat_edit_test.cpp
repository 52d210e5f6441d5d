#include "harness.h"
#include "widgets/flat_edit.h"

namespace {

const COLORREF Silver = RGB(192, 192, 192);
const COLORREF White = RGB(255, 255, 255);
const COLORREF DefaultBorder = RGB(160, 150, 131);

// A pixel of a window as drawn, in window coordinates (frame included).
COLORREF PixelOf(const TWindow& window, int x, int y) {
    HDC dc = GetWindowDC(window.Handle());
    COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window.Handle(), dc);
    return pixel;
}

// The hover timer is driven by hand while in scope.
class TManualHoverClock {
public:
    TManualHoverClock() { FlatEditHoverTracker().SetManualClock(true); }
    ~TManualHoverClock() { FlatEditHoverTracker().SetManualClock(false); }
};

}  // namespace

class FlatEdit : public TFormTest {
protected:
    void SetUp() override {
        ResetMachine();
        TFormTest::SetUp();
        SelectPage(13);
        ASSERT_EQ(form->Notebook1.PageIndex(), 13);
    }
    TFlatEdit& Caption() { return form->Boot13.dialogcaption; }
    TFlatEdit& Text() { return form->Boot13.dialogtext; }

    // The face as the field reports it and as the screen shows it: one ring
    // of ColorBorder outside, two rings and the text area in the face.
    void ExpectFace(TFlatEdit& edit, COLORREF face) {
        Pump();
        EXPECT_EQ(edit.Face(), face);
        TBounds bounds = edit.Bounds();
        const int middle = bounds.Height / 2;
        EXPECT_EQ(PixelOf(edit, 0, middle), edit.ColorBorder()) << "border ring";
        EXPECT_EQ(PixelOf(edit, middle, 0), edit.ColorBorder()) << "border ring";
        EXPECT_EQ(PixelOf(edit, 1, middle), face) << "first face ring";
        EXPECT_EQ(PixelOf(edit, 2, middle), face) << "second face ring";
        EXPECT_EQ(PixelOf(edit, bounds.Width - 3, middle), face) << "second face ring, right";
        EXPECT_EQ(PixelOf(edit, bounds.Width - 5, bounds.Height - 4), face) << "text area";
    }
};

TEST_F(FlatEdit, IsFramedFlatInItsFaceWithTheHeightOfItsFontPlusSix) {
    for (TFlatEdit* edit : {&Caption(), &Text()}) {
        EXPECT_EQ(edit->ColorFlat(), Silver) << "the options panel's colour";
        EXPECT_EQ(edit->ColorFocused(), White);
        EXPECT_EQ(edit->ColorBorder(), DefaultBorder);
        LONG exStyle = GetWindowLongA(edit->Handle(), GWL_EXSTYLE);
        LONG style = GetWindowLongA(edit->Handle(), GWL_STYLE);
        EXPECT_FALSE(exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) << "no 3D border";
        EXPECT_FALSE(style & WS_BORDER);
        HDC dc = GetDC(edit->Handle());
        HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(edit->Handle(), WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(edit->Handle(), dc);
        TBounds bounds = edit->Bounds();
        EXPECT_EQ(bounds.Height, metrics.tmHeight + 6);
        RECT client{};
        GetClientRect(edit->Handle(), &client);
        EXPECT_EQ(client.right, bounds.Width - 6) << "three pixels of frame on each side";
        EXPECT_EQ(client.bottom, bounds.Height - 6);
        ExpectFace(*edit, Silver);
    }
}

TEST_F(FlatEdit, TheFaceLightsWithTheFocusOrUnderTheMouseUnlessAFlatEditHasTheFocus) {
    TManualHoverClock clock;
    TFlatCheckBox& box = form->Boot13.validlogon;
    const struct {
        const char* scenario;
        TWindow* focus;
        TFlatEdit* hovered;
        COLORREF captionFace;
        COLORREF textFace;
    } cases[] = {
        {"focus in the caption", &Caption(), nullptr, White, Silver},
        {"focus in the caption, mouse over the text", &Caption(), &Text(), White, Silver},
        {"focus in the text, mouse over the caption", &Text(), &Caption(), Silver, White},
        {"focus on a box, mouse over the caption", &box, &Caption(), White, Silver},
        {"focus on a box, mouse over the text", &box, &Text(), Silver, White},
        {"focus on a box, mouse elsewhere", &box, nullptr, Silver, Silver},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scenario);
        MoveMouseTo(form->Boot13.bapplyboot2, {5, 5});
        FlatEditHoverTracker().Tick();
        c.focus->SetFocus();
        if (c.hovered) MoveMouseTo(*c.hovered, {20, 5});
        ExpectFace(Caption(), c.captionFace);
        ExpectFace(Text(), c.textFace);
    }
    // Leaving for the panel unlights the field at the next tick of the hover timer.
    box.SetFocus();
    MoveMouseTo(Caption(), {20, 5});
    ExpectFace(Caption(), White);
    MoveMouseTo(form->Boot13.optionsPanel, {5, 5});
    FlatEditHoverTracker().Tick();
    EXPECT_FALSE(Caption().Hovered());
    ExpectFace(Caption(), Silver);
    // Straight from one field to the other: the first unlights at once.
    MoveMouseTo(Caption(), {20, 5});
    MoveMouseTo(Text(), {20, 5});
    EXPECT_FALSE(Caption().Hovered());
    EXPECT_TRUE(Text().Hovered());
}

TEST_F(FlatEdit, ClickingIntoTheFieldTurnsItWhite) {
    ExpectFace(Caption(), Silver);
    Click(Caption());
    EXPECT_TRUE(Caption().Focused());
    ExpectFace(Caption(), White);
    Click(form->Boot13.validlogon);
    MoveMouseTo(form->Boot13.bapplyboot2, {5, 5});
    FlatEditHoverTracker().Tick();
    ExpectFace(Caption(), Silver);
}

TEST_F(FlatEdit, MaxLengthLimitsTypingOnly) {
    const struct {
        TFlatEdit* edit;
        size_t limit;
    } cases[] = {{&Caption(), 128}, {&Text(), 256}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        c.edit->SetText("");
        Click(*c.edit);
        TypeText(std::string(c.limit - 2, 'a') + "bcde");
        EXPECT_EQ(c.edit->Text(), std::string(c.limit - 2, 'a') + "bc") << "typing stops at the limit";
        const std::string longer(c.limit + 50, 'x');
        c.edit->SetText(longer);
        EXPECT_EQ(c.edit->Text(), longer) << "text set by code is kept whole";
    }
}

TEST_F(FlatEdit, AdvancedColoursAreDerivedFromTheFace) {
    TFlatEdit& edit = Caption();
    edit.SetUseAdvColors(true);
    EXPECT_EQ(edit.ColorFlat(), Silver);
    EXPECT_EQ(edit.ColorFocused(), RGB(202, 202, 202));
    EXPECT_EQ(edit.ColorBorder(), RGB(139, 139, 139));
    edit.SetFocus();
    ExpectFace(edit, RGB(202, 202, 202));
}

TEST_F(FlatEdit, ADisabledFieldDropsItsHoverAndKeepsItsFrame) {
    TManualHoverClock clock;
    form->Boot13.validlogon.SetFocus();
    MoveMouseTo(Caption(), {20, 5});
    ASSERT_TRUE(Caption().Hovered());
    Caption().Disable();
    EXPECT_FALSE(Caption().Hovered());
    EXPECT_EQ(FlatEditHoverTracker().Tracked(), nullptr);
    ExpectFace(Caption(), Silver);
    Caption().Enable();
}
