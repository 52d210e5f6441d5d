// The shipped tavrel.exe and tavrelctl.exe as the loader of Windows 95 sees
// them: 32-bit programs for Windows 4.0 that import only what Windows 95
// exports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using TBytes = std::vector<uint8_t>;

TBytes ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

uint32_t Read(const TBytes& bytes, size_t at, int size) {
    if (at + size > bytes.size()) throw std::out_of_range("past the end of the file");
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = value << 8 | bytes[at + i];
    return value;
}

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The parts of a PE32 file that the loader reads first.
class TProgramFile {
public:
    explicit TProgramFile(TBytes bytes) : bytes_(std::move(bytes)) {
        header_ = Read(bytes_, 0x3C, 4);
        optional_ = header_ + 24;
        const size_t sections = optional_ + Read(bytes_, header_ + 20, 2);
        for (size_t i = 0; i < Read(bytes_, header_ + 6, 2); ++i) sections_.push_back(sections + 40 * i);
    }
    bool IsPe() const { return Read(bytes_, header_, 4) == 0x4550; }
    uint32_t Machine() const { return Read(bytes_, header_ + 4, 2); }
    uint32_t Magic() const { return Read(bytes_, optional_, 2); }
    uint32_t Optional(size_t at, int size) const { return Read(bytes_, optional_ + at, size); }

    // "dll!function" of every import, the dll in lower case.
    std::set<std::string> Imports() const {
        std::set<std::string> imports;
        for (size_t entry = Offset(Optional(104, 4));; entry += 20) {
            const uint32_t names = Read(bytes_, entry, 4) ? Read(bytes_, entry, 4) : Read(bytes_, entry + 16, 4);
            if (!Read(bytes_, entry + 12, 4)) break;
            const std::string dll = Lower(Text(Offset(Read(bytes_, entry + 12, 4))));
            for (size_t thunk = Offset(names); Read(bytes_, thunk, 4); thunk += 4) {
                const uint32_t name = Read(bytes_, thunk, 4);
                imports.insert(dll + "!" +
                               (name & 0x80000000u ? "#" + std::to_string(name & 0xFFFF) : Text(Offset(name) + 2)));
            }
        }
        return imports;
    }

private:
    size_t Offset(uint32_t rva) const {
        for (size_t section : sections_) {
            const uint32_t start = Read(bytes_, section + 12, 4), size = Read(bytes_, section + 16, 4);
            if (rva >= start && rva < start + size) return rva - start + Read(bytes_, section + 20, 4);
        }
        throw std::out_of_range("address in no section");
    }
    std::string Text(size_t at) const {
        std::string text;
        while (Read(bytes_, at, 1)) text += static_cast<char>(bytes_[at++]);
        return text;
    }

    TBytes bytes_;
    size_t header_ = 0;
    size_t optional_ = 0;
    std::vector<size_t> sections_;
};

// The lines of a tab-separated list, without its comments.
std::vector<std::vector<std::string>> ReadList(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

const std::string Lists = TAVREL_ROOT_DIR "/tests/imports/";

struct TShipped {
    const char* Path;
    uint32_t Subsystem;  // 2 a Windows GUI program, 3 a console program
};
const TShipped ShippedFiles[] = {{TAVREL_SHIPPED_PROGRAM, 2}, {TAVREL_SHIPPED_COMPANION, 3}};

TEST(ShippedProgram, IsA32BitWindowsProgramForWindows4) {
    for (const TShipped& shipped : ShippedFiles) {
        SCOPED_TRACE(shipped.Path);
        const TProgramFile program(ReadFile(shipped.Path));
        ASSERT_TRUE(program.IsPe());
        EXPECT_EQ(program.Machine(), 0x14Cu) << "not i386";
        EXPECT_EQ(program.Magic(), 0x10Bu) << "not PE32";
        EXPECT_EQ(program.Optional(68, 2), shipped.Subsystem) << "not the subsystem it is for";
        const std::pair<const char*, size_t> versions[] = {{"operating system", 40}, {"subsystem", 48}};
        for (const auto& [name, at] : versions) {
            EXPECT_EQ(program.Optional(at, 2), 4u) << name << " major version";
            EXPECT_EQ(program.Optional(at + 2, 2), 0u) << name << " minor version";
        }
    }
}

TEST(ShippedProgram, ImportsOnlyWhatWindows95Has) {
    std::map<std::string, std::vector<std::string>> listed;
    for (auto& row : ReadList(Lists + "program_imports.tsv")) {
        ASSERT_GE(row.size(), 4u) << "short line for " << row[0];
        listed[Lower(row[0]) + "!" + row[1]] = row;
    }
    std::map<std::string, std::string> known;  // what Windows 9x lacks or stubs
    for (auto& row : ReadList(Lists + "known_missing_on_9x.tsv")) known[Lower(row[0]) + "!" + row[1]] = row[3];

    std::set<std::string> imports;
    for (const TShipped& shipped : ShippedFiles) {
        const std::set<std::string> own = TProgramFile(ReadFile(shipped.Path)).Imports();
        ASSERT_FALSE(own.empty()) << shipped.Path;
        imports.insert(own.begin(), own.end());
    }
    for (const std::string& import : imports) {
        auto entry = listed.find(import);
        EXPECT_NE(entry, listed.end()) << import << " is new: look up the oldest Windows that exports it, and add it "
                                       << "to program_imports.tsv, or look it up at run time";
        auto missing = known.find(import);
        if (missing == known.end()) continue;
        EXPECT_NE(missing->second, "LOADER") << import << ": Windows 9x does not export it, so it refuses the program";
        if (entry != listed.end()) {
            EXPECT_TRUE(entry->second.size() >= 5 && !entry->second[4].empty())
                << import << " is only a stub on 9x: its entry must say why its failure does no harm";
        }
    }
}

}  // namespace
