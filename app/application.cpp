#include "app/application.h"

#include "app/error_text.h"
#include "widgets/hover_tracker.h"
#include "widgets/window.h"

TApplication& Application() {
    static TApplication application;
    return application;
}

TApplication::TApplication() : title_("Tavrel"), shell_(&platformShell_) {}

TApplication::~TApplication() {
    for (auto& font : fonts_) DeleteObject(font.second);
}

void TApplication::SetShell(TShellServices* shell) { shell_ = shell ? shell : &platformShell_; }

bool TApplication::DispatchWaiting() {
    MSG message;
    bool any = false;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        any = true;
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return any;
        }
        if (mainWindow_ && IsDialogMessageA(mainWindow_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return any;
}

int TApplication::Run() {
    MSG message;
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            Idle();
            WaitMessage();
            continue;
        }
        if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
        if (mainWindow_ && IsDialogMessageA(mainWindow_, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void TApplication::ProcessMessages() {
    DispatchWaiting();
    Idle();
}

void TApplication::Idle() {
    POINT point{};
    if (!GetCursorPos(&point)) return;
    SetHint(HintAt(point));
}

void TApplication::SetHint(const std::string& hint) {
    if (hint == hint_) return;
    hint_ = hint;
    if (OnHint) OnHint();
}

void TApplication::ShowException(const std::exception& error) {
    Shell().ShowMessageBox(mainWindow_, ErrorBoxText(error.what()), title_, MB_OK | MB_ICONERROR);
}

HFONT TApplication::Font(const std::string& face, int characterHeight, bool bold) {
    auto key = std::make_tuple(face, characterHeight, bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HFONT font = CreateFontOf(face.c_str(), characterHeight, bold);
    fonts_[key] = font;
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
