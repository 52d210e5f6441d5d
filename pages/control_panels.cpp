#include "pages/control_panels.h"

#include "app/resource.h"

void TControlPanelsPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "System9", "Control Panels", IDI_PAGE_FIRST + 8);
    CreateApplyButton(bapplysystem5, nullptr);
}

void TControlPanelsPage::PageLoader() {}
