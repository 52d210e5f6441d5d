#include "pages/active_desktop.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

// The boxes are created in tab order, which is not their order on screen.
void TActiveDesktopPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "desktop4", "Active Desktop", PageIcon(4));
    CreateBox(noactivedesk, {"No Active Desktop", "Turns Off the Active Desktop Features.", {16, 12, 121, 17}},
              Handler(&TActiveDesktopPage::noactivedeskClick));
    CreateBox(noactivechanges,
              {"No Active Desktop Changes", "Do Not Allow any Active Desktop Changes.", {16, 40, 153, 17}},
              Handler(&TActiveDesktopPage::noactivechangesClick));
    CreateBox(nowebview,
              {"No Customize Web View", "Do Not Allow Changes to the Active Desktop Web View.", {16, 96, 157, 17}},
              Handler(&TActiveDesktopPage::nowebviewClick));
    CreateBox(dishtml,
              {"Disable HTML Wallpaper", "Disable/Enable Setting HTML Wallpaper on the Desktop.", {208, 40, 145, 17}},
              Handler(&TActiveDesktopPage::dishtmlClick));
    CreateBox(nosetactivedesk,
              {"No Setting Active Desktop", "Do Not Allow Setting the Active Desktop Features.", {16, 68, 153, 17}},
              Handler(&TActiveDesktopPage::nosetactivedeskClick));
    CreateBox(useclassic, {"Use Classic Shell", "Always Use the Classic Windows Shell.", {208, 12, 109, 17}},
              Handler(&TActiveDesktopPage::useclassicClick));
    CreateApplyButton(bapplydesk4, Handler(&TActiveDesktopPage::bapplydesk4Click));
}

// The HTML wallpaper value is read as "NoHTMLWallPaper" here and written as
// "NoHTMLWallpaper" by its handler: one value, as names ignore case.
void TActiveDesktopPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoActiveDesktop", noactivedesk);
    LoadFlag(registry, "NoActiveDesktopChanges", noactivechanges);
    LoadFlag(registry, "NoSetActiveDesktop", nosetactivedesk);
    LoadFlag(registry, "NoCustomizeWebView", nowebview);
    LoadFlag(registry, "ClassicShell", useclassic);
    LoadFlag(registry, "NoHTMLWallPaper", dishtml);
}

void TActiveDesktopPage::noactivedeskClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoActiveDesktop", noactivedesk);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::noactivechangesClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoActiveDesktopChanges", noactivechanges);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::nosetactivedeskClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoSetActiveDesktop", nosetactivedesk);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::nowebviewClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoCustomizeWebView", nowebview);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::useclassicClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "ClassicShell", useclassic);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::dishtmlClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoHTMLWallpaper", dishtml);
    bapplydesk4.Enable();
}

void TActiveDesktopPage::bapplydesk4Click() { ApplyChanges(bapplydesk4, NoticeA); }
