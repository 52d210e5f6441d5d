#pragma once

#include "pages/option_page.h"

// Notebook page 12: "Boot Settings".
class TBootSettingsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplyboot1;
};
