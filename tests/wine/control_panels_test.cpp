#include "option_controls.h"
#include "pages/control_panels.h"
#include "pages/key_paths.h"
#include "profile_files.h"
#include "registry_page_checks.h"
#include "windows_9x.h"

#include <optional>

namespace {

std::string ControlIniPath() { return profile::InWindowsDirectory("control.ini"); }

// The page's registry values, and its boxes with their applets' entries.
std::vector<options::TStore> Policies() {
    std::vector<options::TStore> policies;
    for (const options::TStore& store : options::StoresReadBy(9))
        if (store.InRegistry()) policies.push_back(store);
    return policies;
}

struct TAppletRow {
    std::string Control;
    std::string Applet;
    std::optional<options::TStore> Policy;  // none: the box has no registry value
};

std::vector<TAppletRow> AppletRows() {
    std::vector<TAppletRow> rows;
    for (const options::TStore& store : options::StoresReadBy(9)) {
        if (store.InRegistry()) continue;
        TAppletRow row{store.Control, store.Name, std::nullopt};
        for (const options::TStore& policy : Policies())
            if (policy.Control == store.Control) row.Policy = policy;
        rows.push_back(row);
    }
    return rows;
}

const std::string Missing = "<missing>";

// The applet's entry as the platform reads it.
std::string AppletEntry(const std::string& applet) {
    win9x::SettleProfileCache();
    char text[256] = {};
    GetPrivateProfileStringA("don't load", applet.c_str(), Missing.c_str(), text, sizeof(text), "control.ini");
    return text;
}

reg::TValue Stored(const options::TStore& policy) { return reg::Read(RootOf(policy), policy.Key, policy.Name); }

// A control.ini with entries of other programs around the page's section.
std::string ControlIniWith(const std::string& dontLoadEntries) {
    return "[current]\r\ncolor schemes=Windows Standard\r\n\r\n[don't load]\r\nodbccp32.cpl=no\r\n" + dontLoadEntries +
           "\r\n[MMCPL]\r\nNumApps=17\r\n";
}
const std::vector<std::string> OtherLines = {"[current]", "color schemes=Windows Standard", "odbccp32.cpl=no",
                                             "[MMCPL]", "NumApps=17"};

std::string AllApplets(const std::string& value) {
    std::string entries;
    for (const TAppletRow& row : AppletRows()) entries += row.Applet + "=" + value + "\r\n";
    return entries;
}

}  // namespace

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
    TFlatCheckBox& Box(const TAppletRow& row) { return BoxNamed(*form, row.Control); }
    void ExpectOtherLinesKept() {
        EXPECT_TRUE(profile::KeepsLines(profile::Lines(profile::ReadAll(ControlIniPath())), OtherLines))
            << profile::ReadAll(ControlIniPath());
    }
};

TEST_F(ControlPanelsPage, EachBoxWritesOrDeletesItsAppletEntryAndOnlyTheFirstThreeTouchTheRegistry) {
    SelectPage(9);
    ASSERT_EQ(form->Notebook1.PageIndex(), 9);
    for (const TAppletRow& row : AppletRows()) {
        SCOPED_TRACE(row.Applet);
        for (const options::TStore& policy : Policies()) reg::Delete(RootOf(policy), policy.Key, policy.Name);
        for (bool ticked : {true, false}) {
            Page().bapplysystem5.Disable();
            Click(Box(row));
            EXPECT_EQ(Box(row).Checked(), ticked);
            EXPECT_EQ(AppletEntry(row.Applet), ticked ? "no" : Missing);
            EXPECT_TRUE(Page().bapplysystem5.Enabled());
            for (const options::TStore& policy : Policies()) {
                reg::TValue value = Stored(policy);
                const bool own = row.Policy && row.Policy->Name == policy.Name;
                EXPECT_EQ(value.Exists, own) << policy.Name;
                if (own) {
                    EXPECT_EQ(value.Dword(), ticked ? 1u : 0u) << policy.Name;
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
    for (const TAppletRow& row : AppletRows()) EXPECT_TRUE(Box(row).Checked()) << row.Applet;
    EXPECT_FALSE(Page().bapplysystem5.Enabled()) << "the loader disables it last";

    for (const char* other : {"No", "NO", "", "yes", "0"}) {
        SCOPED_TRACE(other);
        for (const TAppletRow& row : AppletRows()) Box(row).SetChecked(true);
        profile::WriteBehindProgram(ControlIniPath(), ControlIniWith(AllApplets(other)));
        SelectPage(9);
        for (const TAppletRow& row : AppletRows()) {
            EXPECT_FALSE(Box(row).Checked()) << row.Applet;
            EXPECT_EQ(AppletEntry(row.Applet), Missing) << row.Applet;
            if (row.Policy) {
                EXPECT_EQ(Stored(*row.Policy).Dword(), 0u);
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
    for (const TAppletRow& row : AppletRows()) EXPECT_FALSE(Box(row).Checked()) << row.Applet;
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
