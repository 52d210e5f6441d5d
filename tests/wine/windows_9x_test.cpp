// What a user of Windows 95 or 98 does most. These run in every run, and
// once more with the test program playing Windows 95 (windows_9x.h), where
// they meet what only 9x does.
#include "harness.h"
#include "option_controls.h"
#include "profile_files.h"
#include "windows_9x.h"

namespace {

const DWORD Protected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// An entry of the boot file as the boot loader reads it after a restart.
std::string BootEntryAtNextBoot(const char* name) {
    const std::vector<std::string> lines = profile::Lines(profile::ReadAll(profile::BootFilePath()));
    for (const std::string& line : lines)
        if (line.rfind(std::string(name) + "=", 0) == 0) return line.substr(line.find('=') + 1);
    return "<missing>";
}

class Windows9x : public TCleanMachineTest {
protected:
    void SetUp() override {
        TCleanMachineTest::SetUp();
        profile::WriteBehindProgram(profile::BootFilePath(), profile::BootFile({"BootGUI=1", "BootMenu=0"}));
    }
    TBootSettingsPage& Boot() { return form->Boot12; }
};

}  // namespace

TEST_F(Windows9x, AMouseClickTicksAndClearsABoxOnEveryPage) {
    for (const options::TPage& page : options::Pages()) {
        std::vector<options::TControl> boxes;
        for (const options::TControl& control : options::ControlsOn(page.Number))
            if (control.Kind == "box") boxes.push_back(control);
        if (boxes.empty()) continue;
        SCOPED_TRACE(page.Title + ": " + boxes.front().Caption);
        SelectPage(page.Number);
        TFlatCheckBox& box = BoxNamed(*form, boxes.front().Name);
        const bool before = box.Checked();
        Click(box);
        EXPECT_EQ(box.Checked(), !before) << "the click ticked nothing";
        Click(box);
        EXPECT_EQ(box.Checked(), before);
    }
    EXPECT_TRUE(shell.Errors().empty()) << shell.Errors().front();
}

TEST_F(Windows9x, ABootSettingsChangeSurvivesApplyAndAReload) {
    SelectPage(12);
    ASSERT_FALSE(Boot().enabootmenu.Checked());
    Click(Boot().enabootmenu);
    Click(Boot().bapplyboot1);
    EXPECT_EQ(profile::Attributes(profile::BootFilePath()) & Protected, Protected);
    EXPECT_EQ(BootEntryAtNextBoot("BootMenu"), "1") << "the change was lost";
    SelectPage(13);
    SelectPage(12);
    EXPECT_TRUE(Boot().enabootmenu.Checked());
    EXPECT_TRUE(shell.Errors().empty()) << shell.Errors().front();
}

TEST_F(Windows9x, TheBootPageShowsWhatAnotherProgramStoredSinceItWasLast) {
    SelectPage(12);
    ASSERT_FALSE(Boot().enabootmenu.Checked());
    SelectPage(13);
    profile::WriteBehindProgram(profile::BootFilePath(), profile::BootFile({"BootGUI=1", "BootMenu=1"}));
    SelectPage(12);
    EXPECT_TRUE(Boot().enabootmenu.Checked()) << "the page showed a stale copy";
}

TEST_F(Windows9x, TheDelayArrowsStepUpAndDownByOne) {
    SelectPage(12);
    TSpinEdit& delay = Boot().bootdelay;
    const int before = delay.Value();
    RECT client{};
    GetClientRect(delay.Handle(), &client);
    ClickAt(delay, {client.right - 7, 3});
    EXPECT_EQ(delay.Value(), before + 1) << "the up arrow";
    ClickAt(delay, {client.right - 7, client.bottom - 3});
    EXPECT_EQ(delay.Value(), before) << "the down arrow";
}
