#pragma once

#include "pages/option_page.h"

// Notebook page 11: "Drives Access".
class TDrivesAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplyuser2;
};
