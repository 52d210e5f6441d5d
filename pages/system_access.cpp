#include "pages/system_access.h"

#include "app/resource.h"

void TSystemAccessPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "System5", "System Access", IDI_PAGE_FIRST + 4);
    CreateApplyButton(bapplysystem1, nullptr);
}

void TSystemAccessPage::PageLoader() {}
