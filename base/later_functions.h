#pragma once

#include <windows.h>

#include <string>

// Functions that a Windows later than 95 added are never imported: the
// loader of an older Windows refuses a program that names one. They are
// found here by name at run time, and each caller says, where it asks, what
// it does when the running Windows has none.

// The function, or nullptr where the module or the function is missing. The
// module is loaded when it is not yet, and stays loaded for the process.
FARPROC FindLaterFunction(const char* module, const char* name);

template <typename Function>
Function LaterFunction(const char* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(FindLaterFunction(module, name)));
}

// For tests that play an older Windows: from now on the function of this
// name is reported missing, whatever the module. Callers that keep what they
// found must not have asked yet.
void TreatAsMissing(const std::string& name);
