// Memory benchmark: the peak working set and the private bytes of the
// baseline and of the program once their first window is painted, and of the
// program again after every option page has been opened through its section
// list (a row selected, then Space, as a keyboard user does). Beside them the
// floor: the baseline with the platform's status bar, whose library the
// program must load too.
//
//   working_set baseline.exe program.exe
#include "launch.h"
#include "table.h"

#include <psapi.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

const UINT SendTimeoutMs = 10000;
const DWORD SettleMs = 500;
const int SectionCount = 4;
const double RatioLimit = 1.15;

struct TMemory {
    double PeakWorkingSetKiB;
    double PrivateKiB;
};

TMemory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(process, &counters, sizeof(counters)))
        throw std::runtime_error("cannot read the memory counters of a program");
    return {counters.PeakWorkingSetSize / 1024.0, counters.PagefileUsage / 1024.0};
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, SendTimeoutMs, &result))
        throw std::runtime_error("the program did not answer (an error box?)");
    return static_cast<LRESULT>(result);
}

// Space on the selected row: a header opens or closes its section, a
// sub-item opens its page.
void ActOnRow(HWND list, int row) {
    Send(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
    Send(list, WM_CHAR, VK_SPACE, 0);
}

// Opens each section in turn, each of its pages, and closes it again;
// returns the number of pages opened.
int OpenEveryPage(HWND mainWindow) {
    HWND list = FindWindowExA(mainWindow, nullptr, "ListBox", nullptr);
    if (!list) throw std::runtime_error("no section list found");
    int opened = 0;
    for (int section = 0; section < SectionCount; ++section) {
        const int header = section;  // the sections before it are closed again
        const LRESULT closedRows = Send(list, LB_GETCOUNT, 0, 0);
        ActOnRow(list, header);
        const int subItems = static_cast<int>(Send(list, LB_GETCOUNT, 0, 0) - closedRows);
        for (int subItem = 1; subItem <= subItems; ++subItem, ++opened) ActOnRow(list, header + subItem);
        ActOnRow(list, header);
    }
    return opened;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: working_set baseline.exe program.exe\n");
        return 2;
    }
    try {
        TChildProcess baseline(argv[1]);
        baseline.WaitForFirstPaint();
        const TMemory baselineMemory = MemoryOf(baseline.Process());

        TChildProcess floor(argv[1], "--status-bar");
        floor.WaitForFirstPaint();
        Sleep(SettleMs);
        const TMemory floorMemory = MemoryOf(floor.Process());

        TChildProcess program(argv[2]);
        program.WaitForFirstPaint();
        const TMemory painted = MemoryOf(program.Process());
        const int pages = OpenEveryPage(program.MainWindow());
        program.WaitUntilPainted();
        Sleep(SettleMs);
        const TMemory visited = MemoryOf(program.Process());

        PrintComparisonRow("peak working set after first paint (KiB)", painted.PeakWorkingSetKiB,
                           baselineMemory.PeakWorkingSetKiB, 0);
        const std::string allPages = "after opening all " + std::to_string(pages) + " pages";
        PrintRatioRow("peak working set " + allPages + " (KiB)", visited.PeakWorkingSetKiB,
                      baselineMemory.PeakWorkingSetKiB, 0, RatioLimit);
        PrintComparisonRow("peak working set of the baseline with the platform's status bar (KiB)",
                           floorMemory.PeakWorkingSetKiB, baselineMemory.PeakWorkingSetKiB, 0);
        PrintComparisonRow("peak working set " + allPages + ", against that floor (KiB)", visited.PeakWorkingSetKiB,
                           floorMemory.PeakWorkingSetKiB, 0);
        PrintComparisonRow("private bytes after opening all " + std::to_string(pages) + " pages (KiB)",
                           visited.PrivateKiB, baselineMemory.PrivateKiB, 0);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "working_set: %s\n", error.what());
        return 1;
    }
    return 0;
}
