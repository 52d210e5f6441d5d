// A screen reader for the tests: reads windows of another process through
// the platform's accessibility interface, as assistive technology does, and
// writes one line per command to the output file.
//
//   accessible_reader OUTPUT COMMAND...
//   read:HWND:ITEM    HRESULT role state children name action (tab-separated)
//   late:HWND:ITEM    the same, asked through IDispatch::Invoke as script
//                     readers ask
//   do:HWND:ITEM      HRESULT of accDoDefaultAction
//   where:HWND:ITEM   HRESULT left top width height of accLocation
//   hit:HWND:X:Y      HRESULT and the child id that accHitTest finds at a screen point
//   focus:HWND        HRESULT and the child id of get_accFocus
//
// HWND is the window handle as a decimal number; ITEM 0 is the window's
// client object itself.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Owns one reference to a COM object.
class TAccessiblePtr {
public:
    ~TAccessiblePtr() {
        if (object_) object_->Release();
    }
    IAccessible* operator->() const { return object_; }
    IAccessible& operator*() const { return *object_; }
    void** Out() { return reinterpret_cast<void**>(&object_); }

private:
    IAccessible* object_ = nullptr;
};

class TString {
public:
    ~TString() { SysFreeString(text_); }
    BSTR* Out() { return &text_; }
    std::string Ansi() const {
        if (!text_) return "";
        char buffer[1024] = {};
        WideCharToMultiByte(CP_ACP, 0, text_, -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
        return buffer;
    }

private:
    BSTR text_ = nullptr;
};

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator)) parts.push_back(part);
    return parts;
}

HWND WindowOf(const std::string& number) {
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(std::strtoull(number.c_str(), nullptr, 10)));
}

VARIANT Child(long item) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = item;
    return child;
}

std::string Hex(long value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%lx", static_cast<unsigned long>(value));
    return text;
}

long NumberOf(const VARIANT& value) { return value.vt == VT_I4 ? value.lVal : -1; }

std::string Read(IAccessible& object, long item) {
    VARIANT child = Child(item);
    VARIANT role, state;
    VariantInit(&role);
    VariantInit(&state);
    long children = -1;
    TString name, action;
    const HRESULT roleResult = object.get_accRole(child, &role);
    object.get_accState(child, &state);
    object.get_accChildCount(&children);
    object.get_accName(child, name.Out());
    object.get_accDefaultAction(child, action.Out());
    return Hex(roleResult) + "\t" + std::to_string(NumberOf(role)) + "\t" + Hex(NumberOf(state)) + "\t" +
           std::to_string(item == 0 ? children : -1) + "\t" + name.Ansi() + "\t" + action.Ansi();
}

// One property through IDispatch, by its number; the child as its argument
// where it takes one.
HRESULT GetLate(IAccessible& object, DISPID property, long item, VARIANT& result) {
    VARIANT child = Child(item);
    DISPPARAMS parameters{&child, nullptr, 1, 0};
    if (property == DISPID_ACC_CHILDCOUNT) parameters.cArgs = 0;
    VariantInit(&result);
    return object.Invoke(property, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &parameters, &result,
                         nullptr, nullptr);
}

std::string LateText(IAccessible& object, DISPID property, long item) {
    VARIANT result;
    GetLate(object, property, item, result);
    TString text;
    if (result.vt == VT_BSTR) *text.Out() = result.bstrVal;
    else VariantClear(&result);
    return text.Ansi();
}

long LateNumber(IAccessible& object, DISPID property, long item, HRESULT* got = nullptr) {
    VARIANT result;
    const HRESULT invoked = GetLate(object, property, item, result);
    if (got) *got = invoked;
    const long number = NumberOf(result);
    VariantClear(&result);
    return number;
}

std::string ReadLate(IAccessible& object, long item) {
    HRESULT roleResult = S_OK;
    const long role = LateNumber(object, DISPID_ACC_ROLE, item, &roleResult);
    const long state = LateNumber(object, DISPID_ACC_STATE, item);
    const long children = LateNumber(object, DISPID_ACC_CHILDCOUNT, item);
    return Hex(roleResult) + "\t" + std::to_string(role) + "\t" + Hex(state) + "\t" +
           std::to_string(item == 0 ? children : -1) + "\t" + LateText(object, DISPID_ACC_NAME, item) + "\t" +
           LateText(object, DISPID_ACC_DEFAULTACTION, item);
}

std::string Where(IAccessible& object, long item) {
    long left = 0, top = 0, width = 0, height = 0;
    const HRESULT result = object.accLocation(&left, &top, &width, &height, Child(item));
    return Hex(result) + "\t" + std::to_string(left) + "\t" + std::to_string(top) + "\t" + std::to_string(width) +
           "\t" + std::to_string(height);
}

std::string Found(HRESULT result, VARIANT& found) {
    const std::string line = Hex(result) + "\t" + std::to_string(NumberOf(found));
    VariantClear(&found);
    return line;
}

std::string Run(const std::string& command) {
    const std::vector<std::string> parts = Split(command, ':');
    if (parts.size() < 2) return "bad command";
    TAccessiblePtr object;
    const HRESULT got =
        AccessibleObjectFromWindow(WindowOf(parts[1]), OBJID_CLIENT, __uuidof(IAccessible), object.Out());
    if (FAILED(got)) return Hex(got);
    const long item = parts.size() > 2 ? std::atol(parts[2].c_str()) : 0;
    if (parts[0] == "read") return Read(*object, item);
    if (parts[0] == "late") return ReadLate(*object, item);
    if (parts[0] == "do") return Hex(object->accDoDefaultAction(Child(item)));
    if (parts[0] == "where") return Where(*object, item);
    VARIANT found;
    VariantInit(&found);
    if (parts[0] == "hit" && parts.size() > 3)
        return Found(object->accHitTest(std::atol(parts[2].c_str()), std::atol(parts[3].c_str()), &found), found);
    if (parts[0] == "focus") return Found(object->get_accFocus(&found), found);
    return "bad command";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    CoInitialize(nullptr);
    std::string lines;
    for (int command = 2; command < argc; ++command) lines += Run(argv[command]) + "\n";
    CoUninitialize();
    FILE* output = std::fopen(argv[1], "w");
    if (!output) return 3;
    std::fputs(lines.c_str(), output);
    std::fclose(output);
    return 0;
}
