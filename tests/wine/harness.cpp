#include "harness.h"

#include "profile_files.h"
#include "windows_9x.h"

#include "widgets/section_rows.h"

// ---- TRecordingShell

int TRecordingShell::ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
    MessageBoxes.push_back({text, caption, flags, owner});
    Log.push_back("box: " + text);
    if (WhileBoxOpen) WhileBoxOpen(MessageBoxes.back());
    return IDOK;
}

void TRecordingShell::Beep() {
    ++Beeps;
    Log.push_back("beep");
}

void TRecordingShell::BroadcastSettingChange() {
    ++Broadcasts;
    Log.push_back("broadcast");
}

void TRecordingShell::Clear() {
    MessageBoxes.clear();
    Beeps = 0;
    Broadcasts = 0;
    Log.clear();
}

std::vector<std::string> TRecordingShell::Errors() const {
    std::vector<std::string> errors;
    for (const auto& box : MessageBoxes)
        if (box.Caption == "Tavrel") errors.push_back(box.Text);
    return errors;
}

HFONT OptionFont() { return Application().Font("MS Sans Serif", 11); }

// ---- input

namespace {
bool quitSeen = false;
}  // namespace

bool QuitSeen() { return quitSeen; }
void ForgetQuit() { quitSeen = false; }

void Pump(int quietMs) {
    DWORD quietSince = GetTickCount();
    for (;;) {
        MSG message;
        bool any = false;
        while (Application().HandleNextMessage(message)) {
            any = true;
            if (message.message == WM_QUIT) quitSeen = true;
        }
        if (any) quietSince = GetTickCount();
        if (GetTickCount() - quietSince >= static_cast<DWORD>(quietMs)) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    Application().Idle();
}

namespace {

POINT ScreenPoint(const TWindow& control, POINT client) {
    ClientToScreen(control.Handle(), &client);
    return client;
}

void SendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

void SendKey(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof(input));
}

}  // namespace

void MoveMouseTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Pump();
    // A relative move of nothing makes the platform send the mouse move.
    SendMouse(MOUSEEVENTF_MOVE);
    Pump();
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump();
}

void MoveMouseTo(const TWindow& control, POINT client) { MoveMouseTo(ScreenPoint(control, client)); }

void PressMouseAt(const TWindow& control, POINT client) {
    MoveMouseTo(control, client);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Pump();
}

void ReleaseMouse() {
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump();
}

void ClickAt(const TWindow& control, POINT client) {
    PressMouseAt(control, client);
    ReleaseMouse();
}

void Click(const TWindow& control) {
    RECT rect{};
    GetClientRect(control.Handle(), &rect);
    ClickAt(control, {rect.right / 2, rect.bottom / 2});
}

void DoubleClickAt(const TWindow& control, POINT client) {
    MoveMouseTo(control, client);
    UINT usual = GetDoubleClickTime();
    SetDoubleClickTime(500);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    Pump();
    SetDoubleClickTime(usual);
}

