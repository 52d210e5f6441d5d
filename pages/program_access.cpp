#include "pages/program_access.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

// The title reads "Programs Access", the sub-item "Program Access".
void TProgramAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "User10", "Programs Access", PageIcon(10));
    CreateBox(restrictexecution,
              {"Restrict Program Execution",
               "Restrict Program Execution on this Computer.  Advanced Admin Option !", {20, 12, 153, 17}},
              Handler(&TProgramAccessPage::restrictexecutionClick));
    CreateBox(restrictregistry,
              {"Restrict Registry Editing", "Restrict Registry Editing on this Computer.  Advanced Admin Option !",
               {20, 44, 161, 17}},
              Handler(&TProgramAccessPage::restrictregistryClick));
    CreateBox(restrictmsdos,
              {"Restrict Access to MS-DOS Command Prompt",
               "Disable/Enable Access to the MS-DOS Command Prompt and all DOS Programs.", {20, 76, 245, 17}},
              Handler(&TProgramAccessPage::restrictmsdosClick));
    CreateBox(restrictrealmode,
              {"Restrict MS-DOS Real Mode Access", "Prevent Access to Real Mode MS-DOS through the Shutdown Option.",
               {20, 108, 201, 17}},
              Handler(&TProgramAccessPage::restrictrealmodeClick));
    CreateApplyButton(bapplyuser1, Handler(&TProgramAccessPage::bapplyuser1Click));
}

// DisableRegistryTools lives beside RestrictRun under the Explorer policies.
void TProgramAccessPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "RestrictRun", restrictexecution);
    LoadFlag(registry, "DisableRegistryTools", restrictregistry);
    registry.OpenKey(WinOldAppPolicies, true);
    LoadFlag(registry, "Disabled", restrictmsdos);
    LoadFlag(registry, "NoRealMode", restrictrealmode);
}

void TProgramAccessPage::restrictexecutionClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "RestrictRun", restrictexecution);
    bapplyuser1.Enable();
}

void TProgramAccessPage::restrictregistryClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "DisableRegistryTools", restrictregistry);
    bapplyuser1.Enable();
}

void TProgramAccessPage::restrictmsdosClick() {
    StoreFlag(HKEY_CURRENT_USER, WinOldAppPolicies, "Disabled", restrictmsdos);
    bapplyuser1.Enable();
}

void TProgramAccessPage::restrictrealmodeClick() {
    StoreFlag(HKEY_CURRENT_USER, WinOldAppPolicies, "NoRealMode", restrictrealmode);
    bapplyuser1.Enable();
}

void TProgramAccessPage::bapplyuser1Click() { ApplyChanges(bapplyuser1, NoticeA); }
