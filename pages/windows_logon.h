#pragma once

#include "pages/option_page.h"

// Notebook page 13: "Windows Logon".
class TWindowsLogonPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplyboot2;
};
