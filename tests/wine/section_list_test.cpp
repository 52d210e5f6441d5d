#include "harness.h"
#include "rendering.h"
#include "base/exceptions.h"

namespace {

// What the list raised, with the number of rows it had at that moment.
struct TEvent {
    std::string Kind;
    int Section;
    int SubItem;
    int Rows;
    bool operator==(const TEvent& other) const {
        return Kind == other.Kind && Section == other.Section && SubItem == other.SubItem && Rows == other.Rows;
    }
};

void PrintTo(const TEvent& event, std::ostream* out) {
    *out << event.Kind << "(" << event.Section << "," << event.SubItem << ") at " << event.Rows << " rows";
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void RightClickAt(const TWindow& control, POINT client) {
    MoveMouseTo(control, client);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    Pump();
}

// The client area of a window as it shows on the screen.
class TCapture : public TRendering {
public:
    explicit TCapture(HWND window) : TRendering(window, [window](HDC memory) { CopyFromScreen(window, memory); }) {}

    static void CopyFromScreen(HWND window, HDC memory) {
        RECT client{};
        GetClientRect(window, &client);
        HDC screen = GetDC(window);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        ReleaseDC(window, screen);
    }

    // The smallest rectangle inside an area that holds every pixel not of the background.
    RECT Ink(const RECT& area, COLORREF background) const {
        RECT ink{area.right, area.bottom, area.left, area.top};
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                if (At(x, y) == background) continue;
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                       std::max<LONG>(ink.bottom, y + 1)};
            }
        return ink;
    }
    int Count(const RECT& area, COLORREF colour) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) count += At(x, y) == colour;
        return count;
    }
};

int Brightness(COLORREF colour) { return GetRValue(colour) + GetGValue(colour) + GetBValue(colour); }

int TextWidth(const char* face, int height, bool bold, const std::string& text) {
    TFont font(CreateFontOf(face, height, bold));
    HDC dc = GetDC(nullptr);
    SIZE size{};
    {
        TSelectObject selected(dc, font.Get());
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ReleaseDC(nullptr, dc);
    return size.cx;
}

// The drag of a scroll thumb runs a loop of its own; these steps run in it, off a timer.
struct TThumbDrag {
    HWND List = nullptr;
    POINT To{};
    int Step = 0;
    int TopWhileHeld = -1;
    int TrackWhileHeld = -1;
    bool Released = false;
};
TThumbDrag* currentDrag = nullptr;

void CALLBACK DragStep(HWND, UINT, UINT_PTR timer, DWORD) {
    TThumbDrag& drag = *currentDrag;
    if (drag.Step++ == 0) {
        SetCursorPos(drag.To.x, drag.To.y);
        SendMouse(MOUSEEVENTF_MOVE);
        return;
    }
    drag.TopWhileHeld = static_cast<int>(SendMessageA(drag.List, LB_GETTOPINDEX, 0, 0));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    GetScrollInfo(drag.List, SB_VERT, &info);
    drag.TrackWhileHeld = info.nTrackPos;
    KillTimer(nullptr, timer);
    SendMouse(MOUSEEVENTF_LEFTUP);
    drag.Released = true;
}

class SectionList : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        list().OnExpandSection = [this](int section) { events.push_back({"expand", section, -1, list().RowCount()}); };
        list().OnContractSection = [this](int section) {
            events.push_back({"contract", section, -1, list().RowCount()});
        };
        list().OnSubItemClick = [this](int section, int subItem) {
            events.push_back({"subitem", section, subItem, list().RowCount()});
        };
    }

    TSectionListBox& list() { return form->optionlist1; }

    std::vector<TListSection> Sections() {
        std::vector<TListSection> sections;
        for (int i = 0; i < list().SectionCount(); ++i) sections.push_back(list().Section(i));
        return sections;
    }

    // A point of a row, the row scrolled into view first.
    POINT RowPoint(int row, int x) {
        RECT client{};
        GetClientRect(list().Handle(), &client);
        RECT rect = list().RowRect(row);
        if (rect.top < 0 || rect.bottom > client.bottom) {
            SendMessageA(list().Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
            rect = list().RowRect(row);
        }
        return {x, (rect.top + rect.bottom) / 2};
    }

    // Consecutive clicks land 40 pixels apart, so that no two make a double click.
    void ClickRow(int row, int x = 0) {
        if (x == 0) x = 40 + 40 * (clicks_++ % 2);
        ClickAt(list(), RowPoint(row, x));
    }

    void OpenAllFromCode() {
        for (int section = 0; section < 4; ++section) list().SetSectionState(section, TSectionState::lssExpanded);
    }

    // The list box's rows are the model's rows, each as high as the model says.
    void ExpectRowsOfTheModel() {
        auto sections = Sections();
        auto rows = BuildRows(sections);
        ASSERT_EQ(list().RowCount(), static_cast<int>(rows.size()));
        int top = 0;
        for (int row = list().TopRow(); row < list().RowCount(); ++row) {
            RECT rect = list().RowRect(row);
            EXPECT_EQ(rect.top, top) << "row " << row;
            EXPECT_EQ(rect.bottom - rect.top, RowHeight(sections, rows[static_cast<size_t>(row)], 24)) << "row " << row;
            top = rect.bottom;
        }
    }

    void MoveFocusAway() {
        form->SetFocus();
        Pump();
        ASSERT_FALSE(list().Focused());
    }

    std::vector<TEvent> events;

private:
    int clicks_ = 0;
};

}  // namespace

