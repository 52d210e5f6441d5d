// Page loader benchmark: the real main window with its thirteen option pages,
// the shell replaced by a silent recorder. Each page loader runs 100 times,
// in turn with the same registry and profile calls made directly; then each
// page is selected 100 times the way the section list selects it, and timed
// until it is painted.
//
//   page_loaders [--loads N]
#include "bare_loaders.h"
#include "table.h"

#include "app/application.h"
#include "app/form1.h"
#include "store/store_platform.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

const double FrameMs = 16;
const double LoaderRatioLimit = 1.5;

// Notes what the program asks of the shell and never blocks.
class TSilentShell : public TShellServices {
public:
    int ShowMessageBox(HWND, const std::string& text, const std::string&, UINT) override {
        Boxes.push_back(text);
        return IDOK;
    }
    void Beep() override { ++Beeps; }
    void BroadcastSettingChange() override {}

    std::vector<std::string> Boxes;
    int Beeps = 0;
};

struct TPageCase {
    const char* Name;
    int Section;
    int SubItem;
    int Page;
    void (*Bare)();
};

const TPageCase Pages[] = {
    {"Desktop Access", 0, 0, 1, bare::DesktopAccess},    {"Files and Folders", 0, 1, 2, bare::FilesAndFolders},
    {"Start Menu Options", 0, 2, 3, bare::StartMenuOptions}, {"Active Desktop", 0, 3, 4, bare::ActiveDesktop},
    {"System Access", 1, 0, 5, bare::SystemAccess},      {"Network Access", 1, 1, 6, bare::NetworkAccess},
    {"Internet Access", 1, 2, 7, bare::InternetAccess},  {"Printer Options", 1, 3, 8, bare::PrinterOptions},
    {"Control Panels", 1, 4, 9, bare::ControlPanels},    {"Program Access", 2, 0, 10, bare::ProgramAccess},
    {"Drives Access", 2, 1, 11, bare::DrivesAccess},     {"Boot Settings", 3, 0, 12, bare::BootSettings},
    {"Windows Logon", 3, 1, 13, bare::WindowsLogon},
};

// ---- the loader's platform calls, counted through the store's table

TStorePlatform realPlatform;
int platformCalls = 0;

template <auto Member, typename Result, typename... Arguments>
Result WINAPI Counted(Arguments... arguments) {
    ++platformCalls;
    return (realPlatform.*Member)(arguments...);
}

template <auto Member, typename Result, typename... Arguments>
void CountThrough(Result(WINAPI*& slot)(Arguments...)) {
    slot = &Counted<Member, Result, Arguments...>;
}

// The platform calls one run of a loader makes.
int PlatformCallsOf(TOptionPage& page) {
    TStorePlatform& platform = StorePlatform();
    realPlatform = platform;
    CountThrough<&TStorePlatform::CreateKey>(platform.CreateKey);
    CountThrough<&TStorePlatform::OpenKey>(platform.OpenKey);
    CountThrough<&TStorePlatform::QueryValue>(platform.QueryValue);
    CountThrough<&TStorePlatform::SetValue>(platform.SetValue);
    CountThrough<&TStorePlatform::DeleteValue>(platform.DeleteValue);
    CountThrough<&TStorePlatform::CloseKey>(platform.CloseKey);
    CountThrough<&TStorePlatform::ReadProfileString>(platform.ReadProfileString);
    CountThrough<&TStorePlatform::WriteProfileString>(platform.WriteProfileString);
    CountThrough<&TStorePlatform::SetAttributes>(platform.SetAttributes);
    platformCalls = 0;
    page.PageLoader();
    platform = realPlatform;
    return platformCalls;
}

int BareCallsOf(const TPageCase& page) {
    bare::ResetCallCount();
    page.Bare();
    return bare::CallCount();
}

// ---- timing

