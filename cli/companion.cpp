#include "cli/companion.h"

#include "app/application.h"
#include "app/form1.h"
#include "app/version.h"
#include "base/error_text.h"
#include "base/exceptions.h"
#include "base/program_services.h"
#include "cli/dry_run_store.h"
#include "cli/nearest_name.h"
#include "cli/page_settings.h"
#include "cli/profile.h"
#include "store/ini_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

const char* const HelpText =
    "tavrelctl: shows, exports and applies the settings of every page of Tavrel\n"
    "\n"
    "  tavrelctl show [PAGE...]         each page as the window shows it once selected\n"
    "  tavrelctl export FILE            every page's settings into a profile\n"
    "  tavrelctl apply FILE             sets every control the profile names, as clicks do\n"
    "  tavrelctl apply FILE --dry-run   prints what apply would change; stores nothing\n"
    "  tavrelctl --help\n"
    "\n"
    "PAGE is a page's title (\"Boot Settings\") or number (1 to 13).\n"
    "\n"
    "A profile is a text file: one [page title] per page, then one line per\n"
    "control, its caption, \"=\" and its state: ticked or cleared, a delay in\n"
    "seconds, or a text. Lines that begin with \";\" are comments.\n"
    "\n"
    "apply, page by page in the window's order, reads what is stored (as\n"
    "selecting the page does), sets each control the profile names, which\n"
    "stores its value as a click or typing does, and then runs the page's\n"
    "Apply Changes step; the notice is printed where something changed.\n"
    "The whole profile is checked first: a bad one stores nothing.\n"
    "\n"
    "show and export store what selecting a page in the window stores: a\n"
    "value that is missing is created with the value that shows as cleared,\n"
    "and C:\\msdos.sys loses its read-only, hidden and system attributes until\n"
    "an apply, or Apply Changes on the Boot Settings page, sets them again.\n"
    "\n"
    "Exit status: 0 everything was stored; 1 a value could not be stored or\n"
    "read (each error is printed, the other pages are still done); 2 a bad\n"
    "profile or command line, and nothing was stored.\n";

const size_t LargestProfile = 16 * 1024 * 1024;

// The program services while the companion runs: notices are printed, not
// shown in a box; errors go to the error stream; a dry run tells no one.
class TCompanionServices : public TProgramServices, public TShellServices {
public:
    TCompanionServices(TConsole& console, bool dryRun) : console_(console), dryRun_(dryRun) {
        Application();  // installs itself when first made, so it must not come after us
        previous_ = &ProgramServices();
        InstallProgramServices(this);
    }
    ~TCompanionServices() override { InstallProgramServices(previous_); }

    void SetPage(const std::string& title) { page_ = title; }
    // A reboot notice is printed only for a page where something changed.
    void ShowNotices(bool show) { showNotices_ = show; }
    // An error as the error box shows it, under the page it happened on.
    void Report(const std::exception& error) {
        console_.Err(page_ + ": " + ErrorBoxText(error.what()));
        failed_ = true;
    }
    bool Failed() const { return failed_; }

    TShellServices& Shell() override { return *this; }
    void ShowException(const std::exception& error) override { Report(error); }
    HWND MainWindow() const override { return nullptr; }

    int ShowMessageBox(HWND, const std::string& text, const std::string&, UINT flags) override {
        if (flags & MB_ICONERROR) {
            console_.Err(page_ + ": " + text);
            failed_ = true;
        } else if (showNotices_) {
            console_.Out(page_ + ": Apply Changes: " + text);
        }
        return IDOK;
    }
    void Beep() override {}
    void BroadcastSettingChange() override {
        if (!dryRun_) platform_.BroadcastSettingChange();
    }

private:
    TConsole& console_;
    bool dryRun_;
    TProgramServices* previous_ = nullptr;
    TPlatformShell platform_;
    std::string page_;
    bool showNotices_ = true;
    bool failed_ = false;
};

