#include "cli/companion.h"

#include "app/version.h"
#include "base/error_text.h"
#include "base/exceptions.h"
#include "cli/apply.h"
#include "cli/code_page.h"
#include "cli/page_settings.h"
#include "cli/profile.h"
#include "cli/run_log.h"
#include "cli/session.h"
#include "cli/text_file.h"
#include "store/ini_file.h"

#include <optional>

namespace {

const char* const HelpText =
    "tavrelctl: shows, exports, checks and applies the settings of every page of Tavrel\n"
    "\n"
    "  tavrelctl show [PAGE...]         each page as the window shows it once selected\n"
    "  tavrelctl export FILE            every page's settings into a profile\n"
    "  tavrelctl check FILE             prints each control that is not as the profile says\n"
    "  tavrelctl apply FILE             sets every control the profile names, as clicks do\n"
    "  tavrelctl apply FILE --dry-run   prints what apply would change; stores nothing\n"
    "  tavrelctl --help\n"
    "\n"
    "PAGE is a page's title (\"Boot Settings\") or number (1 to 13). With\n"
    "--log LOG, any command also appends every line it prints, errors\n"
    "included, to LOG, under the date and the machine's name.\n"
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
    "show, export, check and a dry run store nothing: they load each page as\n"
    "selecting it does, keeping in memory every write the load makes.\n"
    "check prints the line apply would print for each control that differs.\n"
    "\n"
    "Exit status: 0 everything was stored (check: the machine is as the\n"
    "profile says); 1 a value could not be stored or read (each error is\n"
    "printed, the other pages are still done); 2 a bad profile or command\n"
    "line, and nothing was stored; 3 (check) a control differs.\n";

// The page as selecting it shows it; none when its loader failed (the error
// is printed).
std::optional<TProfilePage> LoadedPage(TSession& session, int number) {
    TOptionPage& page = session.Page(number);
    if (!session.Load(page)) return std::nullopt;
    TProfilePage loaded{0, page.Title(), {}};
    for (const TPageSetting& setting : PageSettings(page)) loaded.Entries.push_back({0, setting.Name(), setting.Value()});
    return loaded;
}

std::vector<int> AllPages() {
    std::vector<int> pages;
    for (int number = 1; number <= TSession::PageCount; ++number) pages.push_back(number);
    return pages;
}

int Show(const std::vector<std::string>& names, TConsole& console) {
    TSession session(console, true);
    std::vector<int> pages;
    for (const std::string& name : names) {
        int number = session.PageNamed(name);
        if (!number) {
            console.Err("tavrelctl: " + session.NoPage(name));
            return ExitBadProfile;
        }
        pages.push_back(number);
    }
    for (int number : names.empty() ? AllPages() : pages) {
        const std::optional<TProfilePage> page = LoadedPage(session, number);
        if (!page) continue;
        console.Out(page->Title);
        for (const TProfileEntry& entry : page->Entries) console.Out("  " + entry.Name + ": " + entry.Value);
    }
    return session.services.Failed() ? ExitNotStored : ExitStored;
}

// The file is made before any page is loaded: a path that cannot be written
// stores nothing at all.
int Export(const std::string& file, TConsole& console) {
    TFile stream = OpenFile(file, "wb");
    const std::string refused = "tavrelctl: " + ErrorBoxText(FormatText(UnableToWriteMessage, file));
    if (!stream) {
        console.Err(refused);
        return ExitNotStored;
    }
    TSession session(console, true);
    TProfile profile;
    for (int number : AllPages())
        if (std::optional<TProfilePage> page = LoadedPage(session, number)) profile.Pages.push_back(*page);
    const std::string text = ProfileFileText(profile, TAVREL_VERSION_TEXT);
    if (std::fwrite(text.data(), 1, text.size(), stream.get()) != text.size() || std::fflush(stream.get()) != 0) {
        console.Err(refused);
        return ExitNotStored;
    }
    console.Out("Exported " + std::to_string(profile.Pages.size()) + " pages to " + file + ".");
    return session.services.Failed() ? ExitNotStored : ExitStored;
}

int Usage(TConsole& console, const std::string& fault) {
    console.Err("tavrelctl: " + fault + "; tavrelctl --help tells how to use it");
    return ExitBadProfile;
}

int RunCommand(const std::vector<std::string>& arguments, TConsole& console) {
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
        if (rest.size() == 1) return Apply(rest[0], TApplyMode::Store, console);
        if (rest.size() == 2 && rest[1] == "--dry-run") return Apply(rest[0], TApplyMode::DryRun, console);
        if (rest.size() == 2 && rest[0] == "--dry-run") return Apply(rest[1], TApplyMode::DryRun, console);
        return Usage(console, "apply takes one file, and --dry-run");
    }
    if (command == "check") {
        if (rest.size() != 1) return Usage(console, "check takes one file");
        return Apply(rest[0], TApplyMode::Check, console);
    }
    return Usage(console, "unknown command \"" + command + "\"");
}

// Whatever goes wrong is printed, and logged, as the error box shows it.
int RunCaught(const std::vector<std::string>& arguments, TConsole& console) {
    try {
        return RunCommand(arguments, console);
    } catch (const std::exception& error) {
        console.Err("tavrelctl: " + ErrorBoxText(error.what()));
        return ExitNotStored;
    }
}

}  // namespace

int RunCompanion(const std::vector<std::string>& arguments, TConsole& console) {
    std::vector<std::string> command;
    std::string log;
    std::string commandLine = "tavrelctl";
    for (size_t i = 0; i < arguments.size(); ++i) {
        commandLine += " " + arguments[i];
        if (arguments[i] != "--log") {
            command.push_back(arguments[i]);
        } else if (i + 1 < arguments.size()) {
            log = arguments[++i];
            commandLine += " " + log;
        } else {
            return Usage(console, "--log takes a file");
        }
    }
    if (log.empty()) return RunCaught(command, console);
    TRunLog logged(console, log);
    if (!logged.Opened()) {
        console.Err("tavrelctl: " + ErrorBoxText(FormatText(UnableToWriteMessage, log)));
        return ExitNotStored;
    }
    logged.Head(commandLine);
    const int status = RunCaught(command, logged);
    logged.Tail(status);
    return status;
}
