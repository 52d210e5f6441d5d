#include "profile_files.h"

#include "pages/key_paths.h"
#include "windows_9x.h"

#include <gtest/gtest.h>

#include <sstream>

namespace profile {

std::string InWindowsDirectory(const std::string& name) {
    char directory[MAX_PATH] = {};
    GetWindowsDirectoryA(directory, MAX_PATH);
    return std::string(directory) + "\\" + name;
}

std::string BootFilePath() { return std::string(BootDrive) + "msdos.sys"; }

namespace {

// Distinct from every time the platform gives a file it writes itself, and
// from every earlier call.
FILETIME NextModificationTime() {
    static ULONGLONG seconds = 0;
    SYSTEMTIME base{2001, 1, 0, 1, 0, 0, 0, 0};
    FILETIME time{};
    SystemTimeToFileTime(&base, &time);
    ULARGE_INTEGER value{};
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    value.QuadPart += ++seconds * 10000000ULL;
    return {value.LowPart, value.HighPart};
}

}  // namespace

void WriteBehindProgram(const std::string& path, const std::string& content) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    FILETIME time = NextModificationTime();
    SetFileTime(file, nullptr, nullptr, &time);
    CloseHandle(file);
    ASSERT_EQ(written, content.size()) << path;
}

std::string ReadAll(const std::string& path) {
    win9x::SettleProfileCache();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Remove(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
}

DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

std::vector<std::string> Lines(const std::string& content) {
    std::vector<std::string> lines;
    std::istringstream stream(content);
    std::string line;
    while (std::getline(stream, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

bool KeepsLines(const std::vector<std::string>& lines, const std::vector<std::string>& part) {
    size_t next = 0;
    for (const std::string& line : lines)
        if (next < part.size() && line == part[next]) ++next;
    return next == part.size();
}

namespace {

const char* const PathsSection[] = {"[Paths]", "WinDir=C:\\WINDOWS", "WinBootDir=C:\\WINDOWS", "HostWinBootDrv=C"};

std::vector<std::string> Padding() {
    std::vector<std::string> lines = {";", ";The following lines are required for compatibility with other programs.",
                                      ";Do not remove them (MSDOS.SYS needs to be >1024 bytes)."};
    for (char letter = 'a'; letter <= 's'; ++letter) lines.push_back(";" + std::string(69, 'x') + letter);
    return lines;
}

}  // namespace

std::string BootFile(const std::vector<std::string>& options) {
    std::string content;
    for (const char* line : PathsSection) content += std::string(line) + "\r\n";
    content += "\r\n[Options]\r\n";
    for (const std::string& option : options) content += option + "\r\n";
    for (const std::string& line : Padding()) content += line + "\r\n";
    return content;
}

std::vector<std::string> BootFileKeptLines() {
    std::vector<std::string> lines(std::begin(PathsSection), std::end(PathsSection));
    for (const std::string& line : Padding()) lines.push_back(line);
    return lines;
}

}  // namespace profile