TEST_F(SectionList, StartsWithFourContractedSectionsTheirCaptionsAndNoSelection) {
    const char* const captions[] = {" Desktop Options", " System Options", " User Restrictions", " Boot Options"};
    const std::vector<std::vector<std::string>> subItems = {
        {"Desktop Access", "Files and Folders", "Start Menu Options", "Active Desktop"},
        {"System Access", "Network Access", "Internet Access", "Printer Options", "Control Panels"},
        {"Program Access", "Drives Access"},
        {"Boot Settings", "Windows Logon"},
    };
    ASSERT_EQ(list().SectionCount(), 4);
    for (int section = 0; section < 4; ++section) {
        EXPECT_EQ(list().Section(section).Caption, captions[section]);
        EXPECT_EQ(list().Section(section).SubItems, subItems[static_cast<size_t>(section)]);
        EXPECT_EQ(list().Section(section).State, TSectionState::lssContracted);
    }
    EXPECT_EQ(list().SelectedRow(), LB_ERR);
    ExpectRowsOfTheModel();
    EXPECT_EQ(list().RowRect(3).bottom, 96);
    EXPECT_EQ(GetWindowLongA(list().Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0) << "a plain border, no 3D edge";
    EXPECT_NE(GetWindowLongA(list().Handle(), GWL_STYLE) & WS_BORDER, 0);
}

TEST_F(SectionList, APressOnAHeaderTogglesItsSectionAndRaisesTheEventAfterTheRowsChanged) {
    const int sortStrip = 149 - GetSystemMetrics(SM_CXVSCROLL) - 15;  // toggles like the rest of the header
    const struct {
        int Row, X;
        TEvent Expected;
    } presses[] = {
        {0, 40, {"expand", 0, -1, 8}},   {5, 100, {"expand", 1, -1, 13}},
        {0, sortStrip, {"contract", 0, -1, 9}}, {1, 2, {"contract", 1, -1, 4}},
        {3, 140, {"expand", 3, -1, 6}},  {2, 70, {"expand", 2, -1, 8}},
    };
    for (const auto& press : presses) {
        SCOPED_TRACE(testing::PrintToString(press.Expected));
        events.clear();
        ClickRow(press.Row, press.X);
        EXPECT_EQ(events, std::vector<TEvent>{press.Expected});
        EXPECT_EQ(list().SelectedRow(), press.Row) << "the selection stays on the header";
        EXPECT_TRUE(list().Focused());
        ExpectRowsOfTheModel();
    }
    for (int section : {0, 1})
        EXPECT_EQ(list().Section(section).State, TSectionState::lssContracted);
    for (int section : {2, 3})
        EXPECT_EQ(list().Section(section).State, TSectionState::lssExpanded);
}

TEST_F(SectionList, SpaceTogglesAHeaderAndRaisesTheSubItemEventOnASubItem) {
    ClickRow(0);  // opens " Desktop Options" and selects its header
    const struct {
        WORD Key;
        int Selected;
        std::vector<TEvent> Expected;
    } steps[] = {
        {VK_SPACE, 0, {{"contract", 0, -1, 4}}},
        {VK_SPACE, 0, {{"expand", 0, -1, 8}}},
        {VK_DOWN, 1, {}},
        {VK_SPACE, 1, {{"subitem", 0, 0, 8}}},
        {VK_SPACE, 1, {{"subitem", 0, 0, 8}}},
        {VK_END, 7, {}},
        {VK_SPACE, 7, {{"expand", 3, -1, 10}}},
        {VK_DOWN, 8, {}},
        {VK_SPACE, 8, {{"subitem", 3, 0, 10}}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.Key);
        events.clear();
        PressKey(step.Key);
        EXPECT_EQ(events, step.Expected);
        EXPECT_EQ(list().SelectedRow(), step.Selected);
    }
}

TEST_F(SectionList, APressOnASubItemRaisesTheSubItemEventAlsoWhenItIsSelected) {
    list().SetSectionState(0, TSectionState::lssExpanded);
    list().SetSectionState(3, TSectionState::lssExpanded);
    const struct {
        int Row;
        TEvent Expected;
    } presses[] = {
        {2, {"subitem", 0, 1, 10}}, {2, {"subitem", 0, 1, 10}}, {9, {"subitem", 3, 1, 10}},
        {4, {"subitem", 0, 3, 10}}, {9, {"subitem", 3, 1, 10}},
    };
    for (const auto& press : presses) {
        events.clear();
        ClickRow(press.Row);
        EXPECT_EQ(events, std::vector<TEvent>{press.Expected});
        EXPECT_EQ(list().SelectedRow(), press.Row);
    }
    EXPECT_EQ(list().Section(0).State, TSectionState::lssExpanded);
    EXPECT_EQ(list().Section(3).State, TSectionState::lssExpanded);
}

TEST_F(SectionList, SelectionKeysMoveTheSelectionAndRaiseNothing) {
    const int PageDown = -1, PageUp = -2;
    OpenAllFromCode();
    list().SetFocus();
    const struct {
        WORD Key;
        int Selected;  // PageDown, PageUp: a page away from the previous row
    } keys[] = {
        {VK_HOME, 0}, {VK_DOWN, 1},  {VK_DOWN, 2},  {VK_UP, 1},   {VK_RIGHT, 2},         {VK_LEFT, 1},
        {VK_END, 16}, {VK_HOME, 0}, {VK_NEXT, PageDown}, {VK_NEXT, PageDown}, {VK_PRIOR, PageUp},
    };
    int previous = LB_ERR;
    for (const auto& key : keys) {
        SCOPED_TRACE(key.Key);
        PressKey(key.Key);
        int selected = list().SelectedRow();
        if (key.Selected == PageDown)
            EXPECT_GT(selected, previous + 1);
        else if (key.Selected == PageUp)
            EXPECT_LT(selected, previous - 1);
        else
            EXPECT_EQ(selected, key.Selected);
        RECT rect = list().RowRect(selected);
        RECT client{};
        GetClientRect(list().Handle(), &client);
        EXPECT_TRUE(rect.top >= 0 && rect.bottom <= client.bottom) << "the selection is scrolled into view";
        previous = selected;
    }
    EXPECT_EQ(events, std::vector<TEvent>{});
    for (int section = 0; section < 4; ++section)
        EXPECT_EQ(list().Section(section).State, TSectionState::lssExpanded);
    EXPECT_EQ(form->Notebook1.PageIndex(), 0);
}

TEST_F(SectionList, ADoubleClickCountsOnce) {
    const struct {
        int Row;
        TEvent Expected;
    } doubles[] = {
        {0, {"expand", 0, -1, 8}},
        {2, {"subitem", 0, 1, 8}},
        {0, {"contract", 0, -1, 4}},
    };
    for (const auto& press : doubles) {
        events.clear();
        DoubleClickAt(list(), RowPoint(press.Row, 60));
        EXPECT_EQ(events, std::vector<TEvent>{press.Expected});
    }
}

TEST_F(SectionList, APressBelowTheLastRowTogglesNothingAndRaisesNothing) {
    ClickAt(list(), {60, 150});  // the last row a header
    EXPECT_EQ(events, std::vector<TEvent>{});
    list().SetSectionState(3, TSectionState::lssExpanded);
    ClickRow(4);  // "Boot Settings": the last but one row, a sub-item, selected
    events.clear();
    ClickAt(list(), {60, 200});
    ClickAt(list(), {100, 258});
    EXPECT_EQ(events, std::vector<TEvent>{});
    for (int section = 0; section < 3; ++section)
        EXPECT_EQ(list().Section(section).State, TSectionState::lssContracted);
    EXPECT_EQ(list().Section(3).State, TSectionState::lssExpanded);
}

TEST_F(SectionList, SettingAStateFromCodeChangesTheRowsAndRaisesNoEvent) {
    const struct {
        int Section;
        TSectionState State;
        int Rows;
    } changes[] = {
        {1, TSectionState::lssExpanded, 9},    {1, TSectionState::lssExpanded, 9},
        {0, TSectionState::lssExpanded, 13},   {3, TSectionState::lssContracted, 13},
        {1, TSectionState::lssContracted, 8},  {3, TSectionState::lssExpanded, 10},
        {0, TSectionState::lssContracted, 6},  {3, TSectionState::lssContracted, 4},
    };
    for (const auto& change : changes) {
        list().SetSectionState(change.Section, change.State);
        EXPECT_EQ(list().Section(change.Section).State, change.State);
        EXPECT_EQ(list().RowCount(), change.Rows);
        ExpectRowsOfTheModel();
    }
    Pump();
    EXPECT_EQ(events, std::vector<TEvent>{});
}

TEST_F(SectionList, RightClicksInsertAndDeleteDoNothing) {
    list().SetSectionState(0, TSectionState::lssExpanded);
    ClickRow(2);
    events.clear();
    RightClickAt(list(), RowPoint(0, 60));
    RightClickAt(list(), RowPoint(3, 60));
    RightClickAt(list(), RowPoint(5, 60));
    PressKey(VK_INSERT);
    PressKey(VK_DELETE);
    EXPECT_EQ(events, std::vector<TEvent>{});
    EXPECT_EQ(list().SelectedRow(), 2);
    EXPECT_EQ(list().RowCount(), 8);
    EXPECT_EQ(list().Section(0).State, TSectionState::lssExpanded);
    EXPECT_EQ(list().Section(1).State, TSectionState::lssContracted);
}

TEST_F(SectionList, AnErrorOfAHandlerLeavesTheListAsItWasAtTheEvent) {
    const struct {
        const char* Name;
        int Row;
        TSectionState State;  // of section 0 afterwards
        int Rows;
    } cases[] = {
        {"expand", 0, TSectionState::lssExpanded, 8},
        {"subitem", 3, TSectionState::lssExpanded, 8},
        {"contract", 0, TSectionState::lssContracted, 4},
    };
    auto fail = [](const std::string& what) { throw Exception("The " + what + " handler failed"); };
    list().OnExpandSection = [&](int) { fail("expand"); };
    list().OnContractSection = [&](int) { fail("contract"); };
    list().OnSubItemClick = [&](int, int) { fail("subitem"); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        shell.Clear();
        ClickRow(c.Row);
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{std::string("The ") + c.Name + " handler failed."});
        EXPECT_EQ(list().Section(0).State, c.State);
        EXPECT_EQ(list().RowCount(), c.Rows);
        EXPECT_EQ(list().SelectedRow(), c.Row);
        ExpectRowsOfTheModel();
    }
}

