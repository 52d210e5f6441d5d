#include "harness.h"
#include "option_table.h"
#include "pages/apply_changes.h"
#include "pages/drives_access.h"
#include "pages/key_paths.h"

namespace {

std::string GroupHint() { return options::Control("gbdrives").Hint; }

// The letters whose index has bit b set: five of these masks tell every
// letter apart from every other.
int32_t LettersWithIndexBit(int b) {
    int32_t mask = 0;
    for (int letter = 0; letter < DriveLetterCount; ++letter)
        if (letter >> b & 1) mask |= DriveBit(letter);
    return mask;
}

}  // namespace

class DrivesAccessPage : public TCleanMachineTest {
protected:
    TDrivesAccessPage& Page() { return form->User11; }
    reg::TValue NoDrives() { return reg::Read(HKEY_CURRENT_USER, ExplorerPolicies, "NoDrives"); }
    void StoreNoDrives(int32_t value) {
        reg::SetDword(HKEY_CURRENT_USER, ExplorerPolicies, "NoDrives", static_cast<DWORD>(value));
    }
    void ExpectNoDrives(int32_t value) {
        reg::TValue stored = NoDrives();
        ASSERT_TRUE(stored.Exists);
        EXPECT_EQ(stored.Type, static_cast<DWORD>(REG_DWORD));
        EXPECT_EQ(stored.Data.size(), 4u);
        EXPECT_EQ(static_cast<int32_t>(stored.Dword()), value) << std::hex << stored.Dword();
    }
    int32_t LettersShown() {
        TDriveLetters shown{};
        auto boxes = Page().DriveLetters();
        for (int letter = 0; letter < DriveLetterCount; ++letter) shown[letter] = boxes[letter]->Checked();
        return MaskOf(shown);
    }
    TFlatCheckBox& Letter(char letter) { return *Page().DriveLetters()[letter - 'A']; }
};

// L stands above K and X above W; the bits follow the alphabet all the same.
TEST_F(DrivesAccessPage, TheLettersBitsFollowTheAlphabet) {
    TDrivesAccessPage& page = Page();
    auto boxes = page.DriveLetters();
    for (int letter = 0; letter < DriveLetterCount; ++letter)
        EXPECT_EQ(boxes[letter]->Text(), std::string(1, static_cast<char>('A' + letter)));
    EXPECT_EQ(&page.bk, boxes[10]);
    EXPECT_EQ(&page.bl, boxes[11]);
    EXPECT_EQ(&page.bw, boxes[22]);
    EXPECT_EQ(&page.bx, boxes[23]);
}

TEST_F(DrivesAccessPage, StartsClearedEnabledWithTheButtonDisabled) {
    EXPECT_FALSE(Page().hidealldrives.Checked());
    EXPECT_TRUE(Page().gbdrives.Enabled());
    EXPECT_EQ(LettersShown(), 0);
    EXPECT_FALSE(Page().bapplyuser2.Enabled());
}

TEST_F(DrivesAccessPage, TheLoaderFollowsTheStoredValue) {
    const struct {
        const char* scenario;
        bool stored;
        int32_t value;
        int32_t lettersBefore;
        bool hideAllBefore;
        bool hideAll;          // hidealldrives after the load
        int32_t letters;       // the letters after the load
        int32_t storedAfter;   // NoDrives after the load
    } cases[] = {
        {"missing: created as 0, nothing touched", false, 0, 0x5, false, false, 0x5, 0},
        {"missing while hiding all", false, 0, 0x5, true, true, 0x5, 0},
        {"the all-drives value: letters keep their ticks", true, AllDrivesMask, 0x5, false, true, 0x5, AllDrivesMask},
        {"C and D", true, 0xC, 0x5, false, false, 0xC, 0xC},
        {"nothing hidden", true, 0, 0x3FFFFFF, false, false, 0, 0},
        {"all 32 bits are not the all-drives value", true, -1, 0, false, false, AllDrivesMask, -1},
        {"bits above Z are ignored", true, static_cast<int32_t>(0xFC000800), 0, false, false, 0x800,
         static_cast<int32_t>(0xFC000800)},
        // Changed from outside while hiding all: the value read is kept, not 0.
        {"cleared by a load keeps the value read", true, 0xC, 0, true, false, 0xC, 0xC},
        {"cleared by a load keeps high bits too", true, -1, 0, true, false, AllDrivesMask, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scenario);
        auto boxes = Page().DriveLetters();
        for (int letter = 0; letter < DriveLetterCount; ++letter)
            boxes[letter]->SetChecked((c.lettersBefore & DriveBit(letter)) != 0);
        Page().hidealldrives.SetChecked(c.hideAllBefore);
        ResetMachine();
        if (c.stored) StoreNoDrives(c.value);
        shell.Clear();
        SelectPage(11);
        EXPECT_EQ(form->Notebook1.PageIndex(), 11);
        EXPECT_EQ(Page().hidealldrives.Checked(), c.hideAll);
        EXPECT_EQ(Page().gbdrives.Enabled(), !c.hideAll);
        EXPECT_EQ(LettersShown(), c.letters);
        ExpectNoDrives(c.storedAfter);
        EXPECT_FALSE(Page().bapplyuser2.Enabled());
        EXPECT_TRUE(shell.Log.empty());
    }
}

