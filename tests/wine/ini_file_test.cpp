#include "harness.h"
#include "profile_files.h"
#include "base/exceptions.h"
#include "store/ini_file.h"

#include <algorithm>
#include <optional>

namespace {

const std::string TestFile = "C:\\tavrel_ini_test.ini";

class IniFile : public testing::Test {
protected:
    void SetUp() override { profile::Remove(TestFile); }
    void TearDown() override { profile::Remove(TestFile); }
};

}  // namespace

TEST_F(IniFile, ReadsTheEntryOrElseTheDefault) {
    const std::string longValue = std::string(2000, 'a') + std::string(1000, 'b');
    struct TCase {
        const char* What;
        std::optional<std::string> Content;  // none: no file
        const char* Section;
        std::string Expected;
    };
    const TCase cases[] = {
        {"missing file", std::nullopt, "options", "dflt"},
        {"missing section", "[Paths]\r\nBootGui=1\r\n", "options", "dflt"},
        {"missing entry", "[options]\r\nLogo=0\r\n", "options", "dflt"},
        {"present entry", "[options]\r\nBootGui=01\r\n", "options", "01"},
        {"empty entry", "[options]\r\nBootGui=\r\n", "options", ""},
        {"section spelled Options", "[Options]\r\nBootGui=1\r\n", "options", "1"},
        {"section spelled OPTIONS", "[OPTIONS]\r\nBootGui=1\r\n", "options", "1"},
        {"entry in other case", "[options]\r\nBOOTGUI=yes\r\n", "options", "yes"},
        {"3000 characters", "[options]\r\nBootGui=" + longValue + "\r\n", "options", longValue.substr(0, 2047)},
    };
    for (const TCase& test : cases) {
        SCOPED_TRACE(test.What);
        profile::Remove(TestFile);
        if (test.Content) profile::WriteBehindProgram(TestFile, *test.Content);
        EXPECT_EQ(TIniFile(TestFile).ReadString(test.Section, "BootGui", "dflt"), test.Expected);
    }
    profile::Remove(TestFile);
    EXPECT_EQ(TIniFile(TestFile).ReadString("options", "BootGui", "1"), "1");
    EXPECT_FALSE(profile::Exists(TestFile)) << "a read creates nothing";
}

TEST_F(IniFile, WritesCreateFileSectionAndEntryAndReplaceOnlyTheirEntry) {
    TIniFile file(TestFile);
    file.WriteString("options", "BootGui", "1");
    EXPECT_EQ(profile::Lines(profile::ReadAll(TestFile)), (std::vector<std::string>{"[options]", "BootGui=1"}));

    profile::WriteBehindProgram(TestFile, profile::BootFile({"BootMulti=1", "BootGUI=1", "WinVer=4.10.2222"}));
    file.WriteString("options", "BootGui", "0");
    file.WriteString("options", "Logo", "0");
    std::vector<std::string> lines = profile::Lines(profile::ReadAll(TestFile));
    EXPECT_TRUE(profile::KeepsLines(lines, profile::BootFileKeptLines())) << profile::ReadAll(TestFile);
    EXPECT_TRUE(profile::KeepsLines(lines, {"[Options]", "BootMulti=1", "BootGUI=0", "WinVer=4.10.2222"}))
        << "the section and entry keep their spelling; only the value changes";
    EXPECT_EQ(file.ReadString("options", "Logo", "1"), "0");
    EXPECT_EQ(file.ReadString("paths", "WinDir", ""), "C:\\WINDOWS");
}

TEST_F(IniFile, DeletingRemovesOnlyThatEntryAndAMissingOneChangesNothing) {
    const std::string content = profile::BootFile({"BootGUI=1", "Logo=0"});
    profile::WriteBehindProgram(TestFile, content);
    TIniFile file(TestFile);
    file.DeleteKey("options", "BootMenu");
    file.DeleteKey("no such section", "Logo");
    EXPECT_EQ(profile::ReadAll(TestFile), content) << "not even rewritten";

    file.DeleteKey("OPTIONS", "logo");
    std::vector<std::string> lines = profile::Lines(profile::ReadAll(TestFile));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Logo=0"), 0);
    EXPECT_TRUE(profile::KeepsLines(lines, {"[Options]", "BootGUI=1"}));
    EXPECT_TRUE(profile::KeepsLines(lines, profile::BootFileKeptLines()));

    profile::Remove(TestFile);
    file.DeleteKey("options", "Logo");
    EXPECT_FALSE(profile::Exists(TestFile));
}

TEST_F(IniFile, ABareNameIsTheFileOfTheWindowsDirectory) {
    const std::string name = "tavrel_bare_test.ini";
    const std::string path = profile::InWindowsDirectory(name);
    profile::Remove(path);
    TIniFile(name).WriteString("don't load", "desk.cpl", "no");
    EXPECT_EQ(profile::Lines(profile::ReadAll(path)), (std::vector<std::string>{"[don't load]", "desk.cpl=no"}));
    EXPECT_EQ(TIniFile(name).ReadString("don't load", "desk.cpl", "error"), "no");
    profile::Remove(path);
}

TEST_F(IniFile, ARefusedWriteRaisesWithTheFileNameAsGiven) {
    for (const char* name : {"control.ini", "C:\\msdos.sys", "C:\\tavrel_ini_test.ini"}) {
        SCOPED_TRACE(name);
        TRefuseProfileWrites refuse;
        try {
            TIniFile(name).WriteString("options", "BootGui", "1");
            ADD_FAILURE() << "no error";
        } catch (const EConvertError&) {
            ADD_FAILURE() << "wrong error type";
        } catch (const Exception& error) {
            EXPECT_EQ(error.Message(), std::string("Unable to write to ") + name);
        }
        TIniFile(name).DeleteKey("options", "BootGui");  // unreported
    }
    EXPECT_FALSE(profile::Exists(TestFile));
}

TEST_F(IniFile, FileAttributesAreSetAndClearedAndAMissingFileIsOnlyReported) {
    profile::WriteBehindProgram(TestFile, "[options]\r\n");
    const DWORD all = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    EXPECT_EQ(FileSetAttr(TestFile, all), 0u);
    EXPECT_EQ(profile::Attributes(TestFile) & 7, all);
    EXPECT_EQ(FileSetAttr(TestFile, 0), 0u);
    EXPECT_EQ(profile::Attributes(TestFile) & 7, 0u);
    profile::Remove(TestFile);
    EXPECT_NE(FileSetAttr(TestFile, all), 0u);
    EXPECT_FALSE(profile::Exists(TestFile));
}
