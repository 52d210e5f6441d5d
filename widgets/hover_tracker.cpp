#include "widgets/hover_tracker.h"

#include "widgets/control.h"

namespace {
const UINT_PTR HoverTimerId = 1;
const UINT HoverIntervalMs = 100;
}  // namespace

// A hidden top-level window: message-only windows came with Windows 2000.
class THoverTracker::TTimerWindow : public TWindow {
public:
    explicit TTimerWindow(THoverTracker& tracker) : tracker_(tracker) {
        CreateHandle({nullptr, "", WS_POPUP, WS_EX_TOOLWINDOW, {}, nullptr});
    }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && wParam == HoverTimerId) {
            tracker_.Tick();
            return 0;
        }
        return TWindow::HandleMessage(message, wParam, lParam);
    }

private:
    THoverTracker& tracker_;
};

THoverTracker::THoverTracker() = default;
THoverTracker::~THoverTracker() = default;

void THoverTracker::AddUser() { ++users_; }

void THoverTracker::RemoveUser(THoverTarget& target) {
    Release(target);
    if (--users_ == 0) {
        StopTimer();
        timer_.reset();
    }
}

void THoverTracker::MouseMoved(THoverTarget& target) {
    if (tracked_ == &target || ControlUnderPointer() != target.HoverHandle()) return;
    if (tracked_) tracked_->MouseLeft();
    if (!GetActiveWindow()) return;
    StopTimer();
    tracked_ = &target;
    // Lit first: a timer that cannot start must not cost the click.
    target.MouseEntered();
    StartTimer();
}

void THoverTracker::Tick() {
    if (tracked_ && ControlUnderPointer() != tracked_->HoverHandle()) tracked_->MouseLeft();
}

void THoverTracker::Release(THoverTarget& target) {
    if (tracked_ != &target) return;
    StopTimer();
    tracked_ = nullptr;
}

void THoverTracker::SetManualClock(bool manual) {
    bool wasRunning = running_;
    StopTimer();
    manual_ = manual;
    if (wasRunning) StartTimer();
}

// The timer's window is made when the pointer first lights a control, not
// with the controls: none is needed to show the window.
void THoverTracker::StartTimer() {
    running_ = true;
    if (manual_ || users_ == 0) return;
    if (!timer_) timer_ = std::make_unique<TTimerWindow>(*this);
    SetTimer(timer_->Handle(), HoverTimerId, HoverIntervalMs, nullptr);
}

void THoverTracker::StopTimer() {
    if (running_ && !manual_ && timer_) KillTimer(timer_->Handle(), HoverTimerId);
    running_ = false;
}

THoverTracker& CheckBoxHoverTracker() {
    static THoverTracker tracker;
    return tracker;
}

THoverTracker& ButtonHoverTracker() {
    static THoverTracker tracker;
    return tracker;
}

HWND ControlAtPoint(POINT screenPoint) {
    HWND window = WindowFromPoint(screenPoint);
    if (!window) return nullptr;
    window = RootWindow(window);
    // Walk down by hand: WindowFromPoint passes over disabled controls.
    for (;;) {
        POINT client = screenPoint;
        ScreenToClient(window, &client);
        HWND child = ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!child || child == window) return window;
        window = child;
    }
}

HWND ControlUnderPointer() {
    POINT point{};
    if (!GetCursorPos(&point)) return nullptr;
    return ControlAtPoint(point);
}
