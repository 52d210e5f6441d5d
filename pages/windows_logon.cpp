#include "pages/windows_logon.h"

#include "app/resource.h"

void TWindowsLogonPage::Create(TNotebook& notebook) {
    CreateFrame(notebook, "Boot13", "Windows Logon", IDI_PAGE_FIRST + 12);
    CreateApplyButton(bapplyboot2, nullptr);
}

void TWindowsLogonPage::PageLoader() {}
