#include "page_floor.h"

#include "widgets/bitmap_resource.h"
#include "widgets/common_controls.h"
#include "widgets/flat_button.h"
#include "widgets/flat_check_box.h"
#include "widgets/flat_edit.h"
#include "widgets/group_box.h"
#include "widgets/label.h"
#include "widgets/picture.h"
#include "widgets/pro_label.h"
#include "widgets/spin_edit.h"

#include <commctrl.h>

#include <stdexcept>

namespace {

const char* const FloorClassName = "PageFloorContainer";
const char* const KindNames[MirrorKindCount] = {"check box", "push button", "label", "edit",
                                                "up-down",   "group box",   "icon",  "container"};

// The floor's containers paint nothing but their background.
void RegisterFloorClass() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing{};
    if (GetClassInfoA(instance, FloorClassName, &existing)) return;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = FloorClassName;
    RegisterClassA(&windowClass);
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)); }

DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)); }

// The same top-level items with empty pop-ups: the bar only has to take the
// same room above the client area.
HMENU CopyMenuBar(HMENU ours) {
    if (!ours) return nullptr;
    HMENU bar = CreateMenu();
    for (int item = 0; item < GetMenuItemCount(ours); ++item) {
        char text[128] = "";
        GetMenuStringA(ours, static_cast<UINT>(item), text, sizeof(text), MF_BYPOSITION);
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), text);
    }
    return bar;
}

HWND CreateTopLevel(HWND ourForm, POINT place) {
    RegisterFloorClass();
    const DWORD style = StyleOf(ourForm) & ~(WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE);
    const DWORD exStyle = ExStyleOf(ourForm);
    HMENU menu = CopyMenuBar(GetMenu(ourForm));
    RECT frame{};
    GetClientRect(ourForm, &frame);
    AdjustWindowRectEx(&frame, style, menu != nullptr, exStyle);
    HWND window = CreateWindowExA(exStyle, FloorClassName, "Page floor", style, place.x, place.y,
                                  frame.right - frame.left, frame.bottom - frame.top, nullptr, menu,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window) return window;
    if (menu) DestroyMenu(menu);
    throw std::runtime_error("the floor window could not be made");
}

struct TCounterpart {
    TMirrorKind Kind;
    const char* ClassName;
    DWORD Style;  // besides WS_CHILD and the states copied from ours
};

const TCounterpart ContainerCounterpart{TMirrorKind::Container, FloorClassName, 0};

bool IsUpDown(HWND window) {
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return lstrcmpiA(name, UPDOWN_CLASSA) == 0;
}

// The style bits of a platform control's own class (ES_RIGHT, UDS_...).
DWORD ClassStyleOf(HWND window) { return StyleOf(window) & 0xFFFF; }

// The spin edit's field is the platform's edit with its sunken edge, kept so
// that the up-down sits where ours does; the flat edit draws its frame
// itself, and its plain counterpart gets a border instead.
DWORD EditBorderOf(HWND ours) { return (ExStyleOf(ours) & WS_EX_CLIENTEDGE) ? 0 : WS_BORDER; }

// A page icon: a picture of a packed icon resource; 0 for anything else.
int IconResourceOf(const TWindow* object) {
    auto* picture = dynamic_cast<const TPicture*>(object);
    if (!picture) return 0;
    const bool icon =
        FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(picture->Resource()), PackedIconType) != nullptr;
    return icon ? picture->Resource() : 0;
}

template <typename... Classes>
bool IsOneOf(const TWindow* object) {
    return (... || (dynamic_cast<const Classes*>(object) != nullptr));
}

// Platform windows among ours (the spin edit's up-down) are known by their
// class name alone, never taken for objects.
TCounterpart CounterpartOf(HWND ours) {
    const TWindow* object = TWindow::FromHandle(ours);
    if (!object) return IsUpDown(ours) ? TCounterpart{TMirrorKind::UpDown, UPDOWN_CLASSA, ClassStyleOf(ours)}
                                       : ContainerCounterpart;
    if (IsOneOf<TFlatCheckBox>(object)) return {TMirrorKind::CheckBox, "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
    if (IsOneOf<TFlatButton>(object)) return {TMirrorKind::PushButton, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
    if (IsOneOf<TLabel, TProLabel>(object)) return {TMirrorKind::Label, "STATIC", SS_LEFT};
    if (IsOneOf<TFlatEdit, TSpinEdit>(object))
        return {TMirrorKind::Edit, "EDIT", EditBorderOf(ours) | WS_TABSTOP | ClassStyleOf(ours)};
    if (IsOneOf<TGroupBox>(object)) return {TMirrorKind::GroupBox, "BUTTON", BS_GROUPBOX};
    if (IconResourceOf(object)) return {TMirrorKind::Icon, "STATIC", SS_ICON};
    return ContainerCounterpart;
}

DWORD StatesOf(HWND ours) { return StyleOf(ours) & (WS_VISIBLE | WS_DISABLED | WS_CLIPCHILDREN | WS_CLIPSIBLINGS); }

DWORD ExStatesOf(HWND ours) { return ExStyleOf(ours) & (WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE); }

// Keeps the text clear of the up-down as ours does; after WM_SETFONT, which
// sets the margins anew.
void CopyEditMargins(HWND ours, HWND mirrored) {
    const LRESULT margins = SendMessageA(ours, EM_GETMARGINS, 0, 0);
    SendMessageA(mirrored, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(LOWORD(margins), HIWORD(margins)));
}

// Every button has the same class procedure.
WNDPROC buttonProcedure = nullptr;

// A group box erases nothing of its inside, which a parent that clips its
// children leaves unpainted too; so it erases like a container, and the
// rest is the button's own.
LRESULT CALLBACK GroupBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND) return CallWindowProcA(buttonProcedure, window, message, wParam, lParam);
    RECT client{};
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

void EraseInside(HWND groupBox) {
    buttonProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(groupBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GroupBoxProc)));
}

