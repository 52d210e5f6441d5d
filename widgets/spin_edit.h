#pragma once

#include "widgets/control.h"

#include <cstdint>
#include <functional>
#include <string>

// A whole-number field: a single-line edit with the platform's up-down
// control at its right edge (the standard button kind). OnChange is raised
// once for every change of the shown text, whether typed, pasted, stepped or
// set by code; when code sets Value it is raised right there, inside the
// setter, so an error of the handler reaches the code that set the value.
class TSpinEdit : public TWindow {
public:
    void Create(HWND parent, const std::string& hint, const TBounds& bounds, HFONT font);
    void ChangeDpi(int dpi, const TFontAt& fontAt) override;

    // The shown text as a whole number; raises EConvertError when it is none.
    int32_t Value() const;
    // Shows the number brought into the range, in decimal.
    void SetValue(int32_t value);
    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }
    bool Modified() const;

    // Equal bounds mean no limit.
    int32_t MinValue = 0;
    int32_t MaxValue = 0;
    int32_t Increment = 1;
    std::function<void()> OnChange;

    HWND UpDown() const { return upDown_; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void Step(int direction);
    // Shows the number, clamped, without raising OnChange; true when the text changed.
    bool ShowNumber(int64_t number);
    void RaiseChange();
    void Leave(HWND focusTo);
    void PlaceUpDown();
    void ResetUpDown();

    HWND upDown_ = nullptr;  // a child of the field, destroyed with it
    bool showingNumber_ = false;
};
