#include "pages/files_and_folders.h"
#include "pages/key_paths.h"
#include "registry_page_checks.h"

namespace {

TRegistryPageTable FilesAndFolders() {
    auto box = [](TFlatCheckBox TFilesAndFoldersPage::*member) -> TBoxOf {
        return [member](TForm1& form) -> TFlatCheckBox& { return form.desktop2.*member; };
    };
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.desktop2.bapplydesk2; };
    auto row = [&](const char* control, TFlatCheckBox TFilesAndFoldersPage::*member, const char* name) {
        return FlagRow(control, box(member), button, HKEY_CURRENT_USER, ExplorerPolicies, name);
    };
    TStorageRow hidden = FlagRow("hidesysfiles", box(&TFilesAndFoldersPage::hidesysfiles), button,
                                 HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden");
    hidden.Ticked = 0;
    hidden.Cleared = 1;
    hidden.Loaded = false;

    TRegistryPageTable table;
    table.Name = "FilesAndFolders";
    table.Page = 2;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("disfilemenu", &TFilesAndFoldersPage::disfilemenu, "NoFileMenu"),
        row("disfolderoptions", &TFilesAndFoldersPage::disfolderoptions, "NoFolderOptions"),
        row("cleardocs", &TFilesAndFoldersPage::cleardocs, "ClearRecentDocsOnExit"),
        row("disdocshistory", &TFilesAndFoldersPage::disdocshistory, "NoRecentDocsHistory"),
        row("dismenufolder", &TFilesAndFoldersPage::dismenufolder, "NoSetFolders"),
        row("shellsecurity", &TFilesAndFoldersPage::shellsecurity, "EnforceShellExtensionSecurity"),
        hidden,
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(FilesAndFolders, RegistryPage, testing::Values(FilesAndFolders()),
                         [](const auto& info) { return info.param.Name; });

class FilesAndFoldersPage : public TFormTest {};

TEST_F(FilesAndFoldersPage, ShowsItsOptionsTable) {
    TFilesAndFoldersPage& page = form->desktop2;
    EXPECT_EQ(page.ProLabel.Text(), "Files and Folders");
    ExpectOptionsTable(page.optionsPanel.Handle(),
                       {
                           {&page.disfilemenu, "Disable Explorer File Menu",
                            "Disable/Enable Access to the Desktop & Explorer File Menu.", {16, 12, 149, 17}},
                           {&page.disfolderoptions, "Disable Explorer Folder Options",
                            "Disable/Enable Access to the Desktop & Explorer Folder Options.", {16, 40, 173, 17}},
                           {&page.cleardocs, "Clear Recent Docs on Exit",
                            "Always Clear the Recent Documents List when exiting Windows.", {16, 68, 149, 17}},
                           {&page.disdocshistory, "Disable Recent Docs History",
                            "Disable/Enable Recent Documents History Saving.", {16, 96, 157, 17}},
                           {&page.shellsecurity, "Enforce ShellExt Security", "", {212, 12, 141, 17}},
                           {&page.dismenufolder, "Hide Folders in Settings Menu",
                            "Hide/Show All Folders within Settings on the Start Menu.", {16, 124, 165, 17}},
                           {&page.hidesysfiles, "Hide Hidden/System Files",
                            "Hide/Show Hidden and System Files in Explorer.", {212, 40, 149, 17}},
                           {&page.bapplydesk2, "Apply Changes", "", {136, 184, 89, 25}},
                       });
}

TEST_F(FilesAndFoldersPage, HidesysfilesIsNotLoadedByThisPage) {
    reg::DeleteTree(HKEY_CURRENT_USER, ExplorerAdvanced);
    reg::DeleteTree(HKEY_CURRENT_USER, ExplorerPolicies);
    reg::SetDword(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden", 0);
    SelectPage(2);
    EXPECT_FALSE(form->desktop2.hidesysfiles.Checked()) << "Hidden is read by the Desktop Access loader only";
    EXPECT_FALSE(form->desktop2.bapplydesk2.Enabled());
}
