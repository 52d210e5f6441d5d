#pragma once

#include "pages/option_page.h"

// Notebook page 8: adding and deleting printers, and the printer property
// pages.
class TPrinterOptionsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void disaddprintersClick();
    void disdelprintersClick();
    void hideprinteroptionsClick();
    void bapplysystem4Click();

    TFlatCheckBox disaddprinters;
    TFlatCheckBox disdelprinters;
    TFlatCheckBox hideprinteroptions;
    TFlatButton bapplysystem4;
};
