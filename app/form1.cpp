#include "app/form1.h"

#include "app/application.h"
#include "app/resource.h"
#include "widgets/scale.h"

namespace {

// Not 1 or 2: the dialog manager sends those ids for Enter and Esc.
const UINT Exit1Id = 100;
const DWORD FormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
const DWORD FormExStyle = WS_EX_CONTROLPARENT;

struct TNavigationEntry {
    int Section;
    int SubItem;
    int Page;
};

// Which page each sub-item of the section list shows.
const TNavigationEntry Navigation[] = {
    {0, 0, 1}, {0, 1, 2}, {0, 2, 3},  {0, 3, 4},  {1, 0, 5},  {1, 1, 6},  {1, 2, 7},
    {1, 3, 8}, {1, 4, 9}, {2, 0, 10}, {2, 1, 11}, {3, 0, 12}, {3, 1, 13},
};

const TBounds StatusBarBounds{0, 316, FormClientWidth, 19};
// Sent by Windows 8.1 and later, whose headers name it.
const UINT WmDpiChanged = 0x02E0;

struct TDpiChange {
    int Dpi;
    const TWindow::TFontAt* FontAt;
};

BOOL CALLBACK ChangeDpiOfChild(HWND child, LPARAM change) {
    const auto& dpiChange = *reinterpret_cast<const TDpiChange*>(change);
    if (TWindow* ours = TWindow::FromHandle(child)) ours->ChangeDpi(dpiChange.Dpi, *dpiChange.FontAt);
    return TRUE;
}


// The client area at the screen's scale.
TBounds CentredOnScreen(int clientWidth, int clientHeight) {
    const TScale scale = TScale::Of(nullptr);
    RECT frame{0, 0, scale(clientWidth), scale(clientHeight)};
    AdjustWindowRectEx(&frame, FormStyle, TRUE, FormExStyle);
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width,
            height};
}

}  // namespace

void TDefaultPage::Create(TNotebook& notebook) {
    CreatePage(notebook.Handle(), "Default");
    notebook.AddPage(*this);
    Image2.Create(Handle(), {0, 0, 368, 260}, IDB_DEFAULT_PAGE, TPicture::TKind::StretchedBitmap,
                  IDB_DEFAULT_PAGE_150);
}

TForm1::TForm1() {
    CreateMenu();
    // Owned by the application window, which carries the taskbar button.
    CreateHandle({nullptr, "Tavrel Control Manager", FormStyle, FormExStyle,
                  CentredOnScreen(FormClientWidth, FormClientHeight), Application().Handle(), menu_});
    if (!Application().MainWindow()) Application().SetMainWindow(Handle());
    SetProgramIcons(Handle());

    Image1.Create(Handle(), {0, 0, FormClientWidth, 55}, IDB_BANNER, TPicture::TKind::Bitmap, IDB_BANNER_150);
    CreateSectionList();
    Notebook1.Create(Handle(), {149, 55, 369, 261});

    Default.Create(Notebook1);
    Notebook1.SetPageIndex(0);
    Application().OnIdle = [this] {
        Application().ShowTaskbarButton();
        CreateStatusBar();
        CreateOptionPages();
    };

    FormCreate();
}

// The platform's status bar loads the common controls: made once the window
// has first been painted, which paints the empty bar until then.
void TForm1::CreateStatusBar() {
    if (statbar1.Handle()) return;
    statbar1.Create(Handle(), StatusBarBounds, clSilver, FontOf("MS Sans Serif", 11));
    ShowStatusHint();
}

// Some two hundred controls: made once the window has first been painted, or
// when a page is first needed, whichever comes first, so that the window
// shows sooner.
void TForm1::CreateOptionPages() {
    if (optionPagesCreated_) return;
    optionPagesCreated_ = true;
    const TPageFonts fonts{FontOf("MS Sans Serif", 11), FontOf("MS Sans Serif", 11, true),
                           FontOf("MS Sans Serif", 16, true)};
    for (TOptionPage* page : OptionPages()) page->Create(Notebook1, fonts);
}

TForm1::~TForm1() {
    Application().OnHint = nullptr;
    Application().OnIdle = nullptr;
    if (Application().MainWindow() == Handle()) Application().SetMainWindow(nullptr);
}

void TForm1::CreateMenu() {
    menu_ = ::CreateMenu();
    HMENU software = CreatePopupMenu();
    AppendMenuA(software, MF_STRING, Exit1Id, "&Exit");
    AppendMenuA(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(software), "&Software");
}

