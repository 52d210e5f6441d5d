// Every option page against the option table: its title and its controls in
// tab order, and for the pages whose boxes store registry values, the checks
// of those values.

#include "option_controls.h"
#include "profile_files.h"
#include "registry_page_checks.h"

#include <cctype>

namespace {

TRegistryPageTable ControlPanels() {
    TRegistryPageTable table = RegistryPageTable(9, "ControlPanels", NoticeA);
    table.LoaderDisablesButton = true;
    table.ClearFiles = [] { profile::Remove(profile::InWindowsDirectory("control.ini")); };
    return table;
}

TRegistryPageTable WindowsLogon() {
    TRegistryPageTable table = RegistryPageTable(13, "WindowsLogon", NoticeB);
    table.LoaderDisablesButton = true;
    return table;
}

// A page's title without its blanks, as a test name.
std::string PageName(int page) {
    std::string name;
    for (char c : options::Page(page).Title)
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    return name;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Pages, RegistryPage,
                         testing::Values(RegistryPageTable(1, "DesktopAccess", NoticeA),
                                         RegistryPageTable(2, "FilesAndFolders", NoticeA),
                                         RegistryPageTable(3, "StartMenuOptions", NoticeA),
                                         RegistryPageTable(4, "ActiveDesktop", NoticeA),
                                         RegistryPageTable(5, "SystemAccess", NoticeA),
                                         RegistryPageTable(6, "NetworkAccess", NoticeA),
                                         RegistryPageTable(8, "PrinterOptions", NoticeA), ControlPanels(),
                                         RegistryPageTable(10, "ProgramAccess", NoticeA), WindowsLogon()),
                         [](const auto& info) { return info.param.Name; });

class OptionPage : public TFormTest, public testing::WithParamInterface<int> {};

TEST_P(OptionPage, ShowsItsTitleAndItsControlsInTabOrder) {
    const int page = GetParam();
    TOptionPage& shown = *form->OptionPage(page);
    EXPECT_EQ(shown.ProLabel.Text(), options::Page(page).Title);
    ExpectOptionsTable(shown.optionsPanel.Handle(), OptionRows(*form, page, "", TextsShownAtStart()));
    for (const options::TControl& group : options::ControlsOn(page)) {
        if (group.Kind != "group") continue;
        SCOPED_TRACE(group.Name);
        TWindow& window = ControlNamed(*form, group.Name);
        EXPECT_EQ(window.Parent(), shown.optionsPanel.Handle());
        EXPECT_EQ(window.Hint(), group.Hint);
        TBounds bounds = window.Bounds();
        EXPECT_EQ((std::vector<int>{bounds.Left, bounds.Top, bounds.Width, bounds.Height}),
                  (std::vector<int>{group.Left, group.Top, group.Width, group.Height}));
        ExpectOptionsTable(window.Handle(), OptionRows(*form, page, group.Name));
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, OptionPage, testing::Range(1, 14),
                         [](const auto& info) { return PageName(info.param); });
