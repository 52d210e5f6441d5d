#include "widgets/common_controls.h"

#include <commctrl.h>

namespace {

// InitCommonControlsEx came with version 4.70 of the library; the
// InitCommonControls of every version registers all the classes it has.
// Only classes that version 4.71 knows are asked for.
HMODULE LoadCommonControls() {
    using TInitializeEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using TInitialize = void(WINAPI*)();
    auto initializeEx = LaterFunction<TInitializeEx>("comctl32.dll", "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    if (!initializeEx || !initializeEx(&controls)) {
        auto initialize = LaterFunction<TInitialize>("comctl32.dll", "InitCommonControls");
        if (initialize) initialize();
    }
    return GetModuleHandleA("comctl32.dll");
}

}  // namespace

HMODULE CommonControls() {
    static const HMODULE library = LoadCommonControls();
    return library;
}
