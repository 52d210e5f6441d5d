#include "pages/apply_changes.h"

#include "base/program_services.h"

const char* const NoticeA = "Some Changes may need a Reboot for any changes to take Effect...";
const char* const NoticeB = "Changes will take effect at next Boot.";

void BroadcastSettingChange() { ProgramServices().Shell().BroadcastSettingChange(); }

void ShowRebootNotice(const std::string& notice) {
    ProgramServices().Shell().ShowMessageBox(ProgramServices().MainWindow(), notice, "Information",
                                             MB_OK | MB_ICONINFORMATION);
}

void ApplyChanges(TFlatButton& button, const std::string& notice) {
    BroadcastSettingChange();
    ShowRebootNotice(notice);
    button.Disable();
}
