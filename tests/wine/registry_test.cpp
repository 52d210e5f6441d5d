#include "harness.h"
#include "base/exceptions.h"
#include "store/registry.h"

#include <functional>

namespace {

const char* const TestKey = "\\Software\\TavrelTests\\Registry";
const std::string TestPath = "Software\\TavrelTests\\Registry";

class Registry : public testing::Test {
protected:
    void SetUp() override { reg::DeleteTree(HKEY_CURRENT_USER, TestKey); }
    void TearDown() override { reg::DeleteTree(HKEY_CURRENT_USER, TestKey); }
};

// The message an operation raises, or "" when it raises nothing.
std::string RaisedBy(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ERegistryException& error) {
        return error.what();
    }
    return "";
}

REGSAM samSeen = 0;
LONG WINAPI RecordingCreateKey(HKEY key, LPCSTR path, DWORD reserved, LPSTR keyClass, DWORD options, REGSAM sam,
                               const LPSECURITY_ATTRIBUTES security, PHKEY result, LPDWORD disposition) {
    samSeen = sam;
    return RegCreateKeyExA(key, path, reserved, keyClass, options, sam, security, result, disposition);
}

}  // namespace

TEST_F(Registry, OpeningAnAbsolutePathCreatesEveryMissingKeyWithAllAccess) {
    reg::DeleteTree(HKEY_LOCAL_MACHINE, "\\Network");
    auto saved = StorePlatform().CreateKey;
    StorePlatform().CreateKey = &RecordingCreateKey;
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(registry.OpenKey("\\Network\\Logon", true));
    StorePlatform().CreateKey = saved;
    EXPECT_EQ(samSeen, static_cast<REGSAM>(0xF003F));
    EXPECT_EQ(registry.CurrentPath(), "Network\\Logon");
    EXPECT_TRUE(reg::KeyExists(HKEY_LOCAL_MACHINE, "\\Network\\Logon"));
}

TEST_F(Registry, ValueOperationsActOnTheKeyOpenedLast) {
    TRegistry registry;
    registry.OpenKey(std::string(TestKey) + "\\First", true);
    registry.OpenKey(std::string(TestKey) + "\\Second", true);
    registry.WriteInteger("Value", 7);
    EXPECT_FALSE(reg::Read(HKEY_CURRENT_USER, std::string(TestKey) + "\\First", "Value").Exists);
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, std::string(TestKey) + "\\Second", "Value").Dword(), 7u);
}

TEST_F(Registry, ARelativePathOpensBelowTheCurrentKeyAndJoinsThePaths) {
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    EXPECT_TRUE(registry.OpenKey("Child", true));
    EXPECT_EQ(registry.CurrentPath(), TestPath + "\\Child");
    registry.WriteString("Where", "child");
    EXPECT_EQ(reg::Read(HKEY_CURRENT_USER, std::string(TestKey) + "\\Child", "Where").Text(), "child");

    TRegistry fresh;  // without a current key a relative path starts at the root
    EXPECT_TRUE(fresh.OpenKey(TestPath + "\\Other", true));
    EXPECT_EQ(fresh.CurrentPath(), TestPath + "\\Other");
}

TEST_F(Registry, AFailedFirstOpenLeavesNoKeyAndEveryOperationActsAsWithoutOne) {
    TRegistry registry;
    EXPECT_FALSE(registry.OpenKey(std::string(TestKey) + "\\Missing", false));
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_FALSE(registry.ValueExists("MustBeValidated"));
    EXPECT_EQ(registry.ReadString("MustBeValidated"), "");
    EXPECT_FALSE(registry.DeleteValue("MustBeValidated"));
    EXPECT_EQ(RaisedBy([&] { registry.ReadInteger("MustBeValidated"); }),
              "Failed to get data for 'MustBeValidated'");
    EXPECT_EQ(RaisedBy([&] { registry.WriteInteger("MustBeValidated", 1); }),
              "Failed to set data for 'MustBeValidated'");
    EXPECT_EQ(RaisedBy([&] { registry.WriteString("LegalNoticeCaption", "x"); }),
              "Failed to set data for 'LegalNoticeCaption'");
}