// Five loads and applies tell every letter's bit apart from every other.
TEST_F(DrivesAccessPage, EachLetterShowsAndStoresItsOwnBit) {
    for (int b = 0; b < 5; ++b) {
        const int32_t mask = LettersWithIndexBit(b);
        SCOPED_TRACE(mask);
        StoreNoDrives(mask);
        SelectPage(11);
        EXPECT_EQ(LettersShown(), mask);
        StoreNoDrives(0);
        Page().bapplyuser2.Enable();
        Click(Page().bapplyuser2);
        ExpectNoDrives(mask);
    }
}

TEST_F(DrivesAccessPage, ClickedLettersAreStoredByApplyChangesOnly) {
    const struct {
        const char* letters;
        int32_t stored;
    } cases[] = {
        {"CD", 12}, {"K", 0x400}, {"L", 0x800}, {"W", 0x400000}, {"X", 0x800000}, {"AZ", 0x2000001}, {"", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.letters);
        StoreNoDrives(0);
        SelectPage(11);
        ASSERT_EQ(LettersShown(), 0);
        for (const char* letter = c.letters; *letter; ++letter) {
            Click(Letter(*letter));  // by its place on the screen
            EXPECT_TRUE(Letter(*letter).Checked());
            EXPECT_TRUE(Page().bapplyuser2.Enabled());
        }
        ExpectNoDrives(0);
        Page().bapplyuser2.Enable();
        bool disabledWhileOpen = false;
        shell.WhileBoxOpen = [&](const TRecordingShell::TMessageBox&) {
            disabledWhileOpen = !Page().bapplyuser2.Enabled();
        };
        shell.Clear();
        Click(Page().bapplyuser2);
        ExpectNoDrives(c.stored);
        EXPECT_EQ(shell.Log, (std::vector<std::string>{"broadcast", std::string("box: ") + NoticeA}));
        EXPECT_TRUE(disabledWhileOpen) << "this page disables its button first";
        EXPECT_FALSE(Page().bapplyuser2.Enabled());
        shell.WhileBoxOpen = nullptr;
    }
}

TEST_F(DrivesAccessPage, AllLettersTickedAndAppliedLoadAsAllDrivesHidden) {
    SelectPage(11);
    for (TFlatCheckBox* box : Page().DriveLetters()) box->SetChecked(true);
    Click(Page().bapplyuser2);
    ExpectNoDrives(AllDrivesMask);
    SelectPage(11);
    EXPECT_TRUE(Page().hidealldrives.Checked());
    EXPECT_FALSE(Page().gbdrives.Enabled());
    EXPECT_EQ(LettersShown(), AllDrivesMask);
    EXPECT_FALSE(Page().bapplyuser2.Enabled());
}

TEST_F(DrivesAccessPage, HideAllDrivesStoresAtOnceAndLocksTheLettersWithTheirTicks) {
    SelectPage(11);
    Click(Letter('C'));
    Page().bapplyuser2.Disable();
    Click(Page().hidealldrives);
    ASSERT_TRUE(Page().hidealldrives.Checked());
    ExpectNoDrives(AllDrivesMask);
    EXPECT_FALSE(Page().gbdrives.Enabled());
    EXPECT_TRUE(Page().bapplyuser2.Enabled());

    // The letters cannot be reached, by mouse or by Tab, and keep their ticks.
    for (char letter : {'C', 'D'}) {
        Click(Letter(letter));
        EXPECT_EQ(Letter(letter).Checked(), letter == 'C');
    }
    Page().hidealldrives.SetFocus();
    PressKey(VK_TAB);
    EXPECT_FALSE(IsChild(Page().gbdrives.Handle(), GetFocus()));
    EXPECT_EQ(LettersShown(), 0x4);

    // Clearing stores 0 at once, whatever the letters show.
    Page().bapplyuser2.Disable();
    Click(Page().hidealldrives);
    ExpectNoDrives(0);
    EXPECT_TRUE(Page().gbdrives.Enabled());
    EXPECT_TRUE(Page().bapplyuser2.Enabled());
    EXPECT_EQ(LettersShown(), 0x4);
    Click(Letter('D'));
    EXPECT_TRUE(Letter('D').Checked());
}

