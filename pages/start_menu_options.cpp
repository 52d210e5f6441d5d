#include "pages/start_menu_options.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

// The boxes are created in tab order, which is not their order on screen.
void TStartMenuOptionsPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "desktop3", "Start Menu Options", PageIcon(3));
    CreateBox(disshutdown,
              {"Disable Shutdown Button", "Disable/Enable Shutdown Button on the Start Menu.", {16, 12, 149, 17}},
              Handler(&TStartMenuOptionsPage::disshutdownClick));
    CreateBox(hiderun,
              {"Hide Run Options", "Hide/Show Run Options in Windows and the Start Menu.", {16, 60, 121, 17}},
              Handler(&TStartMenuOptionsPage::hiderunClick));
    CreateBox(dislogoff,
              {"Disable LogOff Button", "Disable/Enable LogOff Button on the Start Menu.", {16, 36, 121, 17}},
              Handler(&TStartMenuOptionsPage::dislogoffClick));
    CreateBox(hidefind,
              {"Hide Find Options", "Hide/Show Find Options in Windows and the Start Menu.", {16, 84, 121, 17}},
              Handler(&TStartMenuOptionsPage::hidefindClick));
    CreateBox(hideupdate, {"Hide Windows Update", "Hide/Show Windows Update on the Start Menu.", {16, 108, 141, 17}},
              Handler(&TStartMenuOptionsPage::hideupdateClick));
    CreateBox(hidetasksettings,
              {"Hide Taskbar Settings", "Hide/Show Taskbar & Start Menu Settings in the Start Menu.",
               {16, 132, 149, 17}},
              Handler(&TStartMenuOptionsPage::hidetasksettingsClick));
    CreateBox(hidedocsmenu,
              {"Hide Documents Menu", "Hide/Show the Documents List within the Start Menu.", {196, 36, 141, 17}},
              Handler(&TStartMenuOptionsPage::hidedocsmenuClick));
    CreateBox(hidemenufolders,
              {"Hide StartMenu SubFolders", "Hide/Show All Start Menu SubFolders.", {196, 12, 149, 17}},
              Handler(&TStartMenuOptionsPage::hidemenufoldersClick));
    CreateBox(hidecommonmenus,
              {"Hide Common Menus", "Hide/Show All Common Menus on the Start Menu.", {196, 84, 133, 17}},
              Handler(&TStartMenuOptionsPage::hidecommonmenusClick));
    CreateBox(hidefavsmenu,
              {"Hide Favourites Menu", "Hide/Show the Favourites List within the Start Menu.", {196, 60, 121, 17}},
              Handler(&TStartMenuOptionsPage::hidefavsmenuClick));
    CreateBox(nomenuchanges,
              {"No StartMenu Changes", "Do Not Allow any Changes to the Start Menu.", {196, 132, 145, 17}},
              Handler(&TStartMenuOptionsPage::nomenuchangesClick));
    CreateBox(hidewebmenus, {"Hide Web Menus", "Hide/Show All Web Access Menus.", {196, 108, 121, 17}},
              Handler(&TStartMenuOptionsPage::hidewebmenusClick));
    CreateApplyButton(bapplydesk3, Handler(&TStartMenuOptionsPage::bapplydesk3Click));
}

void TStartMenuOptionsPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoClose", disshutdown);
    LoadFlag(registry, "NoLogoff", dislogoff);
    LoadFlag(registry, "NoRun", hiderun);
    LoadFlag(registry, "NoFind", hidefind);
    LoadFlag(registry, "NoWindowsUpdate", hideupdate);
    LoadFlag(registry, "NoSetTaskbar", hidetasksettings);
    LoadFlag(registry, "NoStartMenuSubFolders", hidemenufolders);
    LoadFlag(registry, "NoRecentDocsMenu", hidedocsmenu);
    LoadFlag(registry, "NoFavoritesMenu", hidefavsmenu);
    LoadFlag(registry, "NoCommonGroups", hidecommonmenus);
    LoadFlag(registry, "NoWebMenu", hidewebmenus);
    LoadFlag(registry, "NoChangeStartMenu", nomenuchanges);
}

void TStartMenuOptionsPage::disshutdownClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoClose", disshutdown);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::dislogoffClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoLogoff", dislogoff);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hiderunClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoRun", hiderun);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidefindClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoFind", hidefind);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hideupdateClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoWindowsUpdate", hideupdate);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidetasksettingsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoSetTaskbar", hidetasksettings);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidemenufoldersClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoStartMenuSubFolders", hidemenufolders);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidedocsmenuClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoRecentDocsMenu", hidedocsmenu);
    bapplydesk3.Enable();
}

// The value keeps the American spelling of its caption's "Favourites".
void TStartMenuOptionsPage::hidefavsmenuClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoFavoritesMenu", hidefavsmenu);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidecommonmenusClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoCommonGroups", hidecommonmenus);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::hidewebmenusClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoWebMenu", hidewebmenus);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::nomenuchangesClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoChangeStartMenu", nomenuchanges);
    bapplydesk3.Enable();
}

void TStartMenuOptionsPage::bapplydesk3Click() { ApplyChanges(bapplydesk3, NoticeA); }
