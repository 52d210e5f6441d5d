#include "pages/boot_settings.h"
#include "pages/key_paths.h"
#include "profile_files.h"

#include "harness.h"
#include "option_controls.h"
#include "windows_9x.h"

#include <optional>

namespace {

const std::string BootFilePath = profile::BootFilePath();
const std::string Missing = "<missing>";
const DWORD Protected = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The eight boxes' entries: the ticked text is the only one that ticks, and
// the missing one is the default the loader reads.
std::vector<options::TStore> BootRows() {
    std::vector<options::TStore> rows;
    for (const options::TStore& store : options::StoresReadBy(12))
        if (store.Type == "entry") rows.push_back(store);
    return rows;
}

// The entry as the platform reads it from a boot file.
std::string Entry(const std::string& name, const std::string& file = BootFilePath) {
    win9x::SettleProfileCache();
    char text[256] = {};
    GetPrivateProfileStringA("options", name.c_str(), Missing.c_str(), text, sizeof(text), file.c_str());
    return text;
}

FILETIME LastWrite(const std::string& path) {
    FILETIME time{};
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) time = data.ftLastWriteTime;
    return time;
}

using TTexts = std::vector<std::string>;

}  // namespace

class BootSettingsPage : public TFormTest {
protected:
    void SetUp() override {
        reg::SetString(HKEY_LOCAL_MACHINE, SetupKey, "BootDir", "C:\\");
        WriteBootFile({"BootMulti=1", "BootGUI=1", "WinVer=4.10.2222"});
        TFormTest::SetUp();
    }
    void TearDown() override {
        TFormTest::TearDown();
        profile::Remove(BootFilePath);
        reg::Delete(HKEY_LOCAL_MACHINE, SetupKey, "BootDir");
    }

    TBootSettingsPage& Page() { return form->Boot12; }
    TFlatCheckBox& Box(const options::TStore& row) { return BoxNamed(*form, row.Control); }
    void WriteBootFile(const TTexts& options, const std::string& path = BootFilePath) {
        profile::WriteBehindProgram(path, profile::BootFile(options));
    }
    void ExpectOtherLinesKept() {
        EXPECT_TRUE(profile::KeepsLines(profile::Lines(profile::ReadAll(BootFilePath)), profile::BootFileKeptLines()))
            << profile::ReadAll(BootFilePath);
    }
    void SelectAllAndType(TSpinEdit& delay, const std::string& text) {
        Click(delay);
        SendMessageA(delay.Handle(), EM_SETSEL, 0, -1);
        TypeText(text);
    }
    // Puts the page back as it is before any load, storing what that stores.
    void ClearControls() {
        for (const options::TStore& row : BootRows()) Box(row).SetChecked(false);
        Page().bootdelay.SetValue(0);
        Page().menudelay.SetValue(0);
        Page().bapplyboot1.Disable();
        shell.Clear();
    }
};

TEST_F(BootSettingsPage, ShowsTheLabelsOfItsDelays) {
    TBootSettingsPage& page = Page();
    const struct {
        const TWindow* Control;
        std::string Text;
        int Left, Top;
    } others[] = {{&page.Label5, options::Control("bootdelay").Caption, 24, 140},
                  {&page.Label6, options::Control("menudelay").Caption, 200, 140}};
    for (const auto& other : others) {
        EXPECT_EQ(other.Control->Text(), other.Text);
        EXPECT_EQ(other.Control->Bounds().Left, other.Left) << other.Text;
        EXPECT_EQ(other.Control->Bounds().Top, other.Top) << other.Text;
        POINT inside{other.Left + 4, other.Top + 4};
        EXPECT_EQ(ChildWindowFromPointEx(page.optionsPanel.Handle(), inside, CWP_SKIPINVISIBLE), other.Control->Handle())
            << other.Text << " must lie above the bevel";
    }
    TBounds bevel = page.Bevel3.Bounds();
    EXPECT_EQ((std::vector<int>{bevel.Left, bevel.Top, bevel.Width, bevel.Height}), (std::vector<int>{12, 120, 345, 54}));
    for (const TSpinEdit* delay : {&page.bootdelay, &page.menudelay}) {
        EXPECT_EQ(delay->MinValue, 0);
        EXPECT_EQ(delay->MaxValue, 60);
        EXPECT_EQ(delay->Increment, 1);
        EXPECT_TRUE(GetWindowLongA(delay->Handle(), GWL_STYLE) & ES_RIGHT);
    }
    EXPECT_FALSE(page.bapplyboot1.Enabled());
}

