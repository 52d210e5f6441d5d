#pragma once

#include "base/shell_services.h"

#include <windows.h>

#include <exception>
#include <string>

// What the windows and pages ask of the program around them: the shell's
// services, the error display and the window that owns the program's boxes.
// The application installs itself at start; until then the platform's own
// calls serve and an error box has no owner.
class TProgramServices {
public:
    virtual ~TProgramServices() = default;
    virtual TShellServices& Shell() = 0;
    // The error box for an error that escaped a handler.
    virtual void ShowException(const std::exception& error) = 0;
    virtual HWND MainWindow() const = 0;
};

// The error box: modal, stop icon, OK, the error's text as ErrorBoxText gives it.
void ShowErrorBox(TShellServices& shell, HWND owner, const std::string& caption, const std::exception& error);

TProgramServices& ProgramServices();
// nullptr puts the platform's own back.
void InstallProgramServices(TProgramServices* services);
