#include "pages/option_page.h"

void TOptionPage::CreateFrame(TNotebook& notebook, const TPageFonts& fonts, const std::string& name,
                              const std::string& title, int icon) {
    fonts_ = fonts;
    CreatePage(notebook.Handle(), name);
    notebook.AddPage(*this);
    titlePanel.Create(Handle(), {0, 0, 368, 41});
    ProLabel.Create(titlePanel.Handle(), title, {8, 16, 300, 20}, fonts.Title, clSilver);
    Image.Create(titlePanel.Handle(), {328, 4, 32, 32}, icon, TPicture::TKind::Icon);
    optionsPanel.Create(Handle(), {0, 41, 368, 219});
}

void TOptionPage::CreateBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick) {
    CreateBox(Options(), box, props, std::move(onClick));
}

void TOptionPage::CreateBox(HWND parent, TFlatCheckBox& box, const TControlProps& props,
                            std::function<void()> onClick) {
    box.Create(parent, props, fonts_.Regular, clMaroon);
    box.OnClick = std::move(onClick);
}

void TOptionPage::CreateApplyButton(TFlatButton& button, std::function<void()> onClick) {
    button.Create(Options(), {"Apply Changes", "", {136, 184, 89, 25}}, fonts_.Regular);
    button.OnClick = std::move(onClick);
    button.Disable();
}
