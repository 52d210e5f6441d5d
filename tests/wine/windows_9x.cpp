#include "windows_9x.h"

#include "app/application.h"
#include "base/later_functions.h"
#include "cli/text.h"
#include "store/store_platform.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

namespace win9x {

const char* const PersonalityVariable = "TAVREL_PERSONALITY";

// Windows 95 exports none of the functions of later Windows: InitCommonControlsEx
// and the flat scroll bar came with comctl32 4.70 and 4.71 (Internet
// Explorer 3 and 4), NotifyWinEvent with Windows 98 ("Calling Active
// Accessibility APIs": 95's user32 lacks it), AddFontResourceExA with Windows
// 2000, CoInitializeEx with DCOM95, GetDpiForSystem and GetDpiForWindow with
// Windows 10 (their documentation's requirements). oleacc
// is there: Active Accessibility installed, or no reader could ask at all.
const std::vector<TLaterFunction>& LaterFunctions() {
    static const std::vector<TLaterFunction> functions = {
        {"InitCommonControlsEx", false},      {"InitCommonControls", true},
        {"InitializeFlatSB", false},          {"FlatSB_SetScrollProp", false},
        {"NotifyWinEvent", false},            {"AddFontResourceExA", false},
        {"CreateStdAccessibleObject", true},  {"LresultFromObject", true},
        {"CoInitializeEx", false},            {"CoInitialize", true},
        {"CoUninitialize", true},             {"SysAllocStringLen", true},
        {"SysFreeString", true},              {"GetDpiForWindow", false},
        {"GetDpiForSystem", false},
    };
    return functions;
}

bool Active() {
    const char* personality = std::getenv(PersonalityVariable);
    return personality && std::string(personality) == "win9x";
}

namespace {

// The profile cache of Windows 95 and 98 ("WritePrivateProfileString":
// "the system keeps a cached version of the most recent registry file ...
// To flush the cache, call with all three parameters set to NULL"; that
// call returns zero). One file at a time is held: what was read of it and
// every write since, which reach the disk when the cache is written back:
// at the flush, when another file is used, or whenever 9x chooses. A write
// back into a read-only file is lost without a word, as 9x's is.
class TProfileCache {
public:
    DWORD Read(LPCSTR section, LPCSTR entry, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR file) {
        if (!section || !entry) {  // a list of names: the disk after a write back
            WriteBack();
            values_.clear();
            return GetPrivateProfileStringA(section, entry, defaultText, buffer, size, file);
        }
        Use(file);
        const std::string key = Key(section, entry);
        if (!values_.count(key)) values_[key] = ReadFromDisk(section, entry, file);
        const std::string text = values_[key] ? *values_[key] : (defaultText ? defaultText : "");
        if (size == 0) return 0;
        const DWORD copied = std::min<DWORD>(static_cast<DWORD>(text.size()), size - 1);
        std::copy(text.begin(), text.begin() + copied, buffer);
        buffer[copied] = '\0';
        return copied;
    }

    BOOL Write(LPCSTR section, LPCSTR entry, LPCSTR value, LPCSTR file) {
        if (!section && !entry && !value) {
            if (file && Same(file, file_)) Forget(true);
            return FALSE;
        }
        if (!entry) {  // a whole section removed: on the disk, after a write back
            Forget(true);
            return WritePrivateProfileStringA(section, entry, value, file);
        }
        Use(file);
        std::optional<std::string> written;
        if (value) written = value;
        values_[Key(section, entry)] = written;
        pending_.push_back({section, entry, written});
        return TRUE;
    }

    void WriteBack() {
        const DWORD attributes = GetFileAttributesA(file_.c_str());
        const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
        if (!readOnly)
            for (const TWrite& write : pending_)
                WritePrivateProfileStringA(write.Section.c_str(), write.Entry.c_str(),
                                           write.Value ? write.Value->c_str() : nullptr, file_.c_str());
        pending_.clear();
    }

    void Forget(bool writeBackFirst) {
        if (writeBackFirst) WriteBack();
        pending_.clear();
        values_.clear();
        file_.clear();
    }

private:
    struct TWrite {
        std::string Section;
        std::string Entry;
        std::optional<std::string> Value;
    };

    static bool Same(const std::string& left, const std::string& right) { return LowerCase(left) == LowerCase(right); }
    static std::string Key(LPCSTR section, LPCSTR entry) { return LowerCase(section) + "\n" + LowerCase(entry); }

