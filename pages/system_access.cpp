#include "pages/system_access.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TSystemAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "System5", "System Access", PageIcon(5));
    CreateBox(hidedevicepage,
              {"Hide Device Manager Page", "Hide/Show the Device Manager Tab within System Properties.",
               {16, 12, 165, 17}},
              Handler(&TSystemAccessPage::hidedevicepageClick));
    CreateBox(hidehardwarepage,
              {"Hide Hardware Profiles Page", "Hide/Show the Hardware Profiles Tab within System Properties.",
               {16, 44, 161, 17}},
              Handler(&TSystemAccessPage::hidehardwarepageClick));
    CreateBox(hidefilepage,
              {"Hide File System Options", "Hide/Show the File System Tab within System Properties.",
               {16, 76, 157, 17}},
              Handler(&TSystemAccessPage::hidefilepageClick));
    CreateBox(hidevirtualpage,
              {"Hide Virtual Memory Options", "Hide/Show the Virtual Memory Settings within System Properties.",
               {16, 108, 181, 17}},
              Handler(&TSystemAccessPage::hidevirtualpageClick));
    CreateBox(hidepasswordpage,
              {"Hide Password Page", "Hide/Show the Change Password Tab within Password Control Panel.",
               {200, 12, 145, 17}},
              Handler(&TSystemAccessPage::hidepasswordpageClick));
    CreateBox(hideadminpage,
              {"Hide Remote Admin Page", "Hide/Show the Remote Administration Tab within Password Control Panel.",
               {200, 44, 141, 17}},
              Handler(&TSystemAccessPage::hideadminpageClick));
    CreateBox(hideuserpage,
              {"Hide User Profile Page", "Hide/Show the User Profiles Tab within Password Control Panel.",
               {200, 76, 145, 17}},
              Handler(&TSystemAccessPage::hideuserpageClick));
    CreateBox(diswizards,
              {"Disable Settings Wizards", "Disable/Enable All Settings Wizards withi Windows.", {200, 108, 141, 17}},
              Handler(&TSystemAccessPage::diswizardsClick));
    CreateApplyButton(bapplysystem1, Handler(&TSystemAccessPage::bapplysystem1Click));
}

// The settings wizards' switch lives under the Explorer policies, so it comes last.
void TSystemAccessPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, SystemPolicies);
    LoadFlag(registry, "NoDevMgrPage", hidedevicepage);
    LoadFlag(registry, "NoConfigPage", hidehardwarepage);
    LoadFlag(registry, "NoFileSysPage", hidefilepage);
    LoadFlag(registry, "NoVirtMemPage", hidevirtualpage);
    LoadFlag(registry, "NoPwdPage", hidepasswordpage);
    LoadFlag(registry, "NoAdminPage", hideadminpage);
    LoadFlag(registry, "NoProfilePage", hideuserpage);
    registry.OpenKey(ExplorerPolicies, true);
    LoadFlag(registry, "NoSettingsWizards", diswizards);
}

void TSystemAccessPage::hidedevicepageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDevMgrPage", hidedevicepage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hidehardwarepageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoConfigPage", hidehardwarepage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hidefilepageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoFileSysPage", hidefilepage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hidevirtualpageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoVirtMemPage", hidevirtualpage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hidepasswordpageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoPwdPage", hidepasswordpage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hideadminpageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoAdminPage", hideadminpage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::hideuserpageClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoProfilePage", hideuserpage);
    bapplysystem1.Enable();
}

void TSystemAccessPage::diswizardsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoSettingsWizards", diswizards);
    bapplysystem1.Enable();
}

void TSystemAccessPage::bapplysystem1Click() { ApplyChanges(bapplysystem1, NoticeA); }
