#include "pages/internet_access.h"

#include "app/application.h"
#include "app/resource.h"

void TInternetAccessPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "System7", "Internet Access", IDI_PAGE_FIRST + 6);
    // Never enabled: the page has no options, and its button no click action.
    CreateApplyButton(bapplysystem3, nullptr);
}

// The page has no options; selecting it only beeps.
void TInternetAccessPage::PageLoader() { Application().Shell().Beep(); }
