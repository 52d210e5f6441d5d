#pragma once

#include "pages/files_and_folders.h"
#include "pages/option_page.h"

// Notebook page 1: "Desktop Access".
class TDesktopAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, TFilesAndFoldersPage& filesAndFolders);
    void PageLoader() override;

    TFlatButton bapplydesk1;

private:
    TFilesAndFoldersPage* filesAndFolders_ = nullptr;
};