RECT RectInParent(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int WindowsOfTree(HWND root) {
    int count = 1;
    EnumChildWindows(root, &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

std::string Describe(const TMirrorCounts& counts) {
    std::string text =
        "Tavrel " + std::to_string(counts.Ours) + " windows, floor " + std::to_string(counts.Floor) + ":";
    const char* separator = " ";
    for (int kind = 0; kind < MirrorKindCount; ++kind) {
        const int count = counts.ByKind[static_cast<size_t>(kind)];
        if (count == 0) continue;
        text += separator + std::to_string(count) + " " + KindNames[kind];
        separator = ", ";
    }
    return text;
}

TPageFloor::TPageFloor(HWND ourNotebook, HWND ourDefaultPage, POINT place, const TFloorFonts& fonts)
    : fonts_(fonts), window_(CreateTopLevel(GetParent(ourNotebook), place)) {
    CommonControls();  // the up-down's class, as our spin edit loads it
    TPage none;
    TMirrorCounts uncounted;
    notebook_ = MirrorWindow(ourNotebook, Handle(), none, uncounted);
    TPage empty;
    empty.Window = MirrorWindow(ourDefaultPage, notebook_, empty, uncounted);
    pages_.push_back(empty);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    UpdateWindow(Handle());
}

TPageFloor::~TPageFloor() {
    for (const auto& icon : icons_) DestroyIcon(icon.second);
}

// Loaded once and kept, as the system keeps a shared icon.
HICON TPageFloor::SharedIcon(int resource) {
    HICON& icon = icons_[resource];
    if (!icon) icon = LoadIconResource(GetModuleHandleA(nullptr), resource, 32);
    return icon;
}

HFONT TPageFloor::FontOf(HWND ours) const {
    if (auto font = reinterpret_cast<HFONT>(SendMessageA(ours, WM_GETFONT, 0, 0))) return font;
    return IsOneOf<TProLabel>(TWindow::FromHandle(ours)) ? fonts_.Title : fonts_.Text;
}

HWND TPageFloor::MirrorWindow(HWND ours, HWND parent, TPage& page, TMirrorCounts& counts) {
    const TCounterpart like = CounterpartOf(ours);
    const RECT rect = RectInParent(ours);
    HWND mirrored = CreateWindowExA(ExStatesOf(ours), like.ClassName, TextOf(ours).c_str(),
                                    WS_CHILD | StatesOf(ours) | like.Style, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
    if (!mirrored) throw std::runtime_error("the floor could not mirror a window");
    // Ours are walked from the top, so each goes below the ones before it.
    SetWindowPos(mirrored, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (like.Kind != TMirrorKind::Container) Furnish(like.Kind, ours, mirrored, page);
    ++counts.ByKind[static_cast<size_t>(like.Kind)];
    return mirrored;
}

// What a control takes over from ours besides its window: font, margins, icon, check state.
void TPageFloor::Furnish(TMirrorKind kind, HWND ours, HWND mirrored, TPage& page) {
    SendMessageA(mirrored, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(ours)), FALSE);
    const TWindow* object = TWindow::FromHandle(ours);
    if (kind == TMirrorKind::Edit) CopyEditMargins(ours, mirrored);
    if (kind == TMirrorKind::GroupBox) EraseInside(mirrored);
    if (kind == TMirrorKind::Icon)
        SendMessageA(mirrored, STM_SETICON, reinterpret_cast<WPARAM>(SharedIcon(IconResourceOf(object))), 0);
    if (kind == TMirrorKind::CheckBox)
        page.CheckBoxes.emplace_back(mirrored, dynamic_cast<const TFlatCheckBox*>(object));
}

HWND TPageFloor::MirrorTree(HWND ours, HWND parent, TPage& page, TMirrorCounts& counts) {
    HWND mirrored = MirrorWindow(ours, parent, page, counts);
    for (HWND child = GetWindow(ours, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        MirrorTree(child, mirrored, page, counts);
    return mirrored;
}

TMirrorCounts TPageFloor::AddPage(HWND ourPage) {
    TPage page;
    TMirrorCounts counts;
    page.Window = MirrorTree(ourPage, notebook_, page, counts);
    ShowWindow(page.Window, SW_HIDE);
    counts.Ours = WindowsOfTree(ourPage);
    counts.Floor = WindowsOfTree(page.Window);
    pages_.push_back(std::move(page));
    CopyCheckStates(static_cast<int>(pages_.size()) - 1);
    return counts;
}

void TPageFloor::CopyCheckStates(int page) {
    for (const auto& [box, ours] : pages_[static_cast<size_t>(page)].CheckBoxes)
        SendMessageA(box, BM_SETCHECK, ours->Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TPageFloor::ShowPage(int page) {
    if (page == shown_) return;
    SetWindowPos(pages_[static_cast<size_t>(page)].Window, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ShowWindow(pages_[static_cast<size_t>(shown_)].Window, SW_HIDE);
    shown_ = page;
}
