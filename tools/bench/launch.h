#pragma once

// Starting a program under test and waiting for its first painted main
// window, for the start-up and working-set benchmarks.
#include <windows.h>

#include <string>

// Milliseconds on the performance counter, which all processes share.
double NowMs();

class THandle {
public:
    explicit THandle(HANDLE handle = nullptr) : handle_(handle) {}
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    ~THandle() {
        if (handle_) CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }
    void Reset(HANDLE handle) {
        if (handle_) CloseHandle(handle_);
        handle_ = handle;
    }

private:
    HANDLE handle_;
};

// A started program; the destructor closes its main window and waits for it
// to end (and ends it by force if it will not).
class TChildProcess {
public:
    explicit TChildProcess(const std::string& program, const std::string& arguments = "");
    ~TChildProcess();
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    // Waits until the main window is visible with no paint pending in it or
    // in any visible child; returns the milliseconds since CreateProcess.
    // Throws when the program ends first or takes longer than 30 seconds.
    double WaitForFirstPaint();
    // Waits until every visible window of the program is painted again.
    void WaitUntilPainted();

    HANDLE Process() const { return process_.Get(); }
    HWND MainWindow() const { return window_; }
    // Whether a poll ever found a paint pending: shows that the update
    // regions of the other process were really read.
    bool SawPaintPending() const { return sawPaintPending_; }

private:
    std::string program_;
    double start_;
    THandle process_;
    THandle thread_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    bool sawPaintPending_ = false;
};

std::string FileName(const std::string& path);
