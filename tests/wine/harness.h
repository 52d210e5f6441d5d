#pragma once

#include "app/application.h"
#include "app/form1.h"
#include "store/store_platform.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

// Stands in for the shell: notes every message box, beep and broadcast in
// the order they happen, and never blocks.
class TRecordingShell : public TShellServices {
public:
    struct TMessageBox {
        std::string Text;
        std::string Caption;
        UINT Flags;
        HWND Owner;
    };
    int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) override;
    void Beep() override;
    void BroadcastSettingChange() override;

    std::vector<TMessageBox> MessageBoxes;
    int Beeps = 0;
    int Broadcasts = 0;
    std::vector<std::string> Log;  // "broadcast", "beep", "box: <text>"
    // Runs while a message box is "open", for checks made at that moment.
    std::function<void(const TMessageBox&)> WhileBoxOpen;
    void Clear();
    // The texts of the error boxes (caption "Tavrel").
    std::vector<std::string> Errors() const;
};

// The option pages' 8-point font, as the form gives it.
HFONT OptionFont();
inline HFONT WindowFont() { return OptionFont(); }

// Handles waiting messages until the queue stays empty for a moment.
void Pump(int quietMs = 30);
// Whether a pump met the message that ends the program (reset by TFormTest).
bool QuitSeen();
void ForgetQuit();

// Real input through the platform: the pointer is moved and the buttons and
// keys are pressed with SendInput, so that hit testing, capture and focus
// work as for a user.
void MoveMouseTo(POINT screen);
void MoveMouseTo(const TWindow& control, POINT client);
void ClickAt(const TWindow& control, POINT client);
void ClickAt(POINT screen);
void Click(const TWindow& control);  // at the centre
void PressMouseAt(const TWindow& control, POINT client);
void ReleaseMouse();
void DoubleClickAt(const TWindow& control, POINT client);
void PressKey(WORD virtualKey);
// The key pressed without handling messages, as another thread may.
void SendKeyPress(WORD virtualKey);
void TypeText(const std::string& text);

// Where option page 1 to 13 stands in the section list: x the section, y
// the sub-item.
POINT SectionAndItemOf(int page);

// The main window, shown and active, with the shell replaced by a recorder.
class TFormTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a section of the section list by clicking its header, if closed.
    void OpenSection(int section);
    // Clicks the row of a sub-item, opening its section first.
    void ClickSubItem(int section, int subItem);
    // The row of a section's header, or of one of its sub-items.
    int RowOf(int section, int subItem = -1) const;
    // Scrolls a row of the section list into view; where to click it.
    POINT RowPoint(int row);
    // Selects an option page the way a user does; returns its page index.
    void SelectPage(int page);
    // What the status bar shows, read from its window as other programs do.
    std::string StatusBarText() const;

    TRecordingShell shell;
    std::unique_ptr<TForm1> form;
};

// Raw registry access for tests, beside the program's own store.
namespace reg {
struct TValue {
    bool Exists = false;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
    DWORD Dword() const;
    std::string Text() const;
};
void DeleteTree(HKEY root, const std::string& path);
void SetRaw(HKEY root, const std::string& path, const std::string& name, DWORD type, const void* data,
            DWORD size);
void SetDword(HKEY root, const std::string& path, const std::string& name, DWORD value);
void SetString(HKEY root, const std::string& path, const std::string& name, const std::string& value,
               DWORD type = REG_SZ);
void Delete(HKEY root, const std::string& path, const std::string& name);
TValue Read(HKEY root, const std::string& path, const std::string& name);
bool KeyExists(HKEY root, const std::string& path);
}  // namespace reg

// Removes everything the option pages store (registry keys and values, the
// boot file, control.ini), so that every page loads as on a new machine.
void ResetMachine();

// A main window on a reset machine, reset again afterwards so that no bad
// value a test stored is left for the next one.
class TCleanMachineTest : public TFormTest {
protected:
    void SetUp() override {
        ResetMachine();
        TFormTest::SetUp();
    }
    void TearDown() override {
        TFormTest::TearDown();
        ResetMachine();
    }
};

// Makes one platform call of the store fail while in scope.
class TRefuseRegistryWrites {
public:
    TRefuseRegistryWrites();
    ~TRefuseRegistryWrites();

private:
    decltype(TStorePlatform::SetValue) saved_;
};

class TRefuseProfileWrites {
public:
    TRefuseProfileWrites();
    ~TRefuseProfileWrites();

private:
    decltype(TStorePlatform::WriteProfileString) saved_;
};

// One row of a page's Options table, as the user sees it.
struct TOptionRow {
    const TWindow* Control;
    std::string Caption;
    std::string Hint;
    TBounds Bounds;
};
// Checks caption, hint and place of every control, and that the controls
// are the panel's children in this order (the tab order).
void ExpectOptionsTable(HWND panel, const std::vector<TOptionRow>& rows);
