#include "pages/desktop_access.h"
#include "pages/key_paths.h"
#include "registry_page_checks.h"

#include <iterator>

class DesktopAccessPage : public TFormTest {
protected:
    void SetUp() override {
        ResetMachine();
        TFormTest::SetUp();
    }
    TDesktopAccessPage& page() { return form->desktop1; }
};

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
