#pragma once

#include "widgets/window.h"

#include <string>

// The application's own hidden window. It owns the main window and carries
// the taskbar button (and the Alt+Tab entry) with the application title,
// while the main window keeps its own caption. What the taskbar asks of the
// button (restore, minimise, close) it passes on to the main window.
class TApplicationWindow : public TWindow {
public:
    void Create(const std::string& title);
    void SetTitle(const std::string& title) { SetText(title); }
    void ShowButton();

    // Hides the main window and minimises the button, as minimising the
    // main window does.
    void Minimize(HWND mainWindow);
    void Restore(HWND mainWindow);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// The program's icon, large and small, on a window.
void SetProgramIcons(HWND window);
