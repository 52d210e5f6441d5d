#pragma once

#include "pages/option_page.h"
#include "widgets/flat_edit.h"
#include "widgets/label.h"

// Notebook page 13: logon validation by a domain, alphanumeric and cached
// passwords, and the notice shown before the logon prompt, all for the
// whole machine. The notice is stored from the two edits only at the moment
// logondialog is ticked; typing in them stores nothing.
class TWindowsLogonPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void validlogonClick();
    void alphapassClick();
    void dispasscacheClick();
    void logondialogClick();
    void bapplyboot2Click();

    TFlatCheckBox validlogon;
    TFlatCheckBox alphapass;
    TFlatCheckBox dispasscache;
    TFlatCheckBox logondialog;
    TBevel Bevel4;
    TLabel Label7;
    TFlatEdit dialogcaption;
    TLabel Label8;
    TFlatEdit dialogtext;
    TFlatButton bapplyboot2;
};

// Where the logon settings live under HKEY_LOCAL_MACHINE. The Network Logon
// key is no policy key. dispasscache's handler spells the network policy key
// in capitals; key names ignore case, so it is the same key.
inline const char* const NetworkLogon = "\\Network\\Logon";
inline const char* const NetworkPoliciesInCapitals = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
inline const char* const Winlogon = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
