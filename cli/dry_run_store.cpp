#include "cli/dry_run_store.h"

#include "base/exceptions.h"
#include "cli/text.h"
#include "store/store_platform.h"

#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct TValue {
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;
};

// What a dry run has written; nullopt marks a deletion.
struct TOverlay {
    TStorePlatform Real;
    std::map<HKEY, std::pair<HKEY, std::string>> Keys;  // our handle -> root, path below it
    std::vector<std::pair<HKEY, std::string>> CreatedKeys;
    std::map<std::string, std::optional<TValue>> Values;        // "root\path\name", lower case
    std::map<std::string, std::optional<std::string>> Entries;  // "file[section]entry", lower case
    UINT_PTR NextHandle = 0x1000;
};

// The platform's calls take no context, so the overlay in force is found here.
std::unique_ptr<TOverlay> overlay;

std::pair<HKEY, std::string> Place(HKEY key) {
    auto found = overlay->Keys.find(key);
    if (found != overlay->Keys.end()) return found->second;
    return {key, ""};
}

std::string Joined(const std::string& path, const char* below) {
    if (!below || !*below) return path;
    return path.empty() ? below : path + "\\" + below;
}

std::string ValueName(HKEY key, const char* name) {
    auto [root, path] = Place(key);
    return LowerCase(std::to_string(reinterpret_cast<UINT_PTR>(root)) + "\\" + path + "\\" + (name ? name : ""));
}

bool RealKeyExists(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (overlay->Real.OpenKey(root, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return false;
    overlay->Real.CloseKey(key);
    return true;
}

bool KeyExists(HKEY root, const std::string& path) {
    for (const auto& created : overlay->CreatedKeys)
        if (created.first == root && LowerCase(created.second) == LowerCase(path)) return true;
    return RealKeyExists(root, path);
}

HKEY Handed(HKEY root, const std::string& path) {
    HKEY handle = reinterpret_cast<HKEY>(overlay->NextHandle);
    overlay->NextHandle += 4;
    overlay->Keys[handle] = {root, path};
    return handle;
}

LONG WINAPI CreateKey(HKEY base, LPCSTR below, DWORD, LPSTR, DWORD, REGSAM, const LPSECURITY_ATTRIBUTES, PHKEY result,
                      LPDWORD) {
    auto [root, path] = Place(base);
    path = Joined(path, below);
    if (!KeyExists(root, path)) overlay->CreatedKeys.emplace_back(root, path);
    *result = Handed(root, path);
    return ERROR_SUCCESS;
}

LONG WINAPI OpenKey(HKEY base, LPCSTR below, DWORD, REGSAM, PHKEY result) {
    auto [root, path] = Place(base);
    path = Joined(path, below);
    if (!KeyExists(root, path)) return ERROR_FILE_NOT_FOUND;
    *result = Handed(root, path);
    return ERROR_SUCCESS;
}

LONG Copied(const TValue& value, LPDWORD type, LPBYTE data, LPDWORD size) {
    if (type) *type = value.Type;
    const DWORD needed = static_cast<DWORD>(value.Data.size());
    if (!size) return ERROR_SUCCESS;
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data && needed) std::memcpy(data, value.Data.data(), needed);
    *size = needed;
    return ERROR_SUCCESS;
}

LONG WINAPI QueryValue(HKEY key, LPCSTR name, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD size) {
    auto written = overlay->Values.find(ValueName(key, name));
    if (written != overlay->Values.end())
        return written->second ? Copied(*written->second, type, data, size) : ERROR_FILE_NOT_FOUND;
    auto [root, path] = Place(key);
    HKEY real = nullptr;
    if (overlay->Real.OpenKey(root, path.c_str(), 0, KEY_QUERY_VALUE, &real) != ERROR_SUCCESS)
        return ERROR_FILE_NOT_FOUND;
    LONG result = overlay->Real.QueryValue(real, name, nullptr, type, data, size);
    overlay->Real.CloseKey(real);
    return result;
}

LONG WINAPI SetValue(HKEY key, LPCSTR name, DWORD, DWORD type, const BYTE* data, DWORD size) {
    overlay->Values[ValueName(key, name)] = TValue{type, std::vector<BYTE>(data, data + size)};
    return ERROR_SUCCESS;
}

LONG WINAPI DeleteValue(HKEY key, LPCSTR name) {
    bool existed = QueryValue(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    overlay->Values[ValueName(key, name)] = std::nullopt;
    return existed ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG WINAPI CloseKey(HKEY key) {
    overlay->Keys.erase(key);
    return ERROR_SUCCESS;
}

std::string EntryName(LPCSTR section, LPCSTR entry, LPCSTR file) {
    return LowerCase(std::string(file ? file : "") + "[" + (section ? section : "") + "]" + (entry ? entry : ""));
}

DWORD WINAPI ReadProfileString(LPCSTR section, LPCSTR entry, LPCSTR defaultText, LPSTR buffer, DWORD size,
                               LPCSTR file) {
    auto written = overlay->Entries.find(EntryName(section, entry, file));
    if (written == overlay->Entries.end() || !section || !entry)
        return overlay->Real.ReadProfileString(section, entry, defaultText, buffer, size, file);
    if (size == 0) return 0;
    const std::string text = written->second ? *written->second : std::string(defaultText ? defaultText : "");
    const DWORD copied = static_cast<DWORD>(text.size() < size ? text.size() : size - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return copied;
}

BOOL WINAPI WriteProfileString(LPCSTR section, LPCSTR entry, LPCSTR value, LPCSTR file) {
    if (!section || !entry) return TRUE;  // whole sections are never written
    overlay->Entries[EntryName(section, entry, file)] =
        value ? std::optional<std::string>(value) : std::optional<std::string>();
    return TRUE;
}

BOOL WINAPI SetAttributes(LPCSTR, DWORD) { return TRUE; }

}  // namespace

TDryRunStore::TDryRunStore() {
    if (overlay) throw Exception("A dry run is already in progress");
    overlay = std::make_unique<TOverlay>();
    overlay->Real = StorePlatform();
    TStorePlatform& platform = StorePlatform();
    platform.CreateKey = &CreateKey;
    platform.OpenKey = &OpenKey;
    platform.QueryValue = &QueryValue;
    platform.SetValue = &SetValue;
    platform.DeleteValue = &DeleteValue;
    platform.CloseKey = &CloseKey;
    platform.ReadProfileString = &ReadProfileString;
    platform.WriteProfileString = &WriteProfileString;
    platform.SetAttributes = &SetAttributes;
}

TDryRunStore::~TDryRunStore() {
    StorePlatform() = overlay->Real;
    overlay.reset();
}
