#pragma once

#include "pages/option_page.h"

// Notebook page 9: "Control Panels".
class TControlPanelsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplysystem5;
};