void SendKeyPress(WORD virtualKey) {
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void PressKey(WORD virtualKey) {
    SendKeyPress(virtualKey);
    Pump();
}

void TypeText(const std::string& text) {
    for (char character : text) {
        SHORT scan = VkKeyScanA(character);
        bool shift = (scan >> 8) & 1;
        if (shift) SendKey(VK_SHIFT, false);
        SendKey(static_cast<WORD>(scan & 0xFF), false);
        SendKey(static_cast<WORD>(scan & 0xFF), true);
        if (shift) SendKey(VK_SHIFT, true);
    }
    Pump();
}

// ---- TFormTest

void TFormTest::SetUp() {
    ForgetQuit();
    Application().SetShell(&shell);
    form = std::make_unique<TForm1>();
    form->Show();
    SetForegroundWindow(form->Handle());
    SetActiveWindow(form->Handle());
    Pump();
}

void TFormTest::TearDown() {
    ReleaseMouse();
    form.reset();
    Pump();
    Application().SetShell(nullptr);
}

std::string TFormTest::StatusBarText() const {
    char text[512] = {};
    SendMessageA(form->statbar1.Handle(), WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

void TFormTest::OpenSection(int section) {
    TSectionListBox& list = form->optionlist1;
    if (list.Section(section).State == TSectionState::lssExpanded) return;
    const int row = RowOf(section);
    SendMessageA(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
    ClickAt(list, RowPoint(row));
    ASSERT_EQ(list.Section(section).State, TSectionState::lssExpanded);
}

void TFormTest::ClickSubItem(int section, int subItem) {
    OpenSection(section);
    ClickAt(form->optionlist1, RowPoint(RowOf(section, subItem)));
}

int TFormTest::RowOf(int section, int subItem) const {
    const TSectionListBox& list = form->optionlist1;
    std::vector<TListSection> sections;
    for (int i = 0; i < list.SectionCount(); ++i) sections.push_back(list.Section(i));
    return HeaderRowOf(sections, section) + 1 + subItem;
}

POINT TFormTest::RowPoint(int row) {
    TSectionListBox& list = form->optionlist1;
    RECT client{};
    GetClientRect(list.Handle(), &client);
    RECT rect = list.RowRect(row);
    if (rect.top < 0 || rect.bottom > client.bottom) {
        SendMessageA(list.Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
        rect = list.RowRect(row);
    }
    return {rect.left + 60, (rect.top + rect.bottom) / 2};
}

POINT SectionAndItemOf(int page) {
    const POINT pages[] = {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {1, 0}, {1, 1}, {1, 2},
                           {1, 3}, {1, 4}, {2, 0}, {2, 1}, {3, 0}, {3, 1}};
    return pages[page - 1];
}

void TFormTest::SelectPage(int page) {
    const POINT at = SectionAndItemOf(page);
    ClickSubItem(at.x, at.y);
}

// ---- registry

namespace reg {

DWORD TValue::Dword() const {
    DWORD value = 0;
    for (size_t i = 0; i < Data.size() && i < 4; ++i) value |= static_cast<DWORD>(Data[i]) << (8 * i);
    return value;
}

std::string TValue::Text() const {
    std::string text(Data.begin(), Data.end());
    auto zero = text.find('\0');
    return zero == std::string::npos ? text : text.substr(0, zero);
}

namespace {
std::string Relative(const std::string& path) { return !path.empty() && path[0] == '\\' ? path.substr(1) : path; }
}  // namespace

void DeleteTree(HKEY root, const std::string& path) { RegDeleteTreeA(root, Relative(path).c_str()); }

void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
            DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(root, Relative(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    RegCloseKey(key);
}

void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value) {
    SetRaw(root, path, name, REG_DWORD, &value, sizeof(value));
}

void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value, DWORD type) {
    SetRaw(root, path, name, type, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void Delete(HKEY root, const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

TValue Read(HKEY root, const std::string& path, const std::string& name) {
    TValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value.Type, nullptr, &size) == ERROR_SUCCESS) {
        value.Data.resize(size);
        value.Exists = RegQueryValueExA(key, name.c_str(), nullptr, &value.Type, value.Data.data(), &size) ==
                       ERROR_SUCCESS;
        value.Data.resize(size);
    }
    RegCloseKey(key);
    return value;
}

bool KeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, Relative(path).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

}  // namespace reg

void ResetMachine() {
    const char* const userKeys[] = {
        "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies",
        "\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
    };
    for (const char* key : userKeys) reg::DeleteTree(HKEY_CURRENT_USER, key);
    reg::Delete(HKEY_CURRENT_USER, "\\Control Panel\\Desktop", "PaintDesktopVersion");
    const char* const machineKeys[] = {
        "\\Network\\Logon",
        "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies",
    };
    for (const char* key : machineKeys) reg::DeleteTree(HKEY_LOCAL_MACHINE, key);
    reg::Delete(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon", "LegalNoticeCaption");
    reg::Delete(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Winlogon", "LegalNoticeText");
    reg::Delete(HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
    profile::Remove(profile::BootFilePath());
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string controlIni = std::string(windows) + "\\control.ini";
    SetFileAttributesA(controlIni.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(controlIni.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);  // drop the platform's cached copies
    win9x::ForgetProfileCache();
}

// ---- refusals

namespace {
LONG WINAPI RefusedSetValue(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) { return ERROR_ACCESS_DENIED; }

decltype(TStorePlatform::WriteProfileString) flushBesideRefusals = nullptr;

// A flush stores nothing of the program's: it still drops 9x's cached copy.
BOOL WINAPI RefusedProfileWrite(LPCSTR section, LPCSTR entry, LPCSTR value, LPCSTR file) {
    if (!section && !entry && !value) return flushBesideRefusals(section, entry, value, file);
    return FALSE;
}
}  // namespace

TRefuseRegistryWrites::TRefuseRegistryWrites() : saved_(StorePlatform().SetValue) {
    StorePlatform().SetValue = &RefusedSetValue;
}
TRefuseRegistryWrites::~TRefuseRegistryWrites() { StorePlatform().SetValue = saved_; }

TRefuseProfileWrites::TRefuseProfileWrites() : saved_(StorePlatform().WriteProfileString) {
    flushBesideRefusals = saved_;
    StorePlatform().WriteProfileString = &RefusedProfileWrite;
}
TRefuseProfileWrites::~TRefuseProfileWrites() { StorePlatform().WriteProfileString = saved_; }

void ExpectOptionsTable(HWND panel, const std::vector<TOptionRow>& rows) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) children.push_back(child);
    ASSERT_EQ(children.size(), rows.size()) << "controls that take the focus";
    for (size_t i = 0; i < rows.size(); ++i) {
        const TOptionRow& row = rows[i];
        SCOPED_TRACE(row.Caption);
        EXPECT_EQ(children[i], row.Control->Handle()) << "tab order, place " << i;
        EXPECT_EQ(row.Control->Text(), row.Caption);
        EXPECT_EQ(row.Control->Hint(), row.Hint);
        TBounds bounds = row.Control->Bounds();
        EXPECT_EQ(bounds.Left, row.Bounds.Left);
        EXPECT_EQ(bounds.Top, row.Bounds.Top);
        EXPECT_EQ(bounds.Width, row.Bounds.Width);
        EXPECT_EQ(bounds.Height, row.Bounds.Height);
    }
}
