#include "child_runs.h"
#include "harness.h"
#include "other_process.h"
#include "profile_files.h"

#include <functional>
#include <memory>

namespace {

const char* const FileMenuHint = "Disable/Enable Access to the Desktop & Explorer File Menu.";
const POINT OverTheNeighbour{100, 75};  // the neighbours stand at the screen's top left, clear of the form

// Stands in for a window beside ours while in scope.
using TNeighbour = std::function<std::shared_ptr<void>()>;

std::shared_ptr<void> AnotherProgramsWindow() {
    const std::string title = "neighbour " + std::to_string(GetCurrentProcessId());
    auto child = std::make_shared<TChildProcess>(std::string(ForeignWindowArgument) + " \"" + title + "\"",
                                                 TEnvironment{}, TemporaryPath("neighbour.out"));
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
        ASSERT_EQ(StatusBarText(), FileMenuHint) << neighbour.What;
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
        const char* Hint;
    } places[] = {
        {[](TForm1& form) -> const TWindow& { return form.desktop2.disfilemenu; }, FileMenuHint},
        {[](TForm1& form) -> const TWindow& { return form.desktop2.bapplydesk2; }, ""},
    };
    for (const auto& place : places) {
        MoveMouseTo(place.Over(*form), {30, 8});
        const std::string outputPath = TemporaryPath("bar.out");
        {
            TChildProcess reader(std::string(ReadStatusBarArgument) + " " +
                                     std::to_string(reinterpret_cast<UINT_PTR>(form->statbar1.Handle())),
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

}  // namespace
