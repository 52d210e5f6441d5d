#pragma once

#include <windows.h>

#include <string>

// One profile file, by the name the caller gives: a bare name such as
// "control.ini" is found by the platform in the Windows directory, through
// the platform's profile functions. Windows 95, 98 and ME keep the most
// recently used file in a cache of the system's, written to the disk at a
// moment of its choosing, or by UpdateFile: every write here is followed by
// it.
class TIniFile {
public:
    explicit TIniFile(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }

    // The entry's text, at most 2047 characters; the default when the file,
    // the section or the entry is missing. Never raises.
    std::string ReadString(const std::string& section, const std::string& entry,
                           const std::string& defaultText) const;
    // Creates the file, section and entry as needed; raises
    // "Unable to write to <file name>" when the platform refuses.
    void WriteString(const std::string& section, const std::string& entry, const std::string& value);
    // Removes the entry; a missing entry or a refusal goes unreported.
    void DeleteKey(const std::string& section, const std::string& entry);
    // Writes the system's cached copy of the file to the disk and drops it,
    // so that the next read reads the disk: before the file's attributes
    // change (9x loses a write into a read-only file without a word) and
    // before a page shows what is stored. Where nothing is cached, nothing
    // happens.
    void UpdateFile();

private:
    std::string fileName_;
};

// Sets a file's read-only, hidden and system bits (FILE_ATTRIBUTE_*); 0 on
// success, otherwise the platform's error code, which callers may ignore.
DWORD FileSetAttr(const std::string& path, DWORD attributes);

extern const char* const UnableToWriteMessage;
