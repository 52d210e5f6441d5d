#pragma once

#include <string>
#include <vector>

// The test program playing Windows 95 (with Active Accessibility, without
// DCOM95, with the common controls of its first release) where we know how
// 9x differs from the Windows 2000 and later that Wine plays. Switched on
// for a whole run by TAVREL_PERSONALITY=win9x, which children inherit.
namespace win9x {

extern const char* const PersonalityVariable;

// Every function the program looks up by name, and whether Windows 95 with
// Active Accessibility has it.
struct TLaterFunction {
    const char* Name;
    bool OnWindows95;
};
const std::vector<TLaterFunction>& LaterFunctions();

bool Active();
// Installs the personality for the rest of the process.
void Install();

// 9x writes its cached profile file back at a moment of its choosing; a
// reader from outside (the boot loader after a restart) sees what that
// left. No-op outside the personality.
void SettleProfileCache();
// A machine made anew: the cache holds nothing.
void ForgetProfileCache();

}  // namespace win9x
