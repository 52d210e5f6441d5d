#include "pages/start_menu_options.h"

#include "app/resource.h"

void TStartMenuOptionsPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "desktop3", "Start Menu Options", IDI_PAGE_FIRST + 2);
    CreateApplyButton(bapplydesk3, nullptr);
}

void TStartMenuOptionsPage::PageLoader() {}
