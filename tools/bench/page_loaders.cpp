// Page loader benchmark: the real main window with its thirteen option pages,
// the shell replaced by a silent recorder. Each page loader runs 100 times,
// in turn with the same registry and profile calls made directly. Then each
// page is selected 100 times the way the section list selects it, and timed
// until it is painted, in turn with the same selection on a floor: a window
// below ours whose pages hold as many windows as ours, plain platform
// controls mirrored from our pages' window trees, each selected with the same
// registry calls and shown the way the notebook shows a page.
//
//   page_loaders [--loads N]
#include "bare_loaders.h"
#include "page_floor.h"
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
const double SelectionRatioLimit = 1.2;

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
};

const TPageCase Pages[] = {
    {"Desktop Access", 0, 0, 1},  {"Files and Folders", 0, 1, 2}, {"Start Menu Options", 0, 2, 3},
    {"Active Desktop", 0, 3, 4},  {"System Access", 1, 0, 5},     {"Network Access", 1, 1, 6},
    {"Internet Access", 1, 2, 7}, {"Printer Options", 1, 3, 8},   {"Control Panels", 1, 4, 9},
    {"Program Access", 2, 0, 10}, {"Drives Access", 2, 1, 11},    {"Boot Settings", 3, 0, 12},
    {"Windows Logon", 3, 1, 13},
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
    bare::Loader(page.Page);
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
        direct.push_back(Microseconds([&] { bare::Loader(page.Page); }));
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

// ---- page selections against the floor

// One above the other, as side by side they are wider than the screen, so
// that neither exposes the other. Returns the floor's place.
POINT PlaceFormAtTop(HWND form) {
    RECT rect{};
    GetWindowRect(form, &rect);
    SetWindowPos(form, nullptr, rect.left, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return {rect.left, rect.bottom - rect.top};
}

void CheckPlaces(HWND form, HWND floor) {
    RECT ours{}, theirs{}, both{};
    GetWindowRect(form, &ours);
    GetWindowRect(floor, &theirs);
    if (IntersectRect(&both, &ours, &theirs)) std::fprintf(stderr, "page_loaders: the floor overlaps our window\n");
    if (theirs.bottom > GetSystemMetrics(SM_CYSCREEN))
        std::fprintf(stderr, "page_loaders: the floor reaches beyond the screen\n");
}

// The page fonts as the main window makes them, for our labels, buttons and
// group boxes, which do not tell theirs.
TFloorFonts PageFonts() {
    return {Application().Font("MS Sans Serif", 11), Application().Font("MS Sans Serif", 16, true)};
}

// In notebook order, so that the floor's page numbers are ours.
void MirrorPages(TForm1& form, TPageFloor& floor) {
    for (const TPageCase& page : Pages) {
        const TMirrorCounts counts = floor.AddPage(form.OptionPage(page.Page)->Handle());
        std::fprintf(stderr, "page_loaders: floor of %s: %s\n", page.Name, Describe(counts).c_str());
    }
}

// A selection as the section list makes it, until the page is painted; the
// default page is shown after it, so that each really changes the page.
double OurSelection(TForm1& form, const TPageCase& page) {
    const double shown = Microseconds([&] {
        form.optionlist1SubItemClick(page.Section, page.SubItem);
        UpdateWindow(form.Handle());
    });
    form.Notebook1.SetPageIndex(0);
    UpdateWindow(form.Handle());
    HandleWaitingMessages();
    return shown / 1000;
}

// The same on the floor: the loader's registry calls, the boxes set to what
// ours show, the page shown until it is painted; then the empty page 0.
double FloorSelection(TPageFloor& floor, const TPageCase& page) {
    const double shown = Microseconds([&] {
        bare::Loader(page.Page);
        floor.CopyCheckStates(page.Page);
        floor.ShowPage(page.Page);
        UpdateWindow(floor.Handle());
    });
    floor.ShowPage(0);
    UpdateWindow(floor.Handle());
    HandleWaitingMessages();
    return shown / 1000;
}

struct TSelectionTimes {
    std::vector<double> Ours;
    std::vector<double> Floor;
};

// Taking turns as the loaders do, which goes first alternating.
TSelectionTimes MeasureSelections(TForm1& form, TPageFloor& floor, const TPageCase& page, int loads) {
    TSelectionTimes times;
    for (int load = 0; load < loads; ++load) {
        if (load % 2 == 0) times.Ours.push_back(OurSelection(form, page));
        times.Floor.push_back(FloorSelection(floor, page));
        if (load % 2 == 1) times.Ours.push_back(OurSelection(form, page));
    }
    return times;
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
        bare::Prepare();
        for (const TPageCase& page : Pages) MeasureLoader(form, page, loads);
        TPageFloor floor(form.Notebook1.Handle(), form.Default.Handle(), PlaceFormAtTop(form.Handle()), PageFonts());
        CheckPlaces(form.Handle(), floor.Handle());
        MirrorPages(form, floor);
        HandleWaitingMessages();
        std::vector<double> ourSlowest, floorSlowest;
        for (const TPageCase& page : Pages) {
            const TSelectionTimes times = MeasureSelections(form, floor, page, loads);
            PrintLimitAndRatioRow(std::string(page.Name) + ": selected until painted, median of " +
                                      std::to_string(loads) + " (ms)",
                                  Median(times.Ours), Median(times.Floor), 2, FrameMs, "ms", SelectionRatioLimit);
            ourSlowest.push_back(Maximum(times.Ours));
            floorSlowest.push_back(Maximum(times.Floor));
        }
        PrintRow("slowest single page selection of all (ms)", Fixed(Maximum(ourSlowest), 2), "-", "-", "-", "-");
        PrintRow("slowest single floor page selection of all (ms)", "-", Fixed(Maximum(floorSlowest), 2), "-", "-",
                 "-");
    } catch (const std::exception& error) {
        std::fprintf(stderr, "page_loaders: %s\n", error.what());
        return 1;
    }
    Application().SetShell(nullptr);
    for (const std::string& box : shell.Boxes) std::fprintf(stderr, "page_loaders: an error box said: %s\n", box.c_str());
    return shell.Boxes.empty() ? 0 : 1;
}
