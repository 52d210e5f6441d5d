#include "machine_guard.h"
#include "other_process.h"
#include "windows_9x.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

int main(int argc, char** argv) {
    int exitCode = 0;
    if (PlayOtherProcess(argc, argv, exitCode)) return exitCode;
    testing::InitGoogleTest(&argc, argv);
    if (!MachineMayBeChanged()) {
        testing::GTEST_FLAG(filter) = RefusalTestName;
        return RUN_ALL_TESTS();
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    // Clicks of a test follow each other quickly; only DoubleClickAt means a double click.
    TDoubleClickTimeForTests quickClicks(1);
    if (win9x::Active()) win9x::Install();
    return RUN_ALL_TESTS();
}