// The window's pages, built but never shown.
struct TSession {
    TSession(TConsole& console, bool dryRun) : services(console, dryRun) { form.CreateOptionPages(); }
    TCompanionServices services;
    TForm1 form;

    TOptionPage& Page(int number) { return *form.OptionPage(number); }
    // Runs the page loader, as selecting the page does; false when it failed.
    bool Load(TOptionPage& page) {
        services.SetPage(page.Title());
        try {
            page.PageLoader();
            return true;
        } catch (const std::exception& error) {
            services.Report(error);
            return false;
        }
    }
};

const int PageCount = 13;

std::string Where(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) + ": " : file + ": ";
}

std::string Shown(const TPageSetting& setting, const std::string& value) {
    return setting.Kind() == TPageSetting::TKind::Text ? "\"" + value + "\"" : value;
}

std::vector<std::string> Titles(TSession& session) {
    std::vector<std::string> titles;
    for (int number = 1; number <= PageCount; ++number) titles.push_back(session.Page(number).Title());
    return titles;
}

// The page a title or a number names, or 0.
int PageNamed(TSession& session, const std::string& name) {
    for (int number = 1; number <= PageCount; ++number)
        if (SameName(name, session.Page(number).Title()) || name == std::to_string(number)) return number;
    return 0;
}

std::string NoPage(TSession& session, const std::string& name) {
    return "no page is called \"" + name + "\"; the nearest is \"" + NearestName(name, Titles(session)) + "\"";
}

// ---------------------------------------------------------------------------
// show and export

int Show(const std::vector<std::string>& names, TConsole& console) {
    TSession session(console, false);
    std::vector<int> pages;
    for (const std::string& name : names) {
        int number = PageNamed(session, name);
        if (!number) {
            console.Err("tavrelctl: " + NoPage(session, name));
            return ExitBadProfile;
        }
        pages.push_back(number);
    }
    if (names.empty())
        for (int number = 1; number <= PageCount; ++number) pages.push_back(number);
    for (int number : pages) {
        TOptionPage& page = session.Page(number);
        if (!session.Load(page)) continue;
        console.Out(page.Title());
        for (const TPageSetting& setting : PageSettings(page)) console.Out("  " + setting.Name() + ": " + setting.Value());
    }
    return session.services.Failed() ? ExitNotStored : ExitStored;
}

using TFile = std::unique_ptr<FILE, int (*)(FILE*)>;

TFile OpenFile(const std::string& file, const char* mode) { return TFile(std::fopen(file.c_str(), mode), &std::fclose); }

// The file is made before any page is loaded: a path that cannot be written
// stores nothing at all.
int Export(const std::string& file, TConsole& console) {
    TFile stream = OpenFile(file, "wb");
    const std::string refused = "tavrelctl: " + ErrorBoxText(FormatText(UnableToWriteMessage, file));
    if (!stream) {
        console.Err(refused);
        return ExitNotStored;
    }
    TSession session(console, false);
    TProfile profile;
    for (int number = 1; number <= PageCount; ++number) {
        TOptionPage& page = session.Page(number);
        if (!session.Load(page)) continue;
        TProfilePage written{0, page.Title(), {}};
        for (const TPageSetting& setting : PageSettings(page)) written.Entries.push_back({0, setting.Name(), setting.Value()});
        profile.Pages.push_back(written);
    }
    const std::string text = ProfileText(profile, TAVREL_VERSION_TEXT);
    if (std::fwrite(text.data(), 1, text.size(), stream.get()) != text.size() || std::fflush(stream.get()) != 0) {
        console.Err(refused);
        return ExitNotStored;
    }
    console.Out("Exported " + std::to_string(profile.Pages.size()) + " pages to " + file + ".");
    return session.services.Failed() ? ExitNotStored : ExitStored;
}

// ---------------------------------------------------------------------------
// apply

// What a profile asks of one page, checked against the page's controls.
struct TPagePlan {
    int Page = 0;
    std::vector<std::pair<std::string, std::string>> Values;  // control name, value as the control shows it
};

