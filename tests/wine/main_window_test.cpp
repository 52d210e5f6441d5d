#include "base/exceptions.h"
#include "harness.h"
#include "option_table.h"
#include "pages/key_paths.h"

namespace {

class MainWindow : public TFormTest {
protected:
    void SetUp() override {
        ResetMachine();
        TFormTest::SetUp();
    }
};

void ExpectBounds(const TWindow& control, const TBounds& expected, const char* what) {
    TBounds bounds = control.Bounds();
    EXPECT_EQ(bounds.Left, expected.Left) << what;
    EXPECT_EQ(bounds.Top, expected.Top) << what;
    EXPECT_EQ(bounds.Width, expected.Width) << what;
    EXPECT_EQ(bounds.Height, expected.Height) << what;
}

std::string MenuText(HMENU menu, int position) {
    char text[64] = {};
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

}  // namespace

TEST_F(MainWindow, OpensCentredWithItsFixedFrameAndMenu) {
    HWND window = form->Handle();
    EXPECT_EQ(form->Text(), "Tavrel Control Manager");
    EXPECT_EQ(Application().Title(), "Tavrel");
    EXPECT_EQ(Application().MainWindow(), window);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 518);
    EXPECT_EQ(client.bottom, 335);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "not resizable";
    RECT frame{};
    GetWindowRect(window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    HMENU menu = GetMenu(window);
    ASSERT_EQ(GetMenuItemCount(menu), 1);
    EXPECT_EQ(MenuText(menu, 0), "&Software");
    HMENU software = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(software), 1);
    EXPECT_EQ(MenuText(software, 0), "&Exit");
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindow, StartsWithTheDefaultPageClosedSectionsAndNothingRead) {
    ExpectBounds(form->Image1, {0, 0, 518, 55}, "Image1");
    ExpectBounds(form->optionlist1, {0, 55, 149, 261}, "optionlist1");
    ExpectBounds(form->Notebook1, {149, 55, 369, 261}, "Notebook1");
    ExpectBounds(form->statbar1, {0, 316, 518, 19}, "statbar1");
    ExpectBounds(form->Default, {0, 0, 368, 260}, "page 0");
    ExpectBounds(form->Default.Image2, {0, 0, 368, 260}, "Image2");
    EXPECT_EQ(form->Notebook1.PageIndex(), 0);
    EXPECT_TRUE(form->Default.Visible());
    for (int section = 0; section < 4; ++section)
        EXPECT_EQ(form->optionlist1.Section(section).State, TSectionState::lssContracted);
    EXPECT_EQ(form->optionlist1.SelectedRow(), LB_ERR);
    EXPECT_EQ(StatusBarText(), "");
    EXPECT_FALSE(reg::KeyExists(HKEY_CURRENT_USER, ExplorerPolicies)) << "no page loader ran at start";
}

TEST_F(MainWindow, EveryOptionPageHasTheCommonFrame) {
    const char* const titles[] = {"Desktop Access", "Files and Folders", "Start Menu Options", "Active Desktop",
                                  "System Access",  "Network Access",    "Internet Access",    "Printer Options",
                                  "Control Panels", "Programs Access",   "Drives Access",      "Boot Settings",
                                  "Windows Logon"};
    std::vector<int> icons;
    for (int index = 1; index <= 13; ++index) {
        TOptionPage& page = *form->OptionPage(index);
        SCOPED_TRACE(titles[index - 1]);
        ExpectBounds(page, {0, 0, 368, 260}, "page");
        ExpectBounds(page.titlePanel, {0, 0, 368, 41}, "title panel");
        ExpectBounds(page.ProLabel, {8, 16, 300, 20}, "title");
        EXPECT_EQ(page.ProLabel.Text(), titles[index - 1]);
        ExpectBounds(page.Image, {328, 4, 32, 32}, "icon");
        ExpectBounds(page.optionsPanel, {0, 41, 368, 219}, "options panel");
        icons.push_back(page.Image.Resource());

        // The Apply Changes button is the last control of the options panel.
        HWND last = nullptr;
        for (HWND child = GetWindow(page.optionsPanel.Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) last = child;
        auto* button = dynamic_cast<TFlatButton*>(TWindow::FromHandle(last));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->Text(), "Apply Changes");
        ExpectBounds(*button, {136, 184, 89, 25}, "Apply Changes");
        EXPECT_FALSE(button->Enabled());
    }
    std::sort(icons.begin(), icons.end());
    EXPECT_EQ(std::unique(icons.begin(), icons.end()), icons.end()) << "a different icon on each page";
}

