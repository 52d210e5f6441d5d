#pragma once

#include "pages/option_page.h"

// Notebook page 5: "System Access".
class TSystemAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplysystem1;
};
