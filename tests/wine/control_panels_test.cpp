#include "pages/control_panels.h"
#include "pages/key_paths.h"
#include "profile_files.h"
#include "registry_page_checks.h"

#include <optional>

namespace {

std::string ControlIniPath() { return profile::InWindowsDirectory("control.ini"); }

TRegistryPageTable ControlPanelsPolicies() {
    auto box = [](TFlatCheckBox TControlPanelsPage::*member) -> TBoxOf {
        return [member](TForm1& form) -> TFlatCheckBox& { return form.System9.*member; };
    };
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.System9.bapplysystem5; };
    TRegistryPageTable table;
    table.Name = "ControlPanels";
    table.Page = 9;
    table.Button = button;
    table.Notice = NoticeA;
    table.LoaderDisablesButton = true;
    table.ClearFiles = [] { profile::Remove(ControlIniPath()); };
    table.Rows = {
        FlagRow("disdisplaycpl", box(&TControlPanelsPage::disdisplaycpl), button, HKEY_CURRENT_USER, SystemPolicies,
                "NoDispCPL"),
        FlagRow("dispasswordcpl", box(&TControlPanelsPage::dispasswordcpl), button, HKEY_CURRENT_USER,
                SystemPolicies, "NoSecCPL"),
        FlagRow("disnetworkcpl", box(&TControlPanelsPage::disnetworkcpl), button, HKEY_CURRENT_USER,
                NetworkPolicies, "NoNetSetup"),
    };
    return table;
}

struct TAppletRow {
    TFlatCheckBox TControlPanelsPage::*Box;
    const char* Applet;
    const char* Policy;  // nullptr: the box has no registry value
};

const TAppletRow AppletRows[] = {
    {&TControlPanelsPage::disdisplaycpl, "desk.cpl", "NoDispCPL"},
    {&TControlPanelsPage::dispasswordcpl, "password.cpl", "NoSecCPL"},
    {&TControlPanelsPage::disnetworkcpl, "netcpl.cpl", "NoNetSetup"},
    {&TControlPanelsPage::dishardwarecpl, "sysdm.cpl", nullptr},
    {&TControlPanelsPage::disaddremcpl, "appwiz.cpl", nullptr},
    {&TControlPanelsPage::disintercpl, "intl.cpl", nullptr},
    {&TControlPanelsPage::dismousecpl, "main.cpl", nullptr},
    {&TControlPanelsPage::dismediacpl, "mmsys.cpl", nullptr},
    {&TControlPanelsPage::disinetcpl, "inetcpl.cpl", nullptr},
    {&TControlPanelsPage::disthemescpl, "themes.cpl", nullptr},
    {&TControlPanelsPage::dispowercpl, "powercfg.cpl", nullptr},
    {&TControlPanelsPage::dismodemcpl, "modem.cpl", nullptr},
    {&TControlPanelsPage::distimecpl, "timedate.cpl", nullptr},
};

const std::string Missing = "<missing>";

// The applet's entry as the platform reads it.
std::string AppletEntry(const char* applet) {
    char text[256] = {};
    GetPrivateProfileStringA("don't load", applet, Missing.c_str(), text, sizeof(text), "control.ini");
    return text;
}

const char* PolicyKey(const char* policy) {
    return std::string(policy) == "NoNetSetup" ? NetworkPolicies : SystemPolicies;
}

// A control.ini with entries of other programs around the page's section.
std::string ControlIniWith(const std::string& dontLoadEntries) {
    return "[current]\r\ncolor schemes=Windows Standard\r\n\r\n[don't load]\r\nodbccp32.cpl=no\r\n" + dontLoadEntries +
           "\r\n[MMCPL]\r\nNumApps=17\r\n";
}
const std::vector<std::string> OtherLines = {"[current]", "color schemes=Windows Standard", "odbccp32.cpl=no",
                                             "[MMCPL]", "NumApps=17"};

std::string AllApplets(const std::string& value) {
    std::string entries;
    for (const TAppletRow& row : AppletRows) entries += std::string(row.Applet) + "=" + value + "\r\n";
    return entries;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ControlPanels, RegistryPage, testing::Values(ControlPanelsPolicies()),
                         [](const auto& info) { return info.param.Name; });

