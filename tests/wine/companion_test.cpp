#include "app/version.h"
#include "cli/companion.h"
#include "cli/profile.h"
#include "harness.h"
#include "option_controls.h"
#include "option_root.h"
#include "profile_files.h"
#include "stored_values.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iostream>
#include <random>
#include <set>

namespace {

using stored::TPlace;

BOOL CALLBACK AddVisibleWindowOfOurs(HWND window, LPARAM found) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOfOurs() {
    std::vector<HWND> found;
    EnumWindows(AddVisibleWindowOfOurs, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Notes, with every line, how many windows of this process could be seen
// that were not before.
class TCapture : public TConsole {
public:
    TCapture() : before_(VisibleWindowsOfOurs()) {}
    void Out(const std::string& line) override { Note(Output, line); }
    void Err(const std::string& line) override { Note(Errors, line); }
    std::vector<std::string> Output;
    std::vector<std::string> Errors;
    size_t MostWindowsSeen = 0;

private:
    void Note(std::vector<std::string>& lines, const std::string& line) {
        lines.push_back(line);
        size_t seen = 0;
        for (HWND window : VisibleWindowsOfOurs())
            if (std::find(before_.begin(), before_.end(), window) == before_.end()) ++seen;
        MostWindowsSeen = std::max(MostWindowsSeen, seen);
    }
    std::vector<HWND> before_;
};

struct TRun {
    int Status = -1;
    std::vector<std::string> Output;
    std::vector<std::string> Errors;
    size_t MostWindowsSeen = 0;  // windows of this process that showed while it wrote
};

TRun Companion(const std::vector<std::string>& arguments) {
    TCapture console;
    int status = RunCompanion(arguments, console);
    return {status, console.Output, console.Errors, console.MostWindowsSeen};
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The lines that report a control changed.
std::vector<std::string> Changes(const std::vector<std::string>& lines) {
    std::vector<std::string> changes;
    for (const std::string& line : lines)
        if (line.find(" -> ") != std::string::npos) changes.push_back(line);
    return changes;
}

std::string TempFile(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "tavrel-" + name;
}

// A machine as a new one is for the pages, with the run command's boot file.
void NewMachine() {
    ResetMachine();
    profile::WriteBehindProgram(profile::BootFilePath(), profile::BootFile({"BootGUI=1", "AutoScan=1"}));
}

// The name a profile gives a control of the table: its caption, a field's
// label without its colon.
std::string ProfileName(const options::TControl& control) {
    std::string name = control.Caption;
    if (!control.ShowsCaption() && !name.empty() && name.back() == ':') name.pop_back();
    return name;
}

std::vector<options::TControl> SettingsOn(int page) {
    std::vector<options::TControl> settings;
    for (const options::TControl& control : options::Controls())
        if (control.Page == page && (control.Kind == "box" || control.Kind == "spin" || control.Kind == "edit"))
            settings.push_back(control);
    return settings;
}

unsigned Seed() {
    const char* given = std::getenv("TAVREL_TEST_SEED");
    unsigned seed = given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : std::random_device()();
    std::cout << "seed " << seed << " (TAVREL_TEST_SEED=" << seed << " repeats it)" << std::endl;
    return seed;
}

std::string RandomValue(const options::TControl& control, std::mt19937& random) {
    if (control.Kind == "box") return random() % 2 ? "ticked" : "cleared";
    if (control.Kind == "spin") return std::to_string(random() % 61);
    return "Notice " + std::to_string(random() % 100000) + " = text";
}

// Every control of every page in a random state.
std::string RandomProfile(std::mt19937& random) {
    TProfile profile;
    for (const options::TPage& page : options::Pages()) {
        TProfilePage written{0, page.Title, {}};
        for (const options::TControl& control : SettingsOn(page.Number))
            written.Entries.push_back({0, ProfileName(control), RandomValue(control, random)});
        profile.Pages.push_back(written);
    }
    return ProfileText(profile, TAVREL_VERSION_TEXT, "in ASCII");
}

// Everything the pages store, read from outside the program: every value and
// entry of the table, every other value of their keys and of the policy
// trees, which keys exist, both files' lines and the boot file's attributes.
struct TMachine {
    stored::TSnapshot Values;
    std::set<std::string> Keys;
    std::vector<std::string> BootLines;
    std::vector<std::string> ControlIniLines;
    DWORD BootAttributes = 0;
};

std::vector<std::string> SortedLines(const std::string& path) {
    std::vector<std::string> lines = profile::Exists(path) ? profile::Lines(profile::ReadAll(path)) : std::vector<std::string>{};
    std::sort(lines.begin(), lines.end());
    return lines;
}

TMachine ReadMachine() {
    const std::string controlIni = profile::InWindowsDirectory("control.ini");
    std::vector<TPlace> places;
    TMachine machine;
    for (const options::TStore& store : options::Stores()) {
        if (store.InRegistry()) {
            HKEY root = options::RootOf(store);
            places.push_back({root, store.Key, "", store.Name});
            places.push_back({root, store.Key, "", store.LoaderName});
            if (reg::KeyExists(root, store.Key)) machine.Keys.insert(TPlace{root, store.Key, "", ""}.Id());
        } else {
            const std::string file = store.Where == "msdos.sys" ? profile::BootFilePath() : controlIni;
            places.push_back({nullptr, file, store.Key, store.Name});
        }
    }
    machine.Values = stored::Snapshot(
        places, {{HKEY_CURRENT_USER, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "", ""},
                 {HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "", ""},
                 {HKEY_LOCAL_MACHINE, "\\Network", "", ""}});
    machine.BootLines = SortedLines(profile::BootFilePath());
    machine.ControlIniLines = SortedLines(controlIni);
    machine.BootAttributes = profile::Attributes(profile::BootFilePath());
    return machine;
}

void ExpectSameMachine(const TMachine& expected, const TMachine& actual) {
    for (const auto& value : expected.Values) {
        auto found = actual.Values.find(value.first);
        const stored::TStored seen = found == actual.Values.end() ? stored::Absent() : found->second;
        EXPECT_EQ(stored::Describe(seen), stored::Describe(value.second)) << value.first;
    }
    for (const auto& value : actual.Values) {
        if (expected.Values.count(value.first)) continue;
        EXPECT_FALSE(value.second.Exists) << value.first << " = " << stored::Describe(value.second);
    }
    EXPECT_EQ(actual.Keys, expected.Keys);
    EXPECT_EQ(Joined(actual.BootLines), Joined(expected.BootLines));
    EXPECT_EQ(Joined(actual.ControlIniLines), Joined(expected.ControlIniLines));
    EXPECT_EQ(actual.BootAttributes, expected.BootAttributes);
}

// Every page loaded and applied, storing what its loader creates, as
// selecting each page and pressing its Apply Changes does.
void LoadEveryPage() {
    TProfile every;
    for (const options::TPage& page : options::Pages()) every.Pages.push_back({0, page.Title, {}});
    const std::string file = TempFile("every-page.txt");
    profile::WriteBehindProgram(file, ProfileText(every, TAVREL_VERSION_TEXT, "in ASCII"));
    ASSERT_EQ(Companion({"apply", file}).Status, ExitStored);
}

// ---- through the window, and back on a new machine

class CompanionWindow : public TCleanMachineTest {
protected:
    // Every control of every page in a random state, set as a user sets it:
    // the fields typed first, every box clicked, then Apply Changes.
    void SetEveryControlAtRandom(std::mt19937& random) {
        for (const options::TPage& page : options::Pages()) {
            SelectPage(page.Number);
            Pump();
            for (const options::TControl& control : SettingsOn(page.Number)) {
                if (control.Kind == "edit") ControlNamed(*form, control.Name).SetText(RandomValue(control, random));
                if (control.Kind == "spin")
                    dynamic_cast<TSpinEdit&>(ControlNamed(*form, control.Name)).SetValue(random() % 61);
            }
            for (const options::TControl& control : SettingsOn(page.Number)) {
                if (control.Kind != "box") continue;
                TFlatCheckBox& box = BoxNamed(*form, control.Name);
                if (box.Enabled() && box.Checked() != (random() % 2 == 1)) Click(box);
                Pump(5);
            }
            if (!page.Button.empty() && ButtonOfPage(*form, page.Number).Enabled())
                Click(ButtonOfPage(*form, page.Number));
            Pump();
        }
        EXPECT_TRUE(shell.Errors().empty()) << Joined(shell.Errors());
    }
};

TEST_F(CompanionWindow, AProfileExportedFromTheWindowStoresTheSameOnANewMachine) {
    std::mt19937 random(Seed());
    NewMachine();
    SetEveryControlAtRandom(random);
    // Read before the export, whose load of the boot page leaves the boot
    // file unprotected, as selecting the page does.
    const TMachine set = ReadMachine();
    const std::string file = TempFile("round-trip.txt");
    const TRun exported = Companion({"export", file});
    ASSERT_EQ(exported.Status, ExitStored) << Joined(exported.Errors);

    NewMachine();
    const TRun applied = Companion({"apply", file});
    EXPECT_EQ(applied.Status, ExitStored) << Joined(applied.Errors);
    EXPECT_TRUE(applied.Errors.empty()) << Joined(applied.Errors);
    ExpectSameMachine(set, ReadMachine());
}

// ---- apply, dry run, show

TEST(Companion, ApplyingWhatWasJustExportedChangesNothing) {
    std::mt19937 random(Seed());
    NewMachine();
    const std::string first = TempFile("random.txt");
    const std::string again = TempFile("again.txt");
    profile::WriteBehindProgram(first, RandomProfile(random));
    ASSERT_EQ(Companion({"apply", first}).Status, ExitStored);
    // Before the export, whose load leaves the boot file unprotected.
    const TMachine before = ReadMachine();
    const std::string bootFile = profile::ReadAll(profile::BootFilePath());
    ASSERT_EQ(Companion({"export", again}).Status, ExitStored);

    const TRun applied = Companion({"apply", again});
    EXPECT_EQ(applied.Status, ExitStored);
    EXPECT_EQ(applied.MostWindowsSeen, 0u) << "the companion showed a window";
    EXPECT_EQ(Joined(applied.Output), "0 controls changed on 0 pages.\n");
    EXPECT_TRUE(applied.Errors.empty()) << Joined(applied.Errors);
    ExpectSameMachine(before, ReadMachine());
    EXPECT_EQ(profile::ReadAll(profile::BootFilePath()), bootFile);
}

TEST(Companion, ADryRunStoresNothingAndListsWhatApplyThenChanges) {
    std::mt19937 random(Seed());
    for (int round = 0; round < 2; ++round) {  // from a new machine, then from the first profile's
        SCOPED_TRACE(round == 0 ? "on a new machine" : "on a machine set up by another profile");
        if (round == 0) NewMachine();
        const std::string file = TempFile("dry-run.txt");
        profile::WriteBehindProgram(file, RandomProfile(random));
        const TMachine before = ReadMachine();
        const std::string bootFile = profile::ReadAll(profile::BootFilePath());

        const TRun dry = Companion({"apply", file, "--dry-run"});
        EXPECT_EQ(dry.Status, ExitStored) << Joined(dry.Errors);
        ExpectSameMachine(before, ReadMachine());
        EXPECT_EQ(profile::ReadAll(profile::BootFilePath()), bootFile);
        ASSERT_FALSE(dry.Output.empty());
        EXPECT_NE(dry.Output.back().find("would change"), std::string::npos) << dry.Output.back();

        const TRun real = Companion({"apply", file});
        EXPECT_EQ(real.Status, ExitStored) << Joined(real.Errors);
        EXPECT_EQ(Joined(Changes(real.Output)), Joined(Changes(dry.Output)));
        EXPECT_FALSE(Changes(real.Output).empty());
    }
}

TEST(Companion, ShowsEveryPageWithItsControlsNamedByTheirCaptions) {
    NewMachine();
    const TRun shown = Companion({"show"});
    ASSERT_EQ(shown.Status, ExitStored) << Joined(shown.Errors);
    EXPECT_EQ(shown.MostWindowsSeen, 0u) << "the companion showed a window";
    std::vector<std::string> expected;
    for (const options::TPage& page : options::Pages()) {
        expected.push_back(page.Title);
        for (const options::TControl& control : SettingsOn(page.Number)) {
            std::string value = control.Kind == "box" ? "cleared" : "";
            expected.push_back("  " + ProfileName(control) + ": " + value);
        }
    }
    // Values aside (a first load shows what the new machine holds), line for line.
    ASSERT_EQ(shown.Output.size(), expected.size()) << Joined(shown.Output);
    for (size_t i = 0; i < expected.size(); ++i) {
        const std::string& line = shown.Output[i];
        EXPECT_EQ(line.substr(0, line.find(": ") + (line[0] == ' ' ? 2 : 0)),
                  expected[i].substr(0, expected[i].find(": ") + (expected[i][0] == ' ' ? 2 : 0)));
    }
    EXPECT_NE(Joined(shown.Output).find("  Enable Boot to Windows: ticked\n"), std::string::npos);
    EXPECT_NE(Joined(shown.Output).find("  Boot Menu Delay: 30\n"), std::string::npos);

    const TRun two = Companion({"show", "12", "windows logon"});
    ASSERT_EQ(two.Status, ExitStored);
    EXPECT_EQ(two.Output.front(), "Boot Settings");
    EXPECT_EQ(std::count(two.Output.begin(), two.Output.end(), "Windows Logon"), 1);
    EXPECT_EQ(two.Output.size(), SettingsOn(12).size() + SettingsOn(13).size() + 2);

    const TRun unknown = Companion({"show", "Boot Setings"});
    EXPECT_EQ(unknown.Status, ExitBadProfile);
    EXPECT_EQ(Joined(unknown.Errors), "tavrelctl: no page is called \"Boot Setings\"; the nearest is \"Boot Settings\"\n");
}

TEST(Companion, RefusesABadProfileWithItsLineAndStoresNothing) {
    struct TCase {
        const char* What;
        std::string Text;  // "-": no file at all
        std::string Says;  // after "<file>:"
    };
    const std::string version = std::string("; Tavrel ") + TAVREL_VERSION_TEXT + "\n";
    const TCase cases[] = {
        {"an unknown page", version + "[Desktop Acess]\nHide All Desktop Icons=ticked\n",
         "2: no page is called \"Desktop Acess\"; the nearest is \"Desktop Access\""},
        {"an unknown control", version + "[Desktop Access]\nHide All Desktop Icons=ticked\nHide Internet Icons=ticked\n",
         "4: the page \"Desktop Access\" has no control \"Hide Internet Icons\"; the nearest is \"Hide Internet Icon\""},
        {"a page by number", "[1]\n", "1: no page is called \"1\""},
        {"a state neither ticked nor cleared", version + "[Windows Logon]\nForce Alpha Passwords=yes\n",
         "3: Force Alpha Passwords: \"yes\" is neither ticked nor cleared"},
        {"a delay above 60", "[Boot Settings]\nEnable Boot to Windows=ticked\nBoot Menu Delay=61\n",
         "3: Boot Menu Delay: 61 is not a whole number of seconds from 0 to 60"},
        {"a delay below 0", "[Boot Settings]\nBoot Startup Delay=-1\n",
         "2: Boot Startup Delay: \"-1\" is not a whole number of seconds from 0 to 60"},
        {"a delay not whole", "[Boot Settings]\nBoot Startup Delay=2.5\n", "2: Boot Startup Delay: \"2.5\" is not"},
        {"a delay of words", "[Boot Settings]\nBoot Startup Delay=two\n", "2: Boot Startup Delay: \"two\" is not"},
        {"a text longer than its field", "[Windows Logon]\nText=" + std::string(257, 'x') + "\n",
         "2: Text: the text is longer than the 256 characters the field takes"},
        {"a line without \"=\"", "[Windows Logon]\nForce Alpha Passwords ticked\n", "2: the line has no \"=\""},
        {"a control named twice", "[Windows Logon]\nForce Alpha Passwords=ticked\nforce alpha passwords=cleared\n",
         "3: control \"force alpha passwords\" is named twice (first on line 2)"},
        {"an empty file", "", "1: the profile names no page"},
        {"a missing file", "-", " no such file"},
        {"1 MiB on one line", "[Windows Logon]\nText=" + std::string(1024 * 1024, 'x'),
         "2: the line is longer than 1024 characters"},
        {"binary garbage", std::string("[Windows Logon]\n\x7f" "ELF\x01\x01\x01\0\0\0\x89PNG", 28),
         "2: the line holds binary data, not text"},
        {"a newer version", "; Tavrel 99.0.0.0 profile\n[Windows Logon]\nForce Alpha Passwords=ticked\n",
         "1: the profile was written by Tavrel 99.0.0.0, newer than this one"},
        {"a character the code page lacks", "[Windows Logon]\nCaption=\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1\n",
         "2: the character U+03A9 is not in this machine's code page (1252)"},
        {"the UTF-8 mark before other bytes", "\xEF\xBB\xBF[Windows Logon]\nLogon Must be Validated=ticked\nText=f\xFCr\n",
         "3: the file begins as UTF-8, but this line is not UTF-8"},
    };
    NewMachine();
    LoadEveryPage();  // some values are stored already, so that a load that ran would show
    const TMachine before = ReadMachine();
    const std::string bootFile = profile::ReadAll(profile::BootFilePath());
    const std::string file = TempFile("bad.txt");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        DeleteFileA(file.c_str());
        if (c.Text != "-") profile::WriteBehindProgram(file, c.Text);
        for (bool dryRun : {false, true}) {
            const TRun run = dryRun ? Companion({"apply", file, "--dry-run"}) : Companion({"apply", file});
            EXPECT_EQ(run.Status, ExitBadProfile);
            EXPECT_TRUE(run.Output.empty()) << Joined(run.Output);
            ASSERT_EQ(run.Errors.size(), 1u) << Joined(run.Errors);
            EXPECT_EQ(run.Errors[0].rfind(file + ":" + c.Says, 0), 0u) << run.Errors[0];
        }
        ExpectSameMachine(before, ReadMachine());
        EXPECT_EQ(profile::ReadAll(profile::BootFilePath()), bootFile);
    }
}

// In the window the notice is stored when its box is ticked; a profile that
// keeps the box ticked and changes the text still stores the new text.
TEST(Companion, ANewNoticeIsStoredWhileItsBoxStaysTicked) {
    NewMachine();
    const std::string file = TempFile("notice.txt");
    profile::WriteBehindProgram(file, "[Windows Logon]\nDisplay Notice Dialog At Logon=ticked\nCaption=First\nText=Kept\n");
    ASSERT_EQ(Companion({"apply", file}).Status, ExitStored);
    profile::WriteBehindProgram(file, "[Windows Logon]\nDisplay Notice Dialog At Logon=ticked\nCaption=Second\n");
    const TRun second = Companion({"apply", file});
    EXPECT_EQ(Joined(second.Output),
              "Windows Logon: Caption: \"First\" -> \"Second\"\n"
              "Windows Logon: Apply Changes: Changes will take effect at next Boot.\n"
              "1 control changed on 1 page.\n");
    EXPECT_EQ(second.MostWindowsSeen, 0u) << "the notice was shown in a box, not printed";
    std::vector<std::string> stored;
    for (const options::TStore& store : options::StoresOf("logondialog"))
        stored.push_back(reg::Read(HKEY_LOCAL_MACHINE, store.Key, store.Name).Text());
    EXPECT_EQ(stored, (std::vector<std::string>{"Second", "Kept"}));
}

// A notice as the registry's Unicode functions read it.
std::wstring StoredNotice(const char* name) {
    const options::TStore store = options::StoresOf("logondialog").front();
    HKEY key = nullptr;
    std::wstring text(512, L'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, store.Key.substr(1).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return L"-";
    const std::wstring wideName(name, name + std::strlen(name));
    const LONG read = RegQueryValueExW(key, wideName.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(&text[0]), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS) return L"-";
    text.resize(size / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

// show, export and check look without touching: on a new machine, where
// every loader would create values, and on one set up by a profile.
TEST(Companion, ShowExportAndCheckStoreNothing) {
    const std::string file = TempFile("look.txt");
    const std::string exported = TempFile("looked.txt");
    profile::WriteBehindProgram(file, "[Boot Settings]\nEnable Boot Menu Options=ticked\n[Drives Access]\n"
                                      "Hide All Drives on Computer=ticked\n");
    for (bool setUp : {false, true}) {
        SCOPED_TRACE(setUp ? "on a machine set up by a profile" : "on a new machine");
        NewMachine();
        if (setUp) {
            ASSERT_EQ(Companion({"apply", file}).Status, ExitStored);
        }
        const TMachine before = ReadMachine();
        const std::string bootFile = profile::ReadAll(profile::BootFilePath());
        for (const std::vector<std::string>& look :
             {std::vector<std::string>{"show"}, {"show", "12"}, {"export", exported}, {"check", file}}) {
            SCOPED_TRACE(look.front());
            const TRun run = Companion(look);
            EXPECT_EQ(run.Status, look.front() == "check" && !setUp ? ExitDiffers : ExitStored) << Joined(run.Errors);
            ExpectSameMachine(before, ReadMachine());
            EXPECT_EQ(profile::ReadAll(profile::BootFilePath()), bootFile);
        }
    }
}

// check prints what apply would change, and nothing else; its exit status
// says whether the machine is as the profile says.
TEST(Companion, CheckSaysWhichControlsDifferFromTheProfile) {
    struct TCase {
        const char* What;
        std::function<void()> FromOutside;  // done to the machine after the profile was applied
        std::string Profile;                // checked, when not the one applied
        int Status;
        std::string Lines;
    };
    const options::TStore desktop = options::StoresOf("hidedeskicons").front();
    const std::string applied =
        "[Desktop Access]\nHide All Desktop Icons=ticked\n[Drives Access]\nHide All Drives on Computer=ticked\n"
        "[Boot Settings]\nBoot Menu Delay=7\n[Windows Logon]\nDisplay Notice Dialog At Logon=ticked\nCaption=Lab\n";
    const TCase cases[] = {
        {"as applied", [] {}, "", ExitStored, ""},
        {"a box changed from outside",
         [&] { reg::SetDword(options::RootOf(desktop), desktop.Key, desktop.Name, 0); }, "", ExitDiffers,
         "Desktop Access: Hide All Desktop Icons: cleared -> ticked\n"},
        {"letters while every drive is hidden", [] {},
         "[Drives Access]\nHide All Drives on Computer=ticked\nA=ticked\nZ=ticked\n", ExitStored, ""},
        {"a delay and a notice", [] {}, "[Boot Settings]\nBoot Menu Delay=8\n[Windows Logon]\nCaption=Other\n",
         ExitDiffers,
         "Boot Settings: Boot Menu Delay: 7 -> 8\nWindows Logon: Caption: \"Lab\" -> \"Other\"\n"},
        {"a bad profile", [] {}, "[Drives Access]\nHide All Drives=ticked\n", ExitBadProfile, ""},
    };
    const std::string appliedFile = TempFile("applied.txt");
    const std::string checkedFile = TempFile("checked.txt");
    profile::WriteBehindProgram(appliedFile, applied);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        NewMachine();
        ASSERT_EQ(Companion({"apply", appliedFile}).Status, ExitStored);
        c.FromOutside();
        profile::WriteBehindProgram(checkedFile, c.Profile.empty() ? applied : c.Profile);
        const TMachine before = ReadMachine();
        const TRun run = Companion({"check", checkedFile});
        EXPECT_EQ(run.Status, c.Status) << Joined(run.Errors);
        EXPECT_EQ(Joined(run.Output), c.Lines);
        EXPECT_EQ(run.Errors.size(), c.Status == ExitBadProfile ? 1u : 0u) << Joined(run.Errors);
        ExpectSameMachine(before, ReadMachine());
    }
}

// A drive letter while every drive is hidden, and a notice whose box ends
// cleared, store nothing: apply and its dry run neither set nor report them.
TEST(Companion, ReportsOnlyWhatIsStored) {
    struct TCase {
        const char* What;
        std::string Profile;
        std::string Changes;  // the change lines of apply and of its dry run
    };
    const TCase cases[] = {
        {"letters while every drive is hidden", "[Drives Access]\nHide All Drives on Computer=ticked\nA=ticked\nC=ticked\n",
         "Drives Access: Hide All Drives on Computer: cleared -> ticked\n"},
        {"letters while they stay hidden", "[Drives Access]\nHide All Drives on Computer=ticked\nZ=ticked\n", ""},
        {"letters once drives are shown again", "[Drives Access]\nHide All Drives on Computer=cleared\nZ=ticked\n",
         "Drives Access: Hide All Drives on Computer: ticked -> cleared\nDrives Access: Z: cleared -> ticked\n"},
        {"a notice whose box stays cleared", "[Windows Logon]\nDisplay Notice Dialog At Logon=cleared\nCaption=Unseen\n", ""},
        {"a notice whose box is ticked", "[Windows Logon]\nDisplay Notice Dialog At Logon=ticked\nCaption=Seen\n",
         "Windows Logon: Caption: \"Warning - This is a Protected System.\" -> \"Seen\"\n"
         "Windows Logon: Display Notice Dialog At Logon: cleared -> ticked\n"},
    };
    NewMachine();
    const std::string file = TempFile("stored-only.txt");
    for (const TCase& c : cases) {  // each on the machine the one before left
        SCOPED_TRACE(c.What);
        profile::WriteBehindProgram(file, c.Profile);
        const TRun dry = Companion({"apply", file, "--dry-run"});
        const TRun real = Companion({"apply", file});
        EXPECT_EQ(real.Status, ExitStored) << Joined(real.Errors);
        EXPECT_EQ(Joined(Changes(dry.Output)), c.Changes);
        EXPECT_EQ(Joined(Changes(real.Output)), c.Changes);
    }
    const options::TStore drives = options::StoresOf("hidealldrives").front();
    EXPECT_EQ(reg::Read(options::RootOf(drives), drives.Key, drives.Name).Dword(), 1u << 25) << "Z alone";
    EXPECT_EQ(StoredNotice("LegalNoticeCaption"), L"Seen");
}

// A notice from a profile Notepad saved as UTF-8, with its mark or without,
// or as ANSI, is stored as the same characters; an export carries them to
// another machine.
TEST(Companion, ANoticeIsStoredAsTheSameCharactersWhateverTheProfilesEncoding) {
    ASSERT_EQ(GetACP(), 1252u) << "the cases are written for Windows-1252";
    struct TCase {
        const char* What;
        std::string Text;      // the Text line's value, as the profile holds it
        std::wstring Stored;   // as the registry reads it
        const char* Exported;  // the encoding export names
    };
    const std::string utf8 = "Achtung: gesch\xC3\xBCtzt \xE2\x80\x93 nur f\xC3\xBCr Befugte";
    const std::wstring characters = L"Achtung: gesch\u00FCtzt \u2013 nur f\u00FCr Befugte";
    const TCase cases[] = {
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + utf8, characters, "ANSI code page 1252"},
        {"UTF-8 without a mark", utf8, characters, "ANSI code page 1252"},
        {"ANSI", "Achtung: gesch\xFCtzt \x96 nur f\xFCr Befugte", characters, "ANSI code page 1252"},
        // Stored as the bytes C3 BC, which would read back as UTF-8 "\u00FC".
        {"a text whose ANSI bytes read as UTF-8", "\xEF\xBB\xBF\xC3\x83\xC2\xBC", L"\u00C3\u00BC", "UTF-8"},
    };
    const std::string file = TempFile("encoded.txt");
    const std::string exported = TempFile("encoded-export.txt");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.What);
        const bool marked = c.Text.rfind("\xEF\xBB\xBF", 0) == 0;
        const std::string text = marked ? c.Text.substr(3) : c.Text;
        NewMachine();
        profile::WriteBehindProgram(file, std::string(marked ? "\xEF\xBB\xBF" : "") +
                                              "[Windows Logon]\r\nDisplay Notice Dialog At Logon=ticked\r\nText=" +
                                              text + "\r\n");
        const TRun applied = Companion({"apply", file});
        EXPECT_EQ(applied.Status, ExitStored) << Joined(applied.Errors);
        EXPECT_EQ(StoredNotice("LegalNoticeText"), c.Stored);

        ASSERT_EQ(Companion({"export", exported}).Status, ExitStored);
        const std::string written = profile::ReadAll(exported);
        EXPECT_NE(written.find(std::string(" profile in ") + c.Exported + ". "), std::string::npos) << written.substr(0, 80);
        NewMachine();
        EXPECT_EQ(Companion({"apply", exported}).Status, ExitStored);
        EXPECT_EQ(StoredNotice("LegalNoticeText"), c.Stored) << "after the export";
    }
}

// Refuses to store one registry value by name, and stores every other.
class TRefuseOneValue {
public:
    explicit TRefuseOneValue(const std::string& name) : saved_(StorePlatform().SetValue) {
        Refused() = name;
        Real() = saved_;
        StorePlatform().SetValue = &Refuse;
    }
    ~TRefuseOneValue() { StorePlatform().SetValue = saved_; }

private:
    static std::string& Refused() {
        static std::string name;
        return name;
    }
    static decltype(TStorePlatform::SetValue)& Real() {
        static decltype(TStorePlatform::SetValue) real;
        return real;
    }
    static LONG WINAPI Refuse(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data, DWORD size) {
        if (Refused() == name) return ERROR_ACCESS_DENIED;
        return Real()(key, name, reserved, type, data, size);
    }
    decltype(TStorePlatform::SetValue) saved_;
};

TEST(Companion, AValueThatCannotBeStoredIsReportedAndTheOtherPagesAreStillApplied) {
    NewMachine();
    LoadEveryPage();  // every value exists; only the handler writes NoDesktop
    const std::string file = TempFile("refused.txt");
    profile::WriteBehindProgram(file,
              "[Desktop Access]\nHide All Desktop Icons=ticked\nHide Internet Icon=ticked\n"
              "[Windows Logon]\nLogon Must be Validated=ticked\n");
    TRun run;
    {
        TRefuseOneValue refuse("NoDesktop");
        run = Companion({"apply", file});
    }
    EXPECT_EQ(run.Status, ExitNotStored);
    EXPECT_EQ(Joined(run.Errors), "Desktop Access: Failed to set data for 'NoDesktop'\n");
    const options::TStore validated = options::StoresOf("validlogon").front();
    EXPECT_EQ(reg::Read(HKEY_LOCAL_MACHINE, validated.Key, validated.Name).Dword(), 1u);
    const options::TStore internet = options::StoresOf("hideineticon").front();
    EXPECT_EQ(reg::Read(options::RootOf(internet), internet.Key, internet.Name).Dword(), 1u);
    EXPECT_NE(Joined(run.Output).find("Windows Logon: Logon Must be Validated: cleared -> ticked"), std::string::npos);
}

TEST(Companion, AnswersHelpAndRefusesAWrongCommandLine) {
    const TRun help = Companion({"--help"});
    EXPECT_EQ(help.Status, ExitStored);
    EXPECT_NE(Joined(help.Output).find("tavrelctl apply FILE --dry-run"), std::string::npos);
    EXPECT_NE(Joined(help.Output).find("show, export, check and a dry run store nothing"), std::string::npos);
    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{}, {"import", "x"}, {"export"}, {"apply"}, {"apply", "a", "--now"}}) {
        const TRun run = Companion(wrong);
        EXPECT_EQ(run.Status, ExitBadProfile) << Joined(wrong);
        EXPECT_EQ(run.Errors.size(), 1u);
    }
}

