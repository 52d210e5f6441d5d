#include "machine_guard.h"

#include "child_runs.h"

namespace {

bool RunsUnderWine() {
    HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// A file of that name on a real Windows proves nothing: only under Wine is
// it the suite's own prefix.
bool InSuitePrefix() {
    if (!RunsUnderWine()) return false;
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string marker = std::string(windows) + "\\" + SuitePrefixMarker;
    return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

bool MachineMayBeChanged() {
    if (!EnvironmentVariable(UnmarkedRunVariable).empty()) return false;
    return InSuitePrefix() || EnvironmentVariable(ThrowawayMachineVariable) == "yes";
}

std::string RefusalText() {
    return std::string("These tests delete the machine's Explorer and network policies, C:\\msdos.sys and "
                       "control.ini, and change the double-click time, so they run only in the Wine prefix "
                       "that tools/test.sh makes for them. To run them on a throwaway Windows machine, set ") +
           ThrowawayMachineVariable + "=yes.";
}

TDoubleClickTimeForTests::TDoubleClickTimeForTests(unsigned milliseconds) : usual_(GetDoubleClickTime()) {
    SetDoubleClickTime(milliseconds);
}

TDoubleClickTimeForTests::~TDoubleClickTimeForTests() { SetDoubleClickTime(usual_); }
