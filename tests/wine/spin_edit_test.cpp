#include "harness.h"
#include "base/exceptions.h"
#include "widgets/spin_edit.h"

#include <commctrl.h>

#include <optional>

namespace {

// Two delay fields of their own on the main window, the second only to take
// the focus; every change event notes the text shown at that moment.
class SpinEdit : public TFormTest {
protected:
    void SetUp() override {
        TFormTest::SetUp();
        for (auto* edit : {&field, &other}) {
            edit->emplace();
            (*edit)->Create(form->Handle(), "a hint", {edit == &field ? 200 : 300, 150, 41, 21}, WindowFont());
            (*edit)->MinValue = 0;
            (*edit)->MaxValue = 60;
            SetWindowPos((*edit)->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        }
        field->OnChange = [this] { changes.push_back(field->Text()); };
        Pump();
    }
    void TearDown() override {
        field.reset();
        other.reset();
        TFormTest::TearDown();
    }

    // Shows a text as if pasted, without counting it as a change.
    void Show(const std::string& text) {
        field->SetText(text);
        changes.clear();
        shell.Clear();
    }
    void SelectAllAndType(const std::string& text) {
        Click(*field);
        SendMessageA(field->Handle(), EM_SETSEL, 0, -1);
        TypeText(text);
    }
    void ClickButton(bool up) {
        RECT client{};
        GetClientRect(field->Handle(), &client);
        ClickAt(*field, {client.right - 7, up ? 3 : client.bottom - 3});
    }

    std::optional<TSpinEdit> field;
    std::optional<TSpinEdit> other;
    std::vector<std::string> changes;
};

using TTexts = std::vector<std::string>;

// Notes the dialog commands the main window receives.
std::vector<WPARAM> dialogCommands;
WNDPROC formProcedure = nullptr;
LRESULT CALLBACK NotingProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        dialogCommands.push_back(LOWORD(wParam));
    return CallWindowProcA(formProcedure, window, message, wParam, lParam);
}

}  // namespace

TEST_F(SpinEdit, StartsAtZeroWithItsButtonsInsideItsRightEdge) {
    EXPECT_EQ(field->Text(), "0");
    EXPECT_EQ(field->Value(), 0);
    ASSERT_NE(field->UpDown(), nullptr);
    EXPECT_EQ(GetParent(field->UpDown()), field->Handle());
    RECT client{}, buttons{};
    GetClientRect(field->Handle(), &client);
    GetWindowRect(field->UpDown(), &buttons);
    MapWindowPoints(HWND_DESKTOP, field->Handle(), reinterpret_cast<POINT*>(&buttons), 2);
    EXPECT_EQ(buttons.right, client.right);
    EXPECT_EQ(buttons.top, 0);
    EXPECT_EQ(buttons.bottom, client.bottom);
    LRESULT margins = SendMessageA(field->Handle(), EM_GETMARGINS, 0, 0);
    EXPECT_GE(HIWORD(margins), buttons.right - buttons.left) << "the text keeps clear of the buttons";
    POINT overButtons{(buttons.left + buttons.right) / 2, 3};
    ClientToScreen(field->Handle(), &overButtons);
    EXPECT_EQ(HintAt(overButtons), "a hint");
}

TEST_F(SpinEdit, TypingKeepsSignsAndDigitsAndBeepsAtAnythingElse) {
    struct TCase {
        const char* Typed;
        const char* Shown;
        int Beeps;
        TTexts Changes;
    };
    const TCase cases[] = {
        {"15", "15", 0, {"1", "15"}},
        {"a", "0", 1, {}},
        {"-", "-", 0, {"-"}},
        {"+7", "+7", 0, {"+", "+7"}},
        {"1x.5", "15", 2, {"1", "15"}},
        {"4 ", "4", 1, {"4"}},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Typed);
        Show("0");
        SelectAllAndType(test.Typed);
        EXPECT_EQ(field->Text(), test.Shown);
        EXPECT_EQ(shell.Beeps, test.Beeps);
        EXPECT_EQ(changes, test.Changes);
    }
    Show("12");
    Click(*field);
    SendMessageA(field->Handle(), EM_SETSEL, 2, 2);
    PressKey(VK_BACK);
    EXPECT_EQ(field->Text(), "1");
    EXPECT_EQ(changes, TTexts{"1"});
}

TEST_F(SpinEdit, SettingTheValueClampsAndRaisesOneEventPerChangedText) {
    struct TCase {
        int32_t Value;
        const char* Shown;
        bool Raised;
    };
    const TCase cases[] = {
        {99, "60", true}, {99, "60", false}, {60, "60", false}, {-5, "0", true},
        {0, "0", false},  {30, "30", true},  {INT32_MIN, "0", true}, {INT32_MAX, "60", true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.Value);
        changes.clear();
        field->SetValue(test.Value);
        EXPECT_EQ(field->Text(), test.Shown);
        EXPECT_EQ(changes, test.Raised ? TTexts{test.Shown} : TTexts{});
    }
    field->MaxValue = field->MinValue;
    field->SetValue(-75);
    EXPECT_EQ(field->Text(), "-75") << "equal bounds do not limit";
}

