#pragma once

#include "widgets/flat_button.h"

#include <string>

// The reboot notices.
extern const char* const NoticeA;  // "Some Changes may need a Reboot ..."
extern const char* const NoticeB;  // "Changes will take effect at next Boot."

// Tells running programs that settings changed, tells the user when the
// changes take effect, then disables the page's Apply Changes button.
void ApplyChanges(TFlatButton& button, const std::string& notice);

// The settings-change broadcast and the reboot notice, the last two steps of
// every Apply Changes click.
void BroadcastSettingChange();
void ShowRebootNotice(const std::string& notice);
