#include "option_controls.h"

#include <stdexcept>

namespace {

bool Matches(const TWindow& window, const options::TControl& control) {
    return control.ShowsCaption() ? window.Text() == control.Caption : window.Hint() == control.Hint;
}

struct TSearch {
    const options::TControl* Control;
    std::vector<TWindow*> Found;
};

BOOL CALLBACK Visit(HWND handle, LPARAM search) {
    auto* s = reinterpret_cast<TSearch*>(search);
    TWindow* window = TWindow::FromHandle(handle);
    if (window && Matches(*window, *s->Control)) s->Found.push_back(window);
    return TRUE;
}

template <class TKind>
TKind& Named(TForm1& form, const std::string& name) {
    auto* control = dynamic_cast<TKind*>(&ControlNamed(form, name));
    if (!control) throw std::runtime_error(name + " is not of the kind the test takes it for");
    return *control;
}

}  // namespace

TWindow& ControlNamed(TForm1& form, const std::string& name) {
    const options::TControl& control = options::Control(name);
    TSearch search{&control, {}};
    EnumChildWindows(form.OptionPage(control.Page)->optionsPanel.Handle(), Visit, reinterpret_cast<LPARAM>(&search));
    if (search.Found.size() != 1)
        throw std::runtime_error(std::to_string(search.Found.size()) + " windows on page " +
                                 std::to_string(control.Page) + " match " + name);
    return *search.Found[0];
}

TFlatCheckBox& BoxNamed(TForm1& form, const std::string& name) { return Named<TFlatCheckBox>(form, name); }
TFlatButton& ButtonNamed(TForm1& form, const std::string& name) { return Named<TFlatButton>(form, name); }
TFlatButton& ButtonOfPage(TForm1& form, int page) { return ButtonNamed(form, options::Page(page).Button); }

const std::map<std::string, std::string>& TextsShownAtStart() {
    static const std::map<std::string, std::string> texts = {
        {"bootdelay", "0"},
        {"menudelay", "0"},
        {"dialogcaption", "Warning - This is a Protected System."},
        {"dialogtext", "You must be an Authorized User to access."},
    };
    return texts;
}

std::vector<TOptionRow> OptionRows(TForm1& form, int page, const std::string& group,
                                   const std::map<std::string, std::string>& shownTexts) {
    std::vector<TOptionRow> rows;
    for (const options::TControl& control : options::ControlsOn(page, group)) {
        if (control.Kind == "group") continue;  // takes no focus
        auto shown = shownTexts.find(control.Name);
        if (!control.ShowsCaption() && shown == shownTexts.end())
            throw std::runtime_error("the test gives no text shown by " + control.Name);
        std::string text = control.ShowsCaption() ? control.Caption : shown->second;
        rows.push_back({&ControlNamed(form, control.Name), text, control.Hint,
                        {control.Left, control.Top, control.Width, control.Height}});
    }
    return rows;
}