// A press whose handler opened a box may end anywhere; the list must not go on tracking the pointer.
TEST_F(SectionList, APressReleasedOutsideTheListLeavesTheSelectionWhereItWas) {
    list().SetSectionState(1, TSectionState::lssExpanded);
    PressMouseAt(list(), RowPoint(3, 60));
    EXPECT_EQ(events, (std::vector<TEvent>{{"subitem", 1, 1, 9}}));
    MoveMouseTo(form->Notebook1, {100, 100});
    ReleaseMouse();
    for (int row : {5, 1, 7}) MoveMouseTo(list(), RowPoint(row, 60));
    EXPECT_EQ(list().SelectedRow(), 3);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(SectionList, TheScrollBarShowsWhenTheRowsOutgrowTheListAndScrollsWhenTheThumbIsReleased) {
    auto scrollBarShown = [this] {
        SCROLLBARINFO info{};
        info.cbSize = sizeof(info);
        GetScrollBarInfo(list().Handle(), OBJID_VSCROLL, &info);
        return (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0;
    };
    RECT client{};
    GetClientRect(list().Handle(), &client);
    ASSERT_EQ(client.bottom, 259);
    EXPECT_FALSE(scrollBarShown());
    for (int section = 0; section < 4; ++section) {
        ClickRow(HeaderRowOf(Sections(), section));
        bool outgrown = RowsHeight(Sections(), 24) > client.bottom;
        EXPECT_EQ(scrollBarShown(), outgrown) << "section " << section << " opened";
        EXPECT_EQ(list().VerticalScrollBarShown(), outgrown);
    }
    ASSERT_TRUE(scrollBarShown());

    // Flat and 13 wide where the platform's flat scroll bar takes the width.
    int width = GetSystemMetrics(SM_CXVSCROLL);
    using GetPropFunction = BOOL(WINAPI*)(HWND, UINT, LPINT);
    auto getProp = reinterpret_cast<GetPropFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "FlatSB_GetScrollProp")));
    int flatWidth = 0;
    if (getProp && getProp(list().Handle(), 1 /* WSB_PROP_CXVSCROLL */, &flatWidth)) {
        EXPECT_EQ(flatWidth, 13);
        width = flatWidth;
    }
    GetClientRect(list().Handle(), &client);
    EXPECT_EQ(client.right, 147 - width);

    SendMessageA(list().Handle(), LB_SETTOPINDEX, 0, 0);
    SCROLLBARINFO bar{};
    bar.cbSize = sizeof(bar);
    GetScrollBarInfo(list().Handle(), OBJID_VSCROLL, &bar);
    POINT thumb{(bar.rcScrollBar.left + bar.rcScrollBar.right) / 2,
                bar.rcScrollBar.top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
    TThumbDrag drag;
    drag.List = list().Handle();
    drag.To = {thumb.x, bar.rcScrollBar.bottom - 20};
    currentDrag = &drag;
    MoveMouseTo(thumb);
    SetTimer(nullptr, 0, 50, &DragStep);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    for (int i = 0; i < 100 && !drag.Released; ++i) Pump(10);
    Pump();
    currentDrag = nullptr;
    ASSERT_TRUE(drag.Released);
    EXPECT_GT(drag.TrackWhileHeld, 0) << "the thumb was dragged";
    EXPECT_EQ(drag.TopWhileHeld, 0) << "the list waits for the release";
    EXPECT_GT(list().TopRow(), 0) << "and scrolls then";
    EXPECT_EQ(events.size(), 4u) << "scrolling raises nothing";

    for (int section = 0; section < 4; ++section) list().SetSectionState(section, TSectionState::lssContracted);
    Pump();
    EXPECT_FALSE(scrollBarShown());
}

