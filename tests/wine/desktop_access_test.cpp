#include "pages/desktop_access.h"
#include "pages/key_paths.h"
#include "registry_page_checks.h"

#include <iterator>

namespace {

TButtonOf Bapplydesk1() {
    return [](TForm1& form) -> TFlatButton& { return form.desktop1.bapplydesk1; };
}

// In the loader's order; the nowallpaper value is spelled one way by the
// handler and another by the loader, and Hidden belongs to a box of the
// Files and Folders page.
TRegistryPageTable DesktopAccess() {
    auto box = [](TFlatCheckBox TDesktopAccessPage::*member) -> TBoxOf {
        return [member](TForm1& form) -> TFlatCheckBox& { return form.desktop1.*member; };
    };
    auto row = [&](const char* control, TFlatCheckBox TDesktopAccessPage::*member, const char* key,
                   const char* name) {
        return FlagRow(control, box(member), Bapplydesk1(), HKEY_CURRENT_USER, key, name);
    };
    TStorageRow wallpaper =
        row("nowallpaper", &TDesktopAccessPage::nowallpaper, ExplorerPolicies, "NoChangingWallpaper");
    wallpaper.LoaderName = "NoChangingWallPaper";
    TStorageRow version =
        row("showversion", &TDesktopAccessPage::showversion, ControlPanelDesktop, "PaintDesktopVersion");
    version.Text = true;
    version.SharedKey = true;
    TStorageRow hidden = FlagRow(
        "hidesysfiles", [](TForm1& form) -> TFlatCheckBox& { return form.desktop2.hidesysfiles; },
        [](TForm1& form) -> TFlatButton& { return form.desktop2.bapplydesk2; }, HKEY_CURRENT_USER,
        ExplorerAdvanced, "Hidden");
    hidden.Ticked = 0;
    hidden.Cleared = 1;
    hidden.OnPage = false;

    TRegistryPageTable table;
    table.Name = "DesktopAccess";
    table.Page = 1;
    table.Button = Bapplydesk1();
    table.Notice = NoticeA;
    table.Rows = {
        row("hidedeskicons", &TDesktopAccessPage::hidedeskicons, ExplorerPolicies, "NoDesktop"),
        row("hideineticon", &TDesktopAccessPage::hideineticon, ExplorerPolicies, "NoInternetIcon"),
        row("distraycontext", &TDesktopAccessPage::distraycontext, ExplorerPolicies, "NoTrayContextMenu"),
        row("disallcontext", &TDesktopAccessPage::disallcontext, ExplorerPolicies, "NoViewContextMenu"),
        row("nosavesettings", &TDesktopAccessPage::nosavesettings, ExplorerPolicies, "NoSaveSettings"),
        wallpaper,
        row("hidebackground", &TDesktopAccessPage::hidebackground, SystemPolicies, "NoDispBackgroundPage"),
        row("hidescreensaver", &TDesktopAccessPage::hidescreensaver, SystemPolicies, "NoDispScrSavPage"),
        row("hideappearance", &TDesktopAccessPage::hideappearance, SystemPolicies, "NoDispAppearancePage"),
        row("hidedisplay", &TDesktopAccessPage::hidedisplay, SystemPolicies, "NoDispSettingsPage"),
        version,
        hidden,
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(DesktopAccess, RegistryPage, testing::Values(DesktopAccess()),
                         [](const auto& info) { return info.param.Name; });

class DesktopAccessPage : public TFormTest {
protected:
    void SetUp() override {
        ResetMachine();
        TFormTest::SetUp();
    }
    TDesktopAccessPage& page() { return form->desktop1; }
};

TEST_F(DesktopAccessPage, ShowsItsOptionsTable) {
    TDesktopAccessPage& p = page();
    EXPECT_EQ(p.ProLabel.Text(), "Desktop Access");
    ExpectOptionsTable(
        p.optionsPanel.Handle(),
        {
            {&p.hidedeskicons, "Hide All Desktop Icons", "Hide/Show all Icons on the Windows Desktop.",
             {16, 12, 137, 17}},
            {&p.hideineticon, "Hide Internet Icon", "Hide/Show the Internet Access Icon on the Desktop.",
             {16, 40, 121, 17}},
            {&p.distraycontext, "Disable Taskbar Context Menus",
             "Disable/Enable Right Mouse Click Menus on the Taskbar.", {16, 68, 177, 17}},
            {&p.nowallpaper, "No Wallpaper Changes", "Do not save Desktop Wallpaper changes.", {204, 12, 137, 17}},
            {&p.disallcontext, "Disable All Context Menus",
             "Disable/Enable All Right Mouse Click Menus within Windows.", {16, 96, 141, 17}},
            {&p.hidebackground, "Hide Background Page",
             "Hide/Show Background Page Tab within the Display Settings Control Panel.", {204, 40, 145, 17}},
            {&p.hidescreensaver, "Hide Screensaver Page",
             "Hide/Show Screensaver Page Tab within the Display Settings Control Panel.", {204, 68, 145, 17}},
            {&p.hideappearance, "Hide Appearance Page",
             "Hide/Show Appearance Page Tab within the Display Settings Control Panel.", {204, 96, 145, 17}},
            {&p.hidedisplay, "Hide Display Settings",
             "Hide/Show Display Settings Page Tab within the Display Settings Control Panel.", {204, 124, 149, 17}},
            {&p.nosavesettings, "No Save Settings on Exit",
             "No Save/Save Explorer & Desktop Settings, Icon Positions, Folder Views etc..", {16, 124, 145, 17}},
            {&p.showversion, "Show Version on Desktop", "Show/Hide the Windows Version Number on the Desktop.",
             {16, 152, 149, 17}},
            {&p.bapplydesk1, "Apply Changes", "", {136, 184, 89, 25}},
        });
}

TEST_F(DesktopAccessPage, NineBoxesUseTheGreyPressedAndBorderColours) {
    const COLORREF greyDown = RGB(181, 181, 181), greyBorder = RGB(139, 139, 139);
    const COLORREF plainDown = RGB(217, 214, 197), plainBorder = RGB(160, 150, 131);
    TDesktopAccessPage& p = page();
    struct TBoxColours {
        const TFlatCheckBox* Box;
        COLORREF Down;
        COLORREF Border;
    };
    const TBoxColours boxes[] = {
        {&p.hidedeskicons, greyDown, greyBorder},   {&p.hideineticon, greyDown, greyBorder},
        {&p.distraycontext, greyDown, greyBorder},  {&p.nowallpaper, greyDown, greyBorder},
        {&p.disallcontext, greyDown, greyBorder},   {&p.hidebackground, greyDown, greyBorder},
        {&p.hidescreensaver, greyDown, greyBorder}, {&p.hideappearance, greyDown, greyBorder},
        {&p.hidedisplay, greyDown, greyBorder},     {&p.nosavesettings, plainDown, plainBorder},
        {&p.showversion, plainDown, plainBorder},
    };
    for (const TBoxColours& expected : boxes) {
        SCOPED_TRACE(expected.Box->Text());
        EXPECT_EQ(expected.Box->ColorDown(), expected.Down);
        EXPECT_EQ(expected.Box->ColorBorder(), expected.Border);
        EXPECT_EQ(expected.Box->ColorFocused(), clWhite);
    }
}

TEST_F(DesktopAccessPage, OnlyBapplydesk1DerivesItsColoursFromTheSilverPanel) {
    struct TButtonColours {
        const TFlatButton* Button;
        COLORREF Focused;
        COLORREF Down;
        COLORREF Border;
    };
    const TButtonColours buttons[] = {
        {&form->desktop1.bapplydesk1, RGB(202, 202, 202), RGB(181, 181, 181), RGB(139, 139, 139)},
        {&form->desktop2.bapplydesk2, RGB(235, 235, 225), RGB(217, 214, 197), RGB(160, 150, 131)},
        {&form->desktop3.bapplydesk3, RGB(235, 235, 225), RGB(217, 214, 197), RGB(160, 150, 131)},
        {&form->desktop4.bapplydesk4, RGB(235, 235, 225), RGB(217, 214, 197), RGB(160, 150, 131)},
    };
    for (size_t i = 0; i < std::size(buttons); ++i) {
        SCOPED_TRACE("bapplydesk" + std::to_string(i + 1));
        EXPECT_EQ(buttons[i].Button->ColorFocused(), buttons[i].Focused);
        EXPECT_EQ(buttons[i].Button->ColorDown(), buttons[i].Down);
        EXPECT_EQ(buttons[i].Button->ColorBorder(), buttons[i].Border);
    }
}

// Hidden is loaded here, but its box and button are the Files and Folders page's.
TEST_F(DesktopAccessPage, HiddenZeroTicksHidesysfilesAndEnablesOnlyBapplydesk2) {
    reg::SetDword(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden", 0);
    SelectPage(1);
    EXPECT_EQ(form->Notebook1.PageIndex(), 1);
    EXPECT_TRUE(form->desktop2.hidesysfiles.Checked());
    EXPECT_TRUE(form->desktop2.bapplydesk2.Enabled()) << "enabled while page 1 shows";
    EXPECT_FALSE(page().bapplydesk1.Enabled());
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden").Dword(), 0u);

    SelectPage(2);
    EXPECT_TRUE(form->desktop2.hidesysfiles.Checked()) << "the Files and Folders loader leaves it";
}

TEST_F(DesktopAccessPage, ShowversionIsTickedOnlyByTheExactText1) {
    struct TStored {
        DWORD Type;
        const char* Text;
        bool Ticked;
    };
    // Alternating, so that each case moves the box if it is read wrongly.
    const TStored cases[] = {
        {REG_SZ, "1", true},        {REG_SZ, "0", false}, {REG_EXPAND_SZ, "1", true}, {REG_SZ, "", false},
        {REG_SZ, "1", true},        {REG_SZ, "01", false}, {REG_SZ, "1", true},        {REG_SZ, " 1", false},
        {REG_EXPAND_SZ, "1", true}, {REG_SZ, "1 ", false},
    };
    for (const TStored& stored : cases) {
        SCOPED_TRACE(std::string("'") + stored.Text + "' of type " + std::to_string(stored.Type));
        reg::SetString(HKEY_CURRENT_USER, ControlPanelDesktop, "PaintDesktopVersion", stored.Text, stored.Type);
        SelectPage(1);
        EXPECT_EQ(page().showversion.Checked(), stored.Ticked);
        reg::TValue value = reg::Read(HKEY_CURRENT_USER, ControlPanelDesktop, "PaintDesktopVersion");
        EXPECT_EQ(value.Type, static_cast<DWORD>(REG_SZ)) << "the flip stores a plain string";
        EXPECT_EQ(value.Text(), stored.Ticked ? "1" : "0");
    }
    EXPECT_TRUE(shell.Errors().empty());
}

TEST_F(DesktopAccessPage, PaintDesktopVersionStoredAsANumberStopsTheLoaderBeforeHidden) {
    const BYTE eight[] = {1, 0, 0, 0, 0, 0, 0, 0};
    const DWORD one = 1;
    struct TWrong {
        DWORD Type;
        const void* Data;
        DWORD Size;
    };
    const TWrong wrongs[] = {{REG_DWORD, &one, sizeof(one)}, {REG_BINARY, eight, sizeof(eight)}};
    const char* const handled[] = {"NoDesktop",         "NoInternetIcon",   "NoTrayContextMenu",
                                   "NoViewContextMenu", "NoSaveSettings",   "NoChangingWallPaper"};
    const char* const handledSystem[] = {"NoDispBackgroundPage", "NoDispScrSavPage", "NoDispAppearancePage",
                                         "NoDispSettingsPage"};
    for (const TWrong& wrong : wrongs) {
        SCOPED_TRACE(wrong.Type);
        reg::DeleteTree(HKEY_CURRENT_USER, ExplorerPolicies);
        reg::DeleteTree(HKEY_CURRENT_USER, SystemPolicies);
        reg::SetRaw(HKEY_CURRENT_USER, ControlPanelDesktop, "PaintDesktopVersion", wrong.Type, wrong.Data,
                    wrong.Size);
        shell.Clear();
        SelectPage(2);  // a page to stay on
        ASSERT_EQ(form->Notebook1.PageIndex(), 2);
        SelectPage(1);
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Invalid data type for 'PaintDesktopVersion'"});
        EXPECT_EQ(form->Notebook1.PageIndex(), 2);
        for (const char* name : handled)
            EXPECT_TRUE(reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, name).Exists) << name;
        for (const char* name : handledSystem)
            EXPECT_TRUE(reg::Read(HKEY_CURRENT_USER, SystemPolicies, name).Exists) << name;
        EXPECT_FALSE(reg::Read(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden").Exists);
        EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, ControlPanelDesktop, "PaintDesktopVersion").Type, wrong.Type);
    }
}

// The loader's flip of hidesysfiles runs hidesysfilesClick; a refused write
// there ends the load, and the page is not shown.
TEST_F(DesktopAccessPage, ARefusedWriteOfTheHiddenFlipStopsTheLoad) {
    SelectPage(1);  // creates every value, so that the next load writes only through the flip
    reg::SetDword(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden", 0);
    SelectPage(2);
    shell.Clear();
    {
        TRefuseRegistryWrites refuse;
        SelectPage(1);
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Failed to set data for 'Hidden'"});
    EXPECT_EQ(form->Notebook1.PageIndex(), 2);
    EXPECT_TRUE(form->desktop2.hidesysfiles.Checked()) << "the box keeps its new state";
    EXPECT_FALSE(form->desktop2.bapplydesk2.Enabled());
}
