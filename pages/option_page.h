#pragma once

#include "widgets/flat_button.h"
#include "widgets/flat_check_box.h"
#include "widgets/notebook.h"
#include "widgets/panel.h"
#include "widgets/picture.h"
#include "widgets/pro_label.h"

#include <functional>
#include <string>

// The fonts of the option pages, given to each page when it is built.
struct TPageFonts {
    HFONT Regular = nullptr;  // "MS Sans Serif" 8 pt: boxes, labels, edits, the button
    HFONT Bold = nullptr;     // the same, bold
    HFONT Title = nullptr;    // the embossed page title
};

// The resource id of the icon of option page 1 to 13.
constexpr int PageIcon(int page) { return 200 + page; }

// The common frame of an option page: a title panel with the embossed page
// title and the page icon, above an options panel that holds the page's
// controls and its Apply Changes button.
class TOptionPage : public TNotebookPage {
public:
    // Builds the page and its controls on the notebook, after the pages
    // before it.
    virtual void Create(TNotebook& notebook, const TPageFonts& fonts) = 0;
    // The page loader: reads what is stored now and shows it. Runs every time
    // the page's sub-item is selected, before the page is shown.
    virtual void PageLoader() = 0;
    std::string Title() const override { return ProLabel.Text(); }

    TPanel titlePanel;
    TProLabel ProLabel;
    TPicture Image;
    TPanel optionsPanel;

protected:
    void CreateFrame(TNotebook& notebook, const TPageFonts& fonts, const std::string& name, const std::string& title,
                     int icon);
    HWND Options() const { return optionsPanel.Handle(); }
    const TPageFonts& Fonts() const { return fonts_; }

    // An option box in the page's look (maroon "MS Sans Serif" 8 pt).
    void CreateBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick);
    void CreateBox(HWND parent, TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick);
    // The page's "Apply Changes" button at its place, disabled.
    void CreateApplyButton(TFlatButton& button, std::function<void()> onClick);

    // A control's event that runs one of the page's handlers. One function
    // type serves all the handlers of a page, where a lambda each would add
    // its own code to the program file.
    template <typename Page>
    std::function<void()> Handler(void (Page::*handler)()) {
        return [page = static_cast<Page*>(this), handler] { (page->*handler)(); };
    }

private:
    TPageFonts fonts_;
};
