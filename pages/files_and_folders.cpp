#include "pages/files_and_folders.h"

#include "app/resource.h"

void TFilesAndFoldersPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "desktop2", "Files and Folders", IDI_PAGE_FIRST + 1);
    CreateApplyButton(bapplydesk2, nullptr);
}

void TFilesAndFoldersPage::PageLoader() {}
