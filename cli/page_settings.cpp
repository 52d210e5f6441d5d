#include "cli/page_settings.h"

#include "base/exceptions.h"
#include "cli/nearest_name.h"
#include "cli/text.h"
#include "widgets/control.h"
#include "widgets/label.h"

const char* const Ticked = "ticked";
const char* const Cleared = "cleared";

namespace {

// "Caption:" names the field "Caption".
std::string FieldName(const std::string& label) {
    std::string name = Trimmed(label);
    if (!name.empty() && name.back() == ':') name.pop_back();
    return name;
}

BOOL CALLBACK AddOurWindow(HWND handle, LPARAM found) {
    if (TWindow* window = TWindow::FromHandle(handle)) reinterpret_cast<std::vector<TWindow*>*>(found)->push_back(window);
    return TRUE;
}

// Children come after their parent, siblings in the order they were made.
std::vector<TWindow*> WindowsInTabOrder(HWND parent) {
    std::vector<TWindow*> windows;
    EnumChildWindows(parent, AddOurWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::string WholeSeconds(const std::string& value, const TSpinEdit& delay) {
    const std::string digits = Trimmed(value);
    const std::string range = std::to_string(delay.MinValue) + " to " + std::to_string(delay.MaxValue);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
        throw Exception("\"" + digits + "\" is not a whole number of seconds from " + range);
    long seconds = std::stol(digits);
    if (seconds < delay.MinValue || seconds > delay.MaxValue)
        throw Exception(digits + " is not a whole number of seconds from " + range);
    return std::to_string(seconds);
}

}  // namespace

TPageSetting::TPageSetting(TKind kind, std::string name, TWindow& control, TFlatCheckBox* owner)
    : kind_(kind), name_(std::move(name)), control_(control), owner_(owner) {}

std::string TPageSetting::Value() const {
    if (kind_ == TKind::Box) return static_cast<TFlatCheckBox&>(control_).Checked() ? Ticked : Cleared;
    return control_.Text();
}

std::string TPageSetting::Accepted(const std::string& profileValue) const {
    switch (kind_) {
    case TKind::Box: {
        const std::string state = Trimmed(profileValue);
        if (SameName(state, Ticked)) return Ticked;
        if (SameName(state, Cleared)) return Cleared;
        throw Exception("\"" + state + "\" is neither ticked nor cleared");
    }
    case TKind::Delay:
        return WholeSeconds(profileValue, static_cast<TSpinEdit&>(control_));
    case TKind::Text: {
        const int longest = static_cast<TFlatEdit&>(control_).MaxLength();
        if (longest > 0 && profileValue.size() > static_cast<size_t>(longest))
            throw Exception("the text is longer than the " + std::to_string(longest) + " characters the field takes");
        return profileValue;
    }
    }
    return profileValue;
}

bool TPageSetting::Reachable() const { return EnabledUpToTop(control_.Handle()); }

void TPageSetting::SetValue(const std::string& value) {
    switch (kind_) {
    case TKind::Box:
        static_cast<TFlatCheckBox&>(control_).SetChecked(value == Ticked);
        break;
    case TKind::Delay:
        static_cast<TSpinEdit&>(control_).SetValue(std::stoi(value));
        break;
    case TKind::Text:
        control_.SetText(value);
        break;
    }
}

std::vector<TPageSetting> PageSettings(TOptionPage& page) {
    std::vector<TPageSetting> settings;
    std::string label;
    TFlatCheckBox* lastBox = nullptr;
    for (TWindow* window : WindowsInTabOrder(page.optionsPanel.Handle())) {
        if (auto* box = dynamic_cast<TFlatCheckBox*>(window)) {
            settings.emplace_back(TPageSetting::TKind::Box, Trimmed(box->Text()), *box, nullptr);
            lastBox = box;
        } else if (dynamic_cast<TLabel*>(window)) {
            label = window->Text();
        } else if (dynamic_cast<TSpinEdit*>(window)) {
            settings.emplace_back(TPageSetting::TKind::Delay, FieldName(label), *window, nullptr);
        } else if (dynamic_cast<TFlatEdit*>(window)) {
            settings.emplace_back(TPageSetting::TKind::Text, FieldName(label), *window, lastBox);
        }
    }
    return settings;
}

TFlatButton& ApplyButtonOf(TOptionPage& page) {
    for (TWindow* window : WindowsInTabOrder(page.optionsPanel.Handle()))
        if (auto* button = dynamic_cast<TFlatButton*>(window)) return *button;
    throw Exception("The page " + page.Title() + " has no Apply Changes button");
}