class ControlPanelsPage : public TFormTest {
protected:
    void SetUp() override {
        reg::DeleteTree(HKEY_CURRENT_USER, SystemPolicies);
        reg::DeleteTree(HKEY_CURRENT_USER, NetworkPolicies);
        profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(""));
        TFormTest::SetUp();
    }
    void TearDown() override {
        TFormTest::TearDown();
        profile::Remove(ControlIniPath());
    }
    TControlPanelsPage& Page() { return form->System9; }
    TFlatCheckBox& Box(const TAppletRow& row) { return Page().*row.Box; }
    void ExpectOtherLinesKept() {
        EXPECT_TRUE(profile::KeepsLines(profile::Lines(profile::ReadAll(ControlIniPath())), OtherLines))
            << profile::ReadAll(ControlIniPath());
    }
};

TEST_F(ControlPanelsPage, ShowsItsOptionsTable) {
    TControlPanelsPage& page = Page();
    EXPECT_EQ(page.ProLabel.Text(), "Control Panels");
    ExpectOptionsTable(
        page.optionsPanel.Handle(),
        {
            {&page.disdisplaycpl, "Disable Display Settings", "Disable/Enable Access to Display Settings.",
             {16, 8, 137, 17}},
            {&page.dispasswordcpl, "Disable Password Options", "Disable/Enable Access to Password Settings.",
             {16, 32, 145, 17}},
            {&page.disnetworkcpl, "Disable Network Settings", "Disable/Enable Access to the Network Settings.",
             {16, 56, 145, 17}},
            {&page.dishardwarecpl, "Hide Hardware Wizard", "Hide/Show Hardware Wizard Control Panel.",
             {16, 80, 145, 17}},
            {&page.disaddremcpl, "Hide Add/Remove Programs", "Hide/Show Add/Remove Programs Control Panel.",
             {16, 104, 173, 17}},
            {&page.disintercpl, "Hide International Options",
             "Hide/Show Regional/International Settings Control Panel.", {16, 128, 157, 17}},
            {&page.dismousecpl, "Hide Mouse/Keyboard Settings", "Hide/Show Mouse & Keyboard Control Panels.",
             {16, 152, 185, 17}},
            {&page.dismediacpl, "Hide Multimedia Options", "Hide/Show Multimedia & Sounds Control Panels.",
             {208, 8, 153, 17}},
            {&page.disinetcpl, "Hide Internet Options", "Hide/Show Internet Options Control Panel.",
             {208, 32, 145, 17}},
            {&page.disthemescpl, "Hide Desktop Themes", "Hide/Show Desktop Themes Control Panel.",
             {208, 56, 149, 17}},
            {&page.dispowercpl, "Hide Power Settings", "Hide/Show Power Management Control Panel.",
             {208, 80, 145, 17}},
            {&page.dismodemcpl, "Hide Modem Settings", "Hide/Show Modems Control Panel.", {208, 104, 141, 17}},
            {&page.distimecpl, "Hide Time/Date Settings", "Hide/Show Date/Time Control Panel.", {208, 128, 153, 17}},
            {&page.bapplysystem5, "Apply Changes", "", {136, 184, 89, 25}},
        });
}

