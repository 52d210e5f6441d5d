#pragma once

#include "pages/option_page.h"

// Notebook page 5: hides pages of the System Properties and Password control
// panels, and switches off the settings wizards.
class TSystemAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void hidedevicepageClick();
    void hidehardwarepageClick();
    void hidefilepageClick();
    void hidevirtualpageClick();
    void hidepasswordpageClick();
    void hideadminpageClick();
    void hideuserpageClick();
    void diswizardsClick();
    void bapplysystem1Click();

    TFlatCheckBox hidedevicepage;
    TFlatCheckBox hidehardwarepage;
    TFlatCheckBox hidefilepage;
    TFlatCheckBox hidevirtualpage;
    TFlatCheckBox hidepasswordpage;
    TFlatCheckBox hideadminpage;
    TFlatCheckBox hideuserpage;
    TFlatCheckBox diswizards;
    TFlatButton bapplysystem1;
};
