#pragma once

#include "pages/option_page.h"

// Notebook page 9: hides control panel applets through the section
// "don't load" of control.ini; the display, password and network boxes also
// set their policy values.
class TControlPanelsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void disdisplaycplClick();
    void dispasswordcplClick();
    void disnetworkcplClick();
    void dishardwarecplClick();
    void disaddremcplClick();
    void disintercplClick();
    void dismousecplClick();
    void dismediacplClick();
    void disinetcplClick();
    void disthemescplClick();
    void dispowercplClick();
    void dismodemcplClick();
    void distimecplClick();
    void bapplysystem5Click();

    TFlatCheckBox disdisplaycpl;
    TFlatCheckBox dispasswordcpl;
    TFlatCheckBox disnetworkcpl;
    TFlatCheckBox dishardwarecpl;
    TFlatCheckBox disaddremcpl;
    TFlatCheckBox disintercpl;
    TFlatCheckBox dismousecpl;
    TFlatCheckBox dismediacpl;
    TFlatCheckBox disinetcpl;
    TFlatCheckBox disthemescpl;
    TFlatCheckBox dispowercpl;
    TFlatCheckBox dismodemcpl;
    TFlatCheckBox distimecpl;
    TFlatButton bapplysystem5;
};

// A bare name: the platform finds it in the Windows directory.
inline const char* const ControlIni = "control.ini";
