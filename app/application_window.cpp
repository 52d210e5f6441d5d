#include "app/application_window.h"

#include "app/application.h"
#include "app/resource.h"

namespace {

void SetIcon(HWND window, WPARAM which, int size) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TAVREL), IMAGE_ICON, size, size, 0);
    SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
}

}  // namespace

void SetProgramIcons(HWND window) {
    SetIcon(window, ICON_BIG, 32);
    SetIcon(window, ICON_SMALL, 16);
}

// Of no size and off the screen, so that it is never seen (Wine maps no X
// window for it there); it is shown, and has its button, from ShowButton.
void TApplicationWindow::Create(const std::string& title) {
    const int offScreenX = GetSystemMetrics(SM_XVIRTUALSCREEN) - 100;
    const int offScreenY = GetSystemMetrics(SM_YVIRTUALSCREEN) - 100;
    CreateHandle({nullptr, title, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0,
                  {offScreenX, offScreenY, 0, 0}, nullptr});
}

// Showing it takes the activation and an icon load or two: done once the
// main window has been painted.
void TApplicationWindow::ShowButton() {
    if (!Handle() || IsWindowVisible(Handle())) return;
    SetProgramIcons(Handle());
    ShowWindow(Handle(), SW_SHOWNA);
}

void TApplicationWindow::Minimize(HWND mainWindow) {
    if (mainWindow) ShowWindow(mainWindow, SW_HIDE);
    ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplicationWindow::Restore(HWND mainWindow) {
    ShowWindow(Handle(), SW_RESTORE);
    if (!mainWindow) return;
    ShowWindow(mainWindow, SW_SHOW);
    SetForegroundWindow(GetLastActivePopup(mainWindow));
}

LRESULT TApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND mainWindow = Application().MainWindow();
    switch (message) {
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0) {
        case SC_MINIMIZE:
            Minimize(mainWindow);
            return 0;
        case SC_RESTORE:
            Restore(mainWindow);
            return 0;
        case SC_CLOSE:
            if (mainWindow) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
            return 0;
        }
        break;
    case WM_ACTIVATE:
        // The button was chosen: the main window, or the box that blocks it, takes over.
        if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam) && mainWindow && IsWindowVisible(mainWindow)) {
            SetActiveWindow(GetLastActivePopup(mainWindow));
            return 0;
        }
        break;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