TEST_F(MainWindow, EachSubItemRunsItsLoaderThenShowsItsPage) {
    const struct {
        int section, subItem, page;
    } navigation[] = {{0, 0, 1}, {0, 1, 2}, {0, 2, 3},  {0, 3, 4},  {1, 0, 5},  {1, 1, 6},  {1, 2, 7},
                      {1, 3, 8}, {1, 4, 9}, {2, 0, 10}, {2, 1, 11}, {3, 0, 12}, {3, 1, 13}};
    for (int section = 0; section < 4; ++section) OpenSection(section);
    for (const auto& entry : navigation) {
        ClickSubItem(entry.section, entry.subItem);
        EXPECT_EQ(form->Notebook1.PageIndex(), entry.page) << entry.section << "/" << entry.subItem;
        EXPECT_TRUE(form->OptionPage(entry.page)->Visible());
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{});
    EXPECT_EQ(shell.Beeps, 1) << "only the Internet Access loader beeps";
}

TEST_F(MainWindow, TheSubItemOfTheShownPageRunsItsLoaderAgain) {
    ClickSubItem(1, 2);
    ClickSubItem(1, 2);
    EXPECT_EQ(form->Notebook1.PageIndex(), 7);
    EXPECT_EQ(shell.Beeps, 2);
    EXPECT_FALSE(form->System7.bapplysystem3.Enabled());
}

TEST_F(MainWindow, OpeningOrClosingAnySectionShowsTheDefaultPage) {
    ClickSubItem(0, 1);
    ASSERT_EQ(form->Notebook1.PageIndex(), 2);
    OpenSection(2);  // another section
    EXPECT_EQ(form->Notebook1.PageIndex(), 0);
    ClickSubItem(0, 1);
    ASSERT_EQ(form->Notebook1.PageIndex(), 2);
    RECT header = form->optionlist1.RowRect(0);
    ClickAt(form->optionlist1, {40, (header.top + header.bottom) / 2});  // closes " Desktop Options"
    EXPECT_EQ(form->optionlist1.Section(0).State, TSectionState::lssContracted);
    EXPECT_EQ(form->Notebook1.PageIndex(), 0);
}

