#pragma once

#include <windows.h>

#include <string>

// What the program asks of the shell beyond its own windows: modal message
// boxes, the default beep and the settings-change broadcast. Tests put a
// recorder in its place that never blocks.
class TShellServices {
public:
    virtual ~TShellServices() = default;
    virtual int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) = 0;
    virtual void Beep() = 0;
    virtual void BroadcastSettingChange() = 0;
};

// The real calls.
class TPlatformShell : public TShellServices {
public:
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    void Beep() override;
    void BroadcastSettingChange() override;
};