namespace {

// The look, read from the screen, with window-text and highlight-text colours
// that differ from black and white.
class SectionListLook : public SectionList {
protected:
    void SetUp() override {
        const int indices[] = {COLOR_WINDOWTEXT, COLOR_HIGHLIGHTTEXT};
        const COLORREF colours[] = {WindowText, HighlightText};
        for (int i = 0; i < 2; ++i) saved_[i] = GetSysColor(indices[i]);
        SetSysColors(2, indices, colours);
        SectionList::SetUp();
    }
    void TearDown() override {
        SectionList::TearDown();
        const int indices[] = {COLOR_WINDOWTEXT, COLOR_HIGHLIGHTTEXT};
        SetSysColors(2, indices, saved_);
    }

    int Width() {
        RECT client{};
        GetClientRect(list().Handle(), &client);
        return client.right;
    }

    // The raised box of a closed section is lit from the upper left, the
    // sunken box of an open one from the lower right.
    void ExpectNodeBox(const TCapture& picture, int row, bool sunken) {
        SCOPED_TRACE("node box of row " + std::to_string(row));
        int top = list().RowRect(row).top;
        RECT ink = picture.Ink({1, top + 1, 14, top + 23}, clGray);
        EXPECT_NEAR(ink.left, 4, 1);
        EXPECT_NEAR(ink.top, top + 8, 1);
        EXPECT_EQ(ink.right, 12);
        EXPECT_EQ(ink.bottom, top + 16);
        EXPECT_EQ(picture.At(8, top + 12), GetSysColor(COLOR_BTNFACE));
        bool litFromAbove = Brightness(picture.At(5, top + 9)) > Brightness(picture.At(10, top + 14));
        EXPECT_EQ(litFromAbove, !sunken);
    }

