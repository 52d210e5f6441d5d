#pragma once

#include "pages/option_page.h"

// Notebook page 4: "Active Desktop".
class TActiveDesktopPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplydesk4;
};
