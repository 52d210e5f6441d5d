#include "pages/active_desktop.h"
#include "pages/key_paths.h"
#include "registry_page_checks.h"

namespace {

// In the loader's order, which is not the tab order; the dishtml value is
// spelled one way by the handler and another by the loader.
TRegistryPageTable ActiveDesktop() {
    auto box = [](TFlatCheckBox TActiveDesktopPage::*member) -> TBoxOf {
        return [member](TForm1& form) -> TFlatCheckBox& { return form.desktop4.*member; };
    };
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.desktop4.bapplydesk4; };
    auto row = [&](const char* control, TFlatCheckBox TActiveDesktopPage::*member, const char* name) {
        return FlagRow(control, box(member), button, HKEY_CURRENT_USER, ExplorerPolicies, name);
    };
    TStorageRow html = row("dishtml", &TActiveDesktopPage::dishtml, "NoHTMLWallpaper");
    html.LoaderName = "NoHTMLWallPaper";

    TRegistryPageTable table;
    table.Name = "ActiveDesktop";
    table.Page = 4;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("noactivedesk", &TActiveDesktopPage::noactivedesk, "NoActiveDesktop"),
        row("noactivechanges", &TActiveDesktopPage::noactivechanges, "NoActiveDesktopChanges"),
        row("nosetactivedesk", &TActiveDesktopPage::nosetactivedesk, "NoSetActiveDesktop"),
        row("nowebview", &TActiveDesktopPage::nowebview, "NoCustomizeWebView"),
        row("useclassic", &TActiveDesktopPage::useclassic, "ClassicShell"),
        html,
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(ActiveDesktop, RegistryPage, testing::Values(ActiveDesktop()),
                         [](const auto& info) { return info.param.Name; });

class ActiveDesktopPage : public TFormTest {};

TEST_F(ActiveDesktopPage, ShowsItsOptionsTableInTabOrder) {
    TActiveDesktopPage& page = form->desktop4;
    EXPECT_EQ(page.ProLabel.Text(), "Active Desktop");
    ExpectOptionsTable(
        page.optionsPanel.Handle(),
        {
            {&page.noactivedesk, "No Active Desktop", "Turns Off the Active Desktop Features.", {16, 12, 121, 17}},
            {&page.noactivechanges, "No Active Desktop Changes", "Do Not Allow any Active Desktop Changes.",
             {16, 40, 153, 17}},
            {&page.nowebview, "No Customize Web View", "Do Not Allow Changes to the Active Desktop Web View.",
             {16, 96, 157, 17}},
            {&page.dishtml, "Disable HTML Wallpaper", "Disable/Enable Setting HTML Wallpaper on the Desktop.",
             {208, 40, 145, 17}},
            {&page.nosetactivedesk, "No Setting Active Desktop", "Do Not Allow Setting the Active Desktop Features.",
             {16, 68, 153, 17}},
            {&page.useclassic, "Use Classic Shell", "Always Use the Classic Windows Shell.", {208, 12, 109, 17}},
            {&page.bapplydesk4, "Apply Changes", "", {136, 184, 89, 25}},
        });
}
