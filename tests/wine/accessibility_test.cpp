#include "child_runs.h"
#include "harness.h"
#include "option_table.h"
#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "profile_files.h"
#include "widgets/group_box.h"
#include "windows_9x.h"

#include <oleacc.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>

namespace {

// The fields of a reader's "read" line.
enum TField { fResult, fRole, fState, fChildren, fName, fAction };
using TLine = std::vector<std::string>;

std::string Hex(long value) {
    std::ostringstream text;
    text << "0x" << std::hex << static_cast<unsigned long>(value);
    return text.str();
}

std::string Target(HWND window, long item = 0) {
    return std::to_string(reinterpret_cast<uintptr_t>(window)) + ":" + std::to_string(item);
}

long StateOf(const TLine& line) { return std::stol(line[fState], nullptr, 16); }

// A main window whose controls a screen reader in another process reads
// and works, through the platform's accessibility interface.
class Accessibility : public TCleanMachineTest {
protected:
    // One line of tab-separated fields for each command, while this thread
    // answers; then what the reader's default actions posted is handled.
    std::vector<TLine> AskReader(const std::vector<std::string>& commands) {
        const std::string output = TemporaryPath("reader.out");
        std::string commandLine = "\"" + BesideThisProgram("accessible_reader.exe") + "\" \"" + output + "\"";
        for (const std::string& command : commands) commandLine += " " + command;
        const TChildRun run = RunPumping(commandLine, [] { Pump(0); });
        EXPECT_FALSE(run.Stalled);
        EXPECT_EQ(run.ExitCode, 0u);
        std::vector<TLine> lines;
        for (const std::string& text : profile::Lines(profile::ReadAll(output))) {
            std::stringstream stream(text);
            lines.emplace_back();
            for (std::string field; std::getline(stream, field, '\t');) lines.back().push_back(field);
            if (text.back() == '\t') lines.back().emplace_back();  // an empty last field
        }
        DeleteFileA(output.c_str());
        EXPECT_EQ(lines.size(), commands.size());
        lines.resize(commands.size());
        Pump();
        return lines;
    }

    std::vector<TLine> Ask(const std::string& verb, const std::vector<std::pair<HWND, long>>& targets) {
        std::vector<std::string> commands;
        for (const auto& target : targets) commands.push_back(verb + ":" + Target(target.first, target.second));
        return AskReader(commands);
    }

    long ItemOf(int section, int subItem = -1) const { return RowOf(section, subItem) + 1; }
};

const long Focusable = STATE_SYSTEM_FOCUSABLE;
const long Unavailable = STATE_SYSTEM_UNAVAILABLE;
const long Invisible = STATE_SYSTEM_INVISIBLE;
const long Selectable = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;

}  // namespace

