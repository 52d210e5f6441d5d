#pragma once

#include "pages/option_page.h"

// Notebook page 3: what the Start menu and the taskbar offer, from Shut Down
// and Log Off to the web menus and any change to the menu itself.
class TStartMenuOptionsPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void disshutdownClick();
    void dislogoffClick();
    void hiderunClick();
    void hidefindClick();
    void hideupdateClick();
    void hidetasksettingsClick();
    void hidemenufoldersClick();
    void hidedocsmenuClick();
    void hidefavsmenuClick();
    void hidecommonmenusClick();
    void hidewebmenusClick();
    void nomenuchangesClick();
    void bapplydesk3Click();

    TFlatCheckBox disshutdown;
    TFlatCheckBox hiderun;
    TFlatCheckBox dislogoff;
    TFlatCheckBox hidefind;
    TFlatCheckBox hideupdate;
    TFlatCheckBox hidetasksettings;
    TFlatCheckBox hidedocsmenu;
    TFlatCheckBox hidemenufolders;
    TFlatCheckBox hidecommonmenus;
    TFlatCheckBox hidefavsmenu;
    TFlatCheckBox nomenuchanges;
    TFlatCheckBox hidewebmenus;
    TFlatButton bapplydesk3;
};
