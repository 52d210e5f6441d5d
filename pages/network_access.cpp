#include "pages/network_access.h"

#include "app/resource.h"

void TNetworkAccessPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "System6", "Network Access", IDI_PAGE_FIRST + 5);
    CreateApplyButton(bapplysystem2, nullptr);
}

void TNetworkAccessPage::PageLoader() {}
