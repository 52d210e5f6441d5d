#include "store/registry.h"

#include "base/exceptions.h"
#include "store/store_platform.h"

#include <vector>

const char* const InvalidDataTypeMessage = "Invalid data type for '%s'";
const char* const FailedToSetDataMessage = "Failed to set data for '%s'";
const char* const FailedToGetDataMessage = "Failed to get data for '%s'";

namespace {

const REGSAM AllAccess = 0xF003F;

[[noreturn]] void Raise(const char* messageTemplate, const std::string& name) {
    throw ERegistryException(FormatText(messageTemplate, name));
}

}  // namespace

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::CloseKey() {
    if (currentKey_) StorePlatform().CloseKey(currentKey_);
    currentKey_ = nullptr;
    currentPath_.clear();
    lastOpenFailed_ = false;
}

void TRegistry::SetRootKey(HKEY root) {
    if (root == root_) return;
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    const bool absolute = !path.empty() && path[0] == '\\';
    const std::string rest = absolute ? path.substr(1) : path;
    const bool relativeToCurrent = !absolute && currentKey_;
    HKEY base = relativeToCurrent ? currentKey_ : root_;

    HKEY key = nullptr;
    LONG result;
    if (canCreate && !rest.empty())
        result = StorePlatform().CreateKey(base, rest.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, AllAccess,
                                           nullptr, &key, nullptr);
    else
        result = StorePlatform().OpenKey(base, rest.empty() ? nullptr : rest.c_str(), 0, AllAccess, &key);
    if (result != ERROR_SUCCESS) {
        lastOpenFailed_ = true;
        return false;
    }

    std::string newPath = relativeToCurrent ? currentPath_ + "\\" + rest : rest;
    CloseKey();  // only now: a relative open needed the old key as its base
    currentKey_ = key;
    currentPath_ = newPath;
    return true;
}

bool TRegistry::ValueExists(const std::string& name) const {
    HKEY key = ValueKey();
    return key && StorePlatform().QueryValue(key, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

int32_t TRegistry::ReadInteger(const std::string& name) const {
    HKEY key = ValueKey();
    // Zero-filled, so that data shorter than four bytes reads with its
    // missing high bytes as 0.
    BYTE data[4] = {0, 0, 0, 0};
    DWORD type = REG_NONE;
    DWORD size = sizeof(data);
    if (!key || StorePlatform().QueryValue(key, name.c_str(), nullptr, &type, data, &size) != ERROR_SUCCESS)
        Raise(FailedToGetDataMessage, name);
    if (type != REG_DWORD) Raise(InvalidDataTypeMessage, name);
    uint32_t value = static_cast<uint32_t>(data[0]) | static_cast<uint32_t>(data[1]) << 8 |
                     static_cast<uint32_t>(data[2]) << 16 | static_cast<uint32_t>(data[3]) << 24;
    return static_cast<int32_t>(value);
}

std::string TRegistry::ReadString(const std::string& name) const {
    HKEY key = ValueKey();
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (!key || StorePlatform().QueryValue(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return "";
    std::vector<BYTE> data(size);
    DWORD copied = size;
    if (StorePlatform().QueryValue(key, name.c_str(), nullptr, &type, data.data(), &copied) != ERROR_SUCCESS)
        Raise(FailedToGetDataMessage, name);
    if (type != REG_SZ && type != REG_EXPAND_SZ) Raise(InvalidDataTypeMessage, name);
    // Within the data's own length, whether or not it holds a terminating zero.
    size_t length = 0;
    while (length < copied && length < data.size() && data[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(data.data()), length);
}

void TRegistry::WriteInteger(const std::string& name, int32_t value) {
    HKEY key = ValueKey();
    DWORD data = static_cast<DWORD>(value);
    if (!key || StorePlatform().SetValue(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                                         sizeof(data)) != ERROR_SUCCESS)
        Raise(FailedToSetDataMessage, name);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    HKEY key = ValueKey();
    if (!key || StorePlatform().SetValue(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                         static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
        Raise(FailedToSetDataMessage, name);
}

bool TRegistry::DeleteValue(const std::string& name) {
    HKEY key = ValueKey();
    return key && StorePlatform().DeleteValue(key, name.c_str()) == ERROR_SUCCESS;
}
