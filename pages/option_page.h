#pragma once

#include "widgets/flat_button.h"
#include "widgets/flat_check_box.h"
#include "widgets/notebook.h"
#include "widgets/panel.h"
#include "widgets/picture.h"
#include "widgets/pro_label.h"

#include <functional>
#include <string>

// The common frame of an option page: a title panel with the embossed page
// title and the page icon, above an options panel that holds the page's
// controls and its Apply Changes button.
class TOptionPage : public TNotebookPage {
public:
    // The page loader: reads what is stored now and shows it. Runs every time
    // the page's sub-item is selected, before the page is shown.
    virtual void PageLoader() = 0;
    std::string Title() const override { return ProLabel.Text(); }

    TPanel titlePanel;
    TProLabel ProLabel;
    TPicture Image;
    TPanel optionsPanel;

protected:
    void CreateFrame(TNotebook& notebook, const std::string& name, const std::string& title, int icon);
    HWND Options() const { return optionsPanel.Handle(); }

    // An option box in the page's look (maroon "MS Sans Serif" 8 pt).
    void CreateBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick);
    // The page's "Apply Changes" button at its place, disabled.
    void CreateApplyButton(TFlatButton& button, std::function<void()> onClick);
};

// The fonts of the option pages.
HFONT OptionFont();
HFONT OptionBoldFont();
HFONT WindowFont();
