#pragma once

#include "pages/files_and_folders.h"
#include "pages/option_page.h"

// Notebook page 1: desktop icons, context menus, wallpaper changes, the tabs
// of the display settings panel and the version text on the desktop. Its
// loader also loads hidesysfiles of the Files and Folders page.
class TDesktopAccessPage : public TOptionPage {
public:
    explicit TDesktopAccessPage(TFilesAndFoldersPage& filesAndFolders) : filesAndFolders_(filesAndFolders) {}
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void hidedeskiconsClick();
    void hideineticonClick();
    void distraycontextClick();
    void nowallpaperClick();
    void disallcontextClick();
    void hidebackgroundClick();
    void hidescreensaverClick();
    void hideappearanceClick();
    void hidedisplayClick();
    void nosavesettingsClick();
    void showversionClick();
    void bapplydesk1Click();

    TFlatCheckBox hidedeskicons;
    TFlatCheckBox hideineticon;
    TFlatCheckBox distraycontext;
    TFlatCheckBox nowallpaper;
    TFlatCheckBox disallcontext;
    TFlatCheckBox hidebackground;
    TFlatCheckBox hidescreensaver;
    TFlatCheckBox hideappearance;
    TFlatCheckBox hidedisplay;
    TFlatCheckBox nosavesettings;
    TFlatCheckBox showversion;
    TFlatButton bapplydesk1;

private:
    void CreateGreyBox(TFlatCheckBox& box, const TControlProps& props, std::function<void()> onClick);

    TFilesAndFoldersPage& filesAndFolders_;
};

// Where the desktop keeps PaintDesktopVersion.
inline const char* const ControlPanelDesktop = "\\Control Panel\\Desktop";
