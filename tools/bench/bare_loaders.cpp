#include "bare_loaders.h"

#include "option_root.h"
#include "pages/key_paths.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace bare {
namespace {

const REGSAM AllAccess = 0xF003F;
const DWORD EntryBufferSize = 2048;

int calls = 0;

// Key paths are kept with a leading "\" (absolute); the platform takes them without.
HKEY CreateKey(HKEY root, const char* path) {
    ++calls;
    HKEY key = nullptr;
    RegCreateKeyExA(root, path + 1, 0, nullptr, REG_OPTION_NON_VOLATILE, AllAccess, nullptr, &key, nullptr);
    return key;
}

void CloseKey(HKEY key) {
    ++calls;
    RegCloseKey(key);
}

// As a loader moves on: the next key is opened before the last is closed.
HKEY MoveTo(HKEY root, HKEY last, const char* path) {
    HKEY key = CreateKey(root, path);
    CloseKey(last);
    return key;
}

bool Exists(HKEY key, const char* name) {
    ++calls;
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD ReadDword(HKEY key, const char* name) {
    ++calls;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    return data;
}

void WriteDword(HKEY key, const char* name, DWORD value) {
    ++calls;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

// The size first, then the data; the empty string when there is none.
void ReadString(HKEY key, const char* name, char* buffer, DWORD bufferSize) {
    buffer[0] = 0;
    DWORD type = REG_NONE;
    DWORD size = 0;
    ++calls;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) return;
    if (size > bufferSize - 1) size = bufferSize - 1;
    ++calls;
    RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    buffer[size] = 0;
}

void WriteString(HKEY key, const char* name, const char* value) {
    ++calls;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
}

// One option box: the stored value read, or the missing one created.
void Flag(HKEY key, const char* name, DWORD missingDefault) {
    if (Exists(key, name))
        ReadDword(key, name);
    else
        WriteDword(key, name, missingDefault);
}

void TextFlag(HKEY key, const char* name, const char* missingText) {
    char text[EntryBufferSize];
    if (Exists(key, name))
        ReadString(key, name, text, sizeof(text));
    else
        WriteString(key, name, missingText);
}

void Profile(const char* file, const char* section, const char* entry, const char* defaultText) {
    ++calls;
    char text[EntryBufferSize];
    GetPrivateProfileStringA(section, entry, defaultText, text, EntryBufferSize, file);
}

// What the loader does before it reads a profile file: 9x's cached copy
// written and dropped.
void Flush(const char* file) {
    ++calls;
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file);
}

void SetAttributes(const char* path, DWORD attributes) {
    ++calls;
    SetFileAttributesA(path, attributes);
}

// The boot file as the loader names it, its attributes cleared.
std::string OpenBootFile() {
    char file[MAX_PATH + 16];
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, SetupKey);
    ReadString(key, "BootDir", file, MAX_PATH);
    CloseKey(key);
    if (file[0] == 0) strcpy(file, BootDrive);
    strcat(file, "msdos.sys");
    Flush(file);
    SetAttributes(file, 0);
    return file;
}

// A loader's registry key, kept open while the next values stand under it.
class TOpenKey {
public:
    HKEY For(const options::TStore& store) {
        if (!key_ || store.Where != where_ || store.Key != path_) {
            key_ = key_ ? MoveTo(options::RootOf(store), key_, store.Key.c_str())
                 : CreateKey(options::RootOf(store), store.Key.c_str());
            where_ = store.Where;
            path_ = store.Key;
        }
        return key_;
    }
    void Close() {
        if (key_) CloseKey(key_);
        key_ = nullptr;
    }

private:
    HKEY key_ = nullptr;
    std::string where_, path_;
};

void ReadValue(TOpenKey& key, const options::TStore& store, bool& noticeStored) {
    const char* name = store.LoaderName.c_str();
    if (store.TakesAnEditsText()) {
        // The notice's text is read only beside a stored caption.
        HKEY open = key.For(store);
        if (store.Ticked == "@dialogcaption") noticeStored = Exists(open, name);
        char text[EntryBufferSize];
        if (noticeStored) ReadString(open, name, text, sizeof(text));
    } else if (store.IsText()) {
        TextFlag(key.For(store), name, store.Missing.c_str());
    } else {
        Flag(key.For(store), name, options::Number(store.Missing));
    }
}

// Each page's values, read once from the table, before anything is timed.
const std::vector<options::TStore>& StoresOf(int page) {
    static std::vector<std::vector<options::TStore>> pages;
    if (pages.empty())
        for (int number = 0; number <= 13; ++number) pages.push_back(options::StoresReadBy(number));
    return pages.at(page);
}

}  // namespace

int CallCount() { return calls; }
void ResetCallCount() { calls = 0; }

void Prepare() { StoresOf(0); }

void Loader(int page) {
    TOpenKey key;
    std::string bootFile;
    bool controlIniFlushed = false;
    bool noticeStored = false;
    for (const options::TStore& store : StoresOf(page)) {
        if (store.InRegistry()) {
            ReadValue(key, store, noticeStored);
            continue;
        }
        key.Close();
        const bool boot = store.Where == "msdos.sys";
        if (boot && bootFile.empty()) bootFile = OpenBootFile();
        if (!boot && !controlIniFlushed) {
            Flush(store.Where.c_str());
            controlIniFlushed = true;
        }
        // control.ini's applets are read with a default no entry holds.
        Profile(boot ? bootFile.c_str() : store.Where.c_str(), store.Key.c_str(), store.LoaderName.c_str(),
                boot ? store.Missing.c_str() : "error");
    }
    key.Close();
}

}  // namespace bare
