// What the shipped tavrel.exe says of itself to the loader and to the file's
// properties: its manifest and its version information.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "app/version.h"
#include "child_runs.h"

namespace {

std::string ProgramFile() { return BesideThisProgram(TAVREL_PROGRAM_FROM_TESTS); }

struct TFreeLibrary {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, TFreeLibrary>;

// The manifest the loader reads when the program starts; empty when none.
std::string Manifest() {
    TLibrary program(LoadLibraryExA(ProgramFile().c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!program) return "";
    HRSRC found = FindResourceA(program.get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!found) return "";
    const void* data = LockResource(LoadResource(program.get(), found));
    if (!data) return "";
    return std::string(static_cast<const char*>(data), SizeofResource(program.get(), found));
}

std::vector<char> VersionInfo() {
    const std::string file = ProgramFile();
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), nullptr);
    std::vector<char> info(size);
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, info.data())) info.clear();
    return info;
}

// A string of the version information, in its first translation.
std::string VersionString(std::vector<char>& info, const std::string& name) {
    struct TTranslation {
        WORD Language;
        WORD CodePage;
    };
    void* found = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", &found, &length) ||
        length < sizeof(TTranslation))
        return "<no translation>";
    const auto* first = static_cast<const TTranslation*>(found);
    char block[32];
    std::snprintf(block, sizeof(block), "\\StringFileInfo\\%04x%04x\\", first->Language, first->CodePage);
    if (!VerQueryValueA(info.data(), (block + name).c_str(), &found, &length)) return "<missing>";
    return static_cast<const char*>(found);
}

// Two numbers of the version as the fixed part holds them, in one double word.
DWORD VersionPart(int high, int low) { return static_cast<DWORD>(high) << 16 | static_cast<DWORD>(low); }

}  // namespace

TEST(ProgramFile, ManifestRunsAsInvokerWithTheClassicControls) {
    const std::string manifest = Manifest();
    ASSERT_FALSE(manifest.empty()) << ProgramFile() << " has no manifest";
    const char* const required[] = {
        "level=\"asInvoker\"",
        "uiAccess=\"false\"",
        "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // Windows 7
    };
    for (const char* text : required) EXPECT_NE(manifest.find(text), std::string::npos) << text;
    // Version 6 of the common controls would change the look.
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

TEST(ProgramFile, VersionStringsNameTheProgram) {
    std::vector<char> info = VersionInfo();
    ASSERT_FALSE(info.empty()) << ProgramFile() << " has no version information";
    const std::pair<const char*, const char*> strings[] = {
        {"ProductName", "Tavrel"},
        {"FileDescription", "Tavrel Control Manager"},
        {"FileVersion", TAVREL_VERSION_TEXT},
        {"ProductVersion", TAVREL_VERSION_TEXT},
        {"OriginalFilename", "tavrel.exe"},
        {"InternalName", "tavrel"},
    };
    for (const auto& [name, value] : strings) EXPECT_EQ(VersionString(info, name), value) << name;
}

TEST(ProgramFile, FixedVersionIsTheVersionText) {
    std::vector<char> info = VersionInfo();
    ASSERT_FALSE(info.empty()) << ProgramFile() << " has no version information";
    void* found = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &found, &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
    int part[4] = {};
    ASSERT_EQ(std::sscanf(TAVREL_VERSION_TEXT, "%d.%d.%d.%d", &part[0], &part[1], &part[2], &part[3]), 4);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));  // any Win32, not NT alone
    EXPECT_EQ(fixed->dwFileVersionMS, VersionPart(part[0], part[1]));
    EXPECT_EQ(fixed->dwFileVersionLS, VersionPart(part[2], part[3]));
    EXPECT_EQ(fixed->dwProductVersionMS, VersionPart(part[0], part[1]));
    EXPECT_EQ(fixed->dwProductVersionLS, VersionPart(part[2], part[3]));
}