template <typename Action>
double Microseconds(Action&& action) {
    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&before);
    action();
    QueryPerformanceCounter(&after);
    return static_cast<double>(after.QuadPart - before.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Handles what the window has waiting, without the idle work.
void HandleWaitingMessages() {
    MSG message;
    while (Application().HandleNextMessage(message)) {
    }
}

// Loader and bare calls take turns, and which goes first alternates, so that
// a slow spell of the machine or a warm cache favours neither.
void MeasureLoader(TForm1& form, const TPageCase& page, int loads) {
    TOptionPage& options = *form.OptionPage(page.Page);
    std::vector<double> loader, direct;
    for (int load = 0; load < loads; ++load) {
        if (load % 2 == 0) loader.push_back(Microseconds([&] { options.PageLoader(); }));
        direct.push_back(Microseconds(page.Bare));
        if (load % 2 == 1) loader.push_back(Microseconds([&] { options.PageLoader(); }));
        HandleWaitingMessages();
    }
    const int calls = PlatformCallsOf(options);
    const int bareCalls = BareCallsOf(page);
    const std::string measure = std::string(page.Name) + ": loader, " + std::to_string(calls) +
                                " platform calls, median of " + std::to_string(loads) + " (us)";
    if (calls != bareCalls) {
        PrintRow(measure, Fixed(Median(loader), 1), Fixed(Median(direct), 1), "-", "same calls",
                 "NO: bare makes " + std::to_string(bareCalls));
    } else if (calls == 0) {
        PrintRow(measure, Fixed(Median(loader), 1), "-", "-", "<= 16000 us",
                 Median(loader) <= FrameMs * 1000 ? "yes; no calls to compare" : "NO");
    } else {
        const double ratio = Median(loader) / Median(direct);
        const bool met = ratio <= LoaderRatioLimit && Median(loader) <= FrameMs * 1000;
        PrintRow(measure, Fixed(Median(loader), 1), Fixed(Median(direct), 1), Fixed(ratio, 2),
                 "ratio <= 1.5, <= 16000 us", met ? "yes" : "NO");
    }
}

// A selection as the section list makes it, until the page is painted; the
// default page is shown between two, so that each really changes the page.
std::vector<double> MeasureShown(TForm1& form, const TPageCase& page, int loads) {
    std::vector<double> shown;
    for (int load = 0; load < loads; ++load) {
        shown.push_back(Microseconds([&] {
                            form.optionlist1SubItemClick(page.Section, page.SubItem);
                            UpdateWindow(form.Handle());
                        }) /
                        1000);
        form.Notebook1.SetPageIndex(0);
        UpdateWindow(form.Handle());
        HandleWaitingMessages();
    }
    return shown;
}

}  // namespace

int main(int argc, char** argv) {
    int loads = 100;
    if (argc == 3 && std::string(argv[1]) == "--loads") loads = std::atoi(argv[2]);
    if (loads < 1) return 2;
    TSilentShell shell;
    Application().SetShell(&shell);
    try {
        TForm1 form;
        form.Show();
        form.CreateOptionPages();
        HandleWaitingMessages();
        // One load each first, untimed: it creates the values a new machine lacks.
        for (const TPageCase& page : Pages) form.OptionPage(page.Page)->PageLoader();
        for (const TPageCase& page : Pages) MeasureLoader(form, page, loads);
        std::vector<double> slowest;
        for (const TPageCase& page : Pages) {
            std::vector<double> shown = MeasureShown(form, page, loads);
            PrintLimitRow(std::string(page.Name) + ": selected until painted, median of " + std::to_string(loads) +
                              " (ms)",
                          Median(shown), 2, FrameMs);
            slowest.push_back(Maximum(shown));
        }
        PrintRow("slowest single page selection of all (ms)", Fixed(Maximum(slowest), 2), "-", "-", "-", "-");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "page_loaders: %s\n", error.what());
        return 1;
    }
    Application().SetShell(nullptr);
    for (const std::string& box : shell.Boxes) std::fprintf(stderr, "page_loaders: an error box said: %s\n", box.c_str());
    return shell.Boxes.empty() ? 0 : 1;
}