TEST_F(Accessibility, EveryKindOfControlReadsAsItsStandardControlFromAnotherProcess) {
    SelectPage(11);  // Drives Access: boxes, a group box, its button, its title
    TDrivesAccessPage& drives = form->User11;
    // Captions with accelerators, which no page has.
    TGroupBox ownGroup;
    ownGroup.Create(drives.optionsPanel.Handle(), {"&Frame && more", "", {8, 180, 100, 40}}, OptionFont(), clMaroon);
    TFlatCheckBox ownBox;
    ownBox.Create(ownGroup.Handle(), {"&Show && tell", "", {8, 16, 80, 17}}, OptionFont(), clMaroon);
    drives.bb.SetChecked(true);
    drives.hidealldrives.SetChecked(true);  // the handler disables the letters' group box
    drives.hidealldrives.SetFocus();
    form->desktop2.cleardocs.Disable();
    Pump();

    TSectionListBox& list = form->optionlist1;
    const struct {
        const char* what;
        HWND window;
        long item;
        long role;
        std::string name;
        long state;
        std::string action;
        long children;  // the list's rows; other controls' child windows, as oleacc counts them
    } rows[] = {
        {"ticked box with the focus", drives.hidealldrives.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON,
         "Hide All Drives on Computer", STATE_SYSTEM_CHECKED | Focusable | STATE_SYSTEM_FOCUSED, "Uncheck", 0},
        {"ticked box in a disabled group box", drives.bb.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON, "B",
         STATE_SYSTEM_CHECKED | Unavailable, "Uncheck", 0},
        {"clear box in a disabled group box", drives.bc.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON, "C", Unavailable,
         "Check", 0},
        {"box with accelerators", ownBox.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON, "Show & tell", Focusable, "Check", 0},
        {"clear box of a hidden page", form->desktop2.disfilemenu.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON,
         "Disable Explorer File Menu", Invisible | Focusable, "Check", 0},
        {"disabled box of a hidden page", form->desktop2.cleardocs.Handle(), 0, ROLE_SYSTEM_CHECKBUTTON,
         "Clear Recent Docs on Exit", Invisible | Unavailable, "Check", 0},
        {"enabled button", drives.bapplyuser2.Handle(), 0, ROLE_SYSTEM_PUSHBUTTON, "Apply Changes", Focusable,
         "Press", 0},
        {"disabled button of a hidden page", form->desktop2.bapplydesk2.Handle(), 0, ROLE_SYSTEM_PUSHBUTTON,
         "Apply Changes", Invisible | Unavailable, "Press", 0},
        {"disabled group box", drives.gbdrives.Handle(), 0, ROLE_SYSTEM_GROUPING, "Hide Selected Drives",
         Unavailable, "", 26},
        {"group box with accelerators", ownGroup.Handle(), 0, ROLE_SYSTEM_GROUPING, "Frame & more", 0, "", 1},
        {"page title", drives.ProLabel.Handle(), 0, ROLE_SYSTEM_STATICTEXT, "Drives Access",
         STATE_SYSTEM_READONLY, "", 0},
        {"label of a hidden page", form->Boot12.Label5.Handle(), 0, ROLE_SYSTEM_STATICTEXT,
         form->Boot12.Label5.Text(), STATE_SYSTEM_READONLY | Invisible, "", 0},
        {"page icon", drives.Image.Handle(), 0, ROLE_SYSTEM_GRAPHIC, "", STATE_SYSTEM_READONLY, "", 0},
        {"page", drives.Handle(), 0, ROLE_SYSTEM_PROPERTYPAGE, "Drives Access", 0, "", 2},  // title and options
        {"hidden page", form->Boot12.Handle(), 0, ROLE_SYSTEM_PROPERTYPAGE, "Boot Settings", Invisible, "", 2},
        // The platform's edits, read by oleacc's own object; Wine's does not
        // say that an edit of a hidden page is invisible.
        {"spin edit", form->Boot12.bootdelay.Handle(), 0, ROLE_SYSTEM_TEXT, "", Focusable, "", 1},
        {"flat edit", form->Boot13.dialogcaption.Handle(), 0, ROLE_SYSTEM_TEXT, "", Focusable, "", 0},
        {"section list", list.Handle(), 0, ROLE_SYSTEM_OUTLINE, "", Focusable, "", list.RowCount()},
        {"selected sub-item", list.Handle(), ItemOf(2, 1), ROLE_SYSTEM_OUTLINEITEM, "Drives Access",
         STATE_SYSTEM_SELECTED | Selectable, "Open", -1},
        {"other sub-item", list.Handle(), ItemOf(2, 0), ROLE_SYSTEM_OUTLINEITEM, "Program Access", Selectable,
         "Open", -1},
        {"open section", list.Handle(), ItemOf(2), ROLE_SYSTEM_OUTLINEITEM, list.Section(2).Caption,
         STATE_SYSTEM_EXPANDED | Selectable, "Collapse", -1},
        {"closed section", list.Handle(), ItemOf(3), ROLE_SYSTEM_OUTLINEITEM, list.Section(3).Caption,
         STATE_SYSTEM_COLLAPSED | Selectable, "Expand", -1},
    };
    std::vector<std::pair<HWND, long>> targets;
    for (const auto& row : rows) targets.push_back({row.window, row.item});
    const std::vector<TLine> lines = Ask("read", targets);
    const std::vector<TLine> lateLines = Ask("late", targets);
    for (size_t index = 0; index < std::size(rows); ++index) {
        const auto& row = rows[index];
        SCOPED_TRACE(row.what);
        const TLine expected{"0x0", std::to_string(row.role), Hex(row.state), std::to_string(row.children),
                             row.name, row.action};
        EXPECT_EQ(lines[index], expected);
        // The platform's edits answer late-bound readers as Wine's oleacc does.
        if (dynamic_cast<TAccessibleControl*>(TWindow::FromHandle(row.window))) {
            EXPECT_EQ(lateLines[index], expected) << "asked through IDispatch";
        }
    }
}

// As the platform's status bar proxy answers: the text as shown, its "&"
// no accelerator marker.
TEST_F(Accessibility, TheStatusBarReadsAsTheTextItShows) {
    SelectPage(2);
    MoveMouseTo(form->desktop2.disfilemenu, {8, 8});
    Pump();
    const std::string hint = options::Control("disfilemenu").Hint;
    ASSERT_EQ(StatusBarText(), hint);
    const HWND bar = form->statbar1.Handle();
    for (const char* verb : {"read", "late"}) {
        SCOPED_TRACE(verb);
        const TLine expected{"0x0", std::to_string(ROLE_SYSTEM_STATUSBAR), "0x0", "0", hint, ""};
        EXPECT_EQ(Ask(verb, {{bar, 0}}), std::vector<TLine>{expected});
    }
}