std::optional<std::string> ReadWholeFile(const std::string& file, std::string& why) {
    TFile stream = OpenFile(file, "rb");
    if (!stream) {
        why = errno == ENOENT ? "no such file" : "the file cannot be read";
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof(buffer), stream.get())) > 0) {
        text.append(buffer, read);
        if (text.size() > LargestProfile) {
            why = "the file is larger than a profile can be (16 MiB)";
            return std::nullopt;
        }
    }
    if (std::ferror(stream.get())) {
        why = "the file cannot be read";
        return std::nullopt;
    }
    return text;
}

const TPageSetting& SettingNamed(const std::vector<TPageSetting>& settings, const TProfileEntry& entry,
                                 const std::string& title) {
    std::vector<std::string> names;
    for (const TPageSetting& setting : settings) {
        if (SameName(setting.Name(), entry.Name)) return setting;
        names.push_back(setting.Name());
    }
    std::string message = "the page \"" + title + "\" has no control \"" + entry.Name + "\"";
    if (!names.empty()) message += "; the nearest is \"" + NearestName(entry.Name, names) + "\"";
    throw EProfileError(entry.Line, message);
}

// Checks every page and value of the profile; raises EProfileError.
std::vector<TPagePlan> Plan(TSession& session, const TProfile& profile) {
    std::vector<TPagePlan> plans;
    for (const TProfilePage& written : profile.Pages) {
        const int number = PageNamed(session, written.Title);
        if (!number || written.Title == std::to_string(number))
            throw EProfileError(written.Line, NoPage(session, written.Title));
        TOptionPage& page = session.Page(number);
        const std::vector<TPageSetting> settings = PageSettings(page);
        TPagePlan plan{number, {}};
        for (const TProfileEntry& entry : written.Entries) {
            const TPageSetting& setting = SettingNamed(settings, entry, page.Title());
            try {
                plan.Values.emplace_back(setting.Name(), setting.Checked(entry.Value));
            } catch (const Exception& error) {
                throw EProfileError(entry.Line, setting.Name() + ": " + error.what());
            }
        }
        plans.push_back(plan);
    }
    std::sort(plans.begin(), plans.end(), [](const TPagePlan& a, const TPagePlan& b) { return a.Page < b.Page; });
    return plans;
}

class TPageApply {
public:
    TPageApply(TSession& session, TConsole& console, TOptionPage& page, const TPagePlan& plan)
        : session_(session), console_(console), page_(page), plan_(plan), settings_(PageSettings(page)) {}

    // The controls that changed.
    int Run() {
        for (TPageSetting& setting : settings_)
            if (setting.Kind() == TPageSetting::TKind::Text && !setting.Owner()) SetText(setting);
        for (TPageSetting& setting : settings_)
            if (setting.Kind() != TPageSetting::TKind::Text) SetControl(setting);
        // Also when nothing changed: the loader may have left the page's
        // store open (the boot file without its protecting attributes).
        TFlatButton& button = ApplyButtonOf(page_);
        session_.services.ShowNotices(changed_ > 0);
        if (button.OnClick) Try([&] { button.OnClick(); });
        return changed_;
    }

private:
    const std::string* Wanted(const TPageSetting& setting) const {
        for (const auto& value : plan_.Values)
            if (value.first == setting.Name()) return &value.second;
        return nullptr;
    }

    template <typename Step>
    void Try(Step step) {
        try {
            step();
        } catch (const std::exception& error) {
            session_.services.Report(error);
        }
    }

    // True when the text changed.
    bool SetText(TPageSetting& text) {
        const std::string* wanted = Wanted(text);
        if (!wanted || text.Value() == *wanted) return false;
        Announce(text, *wanted);
        Try([&] { text.SetValue(*wanted); });
        return true;
    }

