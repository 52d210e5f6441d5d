#include "pages/drives_access.h"

#include "app/resource.h"

void TDrivesAccessPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "User11", "Drives Access", IDI_PAGE_FIRST + 10);
    CreateApplyButton(bapplyuser2, nullptr);
}

void TDrivesAccessPage::PageLoader() {}