TEST_F(Accessibility, DefaultActionsDoWhatAClickDoesAndNothingWhereAClickCannot) {
    SelectPage(2);
    TFilesAndFoldersPage& page = form->desktop2;
    page.cleardocs.Disable();
    const reg::TValue clearDocsBefore = reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "ClearRecentDocsOnExit");
    const std::string refused = Hex(DISP_E_MEMBERNOTFOUND);

    EXPECT_EQ(Ask("do", {{page.cleardocs.Handle(), 0}, {page.bapplydesk2.Handle(), 0}}),
              (std::vector<TLine>{{refused}, {refused}}))
        << "a disabled box and a disabled button";
    EXPECT_FALSE(page.cleardocs.Checked());
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "ClearRecentDocsOnExit").Data, clearDocsBefore.Data);
    EXPECT_EQ(shell.Broadcasts, 0);

    EXPECT_EQ(Ask("do", {{page.disfilemenu.Handle(), 0}}), std::vector<TLine>{{"0x0"}});
    EXPECT_TRUE(page.disfilemenu.Checked());
    const reg::TValue stored = reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "NoFileMenu");
    EXPECT_TRUE(stored.Exists);
    EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored.Dword(), 1u);
    EXPECT_TRUE(page.bapplydesk2.Enabled()) << "the box's handler ran";

    const std::vector<TLine> after = Ask("read", {{page.disfilemenu.Handle(), 0}, {page.cleardocs.Handle(), 0}});
    ASSERT_EQ(after[0].size(), fAction + 1u);
    EXPECT_EQ(after[0][fState], Hex(STATE_SYSTEM_CHECKED | Focusable | STATE_SYSTEM_FOCUSED)) << "focused by it";
    EXPECT_EQ(after[0][fAction], "Uncheck");
    EXPECT_EQ(after[1][fState], Hex(Unavailable));

    EXPECT_EQ(Ask("do", {{page.bapplydesk2.Handle(), 0}}), std::vector<TLine>{{"0x0"}});
    EXPECT_EQ(shell.Broadcasts, 1);
    ASSERT_EQ(shell.MessageBoxes.size(), 1u);
    EXPECT_EQ(shell.MessageBoxes[0].Text, NoticeA);
    EXPECT_FALSE(page.bapplydesk2.Enabled()) << "Apply Changes disables its button";
}

TEST_F(Accessibility, SectionListRowsAreFoundAndWorkedAsOnTheScreen) {
    SelectPage(11);
    TSectionListBox& list = form->optionlist1;
    const std::string listHandle = std::to_string(reinterpret_cast<uintptr_t>(list.Handle()));
    RECT row = list.RowRect(RowOf(2, 1));
    MapWindowPoints(list.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&row), 2);
    const POINT centre{(row.left + row.right) / 2, (row.top + row.bottom) / 2};

    const std::vector<TLine> answers =
        AskReader({"where:" + Target(list.Handle(), ItemOf(2, 1)),
                   "hit:" + listHandle + ":" + std::to_string(centre.x) + ":" + std::to_string(centre.y),
                   "do:" + Target(list.Handle(), ItemOf(3))});
    EXPECT_EQ(answers[0], (TLine{"0x0", std::to_string(row.left), std::to_string(row.top),
                                 std::to_string(row.right - row.left), std::to_string(row.bottom - row.top)}));
    EXPECT_EQ(answers[1], (TLine{"0x0", std::to_string(ItemOf(2, 1))}));
    EXPECT_EQ(answers[2], TLine{"0x0"});
    EXPECT_EQ(list.Section(3).State, TSectionState::lssExpanded) << "Expand opened the section";

    EXPECT_EQ(Ask("do", {{list.Handle(), ItemOf(3, 1)}}), std::vector<TLine>{{"0x0"}});
    EXPECT_EQ(form->Notebook1.PageIndex(), 13) << "Open showed the sub-item's page";

    const long logon = ItemOf(3, 1);
    const std::vector<TLine> focus = AskReader({"focus:" + listHandle, "read:" + Target(list.Handle(), logon)});
    EXPECT_EQ(focus[0], (TLine{"0x0", std::to_string(logon)}));
    EXPECT_EQ(focus[1], (TLine{"0x0", std::to_string(ROLE_SYSTEM_OUTLINEITEM),
                               Hex(STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSED | Selectable), "-1", "Windows Logon",
                               "Open"}));

    for (int section = 0; section < list.SectionCount(); ++section)
        list.SetSectionState(section, TSectionState::lssExpanded);
    SendMessageA(list.Handle(), LB_SETTOPINDEX, 0, 0);
    ASSERT_TRUE(list.VerticalScrollBarShown()) << "the rows outgrow the list";
    const std::vector<TLine> ends = Ask("read", {{list.Handle(), 1}, {list.Handle(), list.RowCount()}});
    ASSERT_EQ(ends[1].size(), fAction + 1u);
    EXPECT_EQ(StateOf(ends[0]) & STATE_SYSTEM_OFFSCREEN, 0) << "the first row";
    EXPECT_NE(StateOf(ends[1]) & STATE_SYSTEM_OFFSCREEN, 0) << "the last row";
}

