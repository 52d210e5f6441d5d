#pragma once

#include "widgets/control.h"
#include "widgets/flat_colors.h"
#include "widgets/hover_tracker.h"

// The single-line text field: the platform's edit without its 3D border,
// framed flat in its non-client area by one ring of ColorBorder and two rings
// of its face. The face is ColorFocused while the field has the focus, or
// while the mouse is over it and no flat edit has the focus; ColorFlat
// otherwise. Text area and frame share the face.
class TFlatEdit : public TWindow, public TFlatColors, private THoverTarget {
public:
    TFlatEdit();
    ~TFlatEdit() override;

    // The caption given is the start text. The height follows the font.
    void Create(HWND parent, const TControlProps& props, HFONT font);
    void ChangeDpi(int dpi, const TFontAt& fontAt) override;

    // Limits what the user types or pastes; text set by code is kept whole.
    void SetMaxLength(int characters);
    int MaxLength() const;

    // Follows the parent's colour until a colour is set.
    COLORREF ColorFlat() const { return FaceColor(); }

    bool Hovered() const { return hovered_; }
    // The face shown now: ColorFocused or ColorFlat.
    COLORREF Face() const;

    // The rings around the text area on each side, at 96 pixels per inch:
    // a border line and the face.
    static const int FrameWidth = 3;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    HWND ColorParent() const override { return Parent(); }
    void ColorsChanged() override { Redraw(); }
    HWND HoverHandle() const override { return Handle(); }
    void MouseEntered() override;
    void MouseLeft() override;
    void DrawFrame();
    void FitHeightToFont();
    int FramePixels() const;
    void Redraw();

    bool hovered_ = false;
    TBrush faceBrush_;
    COLORREF faceBrushColor_ = 0;
};

// The hover tracking of the flat edits, apart from the other flat controls'.
THoverTracker& FlatEditHoverTracker();
