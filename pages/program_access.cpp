#include "pages/program_access.h"

#include "app/resource.h"

void TProgramAccessPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "User10", "Programs Access", IDI_PAGE_FIRST + 9);
    CreateApplyButton(bapplyuser1, nullptr);
}

void TProgramAccessPage::PageLoader() {}
