#include "pages/apply_changes.h"
#include "harness.h"
#include "pages/key_paths.h"
#include "widgets/section_rows.h"

#include <atomic>
#include <mutex>
#include <set>
#include <thread>

namespace {

// Records like the test shell, but sends the real broadcast, so that the
// windows of the test see what every running program sees.
class TBroadcastingShell : public TRecordingShell {
public:
    void BroadcastSettingChange() override {
        TRecordingShell::BroadcastSettingChange();
        TPlatformShell().BroadcastSettingChange();
    }
};

// A hidden top-level window that notes every settings-change message it has
// handled. On a thread of its own it either answers, after a pause, or never
// takes a message until it is let go.
class TListeningWindow {
public:
    enum class TOwner { TestThread, AnsweringThread, HungThread };

    explicit TListeningWindow(TOwner owner) : owner_(owner) {
        if (owner_ == TOwner::TestThread) {
            Create();
            return;
        }
        thread_ = std::thread([this] { Run(); });
        WaitForSingleObject(ready_, INFINITE);
    }

    ~TListeningWindow() {
        LetGo();
        if (thread_.joinable()) thread_.join();
        if (owner_ == TOwner::TestThread) DestroyWindow(window_);
        CloseHandle(ready_);
        CloseHandle(letGo_);
    }

    void LetGo() {
        SetEvent(letGo_);
        if (window_ && owner_ == TOwner::AnsweringThread) PostMessageA(window_, WM_NULL, 0, 0);
    }

