#pragma once

#include <stdexcept>
#include <string>
#include <vector>

// A profile: every page's settings as text a person can read and edit in
// Notepad. A first comment line names the version that wrote it; then one
// section per page, named by its title, and one line per control, named by
// its caption:
//
//   ; Tavrel 1.0.0.0 profile in ANSI code page 1252. ...
//   [Desktop Access]
//   Hide Desktop Icons=ticked
//
// Nothing here knows the pages: the names are checked against them later.

struct TProfileEntry {
    int Line = 0;
    std::string Name;
    std::string Value;  // a text as it stands after the "="
};

struct TProfilePage {
    int Line = 0;
    std::string Title;
    std::vector<TProfileEntry> Entries;
};

struct TProfile {
    std::vector<TProfilePage> Pages;
};

// A profile that cannot be used, and the line that says why (0: the file).
class EProfileError : public std::runtime_error {
public:
    EProfileError(int line, const std::string& message) : std::runtime_error(message), line_(line) {}
    int Line() const { return line_; }

private:
    int line_;
};

// Longer lines are refused: no value of any page comes near it.
const size_t LongestProfileLine = 1024;

// Reads a whole profile; raises EProfileError on the first fault: binary
// data, a line too long, a line without "=", an entry before any page, a
// page or a control named twice, no page at all, or a version newer than
// ours.
TProfile ParseProfile(const std::string& text, const std::string& ourVersion);

// The text of a profile, its first line naming our version and the
// encoding ("in UTF-8").
std::string ProfileText(const TProfile& profile, const std::string& ourVersion, const std::string& encoding);

// Compares dotted versions by their numbers; a missing part counts as 0.
int CompareVersions(const std::string& left, const std::string& right);
