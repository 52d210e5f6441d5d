#include "pages/boot_settings.h"

#include "app/resource.h"

void TBootSettingsPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "Boot12", "Boot Settings", IDI_PAGE_FIRST + 11);
    CreateApplyButton(bapplyboot1, nullptr);
}

void TBootSettingsPage::PageLoader() {}
