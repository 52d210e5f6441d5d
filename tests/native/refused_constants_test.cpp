// The program's sources name no constant that Windows 9x rejects and that
// no header keeps from them (tests/imports/constants_refused_on_9x.tsv).
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const Rooms[] = {"base", "store", "widgets", "pages", "app", "cli"};

std::vector<std::string> RefusedConstants() {
    std::ifstream table(std::string(TAVREL_ROOT_DIR) + "/tests/imports/constants_refused_on_9x.tsv");
    std::vector<std::string> names;
    for (std::string line; std::getline(table, line);)
        if (!line.empty() && line[0] != '#') names.push_back(line.substr(0, line.find('\t')));
    return names;
}

bool IsNamePart(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

bool Names(const std::string& line, const std::string& name) {
    for (size_t at = line.find(name); at != std::string::npos; at = line.find(name, at + 1)) {
        const bool before = at > 0 && IsNamePart(line[at - 1]);
        const bool after = at + name.size() < line.size() && IsNamePart(line[at + name.size()]);
        if (!before && !after) return true;
    }
    return false;
}

TEST(RefusedConstants, NoneStandsInTheProgramsSources) {
    const std::vector<std::string> refused = RefusedConstants();
    ASSERT_GE(refused.size(), 10u) << "the table was not read";
    size_t files = 0;
    for (const char* room : Rooms) {
        for (const auto& entry : std::filesystem::directory_iterator(std::string(TAVREL_ROOT_DIR) + "/" + room)) {
            const std::string path = entry.path().string();
            ++files;
            std::ifstream source(path);
            int number = 0;
            for (std::string line; std::getline(source, line);) {
                ++number;
                for (const std::string& name : refused)
                    EXPECT_FALSE(Names(line, name)) << path << ":" << number << " names " << name;
            }
        }
    }
    EXPECT_GT(files, 100u);
}

TEST(RefusedConstants, AreFoundAsWholeNamesOnly) {
    EXPECT_TRUE(Names("CreateHandle({nullptr, \"\", 0, 0, {}, HWND_MESSAGE});", "HWND_MESSAGE"));
    EXPECT_TRUE(Names("UDM_SETPOS32", "UDM_SETPOS32"));
    EXPECT_FALSE(Names("UDM_SETPOS32", "UDM_SETPOS"));
    EXPECT_FALSE(Names("MY_HWND_MESSAGE_X", "HWND_MESSAGE"));
}

}  // namespace