    // A box's texts are set before it, as a person types them before ticking
    // it; a box that stays ticked is ticked again so that it stores them.
    void SetControl(TPageSetting& setting) {
        bool textChanged = false;
        for (TPageSetting& text : settings_)
            if (text.Kind() == TPageSetting::TKind::Text && text.Owner() && &setting == OwnerSetting(text))
                textChanged = SetText(text) || textChanged;
        const std::string* wanted = Wanted(setting);
        const std::string target = wanted ? *wanted : setting.Value();
        if (setting.Value() != target) {
            Announce(setting, target);
            Try([&] { setting.SetValue(target); });
        } else if (textChanged && target == Ticked) {
            Try([&] {
                setting.SetValue(Cleared);
                setting.SetValue(Ticked);
            });
        }
    }

    const TPageSetting* OwnerSetting(const TPageSetting& text) const {
        for (const TPageSetting& setting : settings_)
            if (setting.Kind() == TPageSetting::TKind::Box && setting.Controls(*text.Owner())) return &setting;
        return nullptr;
    }

    void Announce(const TPageSetting& setting, const std::string& value) {
        console_.Out(page_.Title() + ": " + setting.Name() + ": " + Shown(setting, setting.Value()) + " -> " +
                     Shown(setting, value));
        ++changed_;
    }

    TSession& session_;
    TConsole& console_;
    TOptionPage& page_;
    const TPagePlan& plan_;
    std::vector<TPageSetting> settings_;
    int changed_ = 0;
};

int Apply(const std::string& file, bool dryRun, TConsole& console) {
    std::string why;
    std::optional<std::string> text = ReadWholeFile(file, why);
    if (!text) {
        console.Err(Where(file, 0) + why);
        return ExitBadProfile;
    }
    TSession session(console, dryRun);
    std::vector<TPagePlan> plans;
    try {
        plans = Plan(session, ParseProfile(*text, TAVREL_VERSION_TEXT));
    } catch (const EProfileError& error) {
        console.Err(Where(file, error.Line()) + error.what());
        return ExitBadProfile;
    }

    std::optional<TDryRunStore> dryRunStore;
    if (dryRun) dryRunStore.emplace();
    int controls = 0;
    int pages = 0;
    for (const TPagePlan& plan : plans) {
        TOptionPage& page = session.Page(plan.Page);
        if (!session.Load(page)) continue;
        int changed = TPageApply(session, console, page, plan).Run();
        controls += changed;
        pages += changed ? 1 : 0;
    }
    const std::string counts = std::to_string(controls) + (controls == 1 ? " control" : " controls");
    const std::string where = std::to_string(pages) + (pages == 1 ? " page" : " pages");
    if (dryRun)
        console.Out(counts + " would change on " + where + "; nothing was stored (dry run).");
    else
        console.Out(counts + " changed on " + where + ".");
    return session.services.Failed() ? ExitNotStored : ExitStored;
}

int Usage(TConsole& console, const std::string& fault) {
    console.Err("tavrelctl: " + fault + "; tavrelctl --help tells how to use it");
    return ExitBadProfile;
}

}  // namespace

int RunCompanion(const std::vector<std::string>& arguments, TConsole& console) {
    if (arguments.empty()) return Usage(console, "no command given");
    const std::string& command = arguments[0];
    if (command == "--help" || command == "-h" || command == "/?" || command == "help") {
        console.Out(HelpText);
        return ExitStored;
    }
    const std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    if (command == "show") return Show(rest, console);
    if (command == "export") {
        if (rest.size() != 1) return Usage(console, "export takes one file");
        return Export(rest[0], console);
    }
    if (command == "apply") {
        if (rest.size() == 1) return Apply(rest[0], false, console);
        if (rest.size() == 2 && rest[1] == "--dry-run") return Apply(rest[0], true, console);
        if (rest.size() == 2 && rest[0] == "--dry-run") return Apply(rest[1], true, console);
        return Usage(console, "apply takes one file, and --dry-run");
    }
    return Usage(console, "unknown command \"" + command + "\"");
}