TEST_F(DrivesAccessPage, ALetterWithTheFocusLosesItWhenTheGroupIsLocked) {
    SelectPage(11);
    Click(Letter('E'));
    ASSERT_TRUE(Letter('E').Focused());
    Page().hidealldrives.SetChecked(true);
    EXPECT_FALSE(Letter('E').Focused());
    PressKey(VK_SPACE);
    EXPECT_TRUE(Letter('E').Checked()) << "Space reaches no locked letter";
}

TEST_F(DrivesAccessPage, ApplyWhileHidingAllBeepsAndStoresNothing) {
    SelectPage(11);
    Click(Page().hidealldrives);
    Click(Letter('A'));  // locked: no change
    StoreNoDrives(0x5);  // changed from outside: Apply must not touch it
    shell.Clear();
    Click(Page().bapplyuser2);
    EXPECT_EQ(shell.Log, (std::vector<std::string>{"beep", "broadcast", std::string("box: ") + NoticeA}));
    ExpectNoDrives(0x5);
    EXPECT_FALSE(Page().bapplyuser2.Enabled());
}

TEST_F(DrivesAccessPage, ApplyStoresOnlyBitsZeroToTwentyFiveOfAnOddValue) {
    StoreNoDrives(static_cast<int32_t>(0xFC00000C));
    SelectPage(11);
    EXPECT_EQ(LettersShown(), 0xC);
    Click(Letter('A'));
    Click(Page().bapplyuser2);
    ExpectNoDrives(0xD);
}

TEST_F(DrivesAccessPage, ANoDrivesOfTheWrongKindStopsTheLoader) {
    const BYTE eight[] = {1, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        DWORD type;
        const void* data;
        DWORD size;
        const char* message;
    } cases[] = {
        {REG_SZ, "12", 3, "Invalid data type for 'NoDrives'"},
        {REG_BINARY, eight, 8, "Failed to get data for 'NoDrives'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        reg::SetRaw(HKEY_CURRENT_USER, ExplorerPolicies, "NoDrives", c.type, c.data, c.size);
        shell.Clear();
        SelectPage(11);
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{c.message}) << "no full stop after the quote";
        EXPECT_NE(form->Notebook1.PageIndex(), 11);
        EXPECT_EQ(NoDrives().Type, c.type) << "the bad value is kept";
    }
}

TEST_F(DrivesAccessPage, ARefusedWriteShowsTheErrorAndLeavesTheButtonAsItWas) {
    SelectPage(11);
    {
        TRefuseRegistryWrites refuse;
        Click(Page().hidealldrives);
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Failed to set data for 'NoDrives'"});
    EXPECT_TRUE(Page().hidealldrives.Checked());
    EXPECT_FALSE(Page().gbdrives.Enabled()) << "the group is in its new state";
    EXPECT_FALSE(Page().bapplyuser2.Enabled());
    ExpectNoDrives(0);

    Page().hidealldrives.SetChecked(false);
    Click(Letter('B'));
    shell.Clear();
    {
        TRefuseRegistryWrites refuse;
        Click(Page().bapplyuser2);
    }
    EXPECT_EQ(shell.Log, std::vector<std::string>{"box: Failed to set data for 'NoDrives'"})
        << "no broadcast and no notice";
    EXPECT_FALSE(Page().bapplyuser2.Enabled());
    EXPECT_TRUE(Letter('B').Checked());
    Click(Letter('C'));
    EXPECT_TRUE(Page().bapplyuser2.Enabled()) << "any letter enables it again";
}

TEST_F(DrivesAccessPage, TheLettersShowTheGroupsHintInTheStatusBar) {
    SelectPage(11);
    const struct {
        const char* place;
        const TWindow* control;
        std::string hint;
    } cases[] = {
        {"letter A", &Letter('A'), GroupHint()},
        {"letter W", &Letter('W'), GroupHint()},
        {"the group itself", &Page().gbdrives, GroupHint()},
        {"hidealldrives", &Page().hidealldrives, options::Control("hidealldrives").Hint},
        {"the Apply Changes button", &Page().bapplyuser2, ""},
    };
    for (bool locked : {false, true}) {
        // Ticked by a real click, and every move starts from the lit box.
        if (Page().hidealldrives.Checked() != locked) Click(Page().hidealldrives);
        ASSERT_EQ(Page().hidealldrives.Checked(), locked);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.place);
            MoveMouseTo(Page().hidealldrives, {5, 5});
            MoveMouseTo(*c.control, {5, 5});
            EXPECT_EQ(StatusBarText(), c.hint) << (locked ? "locked" : "open");
        }
    }
}
