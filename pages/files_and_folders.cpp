#include "pages/files_and_folders.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TFilesAndFoldersPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "desktop2", "Files and Folders", PageIcon(2));
    CreateBox(disfilemenu,
              {"Disable Explorer File Menu", "Disable/Enable Access to the Desktop & Explorer File Menu.",
               {16, 12, 149, 17}},
              Handler(&TFilesAndFoldersPage::disfilemenuClick));
    CreateBox(disfolderoptions,
              {"Disable Explorer Folder Options", "Disable/Enable Access to the Desktop & Explorer Folder Options.",
               {16, 40, 173, 17}},
              Handler(&TFilesAndFoldersPage::disfolderoptionsClick));
    CreateBox(cleardocs,
              {"Clear Recent Docs on Exit", "Always Clear the Recent Documents List when exiting Windows.",
               {16, 68, 149, 17}},
              Handler(&TFilesAndFoldersPage::cleardocsClick));
    CreateBox(disdocshistory,
              {"Disable Recent Docs History", "Disable/Enable Recent Documents History Saving.", {16, 96, 157, 17}},
              Handler(&TFilesAndFoldersPage::disdocshistoryClick));
    CreateBox(shellsecurity, {"Enforce ShellExt Security", "", {212, 12, 141, 17}}, Handler(&TFilesAndFoldersPage::shellsecurityClick));
    CreateBox(dismenufolder,
              {"Hide Folders in Settings Menu", "Hide/Show All Folders within Settings on the Start Menu.",
               {16, 124, 165, 17}},
              Handler(&TFilesAndFoldersPage::dismenufolderClick));
    CreateBox(hidesysfiles,
              {"Hide Hidden/System Files", "Hide/Show Hidden and System Files in Explorer.", {212, 40, 149, 17}},
              Handler(&TFilesAndFoldersPage::hidesysfilesClick));
    CreateApplyButton(bapplydesk2, Handler(&TFilesAndFoldersPage::bapplydesk2Click));
}

// Hidden, behind hidesysfiles, is read by the Desktop Access page loader.
void TFilesAndFoldersPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoFileMenu", disfilemenu);
    LoadFlag(registry, "NoFolderOptions", disfolderoptions);
    LoadFlag(registry, "ClearRecentDocsOnExit", cleardocs);
    LoadFlag(registry, "NoRecentDocsHistory", disdocshistory);
    LoadFlag(registry, "NoSetFolders", dismenufolder);
    LoadFlag(registry, "EnforceShellExtensionSecurity", shellsecurity);
}

void TFilesAndFoldersPage::disfilemenuClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu", disfilemenu);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::disfolderoptionsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoFolderOptions", disfolderoptions);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::cleardocsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "ClearRecentDocsOnExit", cleardocs);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::disdocshistoryClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoRecentDocsHistory", disdocshistory);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::shellsecurityClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "EnforceShellExtensionSecurity", shellsecurity);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::dismenufolderClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoSetFolders", dismenufolder);
    bapplydesk2.Enable();
}

// Runs the other way: ticked, meaning hide, stores 0.
void TFilesAndFoldersPage::hidesysfilesClick() {
    StoreInteger(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden", hidesysfiles.Checked() ? 0 : 1);
    bapplydesk2.Enable();
}

void TFilesAndFoldersPage::bapplydesk2Click() { ApplyChanges(bapplydesk2, NoticeA); }
