#pragma once

#include "pages/option_page.h"
#include "widgets/label.h"
#include "widgets/spin_edit.h"

// Notebook page 12: the start-up options in the section "options" of the
// boot file C:\msdos.sys, and the two boot delays. Apply makes the file
// read-only, hidden and system again instead of broadcasting.
class TBootSettingsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void enabootguiClick();
    void enabootfkeysClick();
    void enabootmenuClick();
    void moredosmemClick();
    void dissafemodeClick();
    void disbootlogoClick();
    void disscandiskClick();
    void disbootlogClick();
    void bootdelayChange();
    void menudelayChange();
    void bapplyboot1Click();

    TFlatCheckBox enabootgui;
    TFlatCheckBox enabootfkeys;
    TFlatCheckBox enabootmenu;
    TFlatCheckBox moredosmem;
    TFlatCheckBox dissafemode;
    TFlatCheckBox disbootlogo;
    TFlatCheckBox disscandisk;
    TFlatCheckBox disbootlog;
    TBevel Bevel3;
    TLabel Label5;
    TSpinEdit bootdelay;
    TLabel Label6;
    TSpinEdit menudelay;
    TFlatButton bapplyboot1;
};
