#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Raw file access for tests of the profile files, beside the program's own
// store. Wine keeps profile files cached and reads one again only when its
// modification time changes, so every write here moves that time.
namespace profile {

// A file of the Windows directory, where the platform finds bare names.
std::string InWindowsDirectory(const std::string& name);

// Replaces the file's bytes (clearing its attributes first) and gives it a
// modification time of its own.
void WriteBehindProgram(const std::string& path, const std::string& content);
std::string ReadAll(const std::string& path);
bool Exists(const std::string& path);
void Remove(const std::string& path);
DWORD Attributes(const std::string& path);

// The file's lines without their line ends, blank lines left out.
std::vector<std::string> Lines(const std::string& content);
// True when every line of part appears in whole, in this order, in lines.
bool KeepsLines(const std::vector<std::string>& lines, const std::vector<std::string>& part);

// The boot file the pages write: msdos.sys at the root of the boot drive.
std::string BootFilePath();

// A Windows 98 boot file: its [Paths] section, an [Options] section with
// the entries given (each "Name=value") and the customary padding comments.
std::string BootFile(const std::vector<std::string>& options);
// The lines of a boot file the program must never change.
std::vector<std::string> BootFileKeptLines();

}  // namespace profile
