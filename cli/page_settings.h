#pragma once

#include "pages/option_page.h"
#include "widgets/flat_edit.h"
#include "widgets/spin_edit.h"

#include <string>
#include <vector>

// One setting of a page as a person sees it: a box, a delay or a text,
// found among the page's own windows in tab order and named by its caption
// (a field by the label before it, without its colon). Nothing here knows
// where a setting is stored: setting one runs the page's own handler, as a
// click or typing does.
class TPageSetting {
public:
    enum class TKind { Box, Delay, Text };

    TPageSetting(TKind kind, std::string name, TWindow& control, TFlatCheckBox* owner);

    TKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // "ticked" or "cleared", the delay's digits, or the text.
    std::string Value() const;
    // A profile's value as Value() would give it after SetValue; raises
    // Exception with the reason when the control cannot take it.
    std::string Accepted(const std::string& profileValue) const;
    // Takes a value Accepted() gave; the control's handler runs when it changes.
    void SetValue(const std::string& value);
    // The box whose handler stores a text: the box before it in tab order.
    TFlatCheckBox* Owner() const { return owner_; }
    bool Controls(const TWindow& window) const { return &control_ == &window; }
    // Whether a person could change it: neither it nor a window it stands in
    // is disabled.
    bool Reachable() const;

private:
    TKind kind_;
    std::string name_;
    TWindow& control_;
    TFlatCheckBox* owner_;
};

std::vector<TPageSetting> PageSettings(TOptionPage& page);

// The page's "Apply Changes" button.
TFlatButton& ApplyButtonOf(TOptionPage& page);

extern const char* const Ticked;   // "ticked"
extern const char* const Cleared;  // "cleared"
