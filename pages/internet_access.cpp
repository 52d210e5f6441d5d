#include "pages/internet_access.h"

#include "base/program_services.h"

void TInternetAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "System7", "Internet Access", PageIcon(7));
    // Never enabled: the page has no options, and its button no click action.
    CreateApplyButton(bapplysystem3, nullptr);
}

// The page has no options; selecting it only beeps.
void TInternetAccessPage::PageLoader() { ProgramServices().Shell().Beep(); }
