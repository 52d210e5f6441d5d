#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

// A captioned frame that holds other controls as its children. Disabling it
// makes its children unreachable by mouse and keyboard, while they keep
// their own state; its hint is shown over children that have none.
class TGroupBox : public TCustomControl, public TAccessibleControl {
public:
    void Create(HWND parent, const TControlProps& props, HFONT font, COLORREF fontColor);
    void PaintTo(HDC dc) override;
    TAccessibleInfo Describe(long item) const override;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    COLORREF fontColor_ = clBlack;
};