void TForm1::CreateSectionList() {
    optionlist1.SectionFont = FontOf("Arial", 11, true);
    optionlist1.Create(Handle(), {0, 55, 149, 261});
    TSectionListBox::TSectionLook larger{FontOf("MS Sans Serif", 12), clBlack};
    TSectionListBox::TSectionLook smaller{FontOf("MS Sans Serif", 11), GetSysColor(COLOR_WINDOWTEXT)};
    optionlist1.AddSection(" Desktop Options",
                           {"Desktop Access", "Files and Folders", "Start Menu Options", "Active Desktop"}, larger);
    optionlist1.AddSection(" System Options",
                           {"System Access", "Network Access", "Internet Access", "Printer Options", "Control Panels"},
                           larger);
    optionlist1.AddSection(" User Restrictions", {"Program Access", "Drives Access"}, larger);
    optionlist1.AddSection(" Boot Options", {"Boot Settings", "Windows Logon"}, smaller);
    optionlist1.OnSubItemClick = [this](int section, int subItem) { optionlist1SubItemClick(section, subItem); };
    optionlist1.OnExpandSection = [this](int section) { optionlist1ExpandSection(section); };
    optionlist1.OnContractSection = [this](int section) { optionlist1ContractSection(section); };
}

HFONT TForm1::FontOf(const char* face, int characterHeight, bool bold) const {
    return Application().Font(face, characterHeight, bold, Dpi());
}

// Every window of the form is laid out again, the pages not yet made are
// made at the new scale, and the form takes the rectangle the platform
// suggests, which keeps it where it was on the new screen.
void TForm1::FormDpiChanged(int dpi, const RECT& suggested) {
    const TFontAt fontAt = [dpi](HFONT font) { return Application().FontAt(font, dpi); };
    ChangeDpi(dpi, fontAt);
    TDpiChange change{dpi, &fontAt};
    EnumChildWindows(Handle(), ChangeDpiOfChild, reinterpret_cast<LPARAM>(&change));
    SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // A window moved or resized keeps what it drew at the old scale.
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TForm1::Show() {
    ShowWindow(Handle(), SW_SHOW);
    UpdateWindow(Handle());
}

// In notebook order, from page 1.
std::array<TOptionPage*, 13> TForm1::OptionPages() {
    return {&desktop1, &desktop2, &desktop3, &desktop4, &System5, &System6, &System7,
            &System8,  &System9,  &User10,   &User11,   &Boot12,  &Boot13};
}

TOptionPage* TForm1::OptionPage(int index) {
    CreateOptionPages();
    if (index < 1 || index > 13) return nullptr;
    return OptionPages()[index - 1];
}

void TForm1::FormCreate() {
    Application().OnHint = [this] { ShowStatusHint(); };
}

// The page loader runs first: a loader that raises leaves the previous page showing.
void TForm1::optionlist1SubItemClick(int section, int subItem) {
    for (const TNavigationEntry& entry : Navigation) {
        if (entry.Section != section || entry.SubItem != subItem) continue;
        OptionPage(entry.Page)->PageLoader();
        Notebook1.SetPageIndex(entry.Page);
        return;
    }
}

void TForm1::optionlist1ExpandSection(int) { Notebook1.SetPageIndex(0); }

void TForm1::optionlist1ContractSection(int) { Notebook1.SetPageIndex(0); }

void TForm1::Exit1Click() { SendMessageA(Handle(), WM_CLOSE, 0, 0); }

// As the dialog manager does: the control that had the focus when another
// window (a message box, another program) became active has it again when
// the form is active again.
void TForm1::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(Handle(), focus)) focusBeforeDeactivation_ = focus;
}

bool TForm1::RestoreFocus() {
    HWND focus = focusBeforeDeactivation_;
    if (!focus || !IsChild(Handle(), focus) || !CanFocus(focus)) return false;
    ::SetFocus(focus);
    return true;
}

void TForm1::ShowStatusHint() { statbar1.SetSimpleText(LongHint(Application().Hint())); }

LRESULT TForm1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) == Exit1Id) {
            Exit1Click();
            return 0;
        }
        break;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application().MainWindow() == Handle()) {
            Application().Minimize();
            return 0;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            RememberFocus();
            break;
        }
        if (!HIWORD(wParam) && RestoreFocus()) return 0;
        break;
    case WM_SETFOCUS:
        if (RestoreFocus()) return 0;
        break;
    case WM_MENUSELECT:
        Application().SetHint("");  // the menu items have no hints
        return 0;
    case WM_SYSCOLORCHANGE:
        SendToDescendants(Handle(), message, wParam, lParam);
        return 0;
    case WmDpiChanged:
        FormDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ERASEBKGND: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        RECT client{};
        GetClientRect(Handle(), &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        if (!statbar1.Handle()) {
            const TScale scale = TScale::Of(Handle());
            const TBounds bar = scale(StatusBarBounds);
            TStatusBar::PaintEmpty(dc, {bar.Left, bar.Top, bar.Left + bar.Width, bar.Top + bar.Height}, clSilver,
                                   scale.Line());
        }
        return TRUE;
    }
    case WM_DESTROY:
        // Nothing is left to make in a window that is gone.
        Application().OnIdle = nullptr;
        // Closing the main window ends the program; destroying the form
        // from code (its destructor) does not.
        if (Application().MainWindow() == Handle()) {
            Application().SetMainWindow(nullptr);
            PostQuitMessage(0);
        }
        return 0;
    }
    return TWindow::HandleMessage(message, wParam, lParam);
}
