#include "child_runs.h"
#include "harness.h"
#include "option_table.h"
#include "other_process.h"
#include "profile_files.h"

#include <functional>
#include <memory>
#include <thread>

namespace {

std::string FileMenuHint() { return options::Control("disfilemenu").Hint; }
const POINT OverTheNeighbour{100, 75};  // the neighbours stand at the screen's top left, clear of the form

// Stands in for a window beside ours while in scope.
using TNeighbour = std::function<std::shared_ptr<void>()>;

std::shared_ptr<void> AnotherProgramsWindow() {
    const std::string title = "neighbour " + std::to_string(GetCurrentProcessId());
    const std::string arguments = std::string(ForeignWindowArgument) + " \"" + title + "\"";
    auto child = std::make_shared<TChildProcess>(ThisProgramWith(arguments), TEnvironment{},
                                                 TemporaryPath("neighbour.out"));
    HWND window = nullptr;
    for (int i = 0; i < 500 && !window && !child->Ended(); ++i) {
        Pump(10);
        window = FindWindowA(nullptr, title.c_str());
    }
    EXPECT_NE(window, nullptr) << "the other program's window did not show";
    return std::shared_ptr<void>(nullptr, [child, window](void*) {
        if (window) PostMessageA(window, WM_CLOSE, 0, 0);
        child->Ended(5000);
    });
}

// A window of this process that the window base did not make, carrying a
// user data of its own.
std::shared_ptr<void> AWindowOfThisProcess() {
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 150, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(ForeignUserData));
    return std::shared_ptr<void>(nullptr, [window](void*) { DestroyWindow(window); });
}

class DesktopNeighbours : public TFormTest {};

TEST_F(DesktopNeighbours, AWindowNotOfOursHasNoHintAndTheProgramGoesOn) {
    const struct {
        const char* What;
        TNeighbour Show;
    } neighbours[] = {
        {"another program's window", AnotherProgramsWindow},
        {"a window of this process", AWindowOfThisProcess},
    };
    SelectPage(2);
    for (const auto& neighbour : neighbours) {
        std::shared_ptr<void> shown = neighbour.Show();
        MoveMouseTo(form->desktop2.disfilemenu, {30, 8});
        ASSERT_EQ(StatusBarText(), FileMenuHint()) << neighbour.What;
        MoveMouseTo(OverTheNeighbour);
        Pump(250);  // past the box's hover polling
        EXPECT_EQ(StatusBarText(), "") << neighbour.What;
        DWORD_PTR answer = 0;
        EXPECT_TRUE(SendMessageTimeoutA(form->Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer))
            << neighbour.What;
    }
}

TEST_F(DesktopNeighbours, AnotherProgramReadsTheHintThatIsShown) {
    SelectPage(2);
    const struct {
        std::function<const TWindow&(TForm1&)> Over;
        std::string Hint;
    } places[] = {
        {[](TForm1& form) -> const TWindow& { return form.desktop2.disfilemenu; }, FileMenuHint()},
        {[](TForm1& form) -> const TWindow& { return form.desktop2.bapplydesk2; }, ""},
    };
    for (const auto& place : places) {
        MoveMouseTo(place.Over(*form), {30, 8});
        const std::string outputPath = TemporaryPath("bar.out");
        {
            TChildProcess reader(ThisProgramWith(std::string(ReadStatusBarArgument) + " " +
                                                 std::to_string(reinterpret_cast<UINT_PTR>(form->statbar1.Handle()))),
                                 {}, outputPath);
            for (int i = 0; i < 1000 && !reader.Ended(); ++i) Pump(5);
            ASSERT_TRUE(reader.Ended()) << "the reader did not finish";
        }
        const std::vector<std::string> lines = profile::Lines(profile::ReadAll(outputPath) + "\n");
        profile::Remove(outputPath);
        const std::string hint = place.Hint;
        if (hint.empty()) {
            EXPECT_TRUE(lines.empty()) << "WM_GETTEXT and SB_GETTEXT read: " << (lines.empty() ? "" : lines[0]);
        } else {
            ASSERT_EQ(lines.size(), 2u);
            EXPECT_EQ(lines[0], hint) << "WM_GETTEXT";
            EXPECT_EQ(lines[1], hint) << "SB_GETTEXT";
        }
    }
}