    static std::optional<std::string> ReadFromDisk(LPCSTR section, LPCSTR entry, LPCSTR file) {
        const char* const absent = "\x01" "absent";
        std::string text(65536, '\0');
        const DWORD copied =
            GetPrivateProfileStringA(section, entry, absent, &text[0], static_cast<DWORD>(text.size()), file);
        text.resize(copied);
        if (text == absent) return std::nullopt;
        return text;
    }

    void Use(LPCSTR file) {
        if (Same(file, file_)) return;
        Forget(true);
        file_ = file;
    }

    std::string file_;
    std::map<std::string, std::optional<std::string>> values_;
    std::vector<TWrite> pending_;
};

TProfileCache& ProfileCache() {
    static TProfileCache cache;
    return cache;
}

DWORD WINAPI CachedRead(LPCSTR section, LPCSTR entry, LPCSTR defaultText, LPSTR buffer, DWORD size, LPCSTR file) {
    return ProfileCache().Read(section, entry, defaultText, buffer, size, file);
}

BOOL WINAPI CachedWrite(LPCSTR section, LPCSTR entry, LPCSTR value, LPCSTR file) {
    return ProfileCache().Write(section, entry, value, file);
}

// The up-down control of comctl32 before 4.71 knows only the 16-bit range
// and position ("UDM_SETRANGE32", "UDM_GETRANGE32": comctl32 4.71;
// "UDM_SETPOS32", "UDM_GETPOS32": 5.80); a message it does not know does
// nothing and returns 0.
const char* const FirstProcedure = "TavrelTestsUpDownProcedure";

LRESULT CALLBACK UpDownBefore471(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto first = reinterpret_cast<WNDPROC>(GetPropA(window, FirstProcedure));
    switch (message) {
    case UDM_SETRANGE32:
    case UDM_GETRANGE32:
    case UDM_SETPOS32:
    case UDM_GETPOS32:
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(first));
        RemovePropA(window, FirstProcedure);
        break;
    }
    return CallWindowProcA(first, window, message, wParam, lParam);
}

// The parent that message-only windows get: Wine hands the hook that one,
// not HWND_MESSAGE.
HWND MessageOnlyParent() {
    static HWND parent = [] {
        HWND probe = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        HWND found = GetAncestor(probe, GA_PARENT);
        DestroyWindow(probe);
        return found;
    }();
    return parent;
}

HHOOK creationHook = nullptr;

// Message-only windows came with Windows 2000 ("Message-Only Windows";
// CreateWindowEx: "HWND_MESSAGE ... Windows 2000"): 95, 98, ME and NT 4
// create none. Only the program's own are refused: this Wine's libraries
// (COM's apartment window) make theirs as the Windows they copy does.
// Up-downs are made as comctl32 before 4.71 makes them.
LRESULT CALLBACK CreateAsWindows95(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        HWND window = reinterpret_cast<HWND>(wParam);
        const CREATESTRUCTA& creation = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        const bool messageOnly =
            creation.hwndParent == HWND_MESSAGE || (creation.hwndParent && creation.hwndParent == MessageOnlyParent());
        if (messageOnly && creation.hInstance == GetModuleHandleA(nullptr)) return 1;
        char className[64] = {};
        GetClassNameA(window, className, sizeof(className));
        if (LowerCase(className) == LowerCase(UPDOWN_CLASSA)) {
            SetPropA(window, FirstProcedure, reinterpret_cast<HANDLE>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&UpDownBefore471));
        }
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

}  // namespace

void Install() {
    // Windows 95 has the bitmap "MS Sans Serif" installed; a Wine whose
    // packaging misses its font folder has it only by the program's private
    // load, made here before that load goes missing.
    Application().Font("MS Sans Serif", 11);
    for (const TLaterFunction& function : LaterFunctions())
        if (!function.OnWindows95) TreatAsMissing(function.Name);
    MessageOnlyParent();  // found before the hook refuses the probe
    creationHook = SetWindowsHookExA(WH_CBT, &CreateAsWindows95, nullptr, GetCurrentThreadId());
    StorePlatform().ReadProfileString = &CachedRead;
    StorePlatform().WriteProfileString = &CachedWrite;
}

void SettleProfileCache() {
    if (Active()) ProfileCache().WriteBack();
}

void ForgetProfileCache() {
    if (Active()) ProfileCache().Forget(false);
}

}  // namespace win9x
