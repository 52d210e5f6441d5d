#include "pages/desktop_access.h"

#include "app/resource.h"

void TDesktopAccessPage::Create(TNotebook& notebook, TFilesAndFoldersPage& filesAndFolders) {
    filesAndFolders_ = &filesAndFolders;
    CreateFrame(notebook, "desktop1", "Desktop Access", IDI_PAGE_FIRST + 0);
    CreateApplyButton(bapplydesk1, nullptr);
}

void TDesktopAccessPage::PageLoader() {}
