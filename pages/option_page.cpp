#include "pages/option_page.h"

#include "app/application.h"

HFONT OptionFont() { return Application().Font("MS Sans Serif", 11); }
HFONT OptionBoldFont() { return Application().Font("MS Sans Serif", 11, true); }
HFONT WindowFont() { return Application().Font("MS Sans Serif", 11); }

void TOptionPage::CreateFrame(TNotebook& notebook, const std::string& name, const std::string& title, int icon) {
    CreatePage(notebook.Handle(), name);
    notebook.AddPage(*this);
    titlePanel.Create(Handle(), {0, 0, 368, 41});
    ProLabel.Create(titlePanel.Handle(), title, {8, 16, 300, 20}, Application().Font("MS Sans Serif", 16, true),
                    clSilver);
    Image.Create(titlePanel.Handle(), {328, 4, 32, 32}, icon, TPicture::TKind::Icon);
    optionsPanel.Create(Handle(), {0, 41, 368, 219});
}

void TOptionPage::CreateBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick) {
    box.Create(Options(), props, OptionFont(), clMaroon);
    box.OnClick = std::move(onClick);
}

void TOptionPage::CreateApplyButton(TFlatButton& button, std::function<void()> onClick) {
    button.Create(Options(), {"Apply Changes", "", {136, 184, 89, 25}}, WindowFont());
    button.OnClick = std::move(onClick);
    button.Disable();
}