// Asked in this process: a reader that keeps an object past its window.
TEST_F(Accessibility, AnObjectKeptAfterItsControlIsGoneSaysSo) {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    auto box = std::make_unique<TFlatCheckBox>();
    box->Create(form->Handle(), {"Kept", "", {0, 0, 80, 17}}, OptionFont(), clMaroon);
    IAccessible* object = nullptr;
    ASSERT_EQ(AccessibleObjectFromWindow(box->Handle(), OBJID_CLIENT, __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&object)),
              S_OK);
    VARIANT self;
    VariantInit(&self);
    V_VT(&self) = VT_I4;
    V_I4(&self) = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    EXPECT_EQ(object->get_accRole(self, &role), S_OK);
    EXPECT_EQ(V_I4(&role), ROLE_SYSTEM_CHECKBUTTON);

    box.reset();
    BSTR name = nullptr;
    long count = 0;
    EXPECT_EQ(object->get_accRole(self, &role), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->get_accName(self, &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(object->accDoDefaultAction(self), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(object->Release(), 0u) << "the reader held the last reference";
    CoUninitialize();
}

namespace {

struct TEvent {
    DWORD Event;
    HWND Window;
    LONG Object;
    LONG Child;
    bool operator==(const TEvent& other) const {
        return Event == other.Event && Window == other.Window && Object == other.Object && Child == other.Child;
    }
};

std::vector<TEvent> heardEvents;

void CALLBACK HearEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    heardEvents.push_back({event, window, object, child});
}

}  // namespace

TEST_F(Accessibility, RaisesTheEventsOfTheStandardControls) {
    if (win9x::Active()) GTEST_SKIP() << "Windows 95 has no NotifyWinEvent: its readers ask again instead";
    SelectPage(2);
    TFilesAndFoldersPage& page = form->desktop2;
    TSectionListBox& list = form->optionlist1;
    HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_STATECHANGE, nullptr, &HearEvent,
                                         GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    auto client = [](DWORD event, const TWindow& control, long child = CHILDID_SELF) {
        return TEvent{event, control.Handle(), OBJID_CLIENT, child};
    };
    const struct {
        const char* what;
        std::function<void()> step;
        std::vector<TEvent> expected;
    } steps[] = {
        {"tick", [&] { page.disfilemenu.SetChecked(true); }, {client(EVENT_OBJECT_STATECHANGE, page.disfilemenu)}},
        {"focus a box", [&] { page.disfilemenu.SetFocus(); }, {client(EVENT_OBJECT_FOCUS, page.disfilemenu)}},
        {"focus a button", [&] { page.bapplydesk2.SetFocus(); }, {client(EVENT_OBJECT_FOCUS, page.bapplydesk2)}},
        {"disable a button", [&] { page.bapplydesk2.Disable(); },
         {client(EVENT_OBJECT_STATECHANGE, page.bapplydesk2)}},
        {"select a row", [&] { SendMessageA(list.Handle(), LB_SETCURSEL, RowOf(0, 0), 0); },
         {client(EVENT_OBJECT_SELECTION, list, ItemOf(0, 0))}},
        {"focus the list", [&] { list.SetFocus(); }, {client(EVENT_OBJECT_FOCUS, list, ItemOf(0, 0))}},
        {"move the selection by key", [&] { SendMessageA(list.Handle(), WM_KEYDOWN, VK_DOWN, 0); },
         {client(EVENT_OBJECT_FOCUS, list, ItemOf(0, 1)), client(EVENT_OBJECT_SELECTION, list, ItemOf(0, 1))}},
        {"open a section", [&] { list.SetSectionState(3, TSectionState::lssExpanded); },
         {client(EVENT_OBJECT_REORDER, list), client(EVENT_OBJECT_STATECHANGE, list, ItemOf(3))}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        heardEvents.clear();
        step.step();
        Pump();
        for (const TEvent& event : step.expected)
            EXPECT_NE(std::find(heardEvents.begin(), heardEvents.end(), event), heardEvents.end())
                << "event " << std::hex << event.Event << " child " << std::dec << event.Child << " of "
                << heardEvents.size() << " heard";
    }
    UnhookWinEvent(hook);
}
