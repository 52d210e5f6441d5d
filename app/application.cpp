#include "app/application.h"

#include "base/later_functions.h"

#include "widgets/hover_tracker.h"
#include "widgets/scale.h"
#include "widgets/window.h"

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool FaceInstalled(const char* face) {
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, &NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

// Wine ships the faces of Windows that the window uses, the narrow bitmap
// "MS Sans Serif" and "Tahoma", but some of its packagings miss their own
// font directory; a wider face then stands in and captions wrap at the
// widths they were laid out for. Such a Wine still names its data
// directory, so the program loads the face from there for itself.
void ProvideFace(const char* face, const char* file) {
    if (FaceInstalled(face)) return;
    char dataDir[MAX_PATH];
    DWORD length = GetEnvironmentVariableA("WINEDATADIR", dataDir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    std::string path = dataDir;
    const std::string ntPrefix = "\\??\\";
    if (path.compare(0, ntPrefix.size(), ntPrefix) == 0) path.erase(0, ntPrefix.size());
    path += std::string("\\fonts\\") + file;
    // Windows before 2000 lacks the private load, and ships the face anyway.
    using TAddFontResourceEx = int(WINAPI*)(LPCSTR, DWORD, PVOID);
    auto addFont = LaterFunction<TAddFontResourceEx>("gdi32.dll", "AddFontResourceExA");
    if (addFont) addFont(path.c_str(), FR_PRIVATE, nullptr);
}

}  // namespace

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() : title_("Tavrel"), shell_(&platformShell_) { InstallProgramServices(this); }

TApplication::~TApplication() {
    InstallProgramServices(nullptr);
    for (auto& font : fonts_) DeleteObject(font.second);
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_.Handle()) window_.SetTitle(title_);
}

HWND TApplication::Handle() {
    if (!window_.Handle()) window_.Create(title_);
    return window_.Handle();
}

void TApplication::Minimize() { window_.Minimize(mainWindow_); }

void TApplication::SetShell(TShellServices* shell) { shell_ = shell ? shell : &platformShell_; }

bool TApplication::HandleNextMessage(MSG& message) {
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
    if (message.message == WM_QUIT) return true;
    if (mainWindow_ && IsDialogMessageA(mainWindow_, &message)) return true;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return true;
}

int TApplication::Run() {
    MSG message;
    for (;;) {
        if (!HandleNextMessage(message)) {
            Idle();
            WaitMessage();
        } else if (message.message == WM_QUIT) {
            return static_cast<int>(message.wParam);
        }
    }
}

void TApplication::Idle() {
    RunIdleWork();
    POINT point{};
    if (!GetCursorPos(&point)) return;
    SetHint(HintAt(point));
}

// The idle work makes the rest of the window. A window that could not be
// made whole would show boxes that store nothing, so after the error box the
// program ends.
void TApplication::RunIdleWork() {
    if (!OnIdle) return;
    try {
        OnIdle();
    } catch (const std::exception& error) {
        OnIdle = nullptr;
        ShowException(error);
        PostQuitMessage(1);
    }
}

void TApplication::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    if (OnHint) OnHint();
}

void TApplication::ShowException(const std::exception& error) {
    ShowErrorBox(Shell(), mainWindow_, title_, error);
}

HFONT TApplication::Font(const std::string& face, int characterHeight, bool bold, int dpi) {
    if (dpi == 0) dpi = TScale::Of(nullptr).Dpi();
    auto key = std::make_tuple(face, characterHeight, bold, dpi);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    if (fonts_.empty()) {
        ProvideFace("MS Sans Serif", "sserife.fon");
        ProvideFace(OutlineFace, "tahoma.ttf");
    }
    HFONT font = CreateScaledFont(face.c_str(), characterHeight, bold, TScale(dpi));
    fonts_[key] = font;
    return font;
}

HFONT TApplication::FontAt(HFONT font, int dpi) {
    for (const auto& made : fonts_) {
        if (made.second != font) continue;
        return Font(std::get<0>(made.first), std::get<1>(made.first), std::get<2>(made.first), dpi);
    }
    return font;
}

std::string LongHint(const std::string& hint) {
    auto bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

std::string HintAt(POINT screenPoint) {
    for (HWND window = ControlAtPoint(screenPoint); window; window = GetParent(window)) {
        TWindow* control = TWindow::FromHandle(window);
        if (control && !control->Hint().empty()) return LongHint(control->Hint());
        if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) break;
    }
    return "";
}