// COMMAND.COM of Windows 9x redirects no standard error: the log is a logon
// script's only record of what went wrong.
TEST(Companion, ALogKeepsEveryLineOfEveryRunUnderItsDateAndMachine) {
    NewMachine();
    const std::string log = TempFile("run.log");
    const std::string good = TempFile("good.txt");
    const std::string bad = TempFile("bad.txt");
    DeleteFileA(log.c_str());
    profile::WriteBehindProgram(good, "[Windows Logon]\nLogon Must be Validated=ticked\n");
    profile::WriteBehindProgram(bad, "[Windows Logon]\nForce Alpha Passwords=yes\n");
    EXPECT_EQ(Companion({"apply", good, "--log", log}).Status, ExitStored);
    const TRun refused = Companion({"--log", log, "apply", bad});
    EXPECT_EQ(refused.Status, ExitBadProfile);
    EXPECT_EQ(refused.Errors.size(), 1u) << "still printed";

    char machine[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(machine);
    ASSERT_TRUE(GetComputerNameA(machine, &size));
    const std::vector<std::string> expected = {
        "----  " + std::string(machine) + ": tavrelctl apply " + good + " --log " + log,
        "Windows Logon: Logon Must be Validated: cleared -> ticked",
        "Windows Logon: Apply Changes: Changes will take effect at next Boot.",
        "1 control changed on 1 page.",
        "---- exit status 0",
        "----  " + std::string(machine) + ": tavrelctl --log " + log + " apply " + bad,
        bad + ":2: Force Alpha Passwords: \"yes\" is neither ticked nor cleared",
        "---- exit status 2",
    };
    const std::string text = profile::ReadAll(log);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), std::count(text.begin(), text.end(), '\r'))
        << "DOS line ends";
    std::vector<std::string> lines = profile::Lines(text);
    ASSERT_EQ(lines.size(), expected.size()) << text;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string line = lines[i];
        if (line.rfind("---- 2", 0) == 0 && line.size() > 24 && line[9] == '-' && line[18] == ':')
            line.erase(5, 19);  // "YYYY-MM-DD hh:mm:ss"
        EXPECT_EQ(line, expected[i]);
    }
}

