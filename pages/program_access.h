#pragma once

#include "pages/option_page.h"

// Notebook page 10: which programs the user may run: programs as a whole,
// the registry tools, the MS-DOS prompt and MS-DOS real mode.
class TProgramAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void restrictexecutionClick();
    void restrictregistryClick();
    void restrictmsdosClick();
    void restrictrealmodeClick();
    void bapplyuser1Click();

    TFlatCheckBox restrictexecution;
    TFlatCheckBox restrictregistry;
    TFlatCheckBox restrictmsdos;
    TFlatCheckBox restrictrealmode;
    TFlatButton bapplyuser1;
};