TEST_F(BootSettingsPage, EachBoxWritesItsEntryAtOnceAndEnablesTheButton) {
    SelectPage(12);
    ASSERT_EQ(form->Notebook1.PageIndex(), 12);
    for (const options::TStore& row : BootRows()) {
        SCOPED_TRACE(row.Name);
        for (int click = 0; click < 2; ++click) {
            Page().bapplyboot1.Disable();
            Click(Box(row));
            EXPECT_EQ(Entry(row.Name), Box(row).Checked() ? row.Ticked : row.Cleared);
            EXPECT_TRUE(Page().bapplyboot1.Enabled());
        }
    }
    ExpectOtherLinesKept();
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(BootSettingsPage, AFirstLoadWritesWhatItTicksAndTheDelaysAndASecondLoadWritesNothing) {
    SelectPage(12);
    ASSERT_EQ(form->Notebook1.PageIndex(), 12);
    for (const options::TStore& row : BootRows()) {
        const bool ticked = row.Missing == row.ShownTicked || row.Name == "BootGui";
        EXPECT_EQ(Box(row).Checked(), ticked) << row.Name;
        EXPECT_EQ(Entry(row.Name), ticked ? row.Ticked : Missing) << row.Name;
    }
    EXPECT_EQ(Page().bootdelay.Text(), "2");
    EXPECT_EQ(Page().menudelay.Text(), "30");
    EXPECT_EQ(Entry("BootDelay"), "2");
    EXPECT_EQ(Entry("BootMenuDelay"), "30");
    EXPECT_FALSE(Page().bapplyboot1.Enabled());
    ExpectOtherLinesKept();
    EXPECT_TRUE(profile::KeepsLines(profile::Lines(profile::ReadAll(BootFilePath)),
                                    {"[Options]", "BootMulti=1", "BootGUI=1", "WinVer=4.10.2222"}));

    const std::string content = profile::ReadAll(BootFilePath);
    const FILETIME written = LastWrite(BootFilePath);
    SelectPage(12);
    EXPECT_EQ(profile::ReadAll(BootFilePath), content);
    const FILETIME after = LastWrite(BootFilePath);
    EXPECT_EQ(CompareFileTime(&written, &after), 0) << "nothing written";
    EXPECT_FALSE(Page().bapplyboot1.Enabled());
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(BootSettingsPage, OnlyTheTickedTextTicksABoxAndAnyOtherClearsItWhichWritesItsClearedValue) {
    TTexts tickedOptions;
    for (const options::TStore& row : BootRows()) tickedOptions.push_back(row.Name + "=" + row.Ticked);
    for (const char* other : {"01", "yes", ""}) {
        SCOPED_TRACE(other);
        WriteBootFile(tickedOptions);
        SelectPage(12);
        for (const options::TStore& row : BootRows()) EXPECT_TRUE(Box(row).Checked()) << row.Name;
        EXPECT_FALSE(Page().bapplyboot1.Enabled());

        TTexts otherOptions;
        for (const options::TStore& row : BootRows()) otherOptions.push_back(row.Name + "=" + other);
        WriteBootFile(otherOptions);
        SelectPage(12);
        for (const options::TStore& row : BootRows()) {
            EXPECT_FALSE(Box(row).Checked()) << row.Name;
            EXPECT_EQ(Entry(row.Name), row.Cleared) << row.Name;
        }
        EXPECT_FALSE(Page().bapplyboot1.Enabled());
        ExpectOtherLinesKept();
    }
}

TEST_F(BootSettingsPage, TheDelaysShowTheirEntryInTheRangeAndWriteItWhenTheTextChanges) {
    const struct {
        const char* Stored;
        const char* Shown;
        const char* Written;  // the entry after the load
    } cases[] = {
        {"15", "15", "15"}, {"99", "60", "60"},   {"-5", "0", "-5"},   {"$1E", "30", "30"},
        {" 7", "7", "7"},   {"0x3C", "60", "60"}, {"0", "0", "0"},     {"2147483647", "60", "60"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.Stored);
        ClearControls();
        WriteBootFile({std::string("BootDelay=") + test.Stored, std::string("BootMenuDelay=") + test.Stored});
        SelectPage(12);
        ASSERT_EQ(form->Notebook1.PageIndex(), 12);
        EXPECT_EQ(Page().bootdelay.Text(), test.Shown);
        EXPECT_EQ(Page().menudelay.Text(), test.Shown);
        EXPECT_EQ(Entry("BootDelay"), test.Written);
        EXPECT_EQ(Entry("BootMenuDelay"), test.Written);
        EXPECT_FALSE(Page().bapplyboot1.Enabled());
        EXPECT_TRUE(shell.MessageBoxes.empty());
    }
}

TEST_F(BootSettingsPage, ADelayThatIsNoNumberStopsTheLoaderAfterTheEightBoxes) {
    const struct {
        const char* BootDelay;
        const char* BootMenuDelay;
        const char* Error;
        const char* BootDelayShown;
    } cases[] = {
        {"abc", "45", "'abc' is not a valid integer value.", "0"},
        {"", "45", "'' is not a valid integer value.", "0"},
        {"12", "abc", "'abc' is not a valid integer value.", "12"},
        {"12", "-", "'-' is not a valid integer value.", "12"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(std::string(test.BootDelay) + " / " + test.BootMenuDelay);
        ClearControls();
        WriteBootFile({"BootMenu=1", std::string("BootDelay=") + test.BootDelay,
                       std::string("BootMenuDelay=") + test.BootMenuDelay});
        SelectPage(12);
        EXPECT_EQ(shell.Errors(), TTexts{test.Error});
        EXPECT_EQ(form->Notebook1.PageIndex(), 0) << "the page must not be shown";
        EXPECT_TRUE(Page().enabootmenu.Checked()) << "the boxes come first";
        EXPECT_EQ(Entry("BootMenu"), "1");
        EXPECT_EQ(Page().bootdelay.Text(), test.BootDelayShown);
        EXPECT_EQ(Page().menudelay.Text(), "0") << "keeps its previous value";
        EXPECT_EQ(Entry("BootMenuDelay"), test.BootMenuDelay) << "the bad entry is kept";
        EXPECT_TRUE(Page().bapplyboot1.Enabled()) << "as the handlers left it";
    }
}

TEST_F(BootSettingsPage, TheLoaderReadsTheBootFileOfSetupsBootDirectory) {
    const std::string elsewhere = "C:\\tavrel_boot\\";
    CreateDirectoryA(elsewhere.c_str(), nullptr);
    WriteBootFile({"BootMenu=1"}, elsewhere + "msdos.sys");
    SetFileAttributesA((elsewhere + "msdos.sys").c_str(), Protected);
    WriteBootFile({"BootGUI=1"});
    const std::string untouched = profile::ReadAll(elsewhere + "msdos.sys");
    reg::SetString(HKEY_LOCAL_MACHINE, SetupKey, "BootDir", elsewhere);
    SelectPage(12);
    EXPECT_EQ(form->Notebook1.PageIndex(), 12);
    EXPECT_TRUE(Page().enabootmenu.Checked()) << "read from the boot directory";
    EXPECT_EQ(profile::Attributes(elsewhere + "msdos.sys") & Protected, 0u);
    EXPECT_EQ(Entry("BootMenu"), "1") << "written to C:\\msdos.sys";
    EXPECT_EQ(profile::ReadAll(elsewhere + "msdos.sys"), untouched);
    profile::Remove(elsewhere + "msdos.sys");
    RemoveDirectoryA(elsewhere.c_str());
}

// Without a boot directory the loader still works on C:\msdos.sys, the file
// the handlers write, and leaves any other msdos.sys alone.
TEST_F(BootSettingsPage, AMissingOrEmptyBootDirectoryMeansTheBootDrive) {
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    const std::string inCurrent = std::string(directory) + "\\msdos.sys";
    const std::string inWindows = profile::InWindowsDirectory("msdos.sys");
    for (const std::string& other : {inCurrent, inWindows}) {
        WriteBootFile({"DisableLog=1"}, other);
        SetFileAttributesA(other.c_str(), Protected);
    }
    for (bool empty : {false, true}) {
        SCOPED_TRACE(empty ? "empty" : "missing");
        ClearControls();
        WriteBootFile({"BootMenu=1"});
        SetFileAttributesA(BootFilePath.c_str(), Protected);
        if (empty)
            reg::SetString(HKEY_LOCAL_MACHINE, SetupKey, "BootDir", "");
        else
            reg::Delete(HKEY_LOCAL_MACHINE, SetupKey, "BootDir");
        SelectPage(12);
        EXPECT_EQ(form->Notebook1.PageIndex(), 12);
        EXPECT_TRUE(Page().enabootmenu.Checked());
        EXPECT_FALSE(Page().disbootlog.Checked()) << "another msdos.sys was read";
        EXPECT_EQ(profile::Attributes(BootFilePath) & Protected, 0u);
        for (const std::string& other : {inCurrent, inWindows})
            EXPECT_EQ(profile::Attributes(other) & Protected, Protected) << other;
        EXPECT_TRUE(shell.MessageBoxes.empty());
    }
    for (const std::string& other : {inCurrent, inWindows}) profile::Remove(other);
}

TEST_F(BootSettingsPage, ABootDirectoryOfAnotherTypeStopsTheLoaderBeforeAnything) {
    reg::SetDword(HKEY_LOCAL_MACHINE, SetupKey, "BootDir", 1);
    WriteBootFile({"BootMenu=1"});
    SetFileAttributesA(BootFilePath.c_str(), Protected);
    SelectPage(12);
    EXPECT_EQ(shell.Errors(), TTexts{"Invalid data type for 'BootDir'"});
    EXPECT_EQ(form->Notebook1.PageIndex(), 0);
    EXPECT_FALSE(Page().enabootmenu.Checked());
    EXPECT_FALSE(Page().enabootgui.Checked());
    EXPECT_EQ(profile::Attributes(BootFilePath) & Protected, Protected);
}

// Typing 15 writes 1 and 15; an empty or lone-sign text on the way is not
// written, so the next load still works.
TEST_F(BootSettingsPage, TypedDelaysAreWrittenWhenWholeNumbersAndClampedOnLeaving) {
    SelectPage(12);
    TSpinEdit& delay = Page().bootdelay;
    SelectAllAndType(delay, "1");
    EXPECT_EQ(Entry("BootDelay"), "1");
    TypeText("5");
    EXPECT_EQ(Entry("BootDelay"), "15");
    EXPECT_TRUE(Page().bapplyboot1.Enabled());

    struct TStep {
        WORD Key;
        char Typed;
        const char* Shown;
        const char* Written;
    };
    const TStep steps[] = {
        {VK_BACK, 0, "1", "1"}, {VK_BACK, 0, "", "1"}, {0, '-', "-", "1"}, {0, '5', "-5", "-5"},
    };
    for (const TStep& step : steps) {
        Page().bapplyboot1.Disable();
        if (step.Key)
            PressKey(step.Key);
        else
            TypeText(std::string(1, step.Typed));
        EXPECT_EQ(delay.Text(), step.Shown);
        EXPECT_EQ(Entry("BootDelay"), step.Written) << step.Shown;
        EXPECT_TRUE(Page().bapplyboot1.Enabled()) << step.Shown;
    }
    Click(Page().menudelay);
    EXPECT_EQ(delay.Text(), "0");
    EXPECT_EQ(Entry("BootDelay"), "0");

    SelectAllAndType(delay, "75");
    EXPECT_EQ(Entry("BootDelay"), "75");
    Click(Page().menudelay);
    EXPECT_EQ(delay.Text(), "60");
    EXPECT_EQ(Entry("BootDelay"), "60");

    SelectAllAndType(delay, "\b");
    Click(Page().menudelay);
    EXPECT_EQ(shell.Errors(), TTexts{"'' is not a valid integer value."});
    EXPECT_EQ(Entry("BootDelay"), "60");
    shell.Clear();
    SelectPage(12);
    EXPECT_TRUE(shell.MessageBoxes.empty());
    EXPECT_EQ(delay.Text(), "60");
}

TEST_F(BootSettingsPage, TheSpinButtonsWriteEachStep) {
    SelectPage(12);
    const struct {
        TSpinEdit TBootSettingsPage::*Delay;
        const char* Entry;
        bool Up;
        const char* After;
    } steps[] = {{&TBootSettingsPage::bootdelay, "BootDelay", true, "3"},
                 {&TBootSettingsPage::menudelay, "BootMenuDelay", false, "29"}};
    for (const auto& step : steps) {
        TSpinEdit& delay = Page().*step.Delay;
        Page().bapplyboot1.Disable();
        RECT client{};
        GetClientRect(delay.Handle(), &client);
        ClickAt(delay, {client.right - 7, step.Up ? 3 : client.bottom - 3});
        EXPECT_EQ(delay.Text(), step.After);
        EXPECT_EQ(Entry(step.Entry), step.After);
        EXPECT_TRUE(Page().bapplyboot1.Enabled());
    }
}

TEST_F(BootSettingsPage, ARefusedWriteShowsTheErrorAndLeavesTheButtonAsItWas) {
    SelectPage(12);
    {
        TRefuseProfileWrites refuse;
        Click(Page().enabootmenu);
        SelectAllAndType(Page().menudelay, "5");
    }
    EXPECT_EQ(shell.Errors(), (TTexts{"Unable to write to C:\\msdos.sys.", "Unable to write to C:\\msdos.sys."}));
    EXPECT_TRUE(Page().enabootmenu.Checked()) << "the box keeps the state the user gave it";
    EXPECT_EQ(Entry("BootMenu"), Missing);
    EXPECT_EQ(Entry("BootMenuDelay"), "30");
    EXPECT_FALSE(Page().bapplyboot1.Enabled());
}

// A handler the loader sets off ends the loader with its error: a box as
// well as a delay, whose change is raised inside the loader's own step.
TEST_F(BootSettingsPage, ARefusedWriteDuringALoadEndsTheLoaderThere) {
    struct TCase {
        const char* What;
        TTexts Options;
        const char* BootDelay;
        const char* MenuDelay;
    };
    const TCase cases[] = {
        {"a box", {"BootGUI=1", "BootMenu=1", "DisableLog=1", "BootDelay=10"}, "2", "30"},
        {"a delay", {"BootGUI=1", "BootDelay=10", "BootMenuDelay=45"}, "10", "30"},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        ClearControls();
        WriteBootFile({"BootGUI=1"});
        SelectPage(12);
        ASSERT_TRUE(shell.MessageBoxes.empty());
        SelectPage(11);
        Page().bapplyboot1.Disable();
        WriteBootFile(test.Options);
        shell.Clear();
        {
            TRefuseProfileWrites refuse;
            SelectPage(12);
        }
        EXPECT_EQ(shell.Errors(), TTexts{"Unable to write to C:\\msdos.sys."});
        EXPECT_NE(form->Notebook1.PageIndex(), 12) << "the page must not be shown";
        EXPECT_FALSE(Page().disbootlog.Checked()) << "not loaded";
        EXPECT_EQ(Page().bootdelay.Text(), test.BootDelay);
        EXPECT_EQ(Page().menudelay.Text(), test.MenuDelay);
        EXPECT_FALSE(Page().bapplyboot1.Enabled());
    }
}

TEST_F(BootSettingsPage, ApplyDisablesTheButtonProtectsTheFileAndShowsTheNoticeWithoutBroadcast) {
    SetFileAttributesA(BootFilePath.c_str(), Protected);
    SelectPage(12);
    EXPECT_EQ(profile::Attributes(BootFilePath) & Protected, 0u) << "the loader clears them";
    Click(Page().enabootmenu);
    ASSERT_TRUE(Page().bapplyboot1.Enabled());
    bool enabledWhileOpen = true;
    DWORD attributesWhileOpen = 0;
    shell.WhileBoxOpen = [&](const TRecordingShell::TMessageBox& box) {
        enabledWhileOpen = Page().bapplyboot1.Enabled();
        attributesWhileOpen = profile::Attributes(BootFilePath);
        EXPECT_EQ(box.Caption, "Information");
        EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    };
    shell.Clear();
    Click(Page().bapplyboot1);
    EXPECT_EQ(shell.Log, TTexts{"box: Changes will take effect at next boot."});
    EXPECT_FALSE(enabledWhileOpen);
    EXPECT_EQ(attributesWhileOpen & Protected, Protected);
    EXPECT_FALSE(Page().bapplyboot1.Enabled());
    EXPECT_EQ(profile::Attributes(BootFilePath) & Protected, Protected);
    shell.WhileBoxOpen = nullptr;
    SelectPage(12);
    EXPECT_EQ(profile::Attributes(BootFilePath) & Protected, 0u);
    ExpectOtherLinesKept();
}
