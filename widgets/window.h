#pragma once

#include <windows.h>

#include <functional>
#include <string>

// Position and size of a control, in its parent's client coordinates.
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// A window owned by a C++ object. Every message of every window of the
// program, our own classes and subclassed system controls alike, passes one
// dispatch that stops exceptions before they reach the platform and hands
// them to the application's error display.
class TWindow {
public:
    TWindow() = default;
    TWindow(const TWindow&) = delete;
    TWindow& operator=(const TWindow&) = delete;
    virtual ~TWindow();

    HWND Handle() const { return handle_; }
    // The object of a window that this base made; nullptr for any other
    // window, of this process or another.
    static TWindow* FromHandle(HWND handle);

    // The status-bar hint; empty when the control has none.
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint) { hint_ = std::move(hint); }

    std::string Text() const;
    void SetText(const std::string& text);
    bool Enabled() const;
    virtual void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }
    void Disable() { SetEnabled(false); }
    bool Visible() const;
    void SetVisible(bool visible);
    bool Focused() const;
    void SetFocus();
    void Invalidate();
    // In the parent's pixels.
    TBounds Bounds() const;
    void SetBounds(const TBounds& bounds);
    HWND Parent() const;

    // The pixels per inch the window is laid out and drawn for.
    int Dpi() const { return dpi_; }
    // The same font at other pixels per inch.
    using TFontAt = std::function<HFONT(HFONT font)>;
    // Lays the window out again for the pixels per inch of another screen:
    // its place, when it was given at 96, and its font. A control that
    // measures more than that does it again too.
    virtual void ChangeDpi(int dpi, const TFontAt& fontAt);

protected:
    struct TCreateParams {
        const char* className = nullptr;  // nullptr: the program's own window class
        std::string text;
        DWORD style = 0;
        DWORD exStyle = 0;
        // A child window's place at 96 pixels per inch: it is made at its
        // parent's scale. A top-level window's as it stands.
        TBounds bounds;
        HWND parent = nullptr;
        HMENU menu = nullptr;
    };
    void CreateHandle(const TCreateParams& params);

    // The one message handler of a window; call the base for what is not handled.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The platform's own handling: DefWindowProc, or the system control's procedure.
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);
    // A notification that this control sent to its parent (WM_COMMAND,
    // WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR...), handed back to the control.
    virtual bool HandleNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The event the platform raises for a standard control on WM_SETFOCUS
    // or WM_ENABLE, for a control that answers readers itself; raised by
    // whichever handler handles the message.
    static void RaiseStandardEvent(HWND handle, UINT message);

private:
    static LRESULT CALLBACK OwnClassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    static TWindow* Attached(HWND handle);
    void Attach(HWND handle);
    static LRESULT Dispatch(TWindow* window, UINT message, WPARAM wParam, LPARAM lParam);
    bool ReflectNotification(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool AnswerReader(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void Detach();

    HWND handle_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::string hint_;
    int dpi_ = 96;
    bool placedAt96_ = false;
    TBounds boundsAt96_;
};

// Selects a GDI object into a device context for the life of a scope.
class TSelectObject {
public:
    TSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~TSelectObject() { SelectObject(dc_, old_); }
    TSelectObject(const TSelectObject&) = delete;
    TSelectObject& operator=(const TSelectObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Owns a GDI object (font, brush, pen, bitmap) and deletes it.
template <typename Handle>
class TGdiObject {
public:
    TGdiObject() = default;
    explicit TGdiObject(Handle handle) : handle_(handle) {}
    ~TGdiObject() { Reset(); }
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    TGdiObject(TGdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    TGdiObject& operator=(TGdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    Handle Get() const { return handle_; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using TFont = TGdiObject<HFONT>;
using TBrush = TGdiObject<HBRUSH>;
using TPen = TGdiObject<HPEN>;
using TBitmap = TGdiObject<HBITMAP>;

// The fonts of the window, by face, character height in pixels and weight.
HFONT CreateFontOf(const char* face, int characterHeight, bool bold = false);
