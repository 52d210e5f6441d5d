#include "widgets/flat_colors.h"

#include "widgets/adv_colors.h"
#include "widgets/control.h"

COLORREF TFlatColors::FaceColor() const { return colorSet_ ? color_ : ColorOf(ColorParent()); }

void TFlatColors::SetColor(COLORREF color) {
    color_ = color;
    colorSet_ = true;
    Changed(true);
}

void TFlatColors::SetColorFocused(COLORREF color) {
    colorFocused_ = color;
    Changed(false);
}

void TFlatColors::SetColorDown(COLORREF color) {
    colorDown_ = color;
    Changed(false);
}

void TFlatColors::SetColorBorder(COLORREF color) {
    colorBorder_ = color;
    Changed(false);
}

void TFlatColors::SetUseAdvColors(bool use) {
    useAdvColors_ = use;
    if (use) colorSet_ = false;
    Changed(true);
}

void TFlatColors::SetAdvColorFocused(int step) {
    advColorFocused_ = step;
    Changed(true);
}

void TFlatColors::SetAdvColorDown(int step) {
    advColorDown_ = step;
    Changed(true);
}

void TFlatColors::FollowParentColor() {
    if (!useAdvColors_) return;
    colorSet_ = false;
    Derive();
}

void TFlatColors::Derive() {
    if (!useAdvColors_) return;
    const TAdvColors derived = DeriveAdvColors(FaceColor(), advColorFocused_, advColorDown_, advColorBorder_,
                                               {colorFocused_, colorDown_, colorBorder_});
    colorFocused_ = derived.Focused;
    colorDown_ = derived.Down;
    colorBorder_ = derived.Border;
}

void TFlatColors::Changed(bool derive) {
    if (derive) Derive();
    ColorsChanged();
}
