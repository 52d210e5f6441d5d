#pragma once

#include <windows.h>

#include <string>

// One profile file, by the name the caller gives: a bare name such as
// "control.ini" is found by the platform in the Windows directory. Every
// operation is one call of the platform's profile functions on that file;
// nothing is cached.
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

private:
    std::string fileName_;
};

// Sets a file's read-only, hidden and system bits (FILE_ATTRIBUTE_*); 0 on
// success, otherwise the platform's error code, which callers may ignore.
DWORD FileSetAttr(const std::string& path, DWORD attributes);

extern const char* const UnableToWriteMessage;