    // The (wParam, lParam) of each settings-change message handled so far.
    std::vector<std::pair<WPARAM, LPARAM>> Handled() {
        std::lock_guard<std::mutex> lock(mutex_);
        return handled_;
    }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TListeningWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (self && message == WM_WININICHANGE) {
            // Answering late shows whether the sender waits for the answer.
            if (self->owner_ == TOwner::AnsweringThread) Sleep(300);
            std::lock_guard<std::mutex> lock(self->mutex_);
            self->handled_.emplace_back(wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    }

    void Create() {
        static const ATOM windowClass = [] {
            WNDCLASSA type{};
            type.lpfnWndProc = &Procedure;
            type.hInstance = GetModuleHandleA(nullptr);
            type.lpszClassName = "TavrelTestListener";
            return RegisterClassA(&type);
        }();
        window_ = CreateWindowExA(0, MAKEINTATOM(windowClass), "listener", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void Run() {
        Create();
        SetEvent(ready_);
        if (owner_ == TOwner::HungThread) WaitForSingleObject(letGo_, INFINITE);
        while (MsgWaitForMultipleObjects(1, &letGo_, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
            MSG message;
            while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        }
        DestroyWindow(window_);
    }

    TOwner owner_;
    HWND window_ = nullptr;
    std::thread thread_;
    HANDLE ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE letGo_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::mutex mutex_;
    std::vector<std::pair<WPARAM, LPARAM>> handled_;
};

const std::vector<std::pair<WPARAM, LPARAM>> OnceWithBothParametersZero = {{0, 0}};

// The keys of the pages these tests go through, removed so that every
// loader finds nothing stored.
void ForgetStoredOptions() {
    for (const char* key : {ExplorerPolicies, SystemPolicies, NetworkPolicies, WinOldAppPolicies})
        reg::DeleteTree(HKEY_CURRENT_USER, key);
}

}  // namespace

class ApplyChangesProtocol : public TFormTest {
protected:
    void SetUp() override {
        ForgetStoredOptions();
        TFormTest::SetUp();
    }

    // Selects page 5 and ticks its first box, so that its button is enabled.
    void ChangeSomethingOnSystemAccess() {
        SelectPage(5);
        Click(form->System5.hidedevicepage);
        ASSERT_TRUE(form->System5.bapplysystem1.Enabled());
    }

    // Clicks a section's header, which opens or closes the section.
    void ToggleSection(int section) {
        TSectionListBox& list = form->optionlist1;
        std::vector<TListSection> sections;
        for (int i = 0; i < list.SectionCount(); ++i) sections.push_back(list.Section(i));
        int row = HeaderRowOf(sections, section);
        SendMessageA(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        RECT rect = list.RowRect(row);
        ClickAt(list, {rect.left + 60, (rect.top + rect.bottom) / 2});
    }

    // The names of the enabled Apply Changes buttons of all fourteen pages.
    std::set<std::string> EnabledButtons() {
        const std::pair<const char*, TFlatButton*> buttons[] = {
            {"bapplydesk1", &form->desktop1.bapplydesk1},     {"bapplydesk2", &form->desktop2.bapplydesk2},
            {"bapplydesk3", &form->desktop3.bapplydesk3},     {"bapplydesk4", &form->desktop4.bapplydesk4},
            {"bapplysystem1", &form->System5.bapplysystem1}, {"bapplysystem2", &form->System6.bapplysystem2},
            {"bapplysystem3", &form->System7.bapplysystem3}, {"bapplysystem4", &form->System8.bapplysystem4},
            {"bapplysystem5", &form->System9.bapplysystem5}, {"bapplyuser1", &form->User10.bapplyuser1},
            {"bapplyuser2", &form->User11.bapplyuser2},       {"bapplyboot1", &form->Boot12.bapplyboot1},
            {"bapplyboot2", &form->Boot13.bapplyboot2},
        };
        std::set<std::string> enabled;
        for (const auto& button : buttons)
            if (button.second->Enabled()) enabled.insert(button.first);
        return enabled;
    }
};

TEST_F(ApplyChangesProtocol, BroadcastsThenShowsTheNoticeWhileTheButtonIsEnabledThenDisablesIt) {
    struct TCase {
        TFlatButton* Button;
        std::string Notice;
    };
    const TCase cases[] = {
        {&form->System5.bapplysystem1, "Some Changes may need a Reboot for any changes to take Effect..."},
        {&form->Boot13.bapplyboot2, "Changes will take effect at next Boot."},
    };
    ASSERT_EQ(cases[0].Notice, NoticeA);
    ASSERT_EQ(cases[1].Notice, NoticeB);
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Notice);
        test.Button->Enable();
        bool enabledWhileOpen = false;
        shell.WhileBoxOpen = [&](const TRecordingShell::TMessageBox&) { enabledWhileOpen = test.Button->Enabled(); };
        shell.Clear();
        ApplyChanges(*test.Button, test.Notice);
        EXPECT_EQ(shell.Log, (std::vector<std::string>{"broadcast", "box: " + test.Notice}));
        ASSERT_EQ(shell.MessageBoxes.size(), 1u);
        EXPECT_EQ(shell.MessageBoxes[0].Caption, "Information");
        EXPECT_EQ(shell.MessageBoxes[0].Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
        EXPECT_EQ(shell.MessageBoxes[0].Owner, form->Handle()) << "modal to the main window";
        EXPECT_TRUE(enabledWhileOpen);
        EXPECT_FALSE(test.Button->Enabled());
    }
}

// Each step is what the user does next, and the buttons enabled after it.
TEST_F(ApplyChangesProtocol, EachButtonFollowsOnlyItsOwnPage) {
    struct TStep {
        std::string What;
        std::function<void()> Do;
        std::set<std::string> Enabled;
    };
    const TStep steps[] = {
        {"start", [] {}, {}},
        {"page 5 loads a stored 1 and ticks diswizards",
         [&] {
             reg::SetDword(HKEY_CURRENT_USER, ExplorerPolicies, "NoSettingsWizards", 1);
             SelectPage(5);
         },
         {"bapplysystem1"}},
        {"a change on page 2",
         [&] {
             SelectPage(2);
             Click(form->desktop2.disfilemenu);
         },
         {"bapplysystem1", "bapplydesk2"}},
        {"page 7 beeps; its button takes no click",
         [&] {
             SelectPage(7);
             Click(form->System7.bapplysystem3);
             EXPECT_EQ(shell.Beeps, 1);
             EXPECT_EQ(shell.Broadcasts, 0);
         },
         {"bapplysystem1", "bapplydesk2"}},
        {"pages 6, 8 and 10 load nothing stored ticked",
         [&] {
             SelectPage(6);
             SelectPage(8);
             SelectPage(10);
         },
         {"bapplysystem1", "bapplydesk2"}},
        {"closing and opening a section shows the default page",
         [&] {
             ToggleSection(2);
             EXPECT_EQ(form->Notebook1.PageIndex(), 0);
             ToggleSection(2);
             EXPECT_EQ(form->Notebook1.PageIndex(), 0);
         },
         {"bapplysystem1", "bapplydesk2"}},
        {"a change on page 10",
         [&] {
             SelectPage(10);
             Click(form->User10.restrictmsdos);
         },
         {"bapplysystem1", "bapplydesk2", "bapplyuser1"}},
        {"Apply Changes on page 5",
         [&] {
             SelectPage(5);
             Click(form->System5.bapplysystem1);
         },
         {"bapplydesk2", "bapplyuser1"}},
        {"Apply Changes on page 2",
         [&] {
             SelectPage(2);
             Click(form->desktop2.bapplydesk2);
         },
         {"bapplyuser1"}},
        {"page 8 loads a stored 1 and ticks hideprinteroptions",
         [&] {
             reg::SetDword(HKEY_CURRENT_USER, ExplorerPolicies, "NoPrinterTabs", 1);
             SelectPage(8);
         },
         {"bapplyuser1", "bapplysystem4"}},
        {"page 6 loads a stored 1 and ticks disdocsnet",
         [&] {
             reg::SetDword(HKEY_CURRENT_USER, ExplorerPolicies, "MyDocsOnNet", 1);
             SelectPage(6);
         },
         {"bapplyuser1", "bapplysystem4", "bapplysystem2"}},
        {"page 7 again",
         [&] { SelectPage(7); },
         {"bapplyuser1", "bapplysystem4", "bapplysystem2"}},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.What);
        step.Do();
        EXPECT_EQ(EnabledButtons(), step.Enabled);
    }
    EXPECT_TRUE(shell.Errors().empty());
}

TEST_F(ApplyChangesProtocol, EveryAnsweringTopLevelWindowHasHandledTheBroadcastBeforeTheNoticeShows) {
    TBroadcastingShell broadcasting;
    Application().SetShell(&broadcasting);
    TListeningWindow here(TListeningWindow::TOwner::TestThread);
    TListeningWindow elsewhere(TListeningWindow::TOwner::AnsweringThread);
    ChangeSomethingOnSystemAccess();
    std::vector<std::pair<WPARAM, LPARAM>> hereAtNotice, elsewhereAtNotice;
    broadcasting.WhileBoxOpen = [&](const TRecordingShell::TMessageBox&) {
        hereAtNotice = here.Handled();
        elsewhereAtNotice = elsewhere.Handled();
    };
    Click(form->System5.bapplysystem1);
    EXPECT_EQ(broadcasting.Log, (std::vector<std::string>{"broadcast", std::string("box: ") + NoticeA}));
    EXPECT_EQ(hereAtNotice, OnceWithBothParametersZero);
    EXPECT_EQ(elsewhereAtNotice, OnceWithBothParametersZero);
    EXPECT_FALSE(form->System5.bapplysystem1.Enabled());
    Application().SetShell(&shell);
}

TEST_F(ApplyChangesProtocol, AWindowThatNeverAnswersDoesNotHoldTheBroadcastForever) {
    TBroadcastingShell broadcasting;
    Application().SetShell(&broadcasting);
    TListeningWindow answering(TListeningWindow::TOwner::AnsweringThread);
    TListeningWindow hung(TListeningWindow::TOwner::HungThread);
    ChangeSomethingOnSystemAccess();

    // Should the broadcast wait for the hung window without end, the watchdog
    // lets that window go after a very generous while, and the test fails.
    HANDLE finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::atomic<bool> hadToLetGo{false};
    std::thread watchdog([&] {
        if (WaitForSingleObject(finished, 120000) == WAIT_TIMEOUT) {
            hadToLetGo = true;
            hung.LetGo();
        }
    });
    std::vector<std::pair<WPARAM, LPARAM>> answeringAtNotice;
    broadcasting.WhileBoxOpen = [&](const TRecordingShell::TMessageBox&) { answeringAtNotice = answering.Handled(); };
    Click(form->System5.bapplysystem1);
    SetEvent(finished);
    watchdog.join();
    CloseHandle(finished);

    EXPECT_FALSE(hadToLetGo.load()) << "the broadcast waited for a window that never answers";
    EXPECT_EQ(answeringAtNotice, OnceWithBothParametersZero);
    EXPECT_EQ(broadcasting.Log, (std::vector<std::string>{"broadcast", std::string("box: ") + NoticeA}));
    EXPECT_FALSE(form->System5.bapplysystem1.Enabled());
    Application().SetShell(&shell);
}
