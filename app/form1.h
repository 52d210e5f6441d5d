#pragma once

#include "pages/active_desktop.h"
#include "pages/boot_settings.h"
#include "pages/control_panels.h"
#include "pages/desktop_access.h"
#include "pages/drives_access.h"
#include "pages/files_and_folders.h"
#include "pages/internet_access.h"
#include "pages/network_access.h"
#include "pages/printer_options.h"
#include "pages/program_access.h"
#include "pages/start_menu_options.h"
#include "pages/system_access.h"
#include "pages/windows_logon.h"
#include "widgets/notebook.h"
#include "widgets/picture.h"
#include "widgets/section_list_box.h"
#include "widgets/status_bar.h"

#include <array>

// Page 0: the picture shown at start and whenever a section opens or closes.
class TDefaultPage : public TNotebookPage {
public:
    void Create(TNotebook& notebook);
    TPicture Image2;
};

// The main window: banner, section list, page notebook and status bar.
class TForm1 : public TWindow {
public:
    TForm1();
    ~TForm1() override;

    void Show();
    // Makes the thirteen option pages, once.
    void CreateOptionPages();
    void CreateStatusBar();
    // The option page at a notebook index from 1 to 13.
    TOptionPage* OptionPage(int index);

    void FormCreate();
    void optionlist1SubItemClick(int section, int subItem);
    void optionlist1ExpandSection(int section);
    void optionlist1ContractSection(int section);
    void Exit1Click();
    void ShowStatusHint();
    // The window moved to a screen of other pixels per inch.
    void FormDpiChanged(int dpi, const RECT& suggested);

    TPicture Image1;
    TStatusBar statbar1;
    TSectionListBox optionlist1;
    TNotebook Notebook1;

    TDefaultPage Default;
    TDesktopAccessPage desktop1{desktop2};  // its loader loads a box of desktop2
    TFilesAndFoldersPage desktop2;
    TStartMenuOptionsPage desktop3;
    TActiveDesktopPage desktop4;
    TSystemAccessPage System5;
    TNetworkAccessPage System6;
    TInternetAccessPage System7;
    TPrinterOptionsPage System8;
    TControlPanelsPage System9;
    TProgramAccessPage User10;
    TDrivesAccessPage User11;
    TBootSettingsPage Boot12;
    TWindowsLogonPage Boot13;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::array<TOptionPage*, 13> OptionPages();
    // A font of the window at the pixels per inch it is laid out for.
    HFONT FontOf(const char* face, int characterHeight, bool bold = false) const;
    void CreateMenu();
    void CreateSectionList();
    void RememberFocus();
    bool RestoreFocus();
    HMENU menu_ = nullptr;
    HWND focusBeforeDeactivation_ = nullptr;
    bool optionPagesCreated_ = false;
};

// Client size of the main window.
const int FormClientWidth = 518;
const int FormClientHeight = 335;
