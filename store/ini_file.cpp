#include "store/ini_file.h"

#include "base/exceptions.h"
#include "store/store_platform.h"

const char* const UnableToWriteMessage = "Unable to write to %s";

namespace {
const DWORD EntryBufferSize = 2048;
}  // namespace

std::string TIniFile::ReadString(const std::string& section, const std::string& entry,
                                 const std::string& defaultText) const {
    char buffer[EntryBufferSize];
    DWORD copied = StorePlatform().ReadProfileString(section.c_str(), entry.c_str(), defaultText.c_str(), buffer,
                                                     EntryBufferSize, fileName_.c_str());
    return std::string(buffer, copied < EntryBufferSize ? copied : EntryBufferSize - 1);
}

// Each write is flushed at once, so that the file holds it the moment it is
// made on 9x too: a write the cache held could be lost, or could land over
// what another program wrote in the meantime.
void TIniFile::WriteString(const std::string& section, const std::string& entry, const std::string& value) {
    if (!StorePlatform().WriteProfileString(section.c_str(), entry.c_str(), value.c_str(), fileName_.c_str()))
        throw Exception(FormatText(UnableToWriteMessage, fileName_));
    UpdateFile();
}

void TIniFile::DeleteKey(const std::string& section, const std::string& entry) {
    StorePlatform().WriteProfileString(section.c_str(), entry.c_str(), nullptr, fileName_.c_str());
    UpdateFile();
}

// The flushing call returns 0 on 9x whatever happens: no failure.
void TIniFile::UpdateFile() { StorePlatform().WriteProfileString(nullptr, nullptr, nullptr, fileName_.c_str()); }

DWORD FileSetAttr(const std::string& path, DWORD attributes) {
    return StorePlatform().SetAttributes(path.c_str(), attributes) ? 0 : GetLastError();
}