TEST_F(Registry, AFailedLaterOpenChangesNothingButNeverReachesTheEarlierKey) {
    reg::SetDword(HKEY_CURRENT_USER, TestKey, "Kept", 5);
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    EXPECT_FALSE(registry.OpenKey(std::string(TestKey) + "\\Missing", false));
    EXPECT_TRUE(registry.HasCurrentKey());
    EXPECT_EQ(registry.CurrentPath(), TestPath);
    EXPECT_FALSE(registry.ValueExists("Kept"));
    EXPECT_EQ(RaisedBy([&] { registry.WriteInteger("Stray", 1); }), "Failed to set data for 'Stray'");
    EXPECT_FALSE(registry.DeleteValue("Kept"));
    EXPECT_FALSE(reg::Read(HKEY_CURRENT_USER, TestKey, "Stray").Exists);
    EXPECT_TRUE(reg::Read(HKEY_CURRENT_USER, TestKey, "Kept").Exists);
    // The next successful open works as usual.
    EXPECT_TRUE(registry.OpenKey(TestKey, true));
    EXPECT_TRUE(registry.ValueExists("Kept"));
}

TEST_F(Registry, SettingTheSameRootKeepsTheKeyOpenAndAnotherClosesIt) {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.OpenKey("\\Software", true);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(registry.HasCurrentKey());
    EXPECT_EQ(registry.CurrentPath(), "Software");
    registry.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_FALSE(registry.HasCurrentKey());
    EXPECT_EQ(registry.CurrentPath(), "");
}

TEST_F(Registry, ReadIntegerAcceptsOnlyIntegersOfAtMostFourBytes) {
    const BYTE one[] = {1, 0, 0, 0};
    const BYTE minusTwo[] = {0xFE, 0xFF, 0xFF, 0xFF};
    const BYTE eight[] = {1, 0, 0, 0, 0, 0, 0, 0};
    const BYTE shortDword[] = {0x34, 0x12};
    const struct {
        const char* name;
        DWORD type;
        const void* data;
        DWORD size;
        int32_t value;
        const char* error;
    } cases[] = {
        {"Dword", REG_DWORD, one, 4, 1, nullptr},
        {"Negative", REG_DWORD, minusTwo, 4, -2, nullptr},
        {"ShortDword", REG_DWORD, shortDword, 2, 0x1234, nullptr},  // high bytes read as 0
        {"EmptyDword", REG_DWORD, one, 0, 0, nullptr},
        {"NoDesktop", REG_BINARY, one, 4, 0, "Invalid data type for 'NoDesktop'"},
        {"Binary8", REG_BINARY, eight, 8, 0, "Failed to get data for 'Binary8'"},
        {"Text", REG_SZ, "1", 2, 0, "Invalid data type for 'Text'"},
        {"LongText", REG_SZ, "12345678", 9, 0, "Failed to get data for 'LongText'"},
        {"BigEndian", REG_DWORD_BIG_ENDIAN, one, 4, 0, "Invalid data type for 'BigEndian'"},
    };
    for (const auto& c : cases) reg::SetRaw(HKEY_CURRENT_USER, TestKey, c.name, c.type, c.data, c.size);
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int32_t value = -99;
        std::string error = RaisedBy([&] { value = registry.ReadInteger(c.name); });
        if (c.error) {
            EXPECT_EQ(error, c.error);
        } else {
            EXPECT_EQ(error, "");
            EXPECT_EQ(value, c.value);
        }
    }
    EXPECT_EQ(RaisedBy([&] { registry.ReadInteger("Missing"); }), "Failed to get data for 'Missing'");
}

