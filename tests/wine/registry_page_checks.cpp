#include "registry_page_checks.h"

#include "option_controls.h"
#include "stored_values.h"

#include <algorithm>

#include <set>

namespace {

bool HasValueSpelled(const TStorageRow& row, const std::string& name) {
    std::vector<std::string> names = stored::ValueNamesOf(row.Root, row.Key);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The key holds values of others too: the tests delete only the page's own.
bool IsSharedKey(const std::string& key) { return key == "\\Control Panel\\Desktop"; }

TStorageRow RowOf(const options::TStore& store, bool loaded) {
    TStorageRow row;
    row.Control = store.Control;
    row.Box = [control = store.Control](TForm1& form) -> TFlatCheckBox& { return BoxNamed(form, control); };
    row.Button = [button = store.Button](TForm1& form) -> TFlatButton& { return ButtonNamed(form, button); };
    row.Root = RootOf(store);
    row.Key = store.Key;
    row.Name = store.Name;
    row.LoaderName = store.LoaderName;
    row.Text = store.Type == "sz";
    if (!row.Text) {
        row.Ticked = options::Number(store.Ticked);
        row.Cleared = options::Number(store.Cleared);
    }
    row.Loaded = loaded;
    row.SharedKey = IsSharedKey(store.Key);
    return row;
}

bool IsRegistryFlag(const options::TStore& store) { return store.InRegistry() && !store.TakesAnEditsText(); }

}  // namespace

TRegistryPageTable RegistryPageTable(int page, const std::string& name, const std::string& notice) {
    TRegistryPageTable table;
    table.Name = name;
    table.Page = page;
    table.Button = [page](TForm1& form) -> TFlatButton& { return ButtonOfPage(form, page); };
    table.Notice = notice;
    for (const options::TStore& store : options::StoresReadBy(page)) {
        if (!IsRegistryFlag(store)) continue;
        table.Rows.push_back(RowOf(store, true));
        table.Rows.back().OnPage = options::Control(store.Control).Page == page;
    }
    for (const options::TStore& store : options::Stores())
        if (IsRegistryFlag(store) && store.Page != page && options::Control(store.Control).Page == page)
            table.Rows.push_back(RowOf(store, false));
    return table;
}

void PrintTo(const TRegistryPageTable& table, std::ostream* out) { *out << table.Name; }

void RegistryPage::SetUp() {
    std::set<std::pair<HKEY, std::string>> keys;
    for (const auto& row : Table().Rows) {
        if (!row.SharedKey) {
            keys.insert({row.Root, row.Key});
            continue;
        }
        reg::Delete(row.Root, row.Key, row.Name);
        reg::Delete(row.Root, row.Key, row.ReadName());
    }
    for (const auto& key : keys) reg::DeleteTree(key.first, key.second);
    if (Table().ClearFiles) Table().ClearFiles();
    TFormTest::SetUp();
}

void RegistryPage::ExpectStored(const TStorageRow& row, bool ticked) {
    reg::TValue value = reg::Read(row.Root, row.Key, row.Name);
    ASSERT_TRUE(value.Exists) << row.Name;
    if (row.Text) {
        EXPECT_EQ(value.Type, static_cast<DWORD>(REG_SZ)) << row.Name;
        EXPECT_EQ(value.Text(), ticked ? "1" : "0") << row.Name;
        EXPECT_EQ(value.Data.size(), 2u) << row.Name;
    } else {
        EXPECT_EQ(value.Type, static_cast<DWORD>(REG_DWORD)) << row.Name;
        EXPECT_EQ(value.Data.size(), 4u) << row.Name;
        EXPECT_EQ(value.Dword(), ticked ? row.Ticked : row.Cleared) << row.Name;
    }
}

void RegistryPage::StoreRaw(const TStorageRow& row, bool ticked) {
    if (row.Text)
        reg::SetString(row.Root, row.Key, row.ReadName(), ticked ? "1" : "0");
    else
        reg::SetDword(row.Root, row.Key, row.ReadName(), ticked ? row.Ticked : row.Cleared);
}

void RegistryPage::StoreNeither(const TStorageRow& row) {
    if (row.Text)
        reg::SetString(row.Root, row.Key, row.ReadName(), " 1");
    else
        reg::SetDword(row.Root, row.Key, row.ReadName(), 2);
}

std::vector<const TStorageRow*> RegistryPage::LoadedRows() const {
    std::vector<const TStorageRow*> loaded;
    for (const auto& row : Table().Rows)
        if (row.Loaded) loaded.push_back(&row);
    return loaded;
}

TEST_P(RegistryPage, ShowsEveryBoxClearedAndTheButtonDisabledAtStart) {
    for (const auto& row : Table().Rows)
        if (row.OnPage) {
            EXPECT_FALSE(row.Box(*form).Checked()) << row.Control;
        }
    EXPECT_FALSE(Table().Button(*form).Enabled());
}

TEST_P(RegistryPage, EachBoxStoresItsRowAtOnceAndEnablesItsButton) {
    SelectPage(Table().Page);
    ASSERT_EQ(form->Notebook1.PageIndex(), Table().Page);
    for (const auto& row : Table().Rows) {
        if (!row.OnPage) continue;
        SCOPED_TRACE(row.Control);
        TFlatCheckBox& box = row.Box(*form);
        for (bool ticked : {true, false}) {
            row.Button(*form).Disable();
            Click(box);
            EXPECT_EQ(box.Checked(), ticked);
            ExpectStored(row, ticked);
            EXPECT_TRUE(row.Button(*form).Enabled());
        }
    }
    EXPECT_TRUE(shell.MessageBoxes.empty());
}

TEST_P(RegistryPage, FirstLoadCreatesEveryMissingValueAsClearedAndEnablesNothing) {
    SelectPage(Table().Page);
    EXPECT_EQ(form->Notebook1.PageIndex(), Table().Page);
    for (const auto& row : Table().Rows) {
        if (!row.Loaded) {
            EXPECT_FALSE(reg::Read(row.Root, row.Key, row.Name).Exists) << row.Name << " is not this loader's";
            continue;
        }
        ExpectStored(row, false);
        EXPECT_FALSE(row.Box(*form).Checked()) << row.Control;
        EXPECT_FALSE(row.Button(*form).Enabled()) << row.Control;
    }
}

TEST_P(RegistryPage, StoredTickedValuesTickTheBoxesAndEnableTheirButtons) {
    for (const auto& row : Table().Rows)
        if (row.Loaded) StoreRaw(row, true);
    SelectPage(Table().Page);
    for (const auto& row : Table().Rows) {
        if (!row.Loaded) continue;
        EXPECT_TRUE(row.Box(*form).Checked()) << row.Control;
        ExpectStored(row, true);
        EXPECT_EQ(row.Button(*form).Enabled(), !Table().LoaderDisablesButton) << row.Control;
    }
    // A second load with nothing changed flips nothing and leaves the buttons as they were.
    for (const auto& row : Table().Rows) row.Button(*form).Disable();
    SelectPage(Table().Page);
    for (const auto& row : Table().Rows)
        if (row.Loaded) {
            EXPECT_FALSE(row.Button(*form).Enabled()) << row.Control;
        }
}

TEST_P(RegistryPage, AnyOtherStoredValueClearsATickedBoxWhichStoresItsClearedValue) {
    for (const auto& row : Table().Rows)
        if (row.Loaded) StoreRaw(row, true);
    SelectPage(Table().Page);
    for (const auto& row : Table().Rows)
        if (row.Loaded) StoreNeither(row);
    SelectPage(Table().Page);
    for (const auto& row : Table().Rows) {
        if (!row.Loaded) continue;
        EXPECT_FALSE(row.Box(*form).Checked()) << row.Control;
        ExpectStored(row, false);
    }
}

TEST_P(RegistryPage, AValueOfTheWrongTypeStopsTheLoaderAtThatValue) {
    std::vector<const TStorageRow*> loaded = LoadedRows();
    ASSERT_FALSE(loaded.empty());
    const size_t middle = loaded.size() / 2;
    const TStorageRow& bad = *loaded[middle];
    const BYTE four[] = {1, 0, 0, 0};
    const BYTE eight[] = {1, 0, 0, 0, 0, 0, 0, 0};
    struct TWrong {
        DWORD Type;
        const void* Data;
        DWORD Size;
        const char* Message;
    };
    const std::vector<TWrong> wrongs =
        bad.Text ? std::vector<TWrong>{{REG_DWORD, four, 4, "Invalid data type for '%s'"},
                                       {REG_BINARY, four, 4, "Invalid data type for '%s'"}}
                 : std::vector<TWrong>{{REG_SZ, "1", 2, "Invalid data type for '%s'"},
                                       {REG_BINARY, four, 4, "Invalid data type for '%s'"},
                                       {REG_BINARY, eight, 8, "Failed to get data for '%s'"}};
    for (const TWrong& wrong : wrongs) {
        SCOPED_TRACE(wrong.Type);
        for (const auto* row : loaded) reg::Delete(row->Root, row->Key, row->ReadName());
        reg::SetRaw(bad.Root, bad.Key, bad.ReadName(), wrong.Type, wrong.Data, wrong.Size);
        shell.Clear();
        int shown = form->Notebook1.PageIndex();
        SelectPage(Table().Page);
        std::string message = wrong.Message;
        message.replace(message.find("%s"), 2, bad.ReadName());
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{message});
        EXPECT_EQ(form->Notebook1.PageIndex(), shown) << "the page must not be shown";
        for (size_t i = 0; i < loaded.size(); ++i) {
            if (i == middle) continue;
            bool exists = reg::Read(loaded[i]->Root, loaded[i]->Key, loaded[i]->ReadName()).Exists;
            EXPECT_EQ(exists, i < middle) << loaded[i]->ReadName();
        }
        EXPECT_EQ(reg::Read(bad.Root, bad.Key, bad.ReadName()).Type, wrong.Type) << "the bad value is kept";
    }
}

