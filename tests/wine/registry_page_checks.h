#pragma once

#include "pages/apply_changes.h"
#include "harness.h"

#include <functional>
#include <string>
#include <vector>

// One row of a registry page's Storage table.
struct TStorageRow {
    std::string Control;
    std::function<TFlatCheckBox&(TForm1&)> Box;
    std::function<TFlatButton&(TForm1&)> Button;  // the button the handler enables
    HKEY Root = HKEY_CURRENT_USER;
    std::string Key;
    std::string Name;        // as the handler writes it
    std::string LoaderName;  // as the loader reads it (empty: the same)
    bool Text = false;       // REG_SZ "1" / "0" instead of REG_DWORD
    DWORD Ticked = 1;
    DWORD Cleared = 0;
    bool OnPage = true;  // the box stands on this page
    bool Loaded = true;  // this page's loader reads the value
    bool SharedKey = false;  // the key holds others' values too: set-up deletes only this one

    const std::string& ReadName() const { return LoaderName.empty() ? Name : LoaderName; }
};

// A page whose options are registry values, with its rows in the order the
// page loader handles them.
struct TRegistryPageTable {
    std::string Name;
    int Page = 0;
    std::function<TFlatButton&(TForm1&)> Button;
    std::string Notice;
    std::vector<TStorageRow> Rows;
    bool LoaderDisablesButton = false;  // the loader's last step disables the button
    std::function<void()> ClearFiles;   // empties the profile files the loader also reads
};

void PrintTo(const TRegistryPageTable& table, std::ostream* out);

// A page's table from the option table: the registry values its loader
// reads, in their order, then those of its boxes that another page loads.
TRegistryPageTable RegistryPageTable(int page, const std::string& name, const std::string& notice);

// The checks every registry page goes through, instantiated once per page
// with that page's table.
class RegistryPage : public TFormTest, public testing::WithParamInterface<TRegistryPageTable> {
protected:
    void SetUp() override;
    const TRegistryPageTable& Table() const { return GetParam(); }
    void ExpectStored(const TStorageRow& row, bool ticked);
    void StoreRaw(const TStorageRow& row, bool ticked);
    // A value that is neither the ticked nor the cleared one.
    void StoreNeither(const TStorageRow& row);
    std::vector<const TStorageRow*> LoadedRows() const;
};
