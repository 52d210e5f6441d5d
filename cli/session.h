#pragma once

#include "app/form1.h"
#include "base/program_services.h"
#include "cli/companion.h"
#include "cli/dry_run_store.h"

#include <optional>
#include <string>

// The program services while the companion runs: notices are printed, not
// shown in a box; errors go to the error stream; a dry run tells no one.
class TCompanionServices : public TProgramServices, public TShellServices {
public:
    TCompanionServices(TConsole& console, bool dryRun);
    ~TCompanionServices() override;
    TCompanionServices(const TCompanionServices&) = delete;
    TCompanionServices& operator=(const TCompanionServices&) = delete;

    void SetPage(const std::string& title) { page_ = title; }
    // A reboot notice is printed only for a page where something changed.
    void ShowNotices(bool show) { showNotices_ = show; }
    // An error as the error box shows it, under the page it happened on.
    void Report(const std::exception& error);
    bool Failed() const { return failed_; }

    TShellServices& Shell() override { return *this; }
    void ShowException(const std::exception& error) override { Report(error); }
    HWND MainWindow() const override { return nullptr; }

    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    void Beep() override {}
    void BroadcastSettingChange() override;

private:
    TConsole& console_;
    bool dryRun_;
    TProgramServices* previous_ = nullptr;
    TPlatformShell platform_;
    std::string page_;
    bool showNotices_ = true;
    bool failed_ = false;
};

// The window's pages, built but never shown, for one command. A dry run's
// session keeps every write in memory, and tells no one of a change.
class TSession {
public:
    TSession(TConsole& console, bool dryRun);

    static const int PageCount = 13;
    TOptionPage& Page(int number) { return *form_.OptionPage(number); }
    // The page a title or a number names, or 0.
    int PageNamed(const std::string& name);
    // Why a name names no page, with the nearest title.
    std::string NoPage(const std::string& name);
    // Runs the page loader, as selecting the page does; false when it failed.
    bool Load(TOptionPage& page);

    TCompanionServices services;

private:
    std::optional<TDryRunStore> dryRunStore_;
    TForm1 form_;
};
