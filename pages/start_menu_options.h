#pragma once

#include "pages/option_page.h"

// Notebook page 3: "Start Menu Options".
class TStartMenuOptionsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplydesk3;
};
