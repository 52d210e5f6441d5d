#pragma once

#include "widgets/window.h"

#include <memory>

// A flat control that lights up while the mouse is over it.
class THoverTarget {
public:
    virtual ~THoverTarget() = default;
    virtual HWND HoverHandle() const = 0;
    virtual void MouseEntered() = 0;
    virtual void MouseLeft() = 0;
};

// The hover tracking of one kind of flat control: one 100 ms timer and the
// one control tracked as hovered, shared by every control of that kind. The
// timer's window lives from the first hover to the last control's end.
class THoverTracker {
public:
    THoverTracker();
    ~THoverTracker();
    THoverTracker(const THoverTracker&) = delete;
    THoverTracker& operator=(const THoverTracker&) = delete;

    void AddUser();
    void RemoveUser(THoverTarget& target);

    // A mouse move over a control of this kind.
    void MouseMoved(THoverTarget& target);
    // What the timer does every 100 ms.
    void Tick();
    // Stops tracking the control if it is the tracked one.
    void Release(THoverTarget& target);

    THoverTarget* Tracked() const { return tracked_; }
    bool TimerRunning() const { return running_; }
    // Tests drive the timer by calling Tick themselves instead of waiting.
    void SetManualClock(bool manual);

private:
    class TTimerWindow;
    void StartTimer();
    void StopTimer();

    int users_ = 0;
    THoverTarget* tracked_ = nullptr;
    bool running_ = false;
    bool manual_ = false;
    std::unique_ptr<TTimerWindow> timer_;
};

THoverTracker& CheckBoxHoverTracker();
THoverTracker& ButtonHoverTracker();

// The control under a screen point, disabled controls included.
HWND ControlAtPoint(POINT screenPoint);
HWND ControlUnderPointer();
