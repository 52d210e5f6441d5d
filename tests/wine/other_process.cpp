#include "other_process.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

LRESULT CALLBACK ForeignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE || message == WM_TIMER) {
        DestroyWindow(window);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

int ShowForeignWindow(const char* title) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ForeignProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "TavrelTestForeignWindow";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, title, WS_POPUP | WS_VISIBLE, 0, 0,
                                  200, 150, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 2;
    SetWindowLongPtrA(window, GWLP_USERDATA, static_cast<LONG_PTR>(ForeignUserData));
    SetTimer(window, 1, 60000, nullptr);  // never outlive a test that forgot it
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

// A status bar's own messages are not carried across processes: the text
// is read into memory of the bar's process, as reading tools do.
std::string ReadBarText(HWND bar) {
    DWORD processId = 0;
    GetWindowThreadProcessId(bar, &processId);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ, FALSE, processId);
    if (!process) return "<no access>";
    const SIZE_T size = 1024;
    void* remote = VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    std::vector<char> text(size + 1);
    if (remote) {
        SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(remote));
        ReadProcessMemory(process, remote, text.data(), size, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text.data();
}

int ReadStatusBar(HWND bar) {
    char text[1024] = {};
    SendMessageA(bar, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    std::printf("%s\n%s\n", text, ReadBarText(bar).c_str());
    return 0;
}

}  // namespace

bool PlayOtherProcess(int argc, char** argv, int& exitCode) {
    if (argc != 3) return false;
    if (std::strcmp(argv[1], ForeignWindowArgument) == 0) {
        exitCode = ShowForeignWindow(argv[2]);
        return true;
    }
    if (std::strcmp(argv[1], ReadStatusBarArgument) == 0) {
        exitCode = ReadStatusBar(reinterpret_cast<HWND>(std::strtoull(argv[2], nullptr, 10)));
        return true;
    }
    return false;
}
