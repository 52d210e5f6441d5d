#pragma once

#include "widgets/accessible.h"
#include "widgets/control.h"

#include <vector>

// One page of the notebook, the size of the notebook less its last pixel
// column and row. Its window text is its name within the program; a screen
// reader reads it as a property page with the title the user sees.
class TNotebookPage : public TCustomControl, public TAccessibleControl {
public:
    void CreatePage(HWND notebook, const std::string& name);
    void ChangeDpi(int dpi, const TFontAt& fontAt) override;
    const std::string& Name() const { return name_; }
    virtual std::string Title() const { return ""; }
    COLORREF Color() const override { return clSilver; }
    void PaintTo(HDC dc) override;
    TAccessibleInfo Describe(long item) const override;

private:
    std::string name_;
    void FitToNotebook();
};

// Shows one of its pages at a time.
class TNotebook : public TCustomControl {
public:
    void Create(HWND parent, const TBounds& bounds);
    void AddPage(TNotebookPage& page) { pages_.push_back(&page); }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int PageIndex() const { return pageIndex_; }
    // Ignores the index of the page shown and any index outside the pages.
    void SetPageIndex(int index);
    COLORREF Color() const override { return clSilver; }
    void PaintTo(HDC dc) override;

private:
    std::vector<TNotebookPage*> pages_;
    int pageIndex_ = -1;
};