TEST(Companion, ALogThatCannotBeWrittenStoresNothing) {
    NewMachine();
    const std::string nowhere = TempFile("no such folder\\run.log");
    const std::string file = TempFile("logged.txt");
    profile::WriteBehindProgram(file, "[Windows Logon]\nLogon Must be Validated=ticked\n");
    const TRun run = Companion({"apply", file, "--log", nowhere});
    EXPECT_EQ(run.Status, ExitNotStored);
    EXPECT_EQ(Joined(run.Errors), "tavrelctl: Unable to write to " + nowhere + ".\n");
    const options::TStore validated = options::StoresOf("validlogon").front();
    EXPECT_FALSE(reg::Read(HKEY_LOCAL_MACHINE, validated.Key, validated.Name).Exists) << "a page was applied";
    EXPECT_EQ(Companion({"apply", file, "--log"}).Status, ExitBadProfile);
}

TEST(Companion, AnExportThatCannotBeWrittenLoadsNoPage) {
    NewMachine();
    const std::string nowhere = TempFile("no such folder\\profile.txt");
    const TRun run = Companion({"export", nowhere});
    EXPECT_EQ(run.Status, ExitNotStored);
    EXPECT_EQ(Joined(run.Errors), "tavrelctl: Unable to write to " + nowhere + ".\n");
    const options::TStore first = options::StoresReadBy(1).front();
    EXPECT_FALSE(reg::Read(options::RootOf(first), first.Key, first.LoaderName).Exists) << "a page was loaded";
}

}  // namespace
