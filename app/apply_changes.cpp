#include "app/apply_changes.h"

#include "app/application.h"

const char* const NoticeA = "Some Changes may need a Reboot for any changes to take Effect...";
const char* const NoticeB = "Changes will take effect at next Boot.";

void BroadcastSettingChange() { Application().Shell().BroadcastSettingChange(); }

void ShowRebootNotice(const std::string& notice) {
    Application().Shell().ShowMessageBox(Application().MainWindow(), notice, "Information",
                                         MB_OK | MB_ICONINFORMATION);
}

void ApplyChanges(TFlatButton& button, const std::string& notice) {
    BroadcastSettingChange();
    ShowRebootNotice(notice);
    button.Disable();
}
