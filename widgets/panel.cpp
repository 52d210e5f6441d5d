#include "widgets/panel.h"

#include "widgets/scale.h"

void DrawFrame(HDC dc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight, int width) {
    TBrush light(CreateSolidBrush(topLeft));
    TBrush dark(CreateSolidBrush(bottomRight));
    RECT top{rect.left, rect.top, rect.right, rect.top + width};
    RECT left{rect.left, rect.top, rect.left + width, rect.bottom};
    RECT bottom{rect.left, rect.bottom - width, rect.right, rect.bottom};
    RECT right{rect.right - width, rect.top, rect.right, rect.bottom};
    FillRect(dc, &top, light.Get());
    FillRect(dc, &left, light.Get());
    FillRect(dc, &bottom, dark.Get());
    FillRect(dc, &right, dark.Get());
}

void TPanel::Create(HWND parent, const TBounds& bounds, COLORREF color) {
    color_ = color;
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                  bounds, parent});
}

void TPanel::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush face(CreateSolidBrush(color_));
    FillRect(dc, &all, face.Get());
    DrawFrame(dc, all, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), TScale(Dpi()).Line());
}

void TBevel::Create(HWND parent, const TBounds& bounds) {
    CreateHandle({nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, bounds, parent});
    // Under every sibling, like a frame drawn on the panel itself.
    SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TBevel::PaintTo(HDC dc) {
    SIZE size = ClientSize();
    RECT all{0, 0, size.cx, size.cy};
    TBrush face(CreateSolidBrush(Color()));
    FillRect(dc, &all, face.Get());
    DrawFrame(dc, all, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT), TScale(Dpi()).Line());
}

LRESULT TBevel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    return TCustomControl::HandleMessage(message, wParam, lParam);
}
