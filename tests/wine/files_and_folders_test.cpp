#include "pages/files_and_folders.h"
#include "pages/key_paths.h"
#include "registry_page_checks.h"

class FilesAndFoldersPage : public TFormTest {};

TEST_F(FilesAndFoldersPage, HidesysfilesIsNotLoadedByThisPage) {
    reg::DeleteTree(HKEY_CURRENT_USER, ExplorerAdvanced);
    reg::DeleteTree(HKEY_CURRENT_USER, ExplorerPolicies);
    reg::SetDword(HKEY_CURRENT_USER, ExplorerAdvanced, "Hidden", 0);
    SelectPage(2);
    EXPECT_FALSE(form->desktop2.hidesysfiles.Checked()) << "Hidden is read by the Desktop Access loader only";
    EXPECT_FALSE(form->desktop2.bapplydesk2.Enabled());
}
