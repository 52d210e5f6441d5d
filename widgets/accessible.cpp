#include "widgets/accessible.h"

#include "base/later_functions.h"
#include "widgets/caption_text.h"
#include "widgets/control.h"

#include <oleacc.h>
#include <oleidl.h>

#include <new>
#include <string>

namespace {

// oleacc and COM are loaded when a reader first asks, so that a start
// without one pays nothing for them. They stay loaded for the life of the
// process: a reader may hold our objects after any window is gone. Windows
// 95 has oleacc only with Active Accessibility installed; without it the
// controls answer as the plain windows they are.
struct TAccessibilityLibrary {
    decltype(&CreateStdAccessibleObject) CreateStandardObject = nullptr;
    decltype(&LresultFromObject) ResultFromObject = nullptr;
    decltype(&CoInitializeEx) InitializeComEx = nullptr;
    decltype(&CoInitialize) InitializeCom = nullptr;
    decltype(&CoUninitialize) UninitializeCom = nullptr;
    decltype(&SysAllocStringLen) AllocateString = nullptr;
    decltype(&SysFreeString) FreeString = nullptr;

    bool Loaded() const {
        return CreateStandardObject && ResultFromObject && (InitializeComEx || InitializeCom) && UninitializeCom &&
               AllocateString && FreeString;
    }
};

TAccessibilityLibrary LoadAccessibilityLibrary() {
    TAccessibilityLibrary library;
    library.CreateStandardObject =
        LaterFunction<decltype(library.CreateStandardObject)>("oleacc.dll", "CreateStdAccessibleObject");
    library.ResultFromObject = LaterFunction<decltype(library.ResultFromObject)>("oleacc.dll", "LresultFromObject");
    // Windows 95 has CoInitializeEx only with DCOM95; CoInitialize, which
    // every ole32 has, joins the same single-threaded apartment.
    library.InitializeComEx = LaterFunction<decltype(library.InitializeComEx)>("ole32.dll", "CoInitializeEx");
    library.InitializeCom = LaterFunction<decltype(library.InitializeCom)>("ole32.dll", "CoInitialize");
    library.UninitializeCom = LaterFunction<decltype(library.UninitializeCom)>("ole32.dll", "CoUninitialize");
    library.AllocateString = LaterFunction<decltype(library.AllocateString)>("oleaut32.dll", "SysAllocStringLen");
    library.FreeString = LaterFunction<decltype(library.FreeString)>("oleaut32.dll", "SysFreeString");
    return library;
}

const TAccessibilityLibrary& Library() {
    static const TAccessibilityLibrary library = LoadAccessibilityLibrary();
    return library;
}

// The window's thread joins a single-threaded apartment on the first
// question, so that the calls of a reader in another process reach the
// controls on their own thread, between its messages; it leaves the
// apartment when the program ends. A thread already in the multithreaded
// apartment would get the calls on other threads, so it is not answered.
class TApartment {
public:
    ~TApartment() {
        if (joined_) Library().UninitializeCom();
    }
    bool Join() {
        if (!tried_) {
            tried_ = true;
            const TAccessibilityLibrary& library = Library();
            joined_ = SUCCEEDED(library.InitializeComEx ? library.InitializeComEx(nullptr, COINIT_APARTMENTTHREADED)
                                                        : library.InitializeCom(nullptr));
        }
        return joined_;
    }

private:
    bool tried_ = false;
    bool joined_ = false;
};

// The program has one thread. Not thread_local: one with a destructor makes
// the runtime import GetModuleHandleExW, which Windows 98 lacks.
TApartment& Apartment() {
    static TApartment apartment;
    return apartment;
}

// Owns one reference to a COM object.
template <typename Interface>
class TComPtr {
public:
    TComPtr() = default;
    explicit TComPtr(Interface* object) : object_(object) {}
    ~TComPtr() {
        if (object_) object_->Release();
    }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    TComPtr(TComPtr&& other) noexcept : object_(other.object_) { other.object_ = nullptr; }