// Shows the real message boxes, each closed by Enter typed into it once it
// is the active window.
class TRealBoxShell : public TRecordingShell {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override {
        TRecordingShell::ShowMessageBox(owner, text, caption, flags);
        std::thread closer(PressEnterInBox, owner);
        int answer = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
        closer.join();
        return answer;
    }

private:
    static void PressEnterInBox(HWND owner) {
        for (int i = 0; i < 200; ++i) {
            Sleep(20);
            HWND active = GetForegroundWindow();
            if (active && active != owner && GetWindow(active, GW_OWNER) == owner) {
                SendKeyPress(VK_RETURN);
                return;
            }
        }
    }
};

class FocusComesBack : public TCleanMachineTest {
protected:
    void SetUp() override {
        TCleanMachineTest::SetUp();
        Application().SetShell(&boxes);
        SelectPage(2);
    }
    TFilesAndFoldersPage& Page() { return form->desktop2; }
    TRealBoxShell boxes;
};

// Space still reaches the box that has the focus.
void ExpectSpaceTicks(TFlatCheckBox& box, const char* after) {
    ASSERT_TRUE(box.Focused()) << after;
    const bool ticked = box.Checked();
    PressKey(VK_SPACE);
    EXPECT_NE(box.Checked(), ticked) << after;
}

TEST_F(FocusComesBack, AfterTheErrorBoxAndAfterAnotherProgram) {
    const struct {
        const char* What;
        std::function<void()> Interrupt;
    } interruptions[] = {
        {"the error box",
         [this] {
             TRefuseRegistryWrites refused;
             PressKey(VK_SPACE);
             EXPECT_EQ(boxes.Errors().size(), 1u);
         }},
        {"another program",
         [this] {
             std::shared_ptr<void> shown = AnotherProgramsWindow();
             ClickAt(OverTheNeighbour);
             EXPECT_NE(GetForegroundWindow(), form->Handle()) << "the other program became active";
             ClickAt(form->Image1, {20, 20});  // back, on the banner
             EXPECT_EQ(GetForegroundWindow(), form->Handle());
         }},
    };
    for (const auto& interruption : interruptions) {
        Click(Page().disfilemenu);
        ASSERT_TRUE(Page().disfilemenu.Focused());
        interruption.Interrupt();
        ExpectSpaceTicks(Page().disfilemenu, interruption.What);
    }
}

TEST_F(FocusComesBack, AfterTheNoticeToTheControlBeforeApplyChanges) {
    Click(Page().disfilemenu);
    ASSERT_TRUE(Page().bapplydesk2.Enabled());
    Click(Page().bapplydesk2);
    ASSERT_EQ(boxes.MessageBoxes.size(), 1u);
    EXPECT_FALSE(Page().bapplydesk2.Enabled());
    auto* focused = dynamic_cast<TFlatCheckBox*>(TWindow::FromHandle(GetFocus()));
    ASSERT_NE(focused, nullptr) << "a box of the page has the focus";
    EXPECT_TRUE(IsChild(Page().Handle(), focused->Handle()));
    ExpectSpaceTicks(*focused, "the notice");
}

BOOL CALLBACK AddTaskbarWindowOfOurs(HWND window, LPARAM list) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    const bool button =
        (exStyle & WS_EX_APPWINDOW) || (!GetWindow(window, GW_OWNER) && !(exStyle & WS_EX_TOOLWINDOW));
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && button)
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

// The windows of this process that the taskbar shows a button for.
std::vector<HWND> TaskbarWindows() {
    std::vector<HWND> found;
    EnumWindows(AddTaskbarWindowOfOurs, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

class Taskbar : public TFormTest {};

TEST_F(Taskbar, TheButtonSaysTavrelAndRestoresTheMainWindow) {
    const std::vector<HWND> buttons = TaskbarWindows();
    ASSERT_EQ(buttons.size(), 1u);
    const HWND button = buttons[0];
    EXPECT_EQ(TextOf(button), "Tavrel");
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), button);
    EXPECT_EQ(TextOf(form->Handle()), "Tavrel Control Manager");

    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    Pump();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(IsIconic(button));

    SendMessageA(button, WM_SYSCOMMAND, SC_RESTORE, 0);  // the button clicked
    Pump();
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsIconic(button));
    EXPECT_EQ(GetForegroundWindow(), form->Handle());

    SendMessageA(button, WM_SYSCOMMAND, SC_CLOSE, 0);  // Close on the button's menu
    for (int i = 0; i < 50 && !QuitSeen(); ++i) Pump(10);
    EXPECT_TRUE(QuitSeen());
}

}  // namespace