TEST_P(RegistryPage, ARefusedWriteShowsTheErrorAndLeavesTheButtonAsItWas) {
    SelectPage(Table().Page);
    const TStorageRow* first = nullptr;
    for (const auto& row : Table().Rows)
        if (row.OnPage && !first) first = &row;
    ASSERT_NE(first, nullptr);
    {
        TRefuseRegistryWrites refuse;
        Click(first->Box(*form));
    }
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Failed to set data for '" + first->Name + "'"});
    EXPECT_TRUE(first->Box(*form).Checked()) << "the box keeps its new state";
    EXPECT_FALSE(first->Button(*form).Enabled());
}

TEST_P(RegistryPage, ApplyChangesBroadcastsShowsTheNoticeThenDisablesTheButton) {
    SelectPage(Table().Page);
    const TStorageRow* first = nullptr;
    for (const auto& row : Table().Rows)
        if (row.OnPage && !first) first = &row;
    ASSERT_NE(first, nullptr);
    TFlatButton& button = Table().Button(*form);
    Click(first->Box(*form));
    ASSERT_TRUE(button.Enabled());
    bool enabledWhileOpen = false;
    shell.WhileBoxOpen = [&](const TRecordingShell::TMessageBox& box) {
        enabledWhileOpen = button.Enabled();
        EXPECT_EQ(box.Caption, "Information");
        EXPECT_EQ(box.Flags, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    };
    shell.Clear();
    Click(button);
    EXPECT_EQ(shell.Log, (std::vector<std::string>{"broadcast", "box: " + Table().Notice}));
    EXPECT_TRUE(enabledWhileOpen);
    EXPECT_FALSE(button.Enabled());
    shell.Clear();
    Click(button);
    EXPECT_TRUE(shell.Log.empty()) << "a disabled button does nothing";
}

TEST_P(RegistryPage, AMissingValueIsCreatedAsClearedWhileTheBoxKeepsItsTick) {
    for (const auto* row : LoadedRows()) StoreRaw(*row, true);
    SelectPage(Table().Page);
    for (const auto* row : LoadedRows()) {
        row->Button(*form).Disable();
        reg::Delete(row->Root, row->Key, row->ReadName());
    }
    SelectPage(Table().Page);
    for (const auto* row : LoadedRows()) {
        EXPECT_TRUE(row->Box(*form).Checked()) << row->Control;
        ExpectStored(*row, false);
        EXPECT_FALSE(row->Button(*form).Enabled()) << row->Control << ": nothing flipped";
    }
}

// A box the loader flips runs its handler inside that step: the handler has
// stored its value before the loader reads the next one.
TEST_P(RegistryPage, ALoaderFlipStoresItsValueBeforeTheNextValueIsRead) {
    std::vector<const TStorageRow*> loaded = LoadedRows();
    ASSERT_GE(loaded.size(), 2u);
    const TStorageRow& first = *loaded[0];
    const TStorageRow& next = *loaded[1];
    StoreRaw(first, true);
    SelectPage(Table().Page);
    ASSERT_TRUE(first.Box(*form).Checked());
    first.Button(*form).Disable();
    StoreNeither(first);
    const BYTE four[] = {1, 0, 0, 0};
    reg::SetRaw(next.Root, next.Key, next.ReadName(), REG_BINARY, four, sizeof(four));
    shell.Clear();
    SelectPage(Table().Page);
    EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Invalid data type for '" + next.ReadName() + "'"});
    EXPECT_FALSE(first.Box(*form).Checked());
    ExpectStored(first, false);
    EXPECT_TRUE(first.Button(*form).Enabled());
}

TEST_P(RegistryPage, LoaderAndHandlersSpellTheirValueNamesExactly) {
    SelectPage(Table().Page);
    for (const auto* row : LoadedRows())
        EXPECT_TRUE(HasValueSpelled(*row, row->ReadName())) << row->ReadName() << " as the loader creates it";
    for (const auto& row : Table().Rows) {
        if (!row.OnPage) continue;
        reg::Delete(row.Root, row.Key, row.Name);
        Click(row.Box(*form));
        EXPECT_TRUE(HasValueSpelled(row, row.Name)) << row.Name << " as the handler writes it";
    }
}

// The loader's order, value by value: a value of the wrong type stops the
// loader there, so exactly the values before it have been handled.
TEST_P(RegistryPage, TheLoaderHandlesTheValuesInTheTablesOrder) {
    std::vector<const TStorageRow*> loaded = LoadedRows();
    const BYTE four[] = {1, 0, 0, 0};
    for (size_t bad = 0; bad < loaded.size(); ++bad) {
        SCOPED_TRACE(loaded[bad]->ReadName());
        for (const auto* row : loaded) reg::Delete(row->Root, row->Key, row->ReadName());
        reg::SetRaw(loaded[bad]->Root, loaded[bad]->Key, loaded[bad]->ReadName(), REG_BINARY, four, sizeof(four));
        shell.Clear();
        SelectPage(Table().Page);
        EXPECT_EQ(shell.Errors(), std::vector<std::string>{"Invalid data type for '" + loaded[bad]->ReadName() + "'"});
        for (size_t i = 0; i < loaded.size(); ++i)
            if (i != bad) {
                EXPECT_EQ(reg::Read(loaded[i]->Root, loaded[i]->Key, loaded[i]->ReadName()).Exists, i < bad)
                    << loaded[i]->ReadName();
            }
    }
}