    void ExpectHeader(const TCapture& picture, int row, const std::string& caption) {
        SCOPED_TRACE("header row " + std::to_string(row));
        RECT rect = list().RowRect(row);
        int width = Width();
        EXPECT_EQ(picture.Count({0, rect.top, width - 1, rect.top + 1}, clWhite), width - 1) << "top edge";
        EXPECT_EQ(picture.Count({0, rect.top, 1, rect.bottom - 1}, clWhite), 23) << "left edge";
        EXPECT_EQ(picture.Count({1, rect.bottom - 1, width, rect.bottom}, clGray), width - 1) << "bottom edge";
        EXPECT_EQ(picture.Count({width - 1, rect.top + 1, width, rect.bottom}, clGray), 23) << "right edge";
        EXPECT_EQ(picture.Count({1, rect.top + 1, 4, rect.bottom - 1}, clGray), 3 * 22) << "grey fill";

        int bold = TextWidth("Arial", 11, true, caption);
        ASSERT_GT(bold, TextWidth("Arial", 11, false, caption) + 3);
        RECT ink = picture.Ink({13, rect.top + 1, width - 1, rect.bottom - 1}, clGray);
        EXPECT_GT(ink.left, 15) << "after the caption's leading blank, from x=15";
        EXPECT_NEAR(ink.right, 15 + bold, 2) << "bold Arial, character height 11";
        EXPECT_NEAR((ink.top + ink.bottom) / 2, rect.top + 12, 2) << "centred vertically";
        EXPECT_GT(picture.Count(ink, clWhite), 20) << "white";
    }

