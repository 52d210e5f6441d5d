#include "widgets/common_controls.h"

#include <commctrl.h>

namespace {

HMODULE LoadCommonControls() {
    HMODULE library = LoadLibraryA("comctl32.dll");
    if (!library) return nullptr;
    using InitializeFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto initialize =
        reinterpret_cast<InitializeFunction>(reinterpret_cast<void*>(GetProcAddress(library, "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    if (initialize) initialize(&controls);
    return library;
}

}  // namespace

HMODULE CommonControls() {
    static const HMODULE library = LoadCommonControls();
    return library;
}