TEST_F(MainWindow, ALoaderThatRaisesLeavesThePreviousPageShowing) {
    OpenSection(0);
    ClickSubItem(1, 2);
    reg::SetString(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu", "1");
    ClickSubItem(0, 1);
    EXPECT_EQ(form->Notebook1.PageIndex(), 7);
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Invalid data type for 'NoFileMenu'"});
    // The window goes on working.
    reg::Delete(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu");
    ClickSubItem(0, 1);
    EXPECT_EQ(form->Notebook1.PageIndex(), 2);
}

TEST_F(MainWindow, ExitAndTheCloseBoxEndTheProgramAtOnce) {
    for (bool useMenu : {true, false}) {
        if (!form) SetUp();
        ForgetQuit();
        ClickSubItem(0, 1);
        Click(form->desktop2.disfilemenu);  // an enabled Apply Changes button asks nothing on the way out
        ASSERT_TRUE(form->desktop2.bapplydesk2.Enabled());
        HWND window = form->Handle();
        shell.Clear();
        if (useMenu) {
            // Alt+S opens "&Software"; E chooses "&Exit".
            PostMessageA(window, WM_SYSCOMMAND, SC_KEYMENU, 's');
            INPUT keys[2] = {};
            keys[0].type = keys[1].type = INPUT_KEYBOARD;
            keys[0].ki.wVk = keys[1].ki.wVk = 'E';
            keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, keys, sizeof(INPUT));
        } else {
            PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        for (int i = 0; i < 50 && !QuitSeen(); ++i) Pump(10);
        EXPECT_TRUE(QuitSeen()) << (useMenu ? "menu" : "close box");
        EXPECT_FALSE(IsWindow(window));
        EXPECT_TRUE(shell.MessageBoxes.empty()) << "no question on the way out";
        form.reset();
    }
}

TEST_F(MainWindow, TheStatusBarShowsTheHintOfTheControlUnderThePointer) {
    ClickSubItem(0, 1);
    TFilesAndFoldersPage& page = form->desktop2;
    const std::string fileMenuHint = options::Control("disfilemenu").Hint;
    MoveMouseTo(page.disfilemenu, {30, 8});
    EXPECT_EQ(StatusBarText(), fileMenuHint);
    MoveMouseTo(page.bapplydesk2, {40, 12});
    EXPECT_EQ(StatusBarText(), "") << "the Apply Changes buttons have no hint";
    page.disfilemenu.Disable();
    MoveMouseTo(page.disfilemenu, {30, 8});
    EXPECT_EQ(StatusBarText(), fileMenuHint) << "disabled controls show theirs too";
    MoveMouseTo(page.optionsPanel, {300, 150});
    EXPECT_EQ(StatusBarText(), "");
    MoveMouseTo(form->optionlist1, {60, 200});
    EXPECT_EQ(StatusBarText(), "");

    // The part after the first "|" counts, both for the application's hint and the status bar.
    page.cleardocs.SetHint("short|long|longer");
    MoveMouseTo(page.cleardocs, {30, 8});
    EXPECT_EQ(Application().Hint(), "long|longer");
    EXPECT_EQ(StatusBarText(), "longer");
}

TEST_F(MainWindow, TheHintChangedEventFiresOnlyWhenTheHintChanges) {
    ClickSubItem(0, 1);
    int fired = 0;
    auto show = Application().OnHint;
    Application().OnHint = [&] {
        ++fired;
        show();
    };
    MoveMouseTo(form->desktop2.disfilemenu, {30, 8});
    MoveMouseTo(form->desktop2.disfilemenu, {60, 9});
    MoveMouseTo(form->desktop2.disfilemenu, {90, 10});
    EXPECT_EQ(fired, 1);
    SendMessageA(form->Handle(), WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), reinterpret_cast<LPARAM>(GetMenu(form->Handle())));
    EXPECT_EQ(StatusBarText(), "") << "menu items have no hints";
    EXPECT_EQ(fired, 2);
    Application().OnHint = show;
}

namespace {

// A control whose handler fails, as a page loader or option handler can.
class TFailingWindow : public TWindow {
public:
    explicit TFailingWindow(HWND parent) { CreateHandle({nullptr, "", WS_CHILD, 0, {0, 0, 10, 10}, parent}); }
    std::string Message;
    int Handled = 0;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            ++Handled;
            if (!Message.empty() || wParam) throw Exception(Message);
            return 42;
        }
        return TWindow::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace

TEST_F(MainWindow, AnErrorEscapingAHandlerIsShownInTheErrorBoxAndTheWindowGoesOn) {
    TFailingWindow failing(form->Handle());
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Unable to write to C:\\msdos.sys", "Unable to write to C:\\msdos.sys."},
        {"Invalid data type for 'NoFileMenu'", "Invalid data type for 'NoFileMenu'"},
        {"Done.", "Done."},
        {"Careful!", "Careful!"},
        {"", ""},
    };
    for (const auto& c : cases) {
        shell.Clear();
        failing.Message = c.message;
        EXPECT_EQ(SendMessageA(failing.Handle(), WM_APP, 1, 0), 0) << "handled as if nothing failed";
        ASSERT_EQ(shell.MessageBoxes.size(), 1u);
        EXPECT_EQ(shell.MessageBoxes[0].Text, c.shown);
        EXPECT_EQ(shell.MessageBoxes[0].Caption, "Tavrel");
        EXPECT_EQ(shell.MessageBoxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_EQ(shell.MessageBoxes[0].Owner, form->Handle());
    }
    failing.Message.clear();
    EXPECT_EQ(SendMessageA(failing.Handle(), WM_APP, 0, 0), 42) << "the next message is handled as usual";
    EXPECT_EQ(failing.Handled, 6);
}
