#include "pages/key_paths.h"
#include "pages/system_access.h"
#include "registry_page_checks.h"

namespace {

TRegistryPageTable SystemAccess() {
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.System5.bapplysystem1; };
    auto row = [&](const char* control, TFlatCheckBox TSystemAccessPage::*member, const char* key, const char* name) {
        TBoxOf box = [member](TForm1& form) -> TFlatCheckBox& { return form.System5.*member; };
        return FlagRow(control, box, button, HKEY_CURRENT_USER, key, name);
    };

    TRegistryPageTable table;
    table.Name = "SystemAccess";
    table.Page = 5;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("hidedevicepage", &TSystemAccessPage::hidedevicepage, SystemPolicies, "NoDevMgrPage"),
        row("hidehardwarepage", &TSystemAccessPage::hidehardwarepage, SystemPolicies, "NoConfigPage"),
        row("hidefilepage", &TSystemAccessPage::hidefilepage, SystemPolicies, "NoFileSysPage"),
        row("hidevirtualpage", &TSystemAccessPage::hidevirtualpage, SystemPolicies, "NoVirtMemPage"),
        row("hidepasswordpage", &TSystemAccessPage::hidepasswordpage, SystemPolicies, "NoPwdPage"),
        row("hideadminpage", &TSystemAccessPage::hideadminpage, SystemPolicies, "NoAdminPage"),
        row("hideuserpage", &TSystemAccessPage::hideuserpage, SystemPolicies, "NoProfilePage"),
        row("diswizards", &TSystemAccessPage::diswizards, ExplorerPolicies, "NoSettingsWizards"),
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(SystemAccess, RegistryPage, testing::Values(SystemAccess()),
                         [](const auto& info) { return info.param.Name; });

class SystemAccessPage : public TFormTest {};

TEST_F(SystemAccessPage, ShowsItsOptionsTable) {
    TSystemAccessPage& page = form->System5;
    EXPECT_EQ(page.ProLabel.Text(), "System Access");
    ExpectOptionsTable(page.optionsPanel.Handle(),
                       {
                           {&page.hidedevicepage, "Hide Device Manager Page",
                            "Hide/Show the Device Manager Tab within System Properties.", {16, 12, 165, 17}},
                           {&page.hidehardwarepage, "Hide Hardware Profiles Page",
                            "Hide/Show the Hardware Profiles Tab within System Properties.", {16, 44, 161, 17}},
                           {&page.hidefilepage, "Hide File System Options",
                            "Hide/Show the File System Tab within System Properties.", {16, 76, 157, 17}},
                           {&page.hidevirtualpage, "Hide Virtual Memory Options",
                            "Hide/Show the Virtual Memory Settings within System Properties.", {16, 108, 181, 17}},
                           {&page.hidepasswordpage, "Hide Password Page",
                            "Hide/Show the Change Password Tab within Password Control Panel.", {200, 12, 145, 17}},
                           {&page.hideadminpage, "Hide Remote Admin Page",
                            "Hide/Show the Remote Administration Tab within Password Control Panel.",
                            {200, 44, 141, 17}},
                           {&page.hideuserpage, "Hide User Profile Page",
                            "Hide/Show the User Profiles Tab within Password Control Panel.", {200, 76, 145, 17}},
                           {&page.diswizards, "Disable Settings Wizards",
                            "Disable/Enable All Settings Wizards withi Windows.", {200, 108, 141, 17}},
                           {&page.bapplysystem1, "Apply Changes", "", {136, 184, 89, 25}},
                       });
}
