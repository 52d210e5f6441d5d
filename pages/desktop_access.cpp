#include "pages/desktop_access.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

namespace {

// PaintDesktopVersion is the page's one text value: "1" shows the version, "0" hides it.
void StoreTextFlag(HKEY root, const char* key, const char* name, const TFlatCheckBox& box) {
    TOpenedKey registry(root, key);
    registry.WriteString(name, box.Checked() ? "1" : "0");
}

// Ticked exactly when the whole text is "1"; a missing value is created as "0".
void LoadTextFlag(TRegistry& registry, const char* name, TFlatCheckBox& box) {
    if (registry.ValueExists(name))
        box.SetChecked(registry.ReadString(name) == "1");
    else
        registry.WriteString(name, "0");
}

}  // namespace

void TDesktopAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "desktop1", "Desktop Access", PageIcon(1));
    CreateGreyBox(hidedeskicons,
                  {"Hide All Desktop Icons", "Hide/Show all Icons on the Windows Desktop.", {16, 12, 137, 17}},
                  Handler(&TDesktopAccessPage::hidedeskiconsClick));
    CreateGreyBox(hideineticon,
                  {"Hide Internet Icon", "Hide/Show the Internet Access Icon on the Desktop.", {16, 40, 121, 17}},
                  Handler(&TDesktopAccessPage::hideineticonClick));
    CreateGreyBox(distraycontext,
                  {"Disable Taskbar Context Menus", "Disable/Enable Right Mouse Click Menus on the Taskbar.",
                   {16, 68, 177, 17}},
                  Handler(&TDesktopAccessPage::distraycontextClick));
    CreateGreyBox(nowallpaper,
                  {"No Wallpaper Changes", "Do not save Desktop Wallpaper changes.", {204, 12, 137, 17}},
                  Handler(&TDesktopAccessPage::nowallpaperClick));
    CreateGreyBox(disallcontext,
                  {"Disable All Context Menus", "Disable/Enable All Right Mouse Click Menus within Windows.",
                   {16, 96, 141, 17}},
                  Handler(&TDesktopAccessPage::disallcontextClick));
    CreateGreyBox(hidebackground,
                  {"Hide Background Page",
                   "Hide/Show Background Page Tab within the Display Settings Control Panel.", {204, 40, 145, 17}},
                  Handler(&TDesktopAccessPage::hidebackgroundClick));
    CreateGreyBox(hidescreensaver,
                  {"Hide Screensaver Page",
                   "Hide/Show Screensaver Page Tab within the Display Settings Control Panel.", {204, 68, 145, 17}},
                  Handler(&TDesktopAccessPage::hidescreensaverClick));
    CreateGreyBox(hideappearance,
                  {"Hide Appearance Page",
                   "Hide/Show Appearance Page Tab within the Display Settings Control Panel.", {204, 96, 145, 17}},
                  Handler(&TDesktopAccessPage::hideappearanceClick));
    CreateGreyBox(hidedisplay,
                  {"Hide Display Settings",
                   "Hide/Show Display Settings Page Tab within the Display Settings Control Panel.",
                   {204, 124, 149, 17}},
                  Handler(&TDesktopAccessPage::hidedisplayClick));
    CreateBox(nosavesettings,
              {"No Save Settings on Exit",
               "No Save/Save Explorer & Desktop Settings, Icon Positions, Folder Views etc..", {16, 124, 145, 17}},
              Handler(&TDesktopAccessPage::nosavesettingsClick));
    CreateBox(showversion,
              {"Show Version on Desktop", "Show/Hide the Windows Version Number on the Desktop.", {16, 152, 149, 17}},
              Handler(&TDesktopAccessPage::showversionClick));
    CreateApplyButton(bapplydesk1, Handler(&TDesktopAccessPage::bapplydesk1Click));
    // The one Apply button whose colours follow the silver panel.
    bapplydesk1.SetUseAdvColors(true);
}

// The wallpaper value is read as "NoChangingWallPaper" here and written as
// "NoChangingWallpaper" by its handler: one value, as names ignore case.
void TDesktopAccessPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoDesktop", hidedeskicons);
    LoadFlag(registry, "NoInternetIcon", hideineticon);
    LoadFlag(registry, "NoTrayContextMenu", distraycontext);
    LoadFlag(registry, "NoViewContextMenu", disallcontext);
    LoadFlag(registry, "NoSaveSettings", nosavesettings);
    LoadFlag(registry, "NoChangingWallPaper", nowallpaper);
    registry.OpenKey(SystemPolicies, true);
    LoadFlag(registry, "NoDispBackgroundPage", hidebackground);
    LoadFlag(registry, "NoDispScrSavPage", hidescreensaver);
    LoadFlag(registry, "NoDispAppearancePage", hideappearance);
    LoadFlag(registry, "NoDispSettingsPage", hidedisplay);
    registry.OpenKey(ControlPanelDesktop, true);
    LoadTextFlag(registry, "PaintDesktopVersion", showversion);
    registry.OpenKey(ExplorerAdvanced, true);
    LoadFlag(registry, "Hidden", filesAndFolders_.hidesysfiles, 0, 1);  // 0 means hide
}

void TDesktopAccessPage::hidedeskiconsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoDesktop", hidedeskicons);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::hideineticonClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoInternetIcon", hideineticon);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::distraycontextClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoTrayContextMenu", distraycontext);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::nowallpaperClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoChangingWallpaper", nowallpaper);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::disallcontextClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoViewContextMenu", disallcontext);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::hidebackgroundClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDispBackgroundPage", hidebackground);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::hidescreensaverClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDispScrSavPage", hidescreensaver);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::hideappearanceClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDispAppearancePage", hideappearance);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::hidedisplayClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDispSettingsPage", hidedisplay);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::nosavesettingsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoSaveSettings", nosavesettings);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::showversionClick() {
    StoreTextFlag(HKEY_CURRENT_USER, ControlPanelDesktop, "PaintDesktopVersion", showversion);
    bapplydesk1.Enable();
}

void TDesktopAccessPage::bapplydesk1Click() { ApplyChanges(bapplydesk1, NoticeA); }

// The grey pressed and border colours of the page's first nine boxes.
void TDesktopAccessPage::CreateGreyBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick) {
    CreateBox(box, props, std::move(onClick));
    box.SetColorDown(RGB(181, 181, 181));
    box.SetColorBorder(RGB(139, 139, 139));
}
