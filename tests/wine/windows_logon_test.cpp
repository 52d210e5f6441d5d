#include "option_controls.h"
#include "pages/key_paths.h"
#include "pages/windows_logon.h"
#include "registry_page_checks.h"

namespace {

// The character height of a font as the platform measures it.
int FontHeight(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

const std::string StartCaption = TextsShownAtStart().at("dialogcaption");
const std::string StartText = TextsShownAtStart().at("dialogtext");

// The keys the store opens, as spelled, while in scope.
class TRecordOpenedKeys {
public:
    TRecordOpenedKeys() : saved_(StorePlatform().CreateKey) {
        Opened().clear();
        StorePlatform().CreateKey = &Record;
    }
    ~TRecordOpenedKeys() { StorePlatform().CreateKey = saved_; }
    static std::vector<std::string>& Opened() {
        static std::vector<std::string> opened;
        return opened;
    }

private:
    static LONG WINAPI Record(HKEY root, LPCSTR path, DWORD reserved, LPSTR className, DWORD options, REGSAM access,
                              LPSECURITY_ATTRIBUTES security, PHKEY key, LPDWORD disposition) {
        Opened().push_back(std::string(root == HKEY_LOCAL_MACHINE ? "HKLM\\" : "other\\") + path);
        return RegCreateKeyExA(root, path, reserved, className, options, access, security, key, disposition);
    }
    decltype(TStorePlatform::CreateKey) saved_;
};

}  // namespace

class WindowsLogonPage : public TCleanMachineTest {
protected:
    TWindowsLogonPage& Page() { return form->Boot13; }
    reg::TValue Stored(const char* name) { return reg::Read(HKEY_LOCAL_MACHINE, Winlogon, name); }
    void StoreNotice(const std::string& caption, const std::string& text) {
        reg::SetString(HKEY_LOCAL_MACHINE, Winlogon, "LegalNoticeCaption", caption);
        reg::SetString(HKEY_LOCAL_MACHINE, Winlogon, "LegalNoticeText", text);
    }
    void ExpectStoredNotice(const std::string& caption, const std::string& text) {
        for (auto [name, expected] : {std::pair<const char*, const std::string&>{"LegalNoticeCaption", caption},
                                      std::pair<const char*, const std::string&>{"LegalNoticeText", text}}) {
            reg::TValue value = Stored(name);
            ASSERT_TRUE(value.Exists) << name;
            EXPECT_EQ(value.Type, static_cast<DWORD>(REG_SZ)) << name;
            EXPECT_EQ(value.Data.size(), expected.size() + 1) << name;
            EXPECT_EQ(value.Text(), expected) << name;
        }
    }
    void ExpectNoStoredNotice() {
        EXPECT_FALSE(Stored("LegalNoticeCaption").Exists);
        EXPECT_FALSE(Stored("LegalNoticeText").Exists);
    }
};

TEST_F(WindowsLogonPage, ShowsItsLabelsAndFrameAndTakesTextsUpToTheirLengths) {
    TWindowsLogonPage& page = Page();
    EXPECT_EQ(FontHeight(WindowFont()) + 6, page.dialogcaption.Bounds().Height) << "an edit is as high as its font";
    EXPECT_EQ(page.dialogcaption.MaxLength(), 128);
    EXPECT_EQ(page.dialogtext.MaxLength(), 256);
    EXPECT_EQ(page.Label7.Text(), options::Control("dialogcaption").Caption);
    EXPECT_EQ(page.Label7.Bounds().Left, 24);
    EXPECT_EQ(page.Label7.Bounds().Top, 112);
    EXPECT_EQ(page.Label8.Text(), options::Control("dialogtext").Caption);
    EXPECT_EQ(page.Label8.Bounds().Left, 40);
    EXPECT_EQ(page.Label8.Bounds().Top, 144);
    TBounds bevel = page.Bevel4.Bounds();
    EXPECT_EQ((std::vector<int>{bevel.Left, bevel.Top, bevel.Width, bevel.Height}),
              (std::vector<int>{16, 96, 337, 76}));
    // The frame lies under what it surrounds.
    for (const TWindow* inside : std::initializer_list<const TWindow*>{&page.Label7, &page.dialogcaption,
                                                                        &page.Label8, &page.dialogtext}) {
        bool bevelBelow = false;
        for (HWND sibling = inside->Handle(); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
            bevelBelow = bevelBelow || sibling == page.Bevel4.Handle();
        EXPECT_TRUE(bevelBelow) << inside->Text();
    }
}

// The boxes stand under HKEY_LOCAL_MACHINE at three key spellings; the loader
// opens its keys in its order with one registry object.
TEST_F(WindowsLogonPage, HandlersAndLoaderOpenTheirKeysAsSpelled) {
    const std::string logon = "HKLM\\Network\\Logon";
    const std::string policies = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
    const std::string capitals = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
    const std::string winlogon = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon";
    SelectPage(13);
    const struct {
        TFlatCheckBox* box;
        std::string key;
    } handlers[] = {
        {&Page().validlogon, logon},
        {&Page().alphapass, policies},
        {&Page().dispasscache, capitals},
        {&Page().logondialog, winlogon},
    };
    for (const auto& handler : handlers) {
        TRecordOpenedKeys recorder;
        Click(*handler.box);
        EXPECT_EQ(TRecordOpenedKeys::Opened(), std::vector<std::string>{handler.key});
    }
    TRecordOpenedKeys recorder;
    SelectPage(13);
    // The ticked boxes are set again to what they show: no handler runs.
    EXPECT_EQ(TRecordOpenedKeys::Opened(), (std::vector<std::string>{logon, policies, policies, winlogon}));
}

TEST_F(WindowsLogonPage, LoadingShowsTheStoredNoticeAndNeverChangesIt) {
    const std::string longCaption(200, 'c');
    const struct {
        const char* scenario;
        bool tickedBefore;
        bool storeCaption;
        std::string caption;
        bool storeText;
        std::string text;
        bool ticked;         // logondialog after the load
        bool kept;           // the stored notice is still there
        std::string shown;   // dialogcaption after the load
        std::string shownText;
    } cases[] = {
        {"stored notice", false, true, "Private", true, "Keep out.", true, true, "Private", "Keep out."},
        {"stored again", true, true, "Private", true, "Keep out.", true, true, "Private", "Keep out."},
        {"caption longer than typing allows", false, true, longCaption, true, "t", true, true, longCaption, "t"},
        {"text missing", false, true, "Only a caption", false, "", true, true, "Only a caption", ""},
        {"no notice, box clear", false, false, "", false, "", false, false, StartCaption, StartText},
        {"empty caption, box clear", false, true, "", true, "x", false, true, "", "x"},
        {"empty caption, box ticked", true, true, "", true, "x", false, false, "", "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scenario);
        ResetMachine();
        Page().dialogcaption.SetText(StartCaption);
        Page().dialogtext.SetText(StartText);
        Page().logondialog.SetChecked(c.tickedBefore);
        ResetMachine();
        if (c.storeCaption) reg::SetString(HKEY_LOCAL_MACHINE, Winlogon, "LegalNoticeCaption", c.caption);
        if (c.storeText) reg::SetString(HKEY_LOCAL_MACHINE, Winlogon, "LegalNoticeText", c.text);
        SelectPage(13);
        EXPECT_EQ(form->Notebook1.PageIndex(), 13);
        EXPECT_EQ(Page().logondialog.Checked(), c.ticked);
        EXPECT_EQ(Page().dialogcaption.Text(), c.shown);
        EXPECT_EQ(Page().dialogtext.Text(), c.shownText);
        EXPECT_FALSE(Page().bapplyboot2.Enabled());
        if (!c.kept) {
            ExpectNoStoredNotice();
        } else {
            EXPECT_EQ(Stored("LegalNoticeCaption").Text(), c.caption);
            EXPECT_EQ(Stored("LegalNoticeText").Exists, c.storeText || c.ticked);
            EXPECT_EQ(Stored("LegalNoticeText").Text(), c.text);
        }
    }
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(WindowsLogonPage, TickingStoresTheEditsAndClearingDeletesTheNotice) {
    SelectPage(13);
    TWindowsLogonPage& page = Page();
    page.dialogcaption.SetText("Notice");
    page.dialogtext.SetText("Authorised users only.");
    Click(page.logondialog);
    ASSERT_TRUE(page.logondialog.Checked());
    ExpectStoredNotice("Notice", "Authorised users only.");
    EXPECT_TRUE(page.bapplyboot2.Enabled());

    page.bapplyboot2.Disable();
    Click(page.logondialog);
    ASSERT_FALSE(page.logondialog.Checked());
    ExpectNoStoredNotice();
    EXPECT_EQ(page.dialogcaption.Text(), "Notice") << "the edits keep their texts";
    EXPECT_EQ(page.dialogtext.Text(), "Authorised users only.");
    EXPECT_TRUE(page.bapplyboot2.Enabled());

    // An empty caption is stored as it is; the next load clears the box and deletes the notice.
    page.dialogcaption.SetText("");
    Click(page.logondialog);
    ExpectStoredNotice("", "Authorised users only.");
    SelectPage(13);
    EXPECT_FALSE(page.logondialog.Checked());
    ExpectNoStoredNotice();
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(WindowsLogonPage, TypingInTheEditsStoresAndEnablesNothing) {
    SelectPage(13);
    TWindowsLogonPage& page = Page();
    Click(page.logondialog);
    ExpectStoredNotice(StartCaption, StartText);
    page.bapplyboot2.Disable();
    for (TFlatEdit* edit : {&page.dialogcaption, &page.dialogtext}) {
        Click(*edit);
        PressKey(VK_END);
        TypeText(" More");
        EXPECT_NE(edit->Text().find(" More"), std::string::npos);
    }
    ExpectStoredNotice(StartCaption, StartText);
    EXPECT_FALSE(page.bapplyboot2.Enabled());
    // The new texts are stored when the box is cleared and ticked again.
    Click(page.logondialog);
    Click(page.logondialog);
    ExpectStoredNotice(StartCaption + " More", StartText + " More");
}

TEST_F(WindowsLogonPage, AStoredValueOfTheWrongKindStopsTheLoaderWithItsName) {
    const BYTE four[] = {1, 0, 0, 0};
    const BYTE eight[] = {1, 0, 0, 0, 0, 0, 0, 0};
    const DWORD one = 1;
    const struct {
        std::string key;
        const char* name;
        DWORD type;
        const void* data;
        DWORD size;
        std::string message;
    } cases[] = {
        {NetworkLogon, "MustBeValidated", REG_BINARY, four, 4, "Invalid data type for 'MustBeValidated'"},
        {NetworkLogon, "MustBeValidated", REG_BINARY, eight, 8, "Failed to get data for 'MustBeValidated'"},
        {NetworkLogon, "MustBeValidated", REG_SZ, "1", 2, "Invalid data type for 'MustBeValidated'"},
        {NetworkPolicies, "DisablePwdCaching", REG_BINARY, four, 4, "Invalid data type for 'DisablePwdCaching'"},
        {Winlogon, "LegalNoticeCaption", REG_DWORD, &one, 4, "Invalid data type for 'LegalNoticeCaption'"},
        {Winlogon, "LegalNoticeText", REG_DWORD, &one, 4, "Invalid data type for 'LegalNoticeText'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        ResetMachine();
        if (std::string(c.name) == "LegalNoticeText")
            reg::SetString(HKEY_LOCAL_MACHINE, Winlogon, "LegalNoticeCaption", "Private");
        reg::SetRaw(HKEY_LOCAL_MACHINE, c.key, c.name, c.type, c.data, c.size);
        shell.Clear();
        SelectPage(13);
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{c.message}) << "no full stop after the quote";
        EXPECT_NE(form->Notebook1.PageIndex(), 13) << "the page is not shown";
        EXPECT_EQ(reg::Read(HKEY_LOCAL_MACHINE, c.key, c.name).Type, c.type) << "the bad value is kept";
        EXPECT_FALSE(Page().logondialog.Checked());
    }
}

TEST_F(WindowsLogonPage, ARefusedNoticeWriteShowsTheErrorAndLeavesTheButtonAsItWas) {
    SelectPage(13);
    {
        TRefuseRegistryWrites refuse;
        Click(Page().logondialog);
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Failed to set data for 'LegalNoticeCaption'"});
    EXPECT_TRUE(Page().logondialog.Checked()) << "the box keeps the state the user gave it";
    EXPECT_FALSE(Page().bapplyboot2.Enabled());
    ExpectNoStoredNotice();
}
