// The window on a Windows that lacks what later ones added: each function
// the program looks up by name is made missing, in a run of its own, since
// what the program found stays found for its process.
#include "base/later_functions.h"
#include "child_runs.h"
#include "harness.h"
#include "option_table.h"
#include "pages/key_paths.h"
#include "profile_files.h"

#include <oleacc.h>

#include <sstream>

namespace {

const char* const MissingVariable = "TAVREL_MISSING_FUNCTIONS";

// Each with what stands in for it: no events for readers (95, NT 4), the
// platform's font (before 2000), InitCommonControls (comctl32 4.00), the
// standard scroll bar (before 4.71), plain windows for readers (no oleacc).
const char* const LaterFunctions[] = {
    "NotifyWinEvent",  "AddFontResourceExA",        "InitCommonControlsEx", "InitializeFlatSB",
    "FlatSB_SetScrollProp", "CreateStdAccessibleObject", "LresultFromObject",    "CoInitializeEx",
};

std::vector<std::string> MissingInThisRun() {
    std::vector<std::string> names;
    std::stringstream list(EnvironmentVariable(MissingVariable));
    for (std::string name; std::getline(list, name, ',');) names.push_back(name);
    return names;
}

}  // namespace

class OlderWindows : public TFormTest {
protected:
    void SetUp() override {
        if (!IsChildRun()) return;
        for (const std::string& name : MissingInThisRun()) TreatAsMissing(name);
        ResetMachine();
        TFormTest::SetUp();
    }
    void TearDown() override {
        if (IsChildRun()) TFormTest::TearDown();
    }
    static bool IsChildRun() { return !EnvironmentVariable(MissingVariable).empty(); }

    // Every page loads, a box stores, hints and readers still get answers.
    void UseTheWindow() {
        for (int page = 1; page <= 13; ++page) {
            SelectPage(page);
            EXPECT_EQ(form->Notebook1.PageIndex(), page);
        }
        SelectPage(2);
        Click(form->desktop2.disfilemenu);
        EXPECT_TRUE(form->desktop2.disfilemenu.Checked());
        EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu").Dword(), 1u);
        EXPECT_TRUE(form->desktop2.bapplydesk2.Enabled());
        MoveMouseTo(form->desktop2.disfilemenu, {30, 8});
        EXPECT_EQ(StatusBarText(), options::Control("disfilemenu").Hint);
        // A reader's question gets an answer or, without oleacc, none.
        SendMessageA(form->desktop2.disfilemenu.Handle(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
        EXPECT_TRUE(shell.Errors().empty()) << shell.Errors().front();
    }
};

TEST_F(OlderWindows, EachLaterFunctionMissingLeavesTheWindowWorking) {
    if (IsChildRun()) {
        UseTheWindow();
        return;
    }
    std::vector<std::string> runs(std::begin(LaterFunctions), std::end(LaterFunctions));
    std::string all;
    for (const std::string& name : runs) all += (all.empty() ? "" : ",") + name;
    runs.push_back(all);
    const std::string outputPath = TemporaryPath("older-windows.out");
    for (const std::string& missing : runs) {
        const TChildRun run = RunChild({"OlderWindows.*", {{MissingVariable, missing}}, outputPath, "", 120000});
        EXPECT_EQ(run.ExitCode, 0u) << "without " << missing << ":\n" << profile::ReadAll(outputPath);
    }
    DeleteFileA(outputPath.c_str());
}
