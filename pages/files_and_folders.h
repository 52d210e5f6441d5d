#pragma once

#include "pages/option_page.h"

// Notebook page 2: the Explorer file menu and folder options, recent
// documents, the Settings folders, shell extension security, and whether
// Explorer shows hidden and system files.
class TFilesAndFoldersPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void disfilemenuClick();
    void disfolderoptionsClick();
    void cleardocsClick();
    void disdocshistoryClick();
    void shellsecurityClick();
    void dismenufolderClick();
    void hidesysfilesClick();
    void bapplydesk2Click();

    TFlatCheckBox disfilemenu;
    TFlatCheckBox disfolderoptions;
    TFlatCheckBox cleardocs;
    TFlatCheckBox disdocshistory;
    TFlatCheckBox shellsecurity;
    TFlatCheckBox dismenufolder;
    TFlatCheckBox hidesysfiles;  // loaded by the Desktop Access page
    TFlatButton bapplydesk2;
};

// Explorer's own settings key, where Hidden lives.
inline const char* const ExplorerAdvanced = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced";
