#include "base/shell_services.h"

namespace {
// How long one top-level window may take over the settings-change message
// before it counts as not answering. A window whose thread has taken no
// message for a while counts as hung and is passed over at once, so a hung
// program cannot freeze this window, while every answering one is waited for.
const UINT BroadcastTimeoutPerWindowMs = 5000;
}  // namespace

int TPlatformShell::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TPlatformShell::Beep() { MessageBeep(0); }

// The timeout applies to each window in turn, on Windows and on Wine alike;
// the result says nothing about windows that timed out, so it is not used.
void TPlatformShell::BroadcastSettingChange() {
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, 0, SMTO_ABORTIFHUNG, BroadcastTimeoutPerWindowMs,
                        &answer);
}
