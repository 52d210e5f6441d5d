#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace stored {

// What is stored in a registry value or a profile entry, read raw beside
// the program's own store, for comparing before and after a load.
struct TStored {
    bool Exists = false;
    DWORD Type = REG_NONE;  // a profile entry counts as REG_SZ
    std::string Data;       // the value's bytes; an entry's text
    bool operator==(const TStored& other) const {
        return Exists == other.Exists && (!Exists || (Type == other.Type && Data == other.Data));
    }
    bool operator!=(const TStored& other) const { return !(*this == other); }
};

TStored Absent();
TStored Dword(DWORD value);
TStored Sz(const std::string& text);         // with its ending zero
TStored EntryText(const std::string& text);  // a profile entry
std::string Describe(const TStored& stored);
// At most 60 printable characters of a text, for messages.
std::string Shorten(const std::string& text);

// Where a value or an entry lives.
struct TPlace {
    HKEY Root = nullptr;  // none: an entry of a profile file
    std::string Key;      // the registry key ("\..."), or the profile file's path
    std::string Section;
    std::string Name;
    // The same for every spelling of the place, as the platform ignores case.
    std::string Id() const;
};

TStored Read(const TPlace& place);

// The names of a key's values, spelled as stored; none when it is missing.
std::vector<std::string> ValueNamesOf(HKEY root, const std::string& path);

// Keyed by place: the places given, every other value of their keys, and
// every value anywhere below the trees given (each a TPlace without a name).
using TSnapshot = std::map<std::string, TStored>;
TSnapshot Snapshot(const std::vector<TPlace>& places, const std::vector<TPlace>& trees = {});

}  // namespace stored
