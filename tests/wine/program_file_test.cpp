// What the shipped tavrel.exe and tavrelctl.exe say of themselves to the
// loader and to the file's properties: their manifest and version information.
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

struct TShippedFile {
    const char* FromTests;
    const char* Name;
    const char* Description;
};
const TShippedFile ShippedFiles[] = {
    {TAVREL_PROGRAM_FROM_TESTS, "tavrel", "Tavrel Control Manager"},
    {TAVREL_COMPANION_FROM_TESTS, "tavrelctl", "Tavrel Control Manager, command line"},
};

struct TFreeLibrary {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using TLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, TFreeLibrary>;

// The manifest the loader reads when the program starts; empty when none.
std::string Manifest(const std::string& file) {
    TLibrary program(LoadLibraryExA(file.c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!program) return "";
    HRSRC found = FindResourceA(program.get(), CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!found) return "";
    const void* data = LockResource(LoadResource(program.get(), found));
    if (!data) return "";
    return std::string(static_cast<const char*>(data), SizeofResource(program.get(), found));
}

std::vector<char> VersionInfo(const std::string& file) {
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
    for (const TShippedFile& shipped : ShippedFiles) {
        const std::string manifest = Manifest(BesideThisProgram(shipped.FromTests));
        ASSERT_FALSE(manifest.empty()) << shipped.Name << " has no manifest";
        const char* const required[] = {
            "level=\"asInvoker\"",
            "uiAccess=\"false\"",
            "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>",  // Windows 7
        };
        for (const char* text : required) EXPECT_NE(manifest.find(text), std::string::npos) << shipped.Name << text;
        // Version 6 of the common controls would change the look.
        EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos) << shipped.Name;
    }
}

TEST(ProgramFile, VersionStringsNameTheProgram) {
    for (const TShippedFile& shipped : ShippedFiles) {
        std::vector<char> info = VersionInfo(BesideThisProgram(shipped.FromTests));
        ASSERT_FALSE(info.empty()) << shipped.Name << " has no version information";
        const std::pair<const char*, std::string> strings[] = {
            {"ProductName", "Tavrel"},
            {"FileDescription", shipped.Description},
            {"FileVersion", TAVREL_VERSION_TEXT},
            {"ProductVersion", TAVREL_VERSION_TEXT},
            {"OriginalFilename", std::string(shipped.Name) + ".exe"},
            {"InternalName", shipped.Name},
        };
        for (const auto& [name, value] : strings) EXPECT_EQ(VersionString(info, name), value) << shipped.Name << name;
    }
}

TEST(ProgramFile, FixedVersionIsTheVersionText) {
    int part[4] = {};
    ASSERT_EQ(std::sscanf(TAVREL_VERSION_TEXT, "%d.%d.%d.%d", &part[0], &part[1], &part[2], &part[3]), 4);
    for (const TShippedFile& shipped : ShippedFiles) {
        SCOPED_TRACE(shipped.Name);
        std::vector<char> info = VersionInfo(BesideThisProgram(shipped.FromTests));
        ASSERT_FALSE(info.empty()) << "no version information";
        void* found = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueA(info.data(), "\\", &found, &length));
        ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(found);
        EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
        EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
        EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));  // any Win32, not NT alone
        EXPECT_EQ(fixed->dwFileVersionMS, VersionPart(part[0], part[1]));
        EXPECT_EQ(fixed->dwFileVersionLS, VersionPart(part[2], part[3]));
        EXPECT_EQ(fixed->dwProductVersionMS, VersionPart(part[0], part[1]));
        EXPECT_EQ(fixed->dwProductVersionLS, VersionPart(part[2], part[3]));
    }
}
