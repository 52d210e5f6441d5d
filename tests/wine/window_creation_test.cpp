#include "harness.h"

#include "base/exceptions.h"

namespace {

// A control made with whatever the test gives, as the controls make theirs.
class TMadeWindow : public TWindow {
public:
    void Create(const char* className, const std::string& text, HWND parent) {
        CreateHandle({className, text, WS_CHILD, 0, {0, 0, 10, 10}, parent});
    }
};

// Any handle of a window that is gone.
HWND WindowThatIsGone() {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window);
    return window;
}

}  // namespace

TEST(WindowCreation, AFailureIsRaisedNamingTheControl) {
    struct TCase {
        const char* Why;
        const char* ClassName;
        HWND Parent;
    };
    const TCase cases[] = {
        {"no such system class", "NoSuchClassOfTavrel", nullptr},
        {"our own class, parent gone", nullptr, WindowThatIsGone()},
        {"a system control, parent gone", "BUTTON", WindowThatIsGone()},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Why);
        TMadeWindow window;
        try {
            window.Create(test.ClassName, "Disable Explorer File Menu", test.Parent);
            ADD_FAILURE() << "no error raised";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message().rfind("Cannot create the window \"Disable Explorer File Menu\" (error ", 0), 0u)
                << error.Message();
        }
        EXPECT_EQ(window.Handle(), nullptr);
    }
}

TEST(WindowCreation, AFailureOfTheIdleWorkIsShownAndEndsTheProgram) {
    TRecordingShell shell;
    Application().SetShell(&shell);
    int runs = 0;
    Application().OnIdle = [&runs] {
        ++runs;
        throw Exception("Cannot create the window \"Apply Changes\" (error 1400)");
    };
    Application().Idle();
    Application().Idle();
    Application().SetShell(nullptr);

    EXPECT_EQ(runs, 1) << "the failed work is not tried again";
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Cannot create the window \"Apply Changes\" (error 1400)"});
    MSG quit{};
    EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 1u);
}
