#pragma once

#include "pages/option_page.h"

// Notebook page 10: "Programs Access".
class TProgramAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplyuser1;
};
