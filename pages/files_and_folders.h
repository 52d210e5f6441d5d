#pragma once

#include "pages/option_page.h"

// Notebook page 2: "Files and Folders".
class TFilesAndFoldersPage : public TOptionPage {
public:
    void Create(TNotebook& notebook);
    void PageLoader() override;

    TFlatButton bapplydesk2;
};
