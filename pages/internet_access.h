#pragma once

#include "pages/option_page.h"

// Notebook page 7: "Internet Access".
class TInternetAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    TFlatButton bapplysystem3;
};
