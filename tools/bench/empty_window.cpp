// The baseline of the start-up benchmark: the least a Win32 program does to
// show a window like Tavrel's main window (same styles, same menu bar, same
// 518x335 client area, centred) and nothing else. With --status-bar it also
// makes the platform's status bar, as Tavrel does after its first paint: the
// floor of the memory benchmark, since the common controls library costs
// what it costs whoever loads it.
#include <windows.h>

#include <commctrl.h>

#include <cstring>

namespace {

const DWORD WindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const DWORD WindowExStyle = WS_EX_CONTROLPARENT;
const int ClientWidth = 518;
const int ClientHeight = 335;
const UINT ExitId = 1;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == ExitId) DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Loaded, not linked, so that the plain baseline never maps it.
void CreateStatusBar(HWND window, HINSTANCE instance) {
    HMODULE library = LoadLibraryA("comctl32.dll");
    using InitializeFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto initialize =
        reinterpret_cast<InitializeFunction>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    if (initialize) initialize(&controls);
    CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window, nullptr, instance, nullptr);
}

HMENU CreateMainMenu() {
    HMENU menu = CreateMenu();
    HMENU software = CreatePopupMenu();
    AppendMenuA(software, MF_STRING, ExitId, "&Exit");
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(software), "&Software");
    return menu;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "EmptyWindow";
    RegisterClassA(&windowClass);

    RECT frame{0, 0, ClientWidth, ClientHeight};
    AdjustWindowRectEx(&frame, WindowStyle, TRUE, WindowExStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    HWND window = CreateWindowExA(WindowExStyle, "EmptyWindow", "Empty Window", WindowStyle,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                                  CreateMainMenu(), instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    if (std::strstr(commandLine, "--status-bar")) CreateStatusBar(window, instance);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
