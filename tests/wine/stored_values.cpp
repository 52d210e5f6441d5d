#include "stored_values.h"

#include "harness.h"
#include "windows_9x.h"

#include <cstring>

namespace stored {

TStored Absent() { return {}; }

TStored Dword(DWORD value) {
    std::string data(4, '\0');
    std::memcpy(&data[0], &value, 4);
    return {true, REG_DWORD, data};
}

TStored Sz(const std::string& text) { return {true, REG_SZ, text + '\0'}; }

TStored EntryText(const std::string& text) { return {true, REG_SZ, text}; }

std::string Shorten(const std::string& text) {
    std::string shown;
    for (char character : text.substr(0, 60)) {
        const unsigned char code = static_cast<unsigned char>(character);
        shown += code < 32 || code > 126 ? '?' : character;
    }
    return text.size() > 60 ? shown + "...(" + std::to_string(text.size()) + " bytes)" : shown;
}

std::string Describe(const TStored& stored) {
    if (!stored.Exists) return "absent";
    if (stored.Type == REG_DWORD && stored.Data.size() == 4) {
        DWORD value = 0;
        std::memcpy(&value, stored.Data.data(), 4);
        return "REG_DWORD " + std::to_string(value);
    }
    return "type " + std::to_string(stored.Type) + " \"" + Shorten(stored.Data) + "\"";
}

namespace {

std::string Lower(std::string text) {
    for (char& character : text) character = static_cast<char>(tolower(static_cast<unsigned char>(character)));
    return text;
}

// The whole text, however long: the buffer grows until the text fits.
TStored ReadEntry(const std::string& path, const std::string& section, const std::string& name) {
    static const char* const absent = "\x01<absent>\x01";
    win9x::SettleProfileCache();
    std::vector<char> buffer(4096);
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        DWORD copied =
            GetPrivateProfileStringA(section.c_str(), name.c_str(), absent, buffer.data(), size, path.c_str());
        if (copied + 1 < size) {
            std::string text(buffer.data(), copied);
            return text == absent ? Absent() : EntryText(text);
        }
        buffer.resize(buffer.size() * 8);
    }
}

// The names a key enumerates, one index after the other, with room for
// names of up to `longest` characters.
template <typename Enumerate>
std::vector<std::string> NamesIn(HKEY root, const std::string& path, size_t longest, Enumerate enumerate) {
    std::vector<std::string> names;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str() + 1, 0, KEY_READ, &key) != ERROR_SUCCESS) return names;
    std::vector<char> name(longest + 1);
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        if (enumerate(key, index, name.data(), &length) != ERROR_SUCCESS) break;
        names.emplace_back(name.data(), length);
    }
    RegCloseKey(key);
    return names;
}

std::vector<std::string> SubkeysOf(HKEY root, const std::string& path) {
    return NamesIn(root, path, 255, [](HKEY key, DWORD index, char* name, DWORD* length) {
        return RegEnumKeyExA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

void AddValuesOf(const TPlace& key, TSnapshot& snapshot) {
    for (const std::string& name : ValueNamesOf(key.Root, key.Key)) {
        TPlace other{key.Root, key.Key, "", name};
        if (!snapshot.count(other.Id())) snapshot[other.Id()] = Read(other);
    }
}

void AddTree(const TPlace& tree, TSnapshot& snapshot) {
    AddValuesOf(tree, snapshot);
    for (const std::string& subkey : SubkeysOf(tree.Root, tree.Key))
        AddTree({tree.Root, tree.Key + "\\" + subkey, "", ""}, snapshot);
}

}  // namespace

std::vector<std::string> ValueNamesOf(HKEY root, const std::string& path) {
    return NamesIn(root, path, 16383, [](HKEY key, DWORD index, char* name, DWORD* length) {
        return RegEnumValueA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::string TPlace::Id() const {
    const char* root = Root == HKEY_LOCAL_MACHINE ? "HKLM" : Root == HKEY_CURRENT_USER ? "HKCU" : "file ";
    return root + Lower(Key) + "|" + Lower(Section) + "|" + Lower(Name);
}

TStored Read(const TPlace& place) {
    if (!place.Root) return ReadEntry(place.Key, place.Section, place.Name);
    reg::TValue value = reg::Read(place.Root, place.Key, place.Name);
    if (!value.Exists) return Absent();
    return {true, value.Type, std::string(value.Data.begin(), value.Data.end())};
}

TSnapshot Snapshot(const std::vector<TPlace>& places, const std::vector<TPlace>& trees) {
    TSnapshot snapshot;
    std::map<std::string, TPlace> keys;
    for (const TPlace& place : places) {
        snapshot[place.Id()] = Read(place);
        if (place.Root) keys[TPlace{place.Root, place.Key, "", ""}.Id()] = {place.Root, place.Key, "", ""};
    }
    for (const auto& key : keys) AddValuesOf(key.second, snapshot);
    for (const TPlace& tree : trees) AddTree(tree, snapshot);
    return snapshot;
}

}  // namespace stored
