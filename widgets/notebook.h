#pragma once

#include "widgets/control.h"

#include <vector>

// One page of the notebook, the size of the notebook less its last pixel
// column and row.
class TNotebookPage : public TCustomControl {
public:
    void CreatePage(HWND notebook, const std::string& name);
    const std::string& Name() const { return name_; }
    COLORREF Color() const override { return clSilver; }
    void PaintTo(HDC dc) override;

private:
    std::string name_;
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
