#pragma once

#include "pages/option_page.h"

// Notebook page 6: hides the network neighbourhood and pages of the Network
// control panel, and switches off sharing, connecting and documents on the
// network.
class TNetworkAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void hideneighbourClick();
    void hideidpageClick();
    void HidenetaccesspageClick();
    void disnetconnectClick();
    void disfileshareClick();
    void disprintershareClick();
    void disdocsnetClick();
    void bapplysystem2Click();

    TFlatCheckBox hideneighbour;
    TFlatCheckBox hideidpage;
    TFlatCheckBox Hidenetaccesspage;
    TFlatCheckBox disnetconnect;
    TFlatCheckBox disfileshare;
    TFlatCheckBox disprintershare;
    TFlatCheckBox disdocsnet;
    TFlatButton bapplysystem2;
};
