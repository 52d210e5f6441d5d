#pragma once

// One description of every option of the thirteen pages, for the tests:
// read from options.tsv, which is written from the page descriptions and
// not from the program, so that the tests compare two independent copies.

#include <string>
#include <vector>

namespace options {

struct TPage {
    int Number = 0;
    std::string Title;
    std::string Button;  // its Apply Changes button; empty: none
};

// A control on a page, in the page's tab order.
struct TControl {
    int Page = 0;
    std::string Name;
    std::string Kind;    // box, button, group, spin or edit
    std::string Parent;  // empty: the options panel; else the group it stands in
    std::string Caption; // a spin edit's or edit's: the text of its label
    std::string Hint;
    int Left = 0, Top = 0, Width = 0, Height = 0;

    // Its window shows its caption as its text (a spin edit or edit shows its value).
    bool ShowsCaption() const { return Kind != "spin" && Kind != "edit"; }
};

// Where a control stores its option, one row per value or entry, each page's
// rows in the order its loader reads them.
struct TStore {
    int Page = 0;  // the page whose loader reads it
    std::string Control;
    std::string Where;       // HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, control.ini or msdos.sys
    std::string Key;         // the registry key, or the file's section
    std::string Name;        // as the handler writes it
    std::string LoaderName;  // as the loader reads it
    std::string Type;        // dword, sz, entry, delay
    std::string Ticked;      // stored when ticked; "@edit": the text of that edit
    std::string Cleared;     // stored when cleared; empty: deleted
    std::string ShownTicked; // the stored value that shows the box ticked
    std::string Missing;     // a value: what the loader creates; an entry: the default it reads; empty: none
    std::string Button;

    bool InRegistry() const { return Where.rfind("HKEY_", 0) == 0; }
    bool IsText() const { return Type != "dword"; }
    bool TakesAnEditsText() const { return !Ticked.empty() && Ticked[0] == '@'; }
};

const std::vector<TPage>& Pages();
const std::vector<TControl>& Controls();
const std::vector<TStore>& Stores();

const TPage& Page(int number);
const TControl& Control(const std::string& name);
std::vector<TControl> ControlsOn(int page, const std::string& parent = "");
std::vector<TStore> StoresReadBy(int page);
std::vector<TStore> StoresOf(const std::string& control);
// A number as the table writes it: decimal, or hexadecimal after 0x.
unsigned long Number(const std::string& text);

// The table from its text; throws std::runtime_error naming the line of a
// row it cannot read.
struct TTable {
    std::vector<TPage> Pages;
    std::vector<TControl> Controls;
    std::vector<TStore> Stores;
};
TTable Parse(const std::string& text);

}  // namespace options
