#pragma once

// The floor of a page selection: what the platform alone costs to show a
// page of as many windows. A top-level window like the main window holds a
// container where the notebook is and, in it, one page for each of our
// option pages, mirrored from the real page's window tree with plain
// platform controls: the same nesting, rectangles, texts, fonts, visibility
// and enabled state, and the check states our boxes show.
#include <windows.h>

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

class TFlatCheckBox;

enum class TMirrorKind { CheckBox, PushButton, Label, Edit, UpDown, GroupBox, Icon, Container };
constexpr int MirrorKindCount = 8;

// What was mirrored of one page, each tree counted with its page.
struct TMirrorCounts {
    std::array<int, MirrorKindCount> ByKind{};
    int Ours = 0;
    int Floor = 0;
};

// "Tavrel 24 windows, floor 24: 17 check box, 1 push button, ..."
std::string Describe(const TMirrorCounts& counts);

// For windows of ours that do not tell their font by WM_GETFONT.
struct TFloorFonts {
    HFONT Text = nullptr;
    HFONT Title = nullptr;  // of the embossed page titles
};

// Destroys a window, and its children with it.
class TOwnedWindow {
public:
    explicit TOwnedWindow(HWND window) : window_(window) {}
    ~TOwnedWindow() { DestroyWindow(window_); }
    TOwnedWindow(const TOwnedWindow&) = delete;
    TOwnedWindow& operator=(const TOwnedWindow&) = delete;
    HWND Get() const { return window_; }

private:
    HWND window_;
};

class TPageFloor {
public:
    // Takes size, styles and menu bar from our main window, the notebook's
    // rectangle from our notebook, and makes page 0 an empty page the size
    // of our default page. Shown without taking the activation.
    TPageFloor(HWND ourNotebook, HWND ourDefaultPage, POINT place, const TFloorFonts& fonts);
    ~TPageFloor();
    TPageFloor(const TPageFloor&) = delete;
    TPageFloor& operator=(const TPageFloor&) = delete;

    HWND Handle() const { return window_.Get(); }
    // Mirrors one of our pages as the next page of the floor.
    TMirrorCounts AddPage(HWND ourPage);
    // Sets each mirrored check box of a page to the state of our box.
    void CopyCheckStates(int page);
    // As the notebook does: the new page on top and shown, then the old one hidden.
    void ShowPage(int page);

private:
    struct TPage {
        HWND Window = nullptr;
        std::vector<std::pair<HWND, const TFlatCheckBox*>> CheckBoxes;
    };
    HWND MirrorWindow(HWND ours, HWND parent, TPage& page, TMirrorCounts& counts);
    HWND MirrorTree(HWND ours, HWND parent, TPage& page, TMirrorCounts& counts);
    void Furnish(TMirrorKind kind, HWND ours, HWND mirrored, TPage& page);
    HFONT FontOf(HWND ours) const;
    HICON SharedIcon(int resource);

    TFloorFonts fonts_;
    TOwnedWindow window_;
    HWND notebook_ = nullptr;
    std::vector<TPage> pages_;
    std::map<int, HICON> icons_;  // by resource
    int shown_ = 0;
};
