#pragma once

#include "pages/option_page.h"

// Notebook page 6: "Network Access".
class TNetworkAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplysystem2;
};
