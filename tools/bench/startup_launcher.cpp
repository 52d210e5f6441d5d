// Start-up benchmark: starts each program given on the command line several
// times, in turn, and measures the time from CreateProcess to the moment its
// main window is visible with no paint pending in it or in any visible child.
// The first program is the baseline; the others are compared with it.
//
//   startup_launcher [--runs N] baseline.exe program.exe ...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const double TimeoutMs = 30000;
const DWORD CloseWaitMs = 10000;
const DWORD SettleMs = 300;

class THandle {
public:
    explicit THandle(HANDLE handle = nullptr) : handle_(handle) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle() {
        if (handle_) CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

double NowMs() {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticksPerMs;
}

struct TWindowSearch {
    DWORD ProcessId;
    HWND Found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window)) return TRUE;
    search->Found = window;
    return FALSE;
}

// True when the window or a visible window inside it still waits for its
// WM_PAINT. Hidden subtrees (the notebook's other pages) are skipped, which
// keeps a poll to a few requests to the window system.
bool PaintPendingWithin(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        bool visible = GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE;
        if (visible && PaintPendingWithin(child)) return true;
    }
    return false;
}

enum class TWindowState { Missing, PaintPending, Painted };

TWindowState MainWindowState(DWORD processId, HWND& window) {
    TWindowSearch search{processId, nullptr};
    EnumWindows(FindVisibleTopLevel, reinterpret_cast<LPARAM>(&search));
    if (!search.Found) return TWindowState::Missing;
    window = search.Found;
    return PaintPendingWithin(window) ? TWindowState::PaintPending : TWindowState::Painted;
}

struct TRun {
    double Milliseconds;
    bool SawPaintPending;  // shows that the update regions of the other process are really read
};

void EndProcess(HANDLE process, HWND window) {
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process, CloseWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, CloseWaitMs);
    }
}

// The time of the first of two polls in a row that find the window painted:
// a single poll could fall between the window turning visible and its
// invalidation.
TRun MeasureStartup(const std::string& program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program + "\"";
    double start = NowMs();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        throw std::runtime_error("cannot start " + program);
    THandle process(info.hProcess);
    THandle thread(info.hThread);

    TRun run{0, false};
    HWND window = nullptr;
    double paintedAt = 0;
    for (;;) {
        TWindowState state = MainWindowState(info.dwProcessId, window);
        double now = NowMs();
        if (state == TWindowState::Painted) {
            if (paintedAt > 0) break;
            paintedAt = now;
        } else {
            paintedAt = 0;
            if (state == TWindowState::PaintPending) run.SawPaintPending = true;
        }
        if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0)
            throw std::runtime_error(program + " ended before showing a painted window");
        if (now - start > TimeoutMs) {
            TerminateProcess(process.Get(), 1);
            throw std::runtime_error(program + " showed no painted window in time");
        }
        Sleep(1);
    }
    run.Milliseconds = paintedAt - start;
    EndProcess(process.Get(), window);
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

struct TProgram {
    std::string Path;
    std::vector<double> Times;
    int PaintPendingSeen;

    explicit TProgram(std::string path) : Path(std::move(path)), PaintPendingSeen(0) {}
    void Add(const TRun& run) {
        Times.push_back(run.Milliseconds);
        if (run.SawPaintPending) ++PaintPendingSeen;
    }
};

void PrintTable(const std::vector<TProgram>& programs) {
    std::printf("%-20s %5s %10s %8s %8s %14s\n", "program", "runs", "median ms", "min ms", "max ms", "paint pending");
    for (const TProgram& program : programs) {
        double slowest = *std::max_element(program.Times.begin(), program.Times.end());
        std::printf("%-20s %5zu %10.1f %8.1f %8.1f %9d of %zu\n", FileName(program.Path).c_str(), program.Times.size(),
                    Median(program.Times), Minimum(program.Times), slowest, program.PaintPendingSeen,
                    program.Times.size());
    }
    // On a busy machine other work only ever adds time, so the ratio of the
    // fastest runs is the steadier second opinion.
    const TProgram& baseline = programs.front();
    for (size_t i = 1; i < programs.size(); ++i)
        std::printf("ratio %s / %s: %.2f of medians, %.2f of minimums\n", FileName(programs[i].Path).c_str(),
                    FileName(baseline.Path).c_str(), Median(programs[i].Times) / Median(baseline.Times),
                    Minimum(programs[i].Times) / Minimum(baseline.Times));
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    std::vector<TProgram> programs;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            programs.emplace_back(argument);
    }
    if (programs.size() < 2 || runs < 1) {
        std::fprintf(stderr, "usage: startup_launcher [--runs N] baseline.exe program.exe ...\n");
        return 2;
    }
    try {
        // One start of each, not counted, so that no program pays alone for
        // a cold file cache.
        for (TProgram& program : programs) {
            MeasureStartup(program.Path);
            Sleep(SettleMs);
        }
        // In turn, so that a slow spell of the machine falls on all alike.
        for (int run = 0; run < runs; ++run) {
            for (TProgram& program : programs) {
                program.Add(MeasureStartup(program.Path));
                Sleep(SettleMs);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_launcher: %s\n", error.what());
        return 1;
    }
    PrintTable(programs);
    return 0;
}
