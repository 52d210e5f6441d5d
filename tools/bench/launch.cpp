#include "launch.h"

#include <stdexcept>

namespace {

const double TimeoutMs = 30000;
const DWORD CloseWaitMs = 10000;

struct TWindowSearch {
    DWORD ProcessId;
    HWND Found;
};

BOOL CALLBACK FindVisibleTopLevel(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->ProcessId || !IsWindowVisible(window)) return TRUE;
    // Tavrel's application window, which carries the taskbar button, has no size.
    RECT bounds{};
    if (!GetWindowRect(window, &bounds) || IsRectEmpty(&bounds)) return TRUE;
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

}  // namespace

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

std::string FileName(const std::string& path) {
    size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

TChildProcess::TChildProcess(const std::string& program, const std::string& arguments) : program_(program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    std::string commandLine = "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments);
    start_ = NowMs();
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info))
        throw std::runtime_error("cannot start " + program);
    process_.Reset(info.hProcess);
    thread_.Reset(info.hThread);
    processId_ = info.dwProcessId;
}

TChildProcess::~TChildProcess() {
    if (window_) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (!window_ || WaitForSingleObject(process_.Get(), CloseWaitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_.Get(), 1);
        WaitForSingleObject(process_.Get(), CloseWaitMs);
    }
}

// The time of the first of two polls in a row that find the window painted:
// a single poll could fall between the window turning visible and its
// invalidation.
double TChildProcess::WaitForFirstPaint() {
    double paintedAt = 0;
    for (;;) {
        TWindowState state = MainWindowState(processId_, window_);
        double now = NowMs();
        if (state == TWindowState::Painted) {
            if (paintedAt > 0) break;
            paintedAt = now;
        } else {
            paintedAt = 0;
            if (state == TWindowState::PaintPending) sawPaintPending_ = true;
        }
        if (WaitForSingleObject(process_.Get(), 0) == WAIT_OBJECT_0)
            throw std::runtime_error(program_ + " ended before showing a painted window");
        if (now - start_ > TimeoutMs) throw std::runtime_error(program_ + " showed no painted window in time");
        Sleep(1);
    }
    return paintedAt - start_;
}

void TChildProcess::WaitUntilPainted() {
    const double begin = NowMs();
    while (MainWindowState(processId_, window_) != TWindowState::Painted) {
        if (NowMs() - begin > TimeoutMs) throw std::runtime_error(program_ + " stayed unpainted");
        Sleep(5);
    }
}
