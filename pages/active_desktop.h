#pragma once

#include "pages/option_page.h"

// Notebook page 4: the Active Desktop, changes to it, its web view, the
// classic shell and HTML wallpaper.
class TActiveDesktopPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void noactivedeskClick();
    void noactivechangesClick();
    void nosetactivedeskClick();
    void nowebviewClick();
    void useclassicClick();
    void dishtmlClick();
    void bapplydesk4Click();

    TFlatCheckBox noactivedesk;
    TFlatCheckBox noactivechanges;
    TFlatCheckBox nowebview;
    TFlatCheckBox dishtml;
    TFlatCheckBox nosetactivedesk;
    TFlatCheckBox useclassic;
    TFlatButton bapplydesk4;
};