TEST_F(SpinEdit, AnErrorOfTheChangeHandlerReachesTheCodeThatSetTheValue) {
    field->OnChange = [] { throw Exception("Unable to write to C:\\msdos.sys"); };
    EXPECT_THROW(field->SetValue(12), Exception);
    EXPECT_EQ(field->Text(), "12");
    Pump();
    EXPECT_TRUE(shell.Errors().empty()) << "nobody but the caller may catch it";
}

TEST_F(SpinEdit, TheValueIsTheShownTextAsAWholeNumber) {
    const struct {
        const char* Text;
        int32_t Value;
    } numbers[] = {{"  7", 7}, {"-3", -3}, {"$1A", 26}, {"0x10", 16}, {"75", 75}};
    for (const auto& number : numbers) {
        Show(number.Text);
        EXPECT_EQ(field->Value(), number.Value) << number.Text;
    }
    for (const char* text : {"", "-", "+", "abc", "1.5"}) {
        Show(text);
        try {
            field->Value();
            ADD_FAILURE() << "no error for '" << text << "'";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST_F(SpinEdit, EachButtonPressStepsOnceAndStopsAtTheBoundsWithoutAnEvent) {
    struct TCase {
        const char* Before;
        bool Up;
        const char* After;
        bool Raised;
    };
    const TCase cases[] = {
        {"59", true, "60", true},  {"60", true, "60", false}, {"0", false, "0", false},
        {"5", true, "6", true},    {"6", false, "5", true},   {"75", false, "60", true},
        {"$A", true, "11", true},  {"-3", true, "0", true},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(std::string(test.Before) + (test.Up ? " up" : " down"));
        Show(test.Before);
        SendMessageA(field->Handle(), EM_SETMODIFY, FALSE, 0);
        ClickButton(test.Up);
        EXPECT_EQ(field->Text(), test.After);
        EXPECT_EQ(changes, test.Raised ? TTexts{test.After} : TTexts{});
        EXPECT_EQ(field->Modified(), test.Raised);
        EXPECT_TRUE(shell.MessageBoxes.empty());
    }
}

TEST_F(SpinEdit, SteppingANonNumberShowsTheConversionErrorAndKeepsTheText) {
    for (const char* text : {"abc", ""}) {
        Show(text);
        ClickButton(true);
        EXPECT_EQ(field->Text(), text);
        EXPECT_EQ(shell.Errors(), TTexts{"'" + std::string(text) + "' is not a valid integer value."});
        EXPECT_TRUE(changes.empty());
    }
    Show("4");
    ClickButton(true);
    EXPECT_EQ(field->Text(), "5") << "the buttons still work after an error";
}

TEST_F(SpinEdit, AReadOnlyFieldBeepsInsteadOfStepping) {
    SendMessageA(field->Handle(), EM_SETREADONLY, TRUE, 0);
    Show("5");
    ClickButton(true);
    EXPECT_EQ(field->Text(), "5");
    EXPECT_EQ(shell.Beeps, 1);
    EXPECT_TRUE(changes.empty());
}

TEST_F(SpinEdit, ArrowKeysDoNotStepAndEnterAndEscGoToTheWindow) {
    Show("5");
    Click(*field);
    dialogCommands.clear();
    formProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC,
                                                                reinterpret_cast<LONG_PTR>(&NotingProcedure)));
    for (WORD key : {VK_UP, VK_DOWN, VK_RETURN, VK_ESCAPE}) PressKey(key);
    SetWindowLongPtrA(form->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(formProcedure));
    EXPECT_EQ(field->Text(), "5");
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(shell.Beeps, 0);
    EXPECT_EQ(dialogCommands, (std::vector<WPARAM>{IDOK, IDCANCEL}));
    EXPECT_TRUE(IsWindowVisible(form->Handle())) << "Enter must not close the window";
    EXPECT_TRUE(field->Focused());
}

TEST_F(SpinEdit, LeavingTheFieldBringsItsValueIntoTheRange) {
    SelectAllAndType("75");
    Click(*other);
    EXPECT_EQ(field->Text(), "60");
    EXPECT_EQ(changes, (TTexts{"7", "75", "60"}));

    changes.clear();
    SelectAllAndType("-");
    Click(*other);
    EXPECT_EQ(field->Text(), "-");
    EXPECT_EQ(shell.Errors(), TTexts{"'-' is not a valid integer value."});

    shell.Clear();
    SelectAllAndType("42");
    changes.clear();
    Click(*other);
    EXPECT_EQ(field->Text(), "42");
    EXPECT_TRUE(changes.empty()) << "a number in the range stays as typed";
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_F(SpinEdit, LosingTheFocusToNoControlOfTheWindowLeavesTheText) {
    SelectAllAndType("75");
    changes.clear();
    SetFocus(nullptr);
    Pump();
    EXPECT_EQ(field->Text(), "75");
    EXPECT_TRUE(changes.empty());
}