    Interface* Get() const { return object_; }
    Interface* operator->() const { return object_; }
    void** Out() { return reinterpret_cast<void**>(&object_); }

private:
    Interface* object_ = nullptr;
};

// Converted straight into the string the reader gets: a wide string of the
// C++ library would bring all its wide-string code into the program file.
BSTR StringOf(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return Library().AllocateString(L"", 0);
    BSTR wide = Library().AllocateString(nullptr, static_cast<UINT>(length));
    if (wide) MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide, length);
    return wide;
}

// An empty text is no text, as the standard objects answer.
HRESULT AnswerText(const std::string& text, BSTR* answer) {
    if (!answer) return E_INVALIDARG;
    *answer = nullptr;
    if (text.empty()) return S_FALSE;
    *answer = StringOf(text);
    return *answer ? S_OK : E_OUTOFMEMORY;
}

HRESULT AnswerNumber(long number, VARIANT* answer) {
    if (!answer) return E_INVALIDARG;
    V_VT(answer) = VT_I4;
    V_I4(answer) = number;
    return S_OK;
}

// The client object of a control of ours. It holds the window handle only,
// and finds the control at every call, so that a reader that keeps it after
// the window is gone is told so instead of reaching a destroyed control.
class TAccessibleObject final : public IAccessible, public IOleWindow {
public:
    TAccessibleObject(HWND window, TComPtr<IAccessible> standard)
        : window_(window), standard_(std::move(standard)) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *object = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *object = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleWindow, by which a reader finds the window of an object.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return Ask([&](TAccessibleControl&) { return standard_->GetTypeInfoCount(count); });
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return Ask([&](TAccessibleControl&) { return standard_->GetTypeInfo(index, locale, info); });
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return Ask([&](TAccessibleControl&) { return standard_->GetIDsOfNames(iid, names, count, locale, ids); });
    }
    // Late-bound readers (scripts, automation tools) ask the same properties
    // by number: they get our answers, not the plain standard object's.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        const VARIANT child = ChildArgument(parameters);
        if (flags & DISPATCH_PROPERTYGET) {
            switch (id) {
            case DISPID_ACC_NAME: return TextResult(result, [&](BSTR* text) { return get_accName(child, text); });
            case DISPID_ACC_VALUE: return TextResult(result, [&](BSTR* text) { return get_accValue(child, text); });
            case DISPID_ACC_DESCRIPTION:
                return TextResult(result, [&](BSTR* text) { return get_accDescription(child, text); });
            case DISPID_ACC_HELP: return TextResult(result, [&](BSTR* text) { return get_accHelp(child, text); });
            case DISPID_ACC_KEYBOARDSHORTCUT:
                return TextResult(result, [&](BSTR* text) { return get_accKeyboardShortcut(child, text); });
            case DISPID_ACC_DEFAULTACTION:
                return TextResult(result, [&](BSTR* text) { return get_accDefaultAction(child, text); });
            case DISPID_ACC_ROLE: return VariantResult(result, [&](VARIANT* role) { return get_accRole(child, role); });
            case DISPID_ACC_STATE:
                return VariantResult(result, [&](VARIANT* state) { return get_accState(child, state); });
            case DISPID_ACC_FOCUS: return VariantResult(result, [&](VARIANT* focus) { return get_accFocus(focus); });
            case DISPID_ACC_SELECTION:
                return VariantResult(result, [&](VARIANT* selection) { return get_accSelection(selection); });
            case DISPID_ACC_CHILDCOUNT:
                return VariantResult(result, [&](VARIANT* count) {
                    V_VT(count) = VT_I4;
                    return get_accChildCount(&V_I4(count));
                });
            }
        }
        if ((flags & DISPATCH_METHOD) && id == DISPID_ACC_DODEFAULTACTION) return accDoDefaultAction(child);
        return Ask([&](TAccessibleControl&) {
            return standard_->Invoke(id, iid, locale, flags, parameters, result, exception, argumentError);
        });
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Ask([&](TAccessibleControl&) { return standard_->get_accParent(parent); });
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Ask([&](TAccessibleControl& control) {
            const long items = control.ItemCount();
            if (items == 0) return standard_->get_accChildCount(count);
            if (!count) return E_INVALIDARG;
            *count = items;
            return S_OK;
        });
    }
    // Items are simple elements: they have no object of their own.
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Ask([&](TAccessibleControl& control) {
            long item = 0;
            if (!IsOwnItem(control, child, item) || item == CHILDID_SELF) return standard_->get_accChild(child, object);
            if (!object) return E_INVALIDARG;
            *object = nullptr;
            return S_FALSE;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return AskDescribed(
            child, [&] { return standard_->get_accName(child, name); },
            [&](const TAccessibleInfo& info) { return AnswerText(info.Name, name); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Ask([&](TAccessibleControl& control) {
            return ForControlOnly(control, child, value, [&] { return standard_->get_accValue(child, value); });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Ask([&](TAccessibleControl& control) {
            return ForControlOnly(control, child, description,
                                  [&] { return standard_->get_accDescription(child, description); });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return AskDescribed(
            child, [&] { return standard_->get_accRole(child, role); },
            [&](const TAccessibleInfo& info) { return AnswerNumber(info.Role, role); });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return AskDescribed(
            child, [&] { return standard_->get_accState(child, state); },
            [&](const TAccessibleInfo& info) { return AnswerNumber(info.State, state); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Ask([&](TAccessibleControl& control) {
            return ForControlOnly(control, child, help, [&] { return standard_->get_accHelp(child, help); });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Ask([&](TAccessibleControl& control) {
            return ForControlOnly(control, child, file,
                                  [&] { return standard_->get_accHelpTopic(file, child, topic); });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Ask([&](TAccessibleControl& control) {
            return ForControlOnly(control, child, shortcut,
                                  [&] { return standard_->get_accKeyboardShortcut(child, shortcut); });
        });
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Ask([&](TAccessibleControl& control) {
            const long item = control.SelectedItem();
            if (item == 0 || GetFocus() != window_) return standard_->get_accFocus(focus);
            return AnswerNumber(item, focus);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Ask([&](TAccessibleControl& control) {
            const long item = control.SelectedItem();
            if (item == 0) return standard_->get_accSelection(selection);
            return AnswerNumber(item, selection);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return AskDescribed(
            child, [&] { return standard_->get_accDefaultAction(child, action); },
            [&](const TAccessibleInfo& info) { return AnswerText(info.DefaultAction, action); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Ask([&](TAccessibleControl&) { return standard_->accSelect(flags, child); });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return Ask([&](TAccessibleControl& control) {
            long item = 0;
            if (!IsOwnItem(control, child, item) || item == CHILDID_SELF)
                return standard_->accLocation(left, top, width, height, child);
            RECT rect{};
            if (!left || !top || !width || !height) return E_INVALIDARG;
            if (!control.ItemRect(item, rect)) return S_FALSE;
            *left = rect.left;
            *top = rect.top;
            *width = rect.right - rect.left;
            *height = rect.bottom - rect.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Ask([&](TAccessibleControl&) { return standard_->accNavigate(direction, start, end); });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override {
        return Ask([&](TAccessibleControl& control) {
            const long item = control.ItemAt({x, y});
            if (item == 0) return standard_->accHitTest(x, y, child);
            return AnswerNumber(item, child);
        });
    }
    // Checked now, so that the reader hears of an action that cannot run
    // (disabled, or hidden on a page not shown);
    // run later, from the control's queue, as a click is.
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Ask([&](TAccessibleControl& control) {
            long item = 0;
            if (!IsOwnItem(control, child, item)) return standard_->accDoDefaultAction(child);
            const TAccessibleInfo info = control.Describe(item);
            const long refused = STATE_SYSTEM_UNAVAILABLE | STATE_SYSTEM_INVISIBLE;
            if (info.DefaultAction.empty() || (info.State & refused)) return DISP_E_MEMBERNOTFOUND;
            return PostMessageA(window_, DoDefaultActionMessage, static_cast<WPARAM>(item), 0) ? S_OK : E_FAIL;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return Ask([&](TAccessibleControl&) { return standard_->put_accName(child, name); });
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Ask([&](TAccessibleControl&) { return standard_->put_accValue(child, value); });
    }

private:
    ~TAccessibleObject() = default;

    // A reader's call comes through the platform's stub, which no error may
    // cross: one that escapes an answer becomes the call's result.
    // One of our items answers from its description; anything else is the
    // standard object's.
    template <typename Standard, typename Answer>
    HRESULT AskDescribed(const VARIANT& child, Standard standard, Answer answer) const {
        return Ask([&](TAccessibleControl& control) {
            long item = 0;
            if (!IsOwnItem(control, child, item)) return standard();
            return answer(control.Describe(item));
        });
    }

    template <typename Answer>
    HRESULT Ask(Answer answer) const {
        auto* control = dynamic_cast<TAccessibleControl*>(TWindow::FromHandle(window_));
        if (!control) return CO_E_OBJNOTCONNECTED;
        try {
            return answer(*control);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_FAIL;
        }
    }

    // Whether a child id names the control or one of its own items; any
    // other is left to the standard object (child windows, or an error).
    static bool IsOwnItem(const TAccessibleControl& control, const VARIANT& child, long& item) {
        if (V_VT(&child) != VT_I4) return false;
        item = V_I4(&child);
        return item == CHILDID_SELF || (item > 0 && item <= control.ItemCount());
    }

    // Texts that only the control as a whole has; its items have none.
    template <typename Standard>
    static HRESULT ForControlOnly(const TAccessibleControl& control, const VARIANT& child, BSTR* text,
                                  Standard standard) {
        long item = 0;
        if (!IsOwnItem(control, child, item) || item == CHILDID_SELF) return standard();
        return AnswerText(std::string(), text);
    }

    // The child id of a late-bound call; none given means the control itself.
    static VARIANT ChildArgument(const DISPPARAMS* parameters) {
        VARIANT child{};
        V_VT(&child) = VT_I4;
        V_I4(&child) = CHILDID_SELF;
        if (parameters && parameters->cArgs > 0 && V_VT(&parameters->rgvarg[0]) == VT_I4) child = parameters->rgvarg[0];
        return child;
    }

    template <typename Get>
    static HRESULT VariantResult(VARIANT* result, Get get) {
        VARIANT answer{};
        const HRESULT got = get(&answer);
        if (result) *result = answer;
        return got;
    }

    template <typename Get>
    static HRESULT TextResult(VARIANT* result, Get get) {
        BSTR text = nullptr;
        const HRESULT got = get(&text);
        if (!result) {
            if (text) Library().FreeString(text);
            return got;
        }
        V_VT(result) = text ? VT_BSTR : VT_EMPTY;
        if (text) V_BSTR(result) = text;
        return got;
    }

    HWND window_;
    TComPtr<IAccessible> standard_;
    LONG references_ = 1;
};

bool IsClientObject(LPARAM objectId) {
    return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT);
}

}  // namespace

LRESULT AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId) {
    if (!IsClientObject(objectId)) return 0;
    const TAccessibilityLibrary& library = Library();
    if (!library.Loaded() || !Apartment().Join()) return 0;
    TComPtr<IAccessible> standard;
    if (FAILED(library.CreateStandardObject(window, OBJID_CLIENT, __uuidof(IAccessible), standard.Out())) ||
        !standard.Get())
        return 0;
    auto* created = new (std::nothrow) TAccessibleObject(window, std::move(standard));
    if (!created) return 0;
    TComPtr<IAccessible> object(created);
    return library.ResultFromObject(__uuidof(IAccessible), flags, object.Get());
}

// Windows 95 and NT 4 raise no events: their readers ask again instead.
void NotifyAccessible(DWORD event, HWND window, long item) {
    using TNotifyWinEvent = void(WINAPI*)(DWORD, HWND, LONG, LONG);
    auto notify = LaterFunction<TNotifyWinEvent>("user32.dll", "NotifyWinEvent");
    if (window && notify) notify(event, window, OBJID_CLIENT, item);
}

TAccessibleInfo StaticTextInfo(HWND window, const std::string& caption) {
    return {ROLE_SYSTEM_STATICTEXT, WithoutAccelerator(caption), WindowState(window, false) | STATE_SYSTEM_READONLY,
            ""};
}

long WindowState(HWND window, bool takesFocus) {
    long state = 0;
    if (!IsWindowVisible(window)) state |= STATE_SYSTEM_INVISIBLE;
    if (!EnabledUpToTop(window)) return state | STATE_SYSTEM_UNAVAILABLE;
    if (takesFocus) state |= STATE_SYSTEM_FOCUSABLE;
    if (takesFocus && GetFocus() == window) state |= STATE_SYSTEM_FOCUSED;
    return state;
}
