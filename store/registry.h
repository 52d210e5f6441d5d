#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// A registry root plus at most one open key, the current key, on which every
// value operation acts. Lives for one handler or one page loader; the
// destructor closes the current key.
class TRegistry {
public:
    TRegistry() = default;
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // A different root closes the current key; the same root keeps it open.
    void SetRootKey(HKEY root);

    // Opens (or with canCreate creates) the key and makes it current. A path
    // starting with "\" is absolute, any other is relative to the current key.
    // A failed open changes nothing and returns false.
    bool OpenKey(const std::string& path, bool canCreate);
    const std::string& CurrentPath() const { return currentPath_; }
    bool HasCurrentKey() const { return currentKey_ != nullptr; }

    bool ValueExists(const std::string& name) const;
    int32_t ReadInteger(const std::string& name) const;
    std::string ReadString(const std::string& name) const;
    void WriteInteger(const std::string& name, int32_t value);
    void WriteString(const std::string& name, const std::string& value);
    bool DeleteValue(const std::string& name);

private:
    void CloseKey();
    // The key value operations act on; none while no key is open, and none
    // after a failed open, so that they never reach a key other than the one
    // last named.
    HKEY ValueKey() const { return lastOpenFailed_ ? nullptr : currentKey_; }

    HKEY root_ = HKEY_CURRENT_USER;
    HKEY currentKey_ = nullptr;
    std::string currentPath_;
    bool lastOpenFailed_ = false;
};

// The registry's message templates.
extern const char* const InvalidDataTypeMessage;
extern const char* const FailedToSetDataMessage;
extern const char* const FailedToGetDataMessage;
