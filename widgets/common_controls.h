#pragma once

#include "base/later_functions.h"

#include <windows.h>

// The platform's common controls library (up-down control, status bar, flat scroll
// bars). Under Wine loading it costs about a quarter of what showing
// an empty window costs, so it is loaded when a control first needs it
// rather than at start, and stays loaded for the life of the process.

// Loads the library and registers its window classes, once; nullptr when it
// cannot be loaded.
HMODULE CommonControls();

// One of its functions, or nullptr where the library lacks it.
template <typename Function>
Function CommonControlsFunction(const char* name) {
    if (!CommonControls()) return nullptr;
    return LaterFunction<Function>("comctl32.dll", name);
}
