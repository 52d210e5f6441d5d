#pragma once

#include "app/application_window.h"
#include "base/program_services.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>

// The one application object: title, main window, message loop, the hint of
// the control under the pointer, the error display and the shared fonts. It
// serves the rooms below as their program services.
class TApplication : public TProgramServices {
public:
    TApplication();
    ~TApplication() override;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);
    HWND MainWindow() const override { return mainWindow_; }
    void SetMainWindow(HWND window) { mainWindow_ = window; }
    // The hidden window that owns the main window and carries the taskbar
    // button; made on first use.
    HWND Handle();
    // Shows that window, and so the button; the main window shows without it.
    void ShowTaskbarButton() { window_.ShowButton(); }
    void Minimize();

    TShellServices& Shell() override { return *shell_; }
    // Replaces the shell services (tests); nullptr restores the real ones.
    void SetShell(TShellServices* shell);

    // Runs the message loop until the main window is closed.
    int Run();
    // The one loop step: takes the next waiting message and hands it on, the
    // dialog keys to the main window; false when none was waiting. A WM_QUIT
    // is taken, not handed on: the caller decides.
    bool HandleNextMessage(MSG& message);
    // Idle work: OnIdle, then the hint of the control under the pointer.
    void Idle();

    // Runs each time the message queue runs empty, before the hint lookup.
    // An error it raises is shown, and then the program ends.
    std::function<void()> OnIdle;

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    std::function<void()> OnHint;

    // The error box: modal, caption the application title, stop icon, OK.
    void ShowException(const std::exception& error) override;

    // Fonts shared by all controls, created on first use: character height
    // at 96 pixels per inch, drawn at dpi (0: the screen's).
    HFONT Font(const std::string& face, int characterHeight, bool bold = false, int dpi = 0);
    // One of those fonts at other pixels per inch; any other font as it is.
    HFONT FontAt(HFONT font, int dpi);

private:
    std::string title_;
    TApplicationWindow window_;
    HWND mainWindow_ = nullptr;
    TPlatformShell platformShell_;
    TShellServices* shell_;
    std::string hint_;
    std::map<std::tuple<std::string, int, bool, int>, HFONT> fonts_;

    void RunIdleWork();
};

TApplication& Application();

// The hint text of the control at a screen point (disabled controls
// included): its own, else that of the nearest enclosing control that has
// one, after the first "|" if there is one.
std::string HintAt(POINT screenPoint);

// The part of a hint after its first "|", or the whole hint without one.
std::string LongHint(const std::string& hint);