TEST_F(Registry, ReadStringReturnsTextWithinItsOwnLengthAndRefusesOtherKinds) {
    const std::string big(65536, 'x');
    const BYTE four[] = {1, 0, 0, 0};
    const struct {
        const char* name;
        DWORD type;
        std::string data;  // stored as given, without an added zero
        std::string text;
        const char* error;
    } cases[] = {
        {"Plain", REG_SZ, std::string("abc", 4), "abc", nullptr},
        {"Expandable", REG_EXPAND_SZ, std::string("%WINDIR%\\x", 11), "%WINDIR%\\x", nullptr},
        {"Unterminated", REG_SZ, "abc", "abc", nullptr},
        {"Empty", REG_SZ, std::string("\0", 1), "", nullptr},
        {"NoData", REG_SZ, "", "", nullptr},
        {"Big", REG_SZ, big + '\0', big, nullptr},
        {"StopsAtZero", REG_SZ, std::string("ab\0cd", 6), "ab", nullptr},
        {"Dword", REG_DWORD, std::string(reinterpret_cast<const char*>(four), 4), "", "Invalid data type for 'Dword'"},
        {"Binary", REG_BINARY, "abc", "", "Invalid data type for 'Binary'"},
        {"Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5), "", "Invalid data type for 'Multi'"},
    };
    for (const auto& c : cases)
        reg::SetRaw(HKEY_CURRENT_USER, TestKey, c.name, c.type, c.data.data(), static_cast<DWORD>(c.data.size()));
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "unset";
        std::string error = RaisedBy([&] { text = registry.ReadString(c.name); });
        if (c.error) {
            EXPECT_EQ(error, c.error);
        } else {
            EXPECT_EQ(error, "");
            EXPECT_EQ(text, c.text);
        }
    }
    EXPECT_EQ(registry.ReadString("Missing"), "");
}

TEST_F(Registry, WritesStoreTheirExactTypesAndSizes) {
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    registry.WriteString("One", "1");
    registry.WriteString("Nothing", "");
    registry.WriteInteger("Minus", -5);
    registry.WriteInteger("Dword", 0x3FFFFFF);
    reg::SetString(HKEY_CURRENT_USER, TestKey, "Replaced", "old");
    registry.WriteInteger("Replaced", 1);

    const struct {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;
    } expected[] = {
        {"One", REG_SZ, {'1', 0}},
        {"Nothing", REG_SZ, {0}},
        {"Minus", REG_DWORD, {0xFB, 0xFF, 0xFF, 0xFF}},
        {"Dword", REG_DWORD, {0xFF, 0xFF, 0xFF, 0x03}},
        {"Replaced", REG_DWORD, {1, 0, 0, 0}},
    };
    for (const auto& e : expected) {
        reg::TValue value = reg::Read(HKEY_CURRENT_USER, TestKey, e.name);
        EXPECT_EQ(value.Type, e.type) << e.name;
        EXPECT_EQ(value.Data, e.data) << e.name;
    }
}

TEST_F(Registry, ValueExistsAndDeleteValueNeverRaise) {
    reg::SetDword(HKEY_CURRENT_USER, TestKey, "Present", 1);
    reg::SetRaw(HKEY_CURRENT_USER, TestKey, "Odd", REG_BINARY, "xyz", 3);
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    EXPECT_TRUE(registry.ValueExists("Present"));
    EXPECT_TRUE(registry.ValueExists("present")) << "names match without regard to case";
    EXPECT_TRUE(registry.ValueExists("Odd"));
    EXPECT_FALSE(registry.ValueExists("Missing"));
    EXPECT_FALSE(registry.DeleteValue("Missing"));
    EXPECT_TRUE(registry.DeleteValue("Present"));
    EXPECT_FALSE(reg::Read(HKEY_CURRENT_USER, TestKey, "Present").Exists);
}

TEST_F(Registry, ARefusedWriteRaisesWithTheNameAsGivenAndStoresNothing) {
    TRegistry registry;
    registry.OpenKey(TestKey, true);
    TRefuseRegistryWrites refuse;
    EXPECT_EQ(RaisedBy([&] { registry.WriteInteger("NoDesktop", 1); }), "Failed to set data for 'NoDesktop'");
    EXPECT_EQ(RaisedBy([&] { registry.WriteString("PaintDesktopVersion", "1"); }),
              "Failed to set data for 'PaintDesktopVersion'");
    EXPECT_FALSE(reg::Read(HKEY_CURRENT_USER, TestKey, "NoDesktop").Exists);
}
