#include "pages/printer_options.h"

#include "app/resource.h"

void TPrinterOptionsPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "System8", "Printer Options", IDI_PAGE_FIRST + 7);
    CreateApplyButton(bapplysystem4, nullptr);
}

void TPrinterOptionsPage::PageLoader() {}