TEST_F(ControlPanelsPage, EachBoxWritesOrDeletesItsAppletEntryAndOnlyTheFirstThreeTouchTheRegistry) {
    SelectPage(9);
    ASSERT_EQ(form->Notebook1.PageIndex(), 9);
    for (const TAppletRow& row : AppletRows) {
        SCOPED_TRACE(row.Applet);
        for (const char* policy : {"NoDispCPL", "NoSecCPL", "NoNetSetup"})
            reg::Delete(HKEY_CURRENT_USER, PolicyKey(policy), policy);
        for (bool ticked : {true, false}) {
            Page().bapplysystem5.Disable();
            Click(Box(row));
            EXPECT_EQ(Box(row).Checked(), ticked);
            EXPECT_EQ(AppletEntry(row.Applet), ticked ? "no" : Missing);
            EXPECT_TRUE(Page().bapplysystem5.Enabled());
            for (const char* policy : {"NoDispCPL", "NoSecCPL", "NoNetSetup"}) {
                reg::TValue value = reg::Read(HKEY_CURRENT_USER, PolicyKey(policy), policy);
                const bool own = row.Policy && std::string(row.Policy) == policy;
                EXPECT_EQ(value.Exists, own) << policy;
                if (own) {
                    EXPECT_EQ(value.Dword(), ticked ? 1u : 0u) << policy;
                }
            }
        }
    }
    ExpectOtherLinesKept();
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(ControlPanelsPage, OnlyAnEntryOfExactlyNoTicksItsBoxAndAClearedBoxDeletesWhateverItHeld) {
    profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(AllApplets("no")));
    SelectPage(9);
    for (const TAppletRow& row : AppletRows) EXPECT_TRUE(Box(row).Checked()) << row.Applet;
    EXPECT_FALSE(Page().bapplysystem5.Enabled()) << "the loader disables it last";

    for (const char* other : {"No", "NO", "", "yes", "0"}) {
        SCOPED_TRACE(other);
        for (const TAppletRow& row : AppletRows) Box(row).SetChecked(true);
        profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(AllApplets(other)));
        SelectPage(9);
        for (const TAppletRow& row : AppletRows) {
            EXPECT_FALSE(Box(row).Checked()) << row.Applet;
            EXPECT_EQ(AppletEntry(row.Applet), Missing) << row.Applet;
            if (row.Policy) {
                EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, PolicyKey(row.Policy), row.Policy).Dword(), 0u);
            }
        }
        EXPECT_FALSE(Page().bapplysystem5.Enabled());
        ExpectOtherLinesKept();
    }
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(ControlPanelsPage, TheAppletEntryHasTheLastWordOverThePolicyValue) {
    struct TCase {
        const char* What;
        bool TickedBefore;
        std::optional<DWORD> Policy;  // none: missing
        bool Entry;                   // desk.cpl=no
        bool TickedAfter;
        DWORD PolicyAfter;
    };
    const TCase cases[] = {
        {"policy 1 ticks and writes the entry", false, 1, false, true, 1},
        {"no entry clears a box the policy left ticked", true, 1, false, false, 0},
        {"the entry ticks and sets the policy", false, 0, true, true, 1},
        {"a missing policy is created as 0, then the entry ticks", false, std::nullopt, true, true, 1},
        {"a missing policy is created as 0 and the box keeps its tick", true, std::nullopt, true, true, 0},
        {"nothing stored clears", true, std::nullopt, false, false, 0},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        Page().disdisplaycpl.SetChecked(test.TickedBefore);
        if (test.Policy)
            reg::SetDword(HKEY_CURRENT_USER, SystemPolicies, "NoDispCPL", *test.Policy);
        else
            reg::Delete(HKEY_CURRENT_USER, SystemPolicies, "NoDispCPL");
        profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(test.Entry ? "desk.cpl=no\r\n" : ""));
        SelectPage(9);
        EXPECT_EQ(Page().disdisplaycpl.Checked(), test.TickedAfter);
        EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, SystemPolicies, "NoDispCPL").Dword(), test.PolicyAfter);
        EXPECT_EQ(AppletEntry("desk.cpl"), test.TickedAfter ? "no" : Missing);
        EXPECT_FALSE(Page().bapplysystem5.Enabled());
    }
}

TEST_F(ControlPanelsPage, TheRegistryIsReadBeforeControlIni) {
    profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(AllApplets("no")));
    reg::SetString(HKEY_CURRENT_USER, NetworkPolicies, "NoNetSetup", "1");
    SelectPage(9);
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Invalid data type for 'NoNetSetup'"});
    EXPECT_EQ(form->Notebook1.PageIndex(), 0) << "the page must not be shown";
    for (const TAppletRow& row : AppletRows) EXPECT_FALSE(Box(row).Checked()) << row.Applet;
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, SystemPolicies, "NoSecCPL").Dword(), 0u) << "created before the error";
}

TEST_F(ControlPanelsPage, ARefusedWriteShowsTheBareFileNameAndLeavesTheButtonAsItWas) {
    SelectPage(9);
    {
        TRefuseProfileWrites refuse;
        Click(Page().dishardwarecpl);
        Click(Page().disdisplaycpl);
    }
    EXPECT_EQ(shell.Errors(), (std::vector<std::string>{"Unable to write to control.ini.",
                                                        "Unable to write to control.ini."}));
    EXPECT_TRUE(Page().dishardwarecpl.Checked());
    EXPECT_EQ(AppletEntry("sysdm.cpl"), Missing);
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, SystemPolicies, "NoDispCPL").Dword(), 1u) << "written before the entry";
    EXPECT_FALSE(Page().bapplysystem5.Enabled());

    shell.Clear();
    {
        TRefuseRegistryWrites refuse;
        Click(Page().disnetworkcpl);
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Failed to set data for 'NoNetSetup'"});
    EXPECT_EQ(AppletEntry("netcpl.cpl"), Missing) << "the entry is not reached";
    EXPECT_FALSE(Page().bapplysystem5.Enabled());

    Click(Page().dismodemcpl);
    shell.Clear();
    {
        TRefuseProfileWrites refuse;
        Click(Page().dismodemcpl);  // deleting reports nothing
    }
    EXPECT_TRUE(shell.MessageBoxes.empty());
    EXPECT_TRUE(Page().bapplysystem5.Enabled());
}
