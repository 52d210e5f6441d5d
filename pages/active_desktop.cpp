#include "pages/active_desktop.h"

#include "app/resource.h"

void TActiveDesktopPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "desktop4", "Active Desktop", IDI_PAGE_FIRST + 3);
    CreateApplyButton(bapplydesk4, nullptr);
}

void TActiveDesktopPage::PageLoader() {}
