#pragma once

#include "pages/option_page.h"

// Notebook page 8: "Printer Options".
class TPrinterOptionsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplysystem4;
};
