#include "app/shell_services.h"

namespace {
// How long one top-level window may take over the settings-change message
// before it counts as hung; a hung program must not freeze the window.
const UINT BroadcastTimeoutPerWindowMs = 5000;
}  // namespace

int TPlatformShell::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TPlatformShell::Beep() { MessageBeep(0); }

void TPlatformShell::BroadcastSettingChange() {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, BroadcastTimeoutPerWindowMs,
                        &answer);
}
