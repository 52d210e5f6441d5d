#include "pages/printer_options.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TPrinterOptionsPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "System8", "Printer Options", PageIcon(8));
    CreateBox(disaddprinters,
              {"Disable Add Printers", "Disable/Enable Adding Printers to the Computer.", {20, 16, 121, 17}},
              Handler(&TPrinterOptionsPage::disaddprintersClick));
    CreateBox(disdelprinters,
              {"Disable Delete Printers", "Disable/Enable Deleting Printers from the Computer.", {20, 52, 137, 17}},
              Handler(&TPrinterOptionsPage::disdelprintersClick));
    CreateBox(hideprinteroptions,
              {"Hide Printer Page Options", "Hide/Show All Printer Page Options and Settings.", {20, 88, 145, 17}},
              Handler(&TPrinterOptionsPage::hideprinteroptionsClick));
    CreateApplyButton(bapplysystem4, Handler(&TPrinterOptionsPage::bapplysystem4Click));
}

void TPrinterOptionsPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoAddPrinter", disaddprinters);
    LoadFlag(registry, "NoDeletePrinter", disdelprinters);
    LoadFlag(registry, "NoPrinterTabs", hideprinteroptions);
}

void TPrinterOptionsPage::disaddprintersClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoAddPrinter", disaddprinters);
    bapplysystem4.Enable();
}

void TPrinterOptionsPage::disdelprintersClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoDeletePrinter", disdelprinters);
    bapplysystem4.Enable();
}

void TPrinterOptionsPage::hideprinteroptionsClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoPrinterTabs", hideprinteroptions);
    bapplysystem4.Enable();
}

void TPrinterOptionsPage::bapplysystem4Click() { ApplyChanges(bapplysystem4, NoticeA); }
