#include "child_runs.h"
#include "harness.h"
#include "machine_guard.h"
#include "pages/key_paths.h"
#include "profile_files.h"

namespace {

const std::string BootFilePath = profile::BootFilePath();

// What a run of the tests would delete or change first.
struct TMachineState {
    reg::TValue UserPolicy, MachinePolicy, NetworkLogon;
    std::string BootFile, ControlIni;
    UINT DoubleClickTime = 0;

    static TMachineState Read() {
        return {reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu"),
                reg::Read(HKEY_LOCAL_MACHINE, ExplorerPolicies, "NoClose"),
                reg::Read(HKEY_LOCAL_MACHINE, "\\Network\\Logon", "MustBeValidated"),
                profile::ReadAll(BootFilePath),
                profile::ReadAll(profile::InWindowsDirectory("control.ini")),
                GetDoubleClickTime()};
    }
    bool operator==(const TMachineState& other) const {
        return UserPolicy.Data == other.UserPolicy.Data && MachinePolicy.Data == other.MachinePolicy.Data &&
               NetworkLogon.Data == other.NetworkLogon.Data && BootFile == other.BootFile &&
               ControlIni == other.ControlIni && DoubleClickTime == other.DoubleClickTime;
    }
};

}  // namespace

// Where the machine may not be changed, main runs this test alone.
TEST(ThisMachine, MayBeChangedByTheTests) { ASSERT_TRUE(MachineMayBeChanged()) << RefusalText(); }

TEST(ThisMachine, AnUnmarkedRunChangesNothingAndSaysWhy) {
    ResetMachine();
    reg::SetDword(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu", 1);
    reg::SetDword(HKEY_LOCAL_MACHINE, ExplorerPolicies, "NoClose", 1);
    reg::SetDword(HKEY_LOCAL_MACHINE, "\\Network\\Logon", "MustBeValidated", 1);
    profile::WriteBehindProgram(BootFilePath, profile::BootFile({"BootGUI=1"}));
    profile::WriteBehindProgram(profile::InWindowsDirectory("control.ini"), "[don't load]\r\ntimedate.cpl=no\r\n");
    UINT ours = GetDoubleClickTime();
    SetDoubleClickTime(432);
    TMachineState before = TMachineState::Read();

    std::string output = TemporaryPath("unmarked.txt");
    TChildRequest request;
    request.GtestFilter = "Pages/RegistryPage.*/FilesAndFolders:SectionList.*";
    request.Environment = {{UnmarkedRunVariable, "1"}};
    request.OutputPath = output;
    TChildRun run = RunChild(request);
    TMachineState after = TMachineState::Read();
    SetDoubleClickTime(ours);
    std::string said = profile::ReadAll(output);
    DeleteFileA(output.c_str());
    ResetMachine();

    EXPECT_NE(run.ExitCode, 0u);
    EXPECT_NE(said.find(RefusalText()), std::string::npos) << said;
    EXPECT_NE(said.find("[  FAILED  ] ThisMachine.MayBeChangedByTheTests"), std::string::npos) << said;
    EXPECT_EQ(said.find("RegistryPage"), std::string::npos) << "no other test may run:\n" << said;
    EXPECT_TRUE(after == before) << "the refused run changed the machine";
    EXPECT_EQ(after.DoubleClickTime, 432u);
}
