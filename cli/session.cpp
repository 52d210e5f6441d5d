#include "cli/session.h"

#include "app/application.h"
#include "base/error_text.h"
#include "cli/nearest_name.h"

TCompanionServices::TCompanionServices(TConsole& console, bool dryRun) : console_(console), dryRun_(dryRun) {
    Application();  // installs itself when first made, so it must not come after us
    previous_ = &ProgramServices();
    InstallProgramServices(this);
}

TCompanionServices::~TCompanionServices() { InstallProgramServices(previous_); }

void TCompanionServices::Report(const std::exception& error) {
    console_.Err(page_ + ": " + ErrorBoxText(error.what()));
    failed_ = true;
}

int TCompanionServices::ShowMessageBox(HWND, const std::string& text, const std::string&, UINT flags) {
    if (flags & MB_ICONERROR) {
        console_.Err(page_ + ": " + text);
        failed_ = true;
    } else if (showNotices_) {
        console_.Out(page_ + ": Apply Changes: " + text);
    }
    return IDOK;
}

void TCompanionServices::BroadcastSettingChange() {
    if (!dryRun_) platform_.BroadcastSettingChange();
}

TSession::TSession(TConsole& console, bool dryRun) : services(console, dryRun) {
    if (dryRun) dryRunStore_.emplace();
    form_.CreateOptionPages();
}

int TSession::PageNamed(const std::string& name) {
    for (int number = 1; number <= PageCount; ++number)
        if (SameName(name, Page(number).Title()) || name == std::to_string(number)) return number;
    return 0;
}

std::string TSession::NoPage(const std::string& name) {
    std::vector<std::string> titles;
    for (int number = 1; number <= PageCount; ++number) titles.push_back(Page(number).Title());
    return "no page is called \"" + name + "\"; the nearest is \"" + NearestName(name, titles) + "\"";
}

bool TSession::Load(TOptionPage& page) {
    services.SetPage(page.Title());
    try {
        page.PageLoader();
        return true;
    } catch (const std::exception& error) {
        services.Report(error);
        return false;
    }
}
