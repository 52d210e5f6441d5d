#include "cli/profile.h"

#include "cli/text.h"
#include "cli/utf8.h"

#include <map>

namespace {

const char* const VersionLead = "; Tavrel ";

// Tabs are text; other control characters are not, whatever the code page.
bool HoldsBinary(const std::string& line) {
    for (char c : line) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && byte != '\t') return true;
        if (byte == 0x7F) return true;
    }
    return false;
}

// The version a first line "; Tavrel 1.0.0.0 ..." names, or "" for none.
std::string VersionNamed(const std::string& line) {
    if (line.compare(0, std::string(VersionLead).size(), VersionLead) != 0) return "";
    std::string rest = line.substr(std::string(VersionLead).size());
    size_t end = rest.find_first_not_of("0123456789.");
    return rest.substr(0, end);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = StartsWithUtf8Mark(text) ? 3 : 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// Remembers the first line of each name, ignoring case as the pages' lookup does.
class TFirstLines {
public:
    void Add(int line, const std::string& name, const char* what) {
        auto [entry, added] = lines_.emplace(LowerCase(name), line);
        if (!added)
            throw EProfileError(line, std::string(what) + " \"" + name + "\" is named twice (first on line " +
                                          std::to_string(entry->second) + ")");
    }

private:
    std::map<std::string, int> lines_;
};

}  // namespace

int CompareVersions(const std::string& left, const std::string& right) {
    size_t l = 0, r = 0;
    while (l < left.size() || r < right.size()) {
        long a = 0, b = 0;
        while (l < left.size() && left[l] != '.') a = a * 10 + (left[l++] - '0');
        while (r < right.size() && right[r] != '.') b = b * 10 + (right[r++] - '0');
        if (a != b) return a < b ? -1 : 1;
        ++l;
        ++r;
    }
    return 0;
}

TProfile ParseProfile(const std::string& text, const std::string& ourVersion) {
    if (text.compare(0, 2, "\xFF\xFE") == 0 || text.compare(0, 2, "\xFE\xFF") == 0)
        throw EProfileError(1, "the file is saved as Unicode (UTF-16); save it as ANSI or UTF-8");
    const std::vector<std::string> lines = Lines(text);
    TProfile profile;
    TFirstLines pageLines;
    TFirstLines entryLines;
    for (size_t index = 0; index < lines.size(); ++index) {
        const int number = static_cast<int>(index) + 1;
        const std::string& line = lines[index];
        if (line.size() > LongestProfileLine)
            throw EProfileError(number, "the line is longer than " + std::to_string(LongestProfileLine) +
                                            " characters");
        if (HoldsBinary(line)) throw EProfileError(number, "the line holds binary data, not text");
        if (number == 1) {
            std::string version = VersionNamed(line);
            if (!version.empty() && CompareVersions(version, ourVersion) > 0)
                throw EProfileError(number, "the profile was written by Tavrel " + version +
                                                ", newer than this one (" + ourVersion + ")");
        }
        const std::string content = Trimmed(line);
        if (content.empty() || content[0] == ';' || content[0] == '#') continue;
        if (content[0] == '[') {
            if (content.back() != ']') throw EProfileError(number, "a page's title must end in \"]\"");
            std::string title = Trimmed(content.substr(1, content.size() - 2));
            pageLines.Add(number, title, "page");
            profile.Pages.push_back({number, title, {}});
            entryLines = TFirstLines();
            continue;
        }
        size_t equals = line.find('=');
        if (equals == std::string::npos)
            throw EProfileError(number, "the line has no \"=\"; a control's line is Caption=value");
        if (profile.Pages.empty())
            throw EProfileError(number, "the line stands before the first page's [title]");
        std::string name = Trimmed(line.substr(0, equals));
        entryLines.Add(number, name, "control");
        profile.Pages.back().Entries.push_back({number, name, line.substr(equals + 1)});
    }
    if (profile.Pages.empty()) throw EProfileError(1, "the profile names no page");
    return profile;
}

std::string ProfileText(const TProfile& profile, const std::string& ourVersion, const std::string& encoding) {
    std::string text = std::string(VersionLead) + ourVersion + " profile " + encoding +
                       ". One [page] per page, one line per control: ticked or cleared, "
                       "a delay in seconds, or a text.\r\n";
    for (const TProfilePage& page : profile.Pages) {
        text += "\r\n[" + page.Title + "]\r\n";
        for (const TProfileEntry& entry : page.Entries) text += entry.Name + "=" + entry.Value + "\r\n";
    }
    return text;
}
