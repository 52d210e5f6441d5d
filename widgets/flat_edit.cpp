#include "widgets/flat_edit.h"

#include "widgets/scale.h"

namespace {

// The whole window, frame included, for drawing the frame.
class TWindowDc {
public:
    explicit TWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    ~TWindowDc() { ReleaseDC(window_, dc_); }
    TWindowDc(const TWindowDc&) = delete;
    TWindowDc& operator=(const TWindowDc&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

bool FocusInFlatEdit() { return dynamic_cast<TFlatEdit*>(TWindow::FromHandle(GetFocus())) != nullptr; }

}  // namespace

THoverTracker& FlatEditHoverTracker() {
    static THoverTracker tracker;
    return tracker;
}

// It has no pressed look: ColorDown is never drawn.
TFlatEdit::TFlatEdit() : TFlatColors(clWhite, RGB(217, 214, 197), RGB(160, 150, 131)) {
    FlatEditHoverTracker().AddUser();
}

TFlatEdit::~TFlatEdit() { FlatEditHoverTracker().RemoveUser(*this); }

void TFlatEdit::Create(HWND parent, const TControlProps& props, HFONT font) {
    SetHint(props.Hint);
    CreateHandle({"EDIT", props.Caption,
                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | ES_LEFT | ES_AUTOHSCROLL, 0, props.Bounds,
                  parent});
    SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    FitHeightToFont();
}

void TFlatEdit::ChangeDpi(int dpi, const TFontAt& fontAt) {
    TWindow::ChangeDpi(dpi, fontAt);
    FitHeightToFont();
}

// As high as a line of its font and its frame. The frame is measured again:
// the first time, before this object took the messages over.
void TFlatEdit::FitHeightToFont() {
    TEXTMETRICA metrics{};
    {
        TWindowDc dc(Handle());
        TSelectObject selected(dc.Get(), reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)));
        GetTextMetricsA(dc.Get(), &metrics);
    }
    TBounds bounds = Bounds();
    bounds.Height = metrics.tmHeight + 2 * FramePixels();
    SetBounds(bounds);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFlatEdit::SetMaxLength(int characters) {
    SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

int TFlatEdit::MaxLength() const { return static_cast<int>(SendMessageA(Handle(), EM_GETLIMITTEXT, 0, 0)); }

// Another flat edit that has the focus keeps this one dark under the mouse.
COLORREF TFlatEdit::Face() const {
    bool lit = Focused() || (hovered_ && !FocusInFlatEdit());
    return lit ? ColorFocused() : ColorFlat();
}

void TFlatEdit::DrawFrame() {
    RECT window{};
    GetWindowRect(Handle(), &window);
    RECT ring{0, 0, window.right - window.left, window.bottom - window.top};
    TWindowDc dc(Handle());
    TBrush border(CreateSolidBrush(ColorBorder()));
    TBrush face(CreateSolidBrush(Face()));
    const int line = TScale(Dpi()).Line();
    for (int i = 0; i < FramePixels(); ++i) {
        FrameRect(dc.Get(), &ring, i < line ? border.Get() : face.Get());
        InflateRect(&ring, -1, -1);
    }
}

int TFlatEdit::FramePixels() const { return TScale(Dpi())(FrameWidth); }

// The face colours the text area too, so both are drawn again.
void TFlatEdit::Redraw() {
    if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TFlatEdit::MouseEntered() {
    if (!Enabled() || hovered_) return;
    hovered_ = true;
    Redraw();
}

void TFlatEdit::MouseLeft() {
    FlatEditHoverTracker().Release(*this);
    if (!hovered_) return;
    hovered_ = false;
    Redraw();
}

LRESULT TFlatEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCALCSIZE: {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        // Either way lParam starts with the rectangle that becomes the client area.
        InflateRect(reinterpret_cast<RECT*>(lParam), -FramePixels(), -FramePixels());
        return result;
    }
    case WM_NCPAINT:
        DrawFrame();
        return 0;
    case WM_MOUSEMOVE:
        FlatEditHoverTracker().MouseMoved(*this);
        break;  // the edit selects text by dragging
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        LRESULT result = DefaultHandling(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_ENABLE: {
        if (!wParam) {
            hovered_ = false;
            FlatEditHoverTracker().Release(*this);
        }
        LRESULT result = DefaultHandling(message, wParam, lParam);
        Redraw();
        return result;
    }
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}

// The parent asks the colours of the text area: the face, like the frame.
bool TFlatEdit::HandleNotification(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) return false;
    COLORREF face = Face();
    if (!faceBrush_.Get() || faceBrushColor_ != face) {
        faceBrush_.Reset(CreateSolidBrush(face));
        faceBrushColor_ = face;
    }
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetBkColor(dc, face);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    result = reinterpret_cast<LRESULT>(faceBrush_.Get());
    return true;
}
