#include "pages/key_paths.h"
#include "pages/start_menu_options.h"
#include "registry_page_checks.h"

namespace {

// In the loader's order, which is neither the tab order nor the screen order.
TRegistryPageTable StartMenuOptions() {
    auto box = [](TFlatCheckBox TStartMenuOptionsPage::*member) -> TBoxOf {
        return [member](TForm1& form) -> TFlatCheckBox& { return form.desktop3.*member; };
    };
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.desktop3.bapplydesk3; };
    auto row = [&](const char* control, TFlatCheckBox TStartMenuOptionsPage::*member, const char* name) {
        return FlagRow(control, box(member), button, HKEY_CURRENT_USER, ExplorerPolicies, name);
    };

    TRegistryPageTable table;
    table.Name = "StartMenuOptions";
    table.Page = 3;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("disshutdown", &TStartMenuOptionsPage::disshutdown, "NoClose"),
        row("dislogoff", &TStartMenuOptionsPage::dislogoff, "NoLogoff"),
        row("hiderun", &TStartMenuOptionsPage::hiderun, "NoRun"),
        row("hidefind", &TStartMenuOptionsPage::hidefind, "NoFind"),
        row("hideupdate", &TStartMenuOptionsPage::hideupdate, "NoWindowsUpdate"),
        row("hidetasksettings", &TStartMenuOptionsPage::hidetasksettings, "NoSetTaskbar"),
        row("hidemenufolders", &TStartMenuOptionsPage::hidemenufolders, "NoStartMenuSubFolders"),
        row("hidedocsmenu", &TStartMenuOptionsPage::hidedocsmenu, "NoRecentDocsMenu"),
        row("hidefavsmenu", &TStartMenuOptionsPage::hidefavsmenu, "NoFavoritesMenu"),
        row("hidecommonmenus", &TStartMenuOptionsPage::hidecommonmenus, "NoCommonGroups"),
        row("hidewebmenus", &TStartMenuOptionsPage::hidewebmenus, "NoWebMenu"),
        row("nomenuchanges", &TStartMenuOptionsPage::nomenuchanges, "NoChangeStartMenu"),
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(StartMenuOptions, RegistryPage, testing::Values(StartMenuOptions()),
                         [](const auto& info) { return info.param.Name; });

class StartMenuOptionsPage : public TFormTest {};

TEST_F(StartMenuOptionsPage, ShowsItsOptionsTableInTabOrder) {
    TStartMenuOptionsPage& page = form->desktop3;
    EXPECT_EQ(page.ProLabel.Text(), "Start Menu Options");
    ExpectOptionsTable(
        page.optionsPanel.Handle(),
        {
            {&page.disshutdown, "Disable Shutdown Button", "Disable/Enable Shutdown Button on the Start Menu.",
             {16, 12, 149, 17}},
            {&page.hiderun, "Hide Run Options", "Hide/Show Run Options in Windows and the Start Menu.",
             {16, 60, 121, 17}},
            {&page.dislogoff, "Disable LogOff Button", "Disable/Enable LogOff Button on the Start Menu.",
             {16, 36, 121, 17}},
            {&page.hidefind, "Hide Find Options", "Hide/Show Find Options in Windows and the Start Menu.",
             {16, 84, 121, 17}},
            {&page.hideupdate, "Hide Windows Update", "Hide/Show Windows Update on the Start Menu.",
             {16, 108, 141, 17}},
            {&page.hidetasksettings, "Hide Taskbar Settings",
             "Hide/Show Taskbar & Start Menu Settings in the Start Menu.", {16, 132, 149, 17}},
            {&page.hidedocsmenu, "Hide Documents Menu", "Hide/Show the Documents List within the Start Menu.",
             {196, 36, 141, 17}},
            {&page.hidemenufolders, "Hide StartMenu SubFolders", "Hide/Show All Start Menu SubFolders.",
             {196, 12, 149, 17}},
            {&page.hidecommonmenus, "Hide Common Menus", "Hide/Show All Common Menus on the Start Menu.",
             {196, 84, 133, 17}},
            {&page.hidefavsmenu, "Hide Favourites Menu", "Hide/Show the Favourites List within the Start Menu.",
             {196, 60, 121, 17}},
            {&page.nomenuchanges, "No StartMenu Changes", "Do Not Allow any Changes to the Start Menu.",
             {196, 132, 145, 17}},
            {&page.hidewebmenus, "Hide Web Menus", "Hide/Show All Web Access Menus.", {196, 108, 121, 17}},
            {&page.bapplydesk3, "Apply Changes", "", {136, 184, 89, 25}},
        });
}