    // A sub-item's text from x=20 in its section's font and colour.
    void ExpectSubItem(const TCapture& picture, int row, COLORREF fill, COLORREF text, int textWidth) {
        SCOPED_TRACE("sub-item row " + std::to_string(row));
        RECT rect = list().RowRect(row);
        RECT inside{2, rect.top + 2, Width() - 2, rect.bottom - 2};
        RECT ink = picture.Ink(inside, fill);
        EXPECT_EQ(picture.At(1, rect.top + 2), fill);
        EXPECT_EQ(picture.At(Width() - 3, rect.bottom - 3), fill);
        EXPECT_NEAR(ink.left, 21, 1);
        EXPECT_NEAR(ink.right, 20 + textWidth, 2);
        EXPECT_GT(picture.Count(ink, text), 10);
    }

    static constexpr COLORREF WindowText = RGB(0, 0, 160);
    static constexpr COLORREF HighlightText = RGB(255, 255, 0);

private:
    COLORREF saved_[2] = {};
};

}  // namespace

TEST_F(SectionListLook, HeadersAreGreyFramedRowsWithANodeBoxAndABoldWhiteCaption) {
    ClickRow(0);  // opens " Desktop Options"; its header is selected
    MoveFocusAway();
    TCapture opened(list().Handle());
    ExpectHeader(opened, 0, " Desktop Options");
    ExpectHeader(opened, 5, " System Options");
    ExpectNodeBox(opened, 0, true);
    ExpectNodeBox(opened, 5, false);

    // A selected header looks like any other.
    SendMessageA(list().Handle(), LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    Pump();
    TCapture unselected(list().Handle());
    RECT header = list().RowRect(0);
    for (int y = header.top; y < header.bottom; ++y)
        for (int x = 0; x < Width(); ++x) ASSERT_EQ(opened.At(x, y), unselected.At(x, y)) << x << "," << y;

    // A change from code redraws the node boxes too.
    list().SetSectionState(0, TSectionState::lssContracted);
    list().SetSectionState(1, TSectionState::lssExpanded);
    Pump();
    TCapture changed(list().Handle());
    ExpectNodeBox(changed, 0, false);
    ExpectNodeBox(changed, 1, true);
    ExpectHeader(changed, 7, " User Restrictions");
}

TEST_F(SectionListLook, SubItemsAreWhiteRowsInTheirSectionsFontTheSelectedOneMaroon) {
    list().SetSectionState(0, TSectionState::lssExpanded);
    list().SetSectionState(3, TSectionState::lssExpanded);
    ClickRow(2);  // "Files and Folders"
    MoveFocusAway();
    TCapture picture(list().Handle());
    const struct {
        int Row;
        COLORREF Fill, Text;
        int Width;
    } rows[] = {
        {1, clWhite, clBlack, TextWidth("MS Sans Serif", 12, false, "Desktop Access")},
        {2, clMaroon, HighlightText, TextWidth("MS Sans Serif", 12, false, "Files and Folders")},
        {4, clWhite, clBlack, TextWidth("MS Sans Serif", 12, false, "Active Desktop")},
        {8, clWhite, WindowText, TextWidth("MS Sans Serif", 11, false, "Boot Settings")},
        {9, clWhite, WindowText, TextWidth("MS Sans Serif", 11, false, "Windows Logon")},
    };
    for (const auto& row : rows) ExpectSubItem(picture, row.Row, row.Fill, row.Text, row.Width);
    // The bitmap "MS Sans Serif" has no 9-point size and draws 9 points as 8,
    // as on Windows; the colour tells the fourth section apart.
    EXPECT_EQ(picture.Count({0, 0, Width(), list().RowRect(4).bottom}, WindowText), 0) << "sections 0 to 2 in black";
}

TEST_F(SectionListLook, TheFocusRowHasADottedRectangleOnePixelInside) {
    list().SetSectionState(0, TSectionState::lssExpanded);
    ClickRow(2);
    const COLORREF inverted = RGB(127, 255, 255);  // maroon under the dots
    int top = list().RowRect(2).top;
    int width = Width();
    TCapture focused(list().Handle());
    EXPECT_EQ(focused.Count({0, top, width, top + 1}, clMaroon), width) << "the row's own edge stays";
    EXPECT_GT(focused.Count({1, top + 1, width - 1, top + 2}, inverted), width / 3);
    EXPECT_GT(focused.Count({1, top + 1, width - 1, top + 2}, clMaroon), width / 3);
    EXPECT_GT(focused.Count({1, top + 14, width - 1, top + 15}, inverted), width / 3);
    EXPECT_GT(focused.Count({1, top + 2, 2, top + 14}, inverted), 4);

    MoveFocusAway();
    TCapture unfocused(list().Handle());
    EXPECT_EQ(unfocused.Count({0, top, width, top + 16}, inverted), 0);
}

TEST_F(SectionListLook, TheAreaBelowTheLastRowIsSilver) {
    ClickRow(1);
    ClickRow(1);  // " System Options" opened and closed again
    ASSERT_EQ(list().RowCount(), 4);
    MoveFocusAway();
    TCapture picture(list().Handle());
    RECT below{0, 96, Width(), 259};
    EXPECT_EQ(picture.Count(below, clSilver), Width() * (259 - 96));
}

TEST_F(SectionListLook, AnAmpersandIsDrawnAsItStands) {
    TSectionListBox::TSectionLook look{Application().Font("MS Sans Serif", 12), clBlack};
    list().AddSection(" Salt & Pepper", {"Tom & Jerry"}, look);
    list().SetSectionState(4, TSectionState::lssExpanded);
    MoveFocusAway();
    TCapture picture(list().Handle());
    ExpectHeader(picture, 4, " Salt & Pepper");
    ExpectSubItem(picture, 5, clWhite, clBlack, TextWidth("MS Sans Serif", 12, false, "Tom & Jerry"));
}
