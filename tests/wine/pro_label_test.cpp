#include "harness.h"
#include "rendering.h"
#include "widgets/panel.h"
#include "widgets/pro_label.h"

namespace {

HFONT TitleFont() { return Application().Font("MS Sans Serif", 16, true); }

// Page titles of their own on a silver panel laid over the notebook.
class ProLabel : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        panel.Create(form->Handle(), {149, 55, 368, 260});
        SetWindowPos(panel.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        title.Create(panel.Handle(), "Desktop Access", {8, 16, 300, 20}, TitleFont(), clSilver);
        Pump();
    }

    // Where the text itself is drawn: the caption alone, in a colour of its own.
    TPoints TextPoints(const std::string& caption) {
        TProLabel plain;
        plain.Create(panel.Handle(), caption, {8, 16, 300, 20}, TitleFont(), TestCheck);
        plain.ShadowStyle = TShadowStyle::ssNone;
        return TRendering(plain).PointsOf(TestCheck);
    }

    TPanel panel;
    TProLabel title;
};

TPoints Without(const TPoints& points, const TPoints& covered) {
    TPoints left;
    for (const auto& point : points)
        if (!covered.count(point)) left.insert(point);
    return left;
}

// The points that fall inside the label; a copy moved past its edge is cut off.
TPoints Inside(const TPoints& points, const TRendering& picture) {
    TPoints inside;
    for (const auto& point : points)
        if (point.first >= 0 && point.second >= 0 && point.first < picture.Width() && point.second < picture.Height())
            inside.insert(point);
    return inside;
}

}  // namespace

TEST_F(ProLabel, ATitleIsAGreyCopyDownRightALightCopyUpLeftAndTheSilverTextOnTop) {
    const TPoints text = TextPoints("Desktop Access");
    ASSERT_GT(text.size(), 50u);
    const TPoints light = Without(Shifted(text, -1, -1), text);
    const TPoints grey = Without(Without(Shifted(text, 1, 1), text), light);

    TRendering picture(title);
    EXPECT_EQ(picture.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)), Inside(light, picture));
    EXPECT_EQ(picture.PointsOf(clGray), Inside(grey, picture));
    for (const auto& point : text) ASSERT_EQ(picture.At(point.first, point.second), clSilver);

    // Every page title is drawn so.
    for (int page = 1; page <= 13; ++page) {
        TOptionPage* option = form->OptionPage(page);
        std::string caption = option->ProLabel.Text();
        SCOPED_TRACE(caption);
        title.SetText(caption);
        TRendering expected(title);
        TRendering actual(option->ProLabel);
        ASSERT_EQ(actual.Width(), expected.Width());
        EXPECT_EQ(actual.PointsOf(clGray), expected.PointsOf(clGray));
        EXPECT_EQ(actual.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)), expected.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)));
    }
}

TEST_F(ProLabel, ShadowsFollowTheirDirectionDepthAndSize) {
    const TPoints text = TextPoints("Desktop Access");
    const struct {
        TDirection direction;
        int depth, size;
        std::vector<POINT> copies;
    } cases[] = {
        {TDirection::drUp, 1, 1, {{0, -1}}},
        {TDirection::drDown, 1, 1, {{0, 1}}},
        {TDirection::drLeft, 1, 1, {{-1, 0}}},
        {TDirection::drRight, 1, 1, {{1, 0}}},
        {TDirection::drUpLeft, 1, 1, {{-1, -1}}},
        {TDirection::drUpRight, 1, 1, {{1, -1}}},
        {TDirection::drDownLeft, 1, 1, {{-1, 1}}},
        {TDirection::drDownRight, 1, 1, {{1, 1}}},
        {TDirection::drDownRight, 2, 1, {{2, 2}}},
        {TDirection::drRight, 1, 3, {{1, 0}, {2, 0}, {3, 0}}},
        {TDirection::drNone, 1, 1, {}},
    };
    title.HighlightDirection = TDirection::drNone;  // hidden under the text
    for (const auto& c : cases) {
        SCOPED_TRACE("direction " + std::to_string(static_cast<int>(c.direction)) + ", depth " +
                     std::to_string(c.depth) + ", size " + std::to_string(c.size));
        title.ShadowDirection = c.direction;
        title.ShadowDepth = c.depth;
        title.ShadowSize = c.size;
        TPoints shadow;
        for (POINT copy : c.copies)
            for (const auto& point : Shifted(text, copy.x, copy.y)) shadow.insert(point);
        TRendering picture(title);
        EXPECT_EQ(picture.PointsOf(clGray), Inside(Without(shadow, text), picture));
    }
}

TEST_F(ProLabel, WithoutAShadowStyleOnlyTheTextIsDrawn) {
    title.ShadowStyle = TShadowStyle::ssNone;
    TRendering picture(title);
    EXPECT_TRUE(picture.PointsOf(clGray).empty());
    EXPECT_TRUE(picture.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)).empty());
}

TEST_F(ProLabel, ADisabledLabelIsEngraved) {
    const TPoints text = TextPoints("Desktop Access");
    title.Disable();
    TRendering picture(title);
    EXPECT_EQ(picture.PointsOf(GetSysColor(COLOR_BTNSHADOW)), text);
    EXPECT_EQ(picture.PointsOf(GetSysColor(COLOR_BTNHIGHLIGHT)), Inside(Without(Shifted(text, 1, 1), text), picture));
    EXPECT_TRUE(picture.PointsOf(clGray).empty() || clGray == GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(ProLabel, ItIsTransparent) {
    // Over the panel's lowered edge, the edge shows through.
    TProLabel corner;
    corner.Create(panel.Handle(), "Desktop Access", {0, 0, 150, 20}, TitleFont(), clSilver);
    TRendering picture(corner);
    EXPECT_EQ(picture.At(0, 10), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(140, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(140, 10), clSilver);
}
