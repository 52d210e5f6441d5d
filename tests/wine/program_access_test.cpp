#include "pages/key_paths.h"
#include "pages/program_access.h"
#include "registry_page_checks.h"

namespace {

TRegistryPageTable ProgramAccess() {
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.User10.bapplyuser1; };
    auto row = [&](const char* control, TFlatCheckBox TProgramAccessPage::*member, const char* key, const char* name) {
        TBoxOf box = [member](TForm1& form) -> TFlatCheckBox& { return form.User10.*member; };
        return FlagRow(control, box, button, HKEY_CURRENT_USER, key, name);
    };

    TRegistryPageTable table;
    table.Name = "ProgramAccess";
    table.Page = 10;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("restrictexecution", &TProgramAccessPage::restrictexecution, ExplorerPolicies, "RestrictRun"),
        row("restrictregistry", &TProgramAccessPage::restrictregistry, ExplorerPolicies, "DisableRegistryTools"),
        row("restrictmsdos", &TProgramAccessPage::restrictmsdos, WinOldAppPolicies, "Disabled"),
        row("restrictrealmode", &TProgramAccessPage::restrictrealmode, WinOldAppPolicies, "NoRealMode"),
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ProgramAccess, RegistryPage, testing::Values(ProgramAccess()),
                         [](const auto& info) { return info.param.Name; });

class ProgramAccessPage : public TFormTest {};

TEST_F(ProgramAccessPage, ShowsItsOptionsTableUnderTheTitleProgramsAccess) {
    TProgramAccessPage& page = form->User10;
    EXPECT_EQ(page.ProLabel.Text(), "Programs Access");
    ExpectOptionsTable(page.optionsPanel.Handle(),
                       {
                           {&page.restrictexecution, "Restrict Program Execution",
                            "Restrict Program Execution on this Computer.  Advanced Admin Option !",
                            {20, 12, 153, 17}},
                           {&page.restrictregistry, "Restrict Registry Editing",
                            "Restrict Registry Editing on this Computer.  Advanced Admin Option !",
                            {20, 44, 161, 17}},
                           {&page.restrictmsdos, "Restrict Access to MS-DOS Command Prompt",
                            "Disable/Enable Access to the MS-DOS Command Prompt and all DOS Programs.",
                            {20, 76, 245, 17}},
                           {&page.restrictrealmode, "Restrict MS-DOS Real Mode Access",
                            "Prevent Access to Real Mode MS-DOS through the Shutdown Option.", {20, 108, 201, 17}},
                           {&page.bapplyuser1, "Apply Changes", "", {136, 184, 89, 25}},
                       });
}
