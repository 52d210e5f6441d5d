#include "cli/apply.h"

#include "app/version.h"
#include "base/exceptions.h"
#include "cli/code_page.h"
#include "cli/nearest_name.h"
#include "cli/page_settings.h"
#include "cli/profile.h"
#include "cli/session.h"
#include "cli/text_file.h"

#include <algorithm>
#include <optional>

namespace {

std::string Where(const std::string& file, int line) {
    return line > 0 ? file + ":" + std::to_string(line) + ": " : file + ": ";
}

std::string Shown(const TPageSetting& setting, const std::string& value) {
    return setting.Kind() == TPageSetting::TKind::Text ? "\"" + value + "\"" : value;
}

// What a profile asks of one page, checked against the page's controls.
struct TPagePlan {
    int Page = 0;
    std::vector<std::pair<std::string, std::string>> Values;  // control name, value as the control shows it
};

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
        const int number = session.PageNamed(written.Title);
        if (!number || written.Title == std::to_string(number))
            throw EProfileError(written.Line, session.NoPage(written.Title));
        TOptionPage& page = session.Page(number);
        const std::vector<TPageSetting> settings = PageSettings(page);
        TPagePlan plan{number, {}};
        for (const TProfileEntry& entry : written.Entries) {
            const TPageSetting& setting = SettingNamed(settings, entry, page.Title());
            try {
                plan.Values.emplace_back(setting.Name(), setting.Accepted(entry.Value));
            } catch (const Exception& error) {
                throw EProfileError(entry.Line, setting.Name() + ": " + error.what());
            }
        }
        plans.push_back(plan);
    }
    std::sort(plans.begin(), plans.end(), [](const TPagePlan& a, const TPagePlan& b) { return a.Page < b.Page; });
    return plans;
}

std::string Summary(int controls, int pages, bool dryRun) {
    const std::string counts = std::to_string(controls) + (controls == 1 ? " control" : " controls");
    const std::string where = std::to_string(pages) + (pages == 1 ? " page" : " pages");
    if (dryRun) return counts + " would change on " + where + "; nothing was stored (dry run).";
    return counts + " changed on " + where + ".";
}

class TPageApply {
public:
    TPageApply(TSession& session, TConsole& console, TOptionPage& page, const TPagePlan& plan, bool notices)
        : session_(session),
          console_(console),
          page_(page),
          plan_(plan),
          settings_(PageSettings(page)),
          notices_(notices) {}

    // The controls that changed.
    int Run() {
        for (TPageSetting& setting : settings_)
            if (setting.Kind() == TPageSetting::TKind::Text && !setting.Owner()) SetText(setting);
        for (TPageSetting& setting : settings_)
            if (setting.Kind() != TPageSetting::TKind::Text) SetControl(setting);
        // Also when nothing changed: the loader may have left the page's
        // store open (the boot file without its protecting attributes).
        TFlatButton& button = ApplyButtonOf(page_);
        session_.services.ShowNotices(notices_ && changed_ > 0);
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
    // Only what is stored is changed and reported: a control a person cannot
    // reach (a drive letter while every drive is hidden) is left as it is,
    // and so are the texts of a box that ends cleared.
    void SetControl(TPageSetting& setting) {
        if (!setting.Reachable()) return;
        const std::string* wanted = Wanted(setting);
        const std::string target = wanted ? *wanted : setting.Value();
        bool textChanged = false;
        for (TPageSetting& text : settings_)
            if (text.Kind() == TPageSetting::TKind::Text && text.Owner() && setting.Controls(*text.Owner()) &&
                target == Ticked)
                textChanged = SetText(text) || textChanged;
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
    bool notices_;
    int changed_ = 0;
};

}  // namespace

int Apply(const std::string& file, TApplyMode mode, TConsole& console) {
    const bool dryRun = mode != TApplyMode::Store;
    std::string why;
    std::optional<std::string> text = ReadWholeFile(file, why);
    if (!text) {
        console.Err(Where(file, 0) + why);
        return ExitBadProfile;
    }
    TSession session(console, dryRun);
    std::vector<TPagePlan> plans;
    try {
        plans = Plan(session, ParseProfile(ProfileInAnsi(*text), TAVREL_VERSION_TEXT));
    } catch (const EProfileError& error) {
        console.Err(Where(file, error.Line()) + error.what());
        return ExitBadProfile;
    }

    int controls = 0;
    int pages = 0;
    for (const TPagePlan& plan : plans) {
        TOptionPage& page = session.Page(plan.Page);
        if (!session.Load(page)) continue;
        int changed = TPageApply(session, console, page, plan, mode != TApplyMode::Check).Run();
        controls += changed;
        pages += changed ? 1 : 0;
    }
    if (mode != TApplyMode::Check) console.Out(Summary(controls, pages, dryRun));
    if (session.services.Failed()) return ExitNotStored;
    return mode == TApplyMode::Check && controls ? ExitDiffers : ExitStored;
}
