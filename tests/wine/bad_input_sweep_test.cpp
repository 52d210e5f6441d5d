// Every value and entry the option pages read, stored with every wrong kind,
// loaded through the real window. For each case the sweep checks the error
// box or the default shown, that nothing stored was changed beyond the
// defaults a loader creates and the values a flipped box's handler stores,
// and that the page loads and shows again once the bad input is gone.
//
// The cases run in a child run of this program, so that a crash or a hang
// is counted against its case and the sweep goes on with the next one.

#include "child_runs.h"
#include "harness.h"
#include "option_controls.h"
#include "pages/key_paths.h"
#include "profile_files.h"
#include "stored_values.h"
#include "widgets/section_rows.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <set>

namespace {

using namespace stored;

const std::string ControlIniPath = profile::InWindowsDirectory(ControlIni);
const std::string BootFilePath = profile::BootFilePath();

// ---- what the program reads

enum class TKind { Integer, Text, Entry };

using TFormState = std::function<std::string(TForm1&)>;

// One value or entry a page loader reads.
struct TItem {
    int Page = 0;
    int Order = 0;  // its place in the loader
    TPlace Place;
    TKind Kind = TKind::Integer;
    std::string Sample = "1";    // what a string of this item holds
    TStored CreatedIfMissing;    // what the loader creates when it is missing
    std::function<void()> Seed;  // what must be stored beside it for it to be read
    // The state of the control whose handler stores this value; none: nothing stores it.
    TFormState Control;
    std::function<TStored(TForm1&)> HandlerStores;  // for the control's present state
    // What the page shows of it, and what it should show for a text read.
    TFormState Shown;
    std::function<std::string(const std::string&)> ShowsFor;
};

using TBoxOf = std::function<TFlatCheckBox&(TForm1&)>;

TBoxOf BoxOf(const std::string& control) {
    return [control](TForm1& form) -> TFlatCheckBox& { return BoxNamed(form, control); };
}

std::string StateOf(const TFlatCheckBox& box) { return box.Checked() ? "ticked" : "cleared"; }

TFormState StateOf(const TBoxOf& box) {
    return [box](TForm1& form) { return StateOf(box(form)); };
}

// What a box's handler stores: the ticked or the cleared value, where an
// empty cleared one deletes it.
template <class TMake>
std::function<TStored(TForm1&)> BoxStores(const TBoxOf& box, const std::string& ticked, const std::string& cleared,
                                          TMake make) {
    return [box, ticked, cleared, make](TForm1& form) {
        if (box(form).Checked()) return make(ticked);
        return cleared.empty() ? Absent() : make(cleared);
    };
}

// A box's registry value, created when missing.
TItem RegistryFlag(const options::TStore& store) {
    TBoxOf box = BoxOf(store.Control);
    TItem item;
    item.Place = {RootOf(store), store.Key, "", store.LoaderName};
    item.Control = item.Shown = StateOf(box);
    std::string shownTicked = store.ShownTicked;
    if (store.IsText()) {
        item.Kind = TKind::Text;
        item.CreatedIfMissing = Sz(store.Missing);
        item.HandlerStores = BoxStores(box, store.Ticked, store.Cleared, Sz);
    } else {
        item.CreatedIfMissing = Dword(options::Number(store.Missing));
        item.HandlerStores = BoxStores(box, store.Ticked, store.Cleared,
                                       [](const std::string& value) { return Dword(options::Number(value)); });
        shownTicked = std::to_string(static_cast<int32_t>(options::Number(shownTicked)));
    }
    item.ShowsFor = [shownTicked](const std::string& read) { return read == shownTicked ? "ticked" : "cleared"; };
    return item;
}

void SeedBootDirectory() { reg::SetString(HKEY_LOCAL_MACHINE, SetupKey, "BootDir", BootDrive); }

// An entry of control.ini or of the boot file, read exactly.
TItem EntryFlag(const options::TStore& store) {
    TBoxOf box = BoxOf(store.Control);
    TItem item;
    const bool boot = store.Where == "msdos.sys";
    item.Place = {nullptr, boot ? BootFilePath : ControlIniPath, store.Key, store.LoaderName};
    item.Kind = TKind::Entry;
    if (boot) item.Seed = SeedBootDirectory;
    item.Control = item.Shown = StateOf(box);
    item.HandlerStores = BoxStores(box, store.Ticked, store.Cleared, EntryText);
    item.ShowsFor = [tickedWhen = store.ShownTicked](const std::string& read) {
        return read == tickedWhen ? "ticked" : "cleared";
    };
    return item;
}

// Its entry kinds say what it shows, so it has no ShowsFor.
TItem BootDelay(const options::TStore& store) {
    TItem item;
    item.Place = {nullptr, BootFilePath, store.Key, store.LoaderName};
    item.Kind = TKind::Entry;
    item.Seed = SeedBootDirectory;
    auto shown = [control = store.Control](TForm1& form) { return ControlNamed(form, control).Text(); };
    item.Control = item.Shown = shown;
    item.HandlerStores = [shown](TForm1& form) { return EntryText(shown(form)); };
    return item;
}

// Which file the loader read shows in enabootmenu: only C:\msdos.sys ticks it.
TItem BootDirectory() {
    TItem directory;
    directory.Place = {HKEY_LOCAL_MACHINE, SetupKey, "", "BootDir"};
    directory.Kind = TKind::Text;
    directory.Sample = BootDrive;
    directory.Seed = [] { profile::WriteBehindProgram(BootFilePath, profile::BootFile({"BootMenu=1"})); };
    directory.Shown = StateOf(BoxOf("enabootmenu"));
    // An empty boot directory means the boot drive.
    directory.ShowsFor = [](const std::string& read) {
        return read.empty() || read == BootDrive ? "ticked" : "cleared";
    };
    return directory;
}

// The notice's caption and text: stored while logondialog is ticked, the
// text read only beside a stored caption.
std::vector<TItem> LogonNotice(const std::vector<options::TStore>& stores) {
    TBoxOf box = BoxOf("logondialog");
    std::vector<TItem> items;
    for (const options::TStore& store : stores) {
        const bool caption = items.empty();
        auto edit = [name = store.Ticked.substr(1)](TForm1& form) { return ControlNamed(form, name).Text(); };
        TItem item;
        item.Place = {RootOf(store), store.Key, "", store.LoaderName};
        item.Kind = TKind::Text;
        item.Sample = caption ? "Notice" : "Text";
        item.Control = StateOf(box);
        item.HandlerStores = [box, edit](TForm1& form) { return box(form).Checked() ? Sz(edit(form)) : Absent(); };
        if (caption) {
            item.Shown = [box, edit](TForm1& form) { return StateOf(box(form)) + " " + edit(form); };
            item.ShowsFor = [](const std::string& read) { return (read.empty() ? "cleared " : "ticked ") + read; };
        } else {
            const options::TStore first = stores.front();
            item.Seed = [first] { reg::SetString(RootOf(first), first.Key, first.LoaderName, "Notice"); };
            item.Shown = edit;
            item.ShowsFor = [](const std::string& read) { return read; };
        }
        items.push_back(item);
    }
    return items;
}

// The items in the order each page loader reads them.
std::vector<TItem> Items() {
    std::vector<TItem> items;
    for (const options::TPage& page : options::Pages()) {
        std::vector<TItem> read;
        if (page.Number == 12) read.push_back(BootDirectory());
        std::vector<options::TStore> notice;
        for (const options::TStore& store : options::StoresReadBy(page.Number)) {
            if (store.TakesAnEditsText())
                notice.push_back(store);
            else if (store.Type == "delay")
                read.push_back(BootDelay(store));
            else
                read.push_back(store.InRegistry() ? RegistryFlag(store) : EntryFlag(store));
        }
        for (TItem& item : LogonNotice(notice)) read.push_back(item);
        for (size_t order = 0; order < read.size(); ++order) {
            read[order].Page = page.Number;
            read[order].Order = static_cast<int>(order);
            items.push_back(read[order]);
        }
    }
    return items;
}

// ---- the registry layer's rules

struct TReadResult {
    std::string Error;  // the message; empty when the read succeeds
    std::string Value;  // an integer in decimal, or the text
};

TReadResult ReadAsInteger(const std::string& name, DWORD type, const std::string& data) {
    if (data.size() > 4) return {"Failed to get data for '" + name + "'", ""};
    if (type != REG_DWORD) return {"Invalid data type for '" + name + "'", ""};
    uint32_t bits = 0;
    for (size_t i = 0; i < data.size(); ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(data[i])) << (8 * i);
    return {"", std::to_string(static_cast<int32_t>(bits))};
}

TReadResult ReadAsText(const std::string& name, DWORD type, const std::string& data) {
    if (data.empty()) return {"", ""};
    if (type != REG_SZ && type != REG_EXPAND_SZ) return {"Invalid data type for '" + name + "'", ""};
    return {"", data.substr(0, data.find('\0'))};
}

// The error box gets a full stop after a message ending in a character that
// sorts above it.
std::string ErrorBoxText(const std::string& message) {
    return !message.empty() && static_cast<unsigned char>(message.back()) > '.' ? message + "." : message;
}

std::string NotAnInteger(const std::string& text) {
    return ErrorBoxText("'" + text + "' is not a valid integer value");
}

// ---- the wrong kinds

struct TRegistryKind {
    const char* Label;
    DWORD Type;
    std::string (*Data)(const std::string& sample);
    bool ForIntegers;
    bool ForTexts;
};

std::string Bytes(size_t count) {
    std::string data(count, '\0');
    if (count) data[0] = '\1';
    return data;
}

const TRegistryKind RegistryKinds[] = {
    {"REG_SZ", REG_SZ, [](const std::string& sample) { return sample + '\0'; }, true, false},
    // Four bytes still fit an integer's buffer: the kind is what is wrong.
    {"REG_SZ of 4 bytes", REG_SZ, [](const std::string&) { return std::string("abc") + '\0'; }, true, false},
    {"REG_SZ of 0 bytes", REG_SZ, [](const std::string&) { return Bytes(0); }, true, true},
    {"REG_SZ without its ending zero", REG_SZ, [](const std::string& sample) { return sample; }, false, true},
    {"REG_EXPAND_SZ", REG_EXPAND_SZ, [](const std::string& sample) { return sample + '\0'; }, true, true},
    {"REG_BINARY of 0 bytes", REG_BINARY, [](const std::string&) { return Bytes(0); }, true, true},
    {"REG_BINARY of 2 bytes", REG_BINARY, [](const std::string&) { return Bytes(2); }, true, true},
    {"REG_BINARY of 4 bytes", REG_BINARY, [](const std::string&) { return Bytes(4); }, true, true},
    {"REG_BINARY of 8 bytes", REG_BINARY, [](const std::string&) { return Bytes(8); }, true, true},
    {"REG_MULTI_SZ", REG_MULTI_SZ, [](const std::string& sample) { return sample + '\0' + sample + '\0' + '\0'; }, true,
     true},
    {"REG_DWORD", REG_DWORD, [](const std::string&) { return Bytes(4); }, false, true},
    {"REG_DWORD of 0 bytes", REG_DWORD, [](const std::string&) { return Bytes(0); }, true, true},
    {"REG_DWORD of 8 bytes", REG_DWORD, [](const std::string&) { return Bytes(8); }, true, true},
    {"a 64 KiB REG_SZ", REG_SZ, [](const std::string&) { return std::string(65535, 'x') + '\0'; }, true, true},
};

// Control characters and high bytes, no line end and no zero.
std::string BinaryText() {
    std::string text;
    for (int code = 1; code < 256; ++code)
        if (code != '\r' && code != '\n' && code != '\t' && code != ' ' && (code < 32 || code > 126))
            text += static_cast<char>(code);
    return text;
}

// Four kilobytes of noise, zeros included.
std::string BinaryFile() {
    std::string content;
    uint32_t state = 12345;
    for (int i = 0; i < 4096; ++i) {
        state = state * 1103515245u + 12345u;
        content += static_cast<char>(state >> 24);
    }
    return content;
}

const size_t OneMiB = 1 << 20;

// A text stored in an entry; for a delay, what the spin edit then shows
// (none: the conversion error).
struct TEntryKind {
    const char* Label;
    std::string Text;
    std::optional<std::string> DelayShows;
    bool ForFlags;
};

const std::vector<TEntryKind>& EntryKinds() {
    static const std::vector<TEntryKind> kinds = {
        {"an empty entry", "", std::nullopt, true},
        {"a binary entry", BinaryText(), std::nullopt, true},
        {"a 1 MiB entry", std::string(OneMiB, '1'), std::nullopt, true},
        {"abc", "abc", std::nullopt, false},
        {"a lone sign", "-", std::nullopt, false},
        {"a fraction", "1.5", std::nullopt, false},
        {"2^31", "2147483648", std::nullopt, false},
        {"-2^31 - 1", "-2147483649", std::nullopt, false},
        {"leading blanks", "  7", "7", false},
        {"99", "99", "60", false},
        {"-5", "-5", "0", false},
        {"-2^31", "-2147483648", "0", false},
        {"$1F", "$1F", "31", false},
        {"0x10", "0x10", "16", false},
        {"$FFFFFFFF", "$FFFFFFFF", "0", false},
    };
    return kinds;
}

// ---- cases

struct TExpected {
    std::string Error;       // the error box's text; empty: no error
    int StopsAt = INT_MAX;   // the loader order at which the loader stops
    bool ReadFails = false;  // reading that value failed, so its control keeps what it showed
    std::vector<std::pair<const TItem*, std::string>> Shows;
    std::function<std::string()> AlsoCheck;  // a problem found after the load, or empty
};

struct TCase {
    std::string Label;
    int Page = 0;
    std::function<void()> Store;        // the bad input, on a clean machine
    std::function<TExpected()> Expect;  // asked once the bad input is stored
    std::function<void()> Seed;         // what the page needs beside it, also after the clean-up
};

std::string WithEntry(const TItem& item, const std::string& text) {
    if (item.Place.Key == ControlIniPath)
        return "[" + std::string(DontLoadSection) + "]\r\n" + item.Place.Name + "=" + text + "\r\n";
    return profile::BootFile({item.Place.Name + "=" + text});
}

std::string BootLinesKept() {
    return profile::KeepsLines(profile::Lines(profile::ReadAll(BootFilePath)), profile::BootFileKeptLines())
               ? ""
               : "the boot file lost lines it did not own";
}

TCase RegistryCase(const TItem& item, const TRegistryKind& kind) {
    TCase sweepCase;
    sweepCase.Label = item.Place.Name + " as " + kind.Label;
    sweepCase.Page = item.Page;
    sweepCase.Seed = item.Seed;
    const std::string data = kind.Data(item.Sample);
    sweepCase.Store = [&item, &kind, data] {
        reg::SetRaw(item.Place.Root, item.Place.Key, item.Place.Name, kind.Type, data.data(),
                    static_cast<DWORD>(data.size()));
    };
    sweepCase.Expect = [&item, &kind, data] {
        TReadResult read = item.Kind == TKind::Integer ? ReadAsInteger(item.Place.Name, kind.Type, data)
                                                       : ReadAsText(item.Place.Name, kind.Type, data);
        TExpected expected;
        if (!read.Error.empty()) {
            expected.Error = ErrorBoxText(read.Error);
            expected.StopsAt = item.Order;
            expected.ReadFails = true;
        } else {
            expected.Shows = {{&item, item.ShowsFor(read.Value)}};
        }
        return expected;
    };
    return sweepCase;
}

TCase EntryCase(const TItem& item, const TEntryKind& kind) {
    TCase sweepCase;
    sweepCase.Label = item.Place.Name + " as " + kind.Label;
    sweepCase.Page = item.Page;
    sweepCase.Seed = item.Seed;
    const std::string content = WithEntry(item, kind.Text);
    sweepCase.Store = [&item, content] { profile::WriteBehindProgram(item.Place.Key, content); };
    sweepCase.Expect = [&item, &kind] {
        // What the platform's profile functions make of it, read as the program reads.
        char buffer[2048];
        DWORD copied = GetPrivateProfileStringA(item.Place.Section.c_str(), item.Place.Name.c_str(), "", buffer,
                                                sizeof(buffer), item.Place.Key.c_str());
        const std::string read(buffer, copied);
        TExpected expected;
        if (item.ShowsFor) {
            expected.Shows = {{&item, item.ShowsFor(read)}};
        } else if (kind.DelayShows) {
            expected.Shows = {{&item, *kind.DelayShows}};
        } else {
            expected.Error = NotAnInteger(read);
            expected.StopsAt = item.Order;
            expected.ReadFails = true;
        }
        if (item.Place.Key == BootFilePath) expected.AlsoCheck = BootLinesKept;
        return expected;
    };
    return sweepCase;
}

const TItem& Named(const std::vector<TItem>& items, const std::string& name) {
    return *std::find_if(items.begin(), items.end(), [&](const TItem& item) { return item.Place.Name == name; });
}

// Whether the platform refuses to write into a read-only file (Windows
// does; Wine running as root does not).
bool ReadOnlyFilesRefuseWrites() {
    const std::string path = TemporaryPath("read-only.ini");
    profile::WriteBehindProgram(path, "[probe]\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool refused = !WritePrivateProfileStringA("probe", "entry", "1", path.c_str());
    profile::Remove(path);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);
    return refused;
}

// A whole profile file of a wrong shape, and the entries the page then
// shows otherwise than with no file at all.
struct TFileShape {
    std::string Label;
    std::optional<std::string> Content;  // none: no file
    DWORD Attributes = FILE_ATTRIBUTE_NORMAL;
    std::map<std::string, std::string> Shows;
};

void PutInPlace(const std::string& path, const TFileShape& shape) {
    if (!shape.Content) return profile::Remove(path);
    profile::WriteBehindProgram(path, *shape.Content);
    SetFileAttributesA(path.c_str(), shape.Attributes);
}

std::vector<std::pair<const TItem*, std::string>> ShowsOf(const std::vector<TItem>& items, const std::string& path,
                                                          const std::map<std::string, std::string>& withoutFile,
                                                          const std::map<std::string, std::string>& differing) {
    std::vector<std::pair<const TItem*, std::string>> shows;
    for (const TItem& item : items) {
        if (item.Place.Key != path) continue;
        auto other = differing.find(item.Place.Name);
        shows.push_back({&item, other != differing.end() ? other->second : withoutFile.at(item.Place.Name)});
    }
    return shows;
}

// control.ini is only read: whatever its shape, it is left as it was.
std::string ControlIniKept(const TFileShape& shape) {
    if (!shape.Content) return profile::Exists(ControlIniPath) ? "control.ini was created" : "";
    if (profile::ReadAll(ControlIniPath) != *shape.Content) return "control.ini was changed";
    const DWORD readOnly = profile::Attributes(ControlIniPath) & FILE_ATTRIBUTE_READONLY;
    return readOnly == (shape.Attributes & FILE_ATTRIBUTE_READONLY) ? "" : "control.ini changed its read-only bit";
}

// The load clears the boot file's attributes and keeps every line it does not own.
std::string BootFileKept(const TFileShape& shape) {
    if (!shape.Content) return "";
    if (profile::Attributes(BootFilePath) & FILE_ATTRIBUTE_READONLY) return "the load left the boot file read-only";
    if (shape.Content->find("[Paths]") == std::string::npos) return "";
    const std::vector<std::string> lines = profile::Lines(profile::ReadAll(BootFilePath));
    if (!profile::KeepsLines(lines, profile::BootFileKeptLines())) return "the boot file lost lines it did not own";
    for (const std::string& kept : profile::Lines(*shape.Content))
        if (kept[0] == ';' && std::find(lines.begin(), lines.end(), kept) == lines.end())
            return "the boot file lost the line " + Shorten(kept);
    return "";
}

std::vector<TCase> FileCases(const std::vector<TItem>& items) {
    std::vector<TCase> cases;

    std::map<std::string, std::string> noApplet;
    std::string everyApplet = "[" + std::string(DontLoadSection) + "]\r\n";
    for (const TItem& item : items)
        if (item.Place.Key == ControlIniPath) {
            noApplet[item.Place.Name] = "cleared";
            everyApplet += item.Place.Name + "=no\r\n";
        }
    std::map<std::string, std::string> everyAppletTicked = noApplet;
    for (auto& applet : everyAppletTicked) applet.second = "ticked";
    const TFileShape controlIniShapes[] = {
        {"missing", std::nullopt, FILE_ATTRIBUTE_NORMAL, {}},
        {"empty", "", FILE_ATTRIBUTE_NORMAL, {}},
        {"binary", BinaryFile(), FILE_ATTRIBUTE_NORMAL, {}},
        {"with a 1 MiB line",
         "[don't load]\r\n" + std::string(OneMiB, 'x') + "\r\nsysdm.cpl=no\r\n",
         FILE_ATTRIBUTE_NORMAL,
         {{"sysdm.cpl", "ticked"}}},
        {"read-only", everyApplet, FILE_ATTRIBUTE_READONLY, everyAppletTicked},
    };
    for (const TFileShape& shape : controlIniShapes) {
        TCase sweepCase;
        sweepCase.Label = "control.ini " + shape.Label;
        sweepCase.Page = 9;
        sweepCase.Store = [shape] { PutInPlace(ControlIniPath, shape); };
        sweepCase.Expect = [&items, shape, noApplet] {
            TExpected expected;
            expected.AlsoCheck = [shape] { return ControlIniKept(shape); };
            // A ticked applet's handler stores it again, which a platform that
            // refuses to write read-only files reports.
            if (shape.Attributes & FILE_ATTRIBUTE_READONLY && ReadOnlyFilesRefuseWrites()) {
                expected.Error = ErrorBoxText("Unable to write to " + std::string(ControlIni));
                expected.StopsAt = Named(items, "desk.cpl").Order;
                return expected;
            }
            expected.Shows = ShowsOf(items, ControlIniPath, noApplet, shape.Shows);
            return expected;
        };
        cases.push_back(sweepCase);
    }

    // Without a file every entry reads its default.
    std::map<std::string, std::string> noBootFile;
    for (const options::TStore& store : options::StoresReadBy(12)) {
        if (store.Where != "msdos.sys") continue;
        if (store.Type == "delay")
            noBootFile[store.LoaderName] = store.Missing;
        else
            noBootFile[store.LoaderName] = store.Missing == store.ShownTicked ? "ticked" : "cleared";
    }
    const DWORD bootFileProtection = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const TFileShape bootFileShapes[] = {
        {"missing", std::nullopt, FILE_ATTRIBUTE_NORMAL, {}},
        {"empty", "", FILE_ATTRIBUTE_NORMAL, {}},
        {"binary", BinaryFile(), FILE_ATTRIBUTE_NORMAL, {}},
        {"with a 1 MiB line",
         profile::BootFile({"BootMenu=1", "BootDelay=5"}) + ";" + std::string(OneMiB, 'x') + "\r\n",
         FILE_ATTRIBUTE_NORMAL,
         {{"BootMenu", "ticked"}, {"BootDelay", "5"}}},
        {"read-only, hidden and system",
         profile::BootFile({"BootMenu=1"}),
         bootFileProtection,
         {{"BootMenu", "ticked"}}},
    };
    for (const TFileShape& shape : bootFileShapes) {
        TCase sweepCase;
        sweepCase.Label = "C:\\msdos.sys " + shape.Label;
        sweepCase.Page = 12;
        sweepCase.Seed = SeedBootDirectory;
        sweepCase.Store = [shape] { PutInPlace(BootFilePath, shape); };
        sweepCase.Expect = [&items, shape, noBootFile] {
            TExpected expected;
            expected.Shows = ShowsOf(items, BootFilePath, noBootFile, shape.Shows);
            expected.AlsoCheck = [shape] { return BootFileKept(shape); };
            return expected;
        };
        cases.push_back(sweepCase);
    }
    return cases;
}

std::vector<TCase> Cases(const std::vector<TItem>& items) {
    std::vector<TCase> cases;
    for (const TItem& item : items) {
        if (item.Kind == TKind::Entry) {
            const bool delay = !item.ShowsFor;
            for (const TEntryKind& kind : EntryKinds())
                if (kind.ForFlags || delay) cases.push_back(EntryCase(item, kind));
            continue;
        }
        for (const TRegistryKind& kind : RegistryKinds)
            if (item.Kind == TKind::Integer ? kind.ForIntegers : kind.ForTexts)
                cases.push_back(RegistryCase(item, kind));
    }
    for (TCase& fileCase : FileCases(items)) cases.push_back(std::move(fileCase));
    return cases;
}

// ---- checking one load

// Everything stored that the program reads, with every other value of the
// keys it opens and of the trees a clean machine has emptied, where a value
// under a wrong key would show.
TSnapshot Snapshot(const std::vector<TItem>& items) {
    static const std::vector<TPlace> emptiedTrees = {
        {HKEY_CURRENT_USER, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "", ""},
        {HKEY_CURRENT_USER, ExplorerAdvanced, "", ""},
        {HKEY_LOCAL_MACHINE, "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies", "", ""},
        {HKEY_LOCAL_MACHINE, "\\Network", "", ""},
    };
    std::vector<TPlace> places;
    for (const TItem& item : items) places.push_back(item.Place);
    return Snapshot(places, emptiedTrees);
}

std::vector<std::string> StatesOf(const std::vector<TItem>& items, TFormState TItem::*state, TForm1& form) {
    std::vector<std::string> states;
    for (const TItem& item : items) states.push_back(item.*state ? (item.*state)(form) : "");
    return states;
}

struct TProblem {
    std::string Category;  // lost, unexpected, text, shown, check, recovery
    std::string Text;
};

class TLoadCheck {
public:
    TLoadCheck(const std::vector<TItem>& items, TForm1& form)
        : items_(items),
          form_(form),
          before_(Snapshot(items)),
          statesBefore_(StatesOf(items, &TItem::Control, form)),
          shownBefore_(StatesOf(items, &TItem::Shown, form)) {}

    void Verify(int page, const TExpected& expected, const std::vector<std::string>& errors, int pageBefore,
                std::vector<TProblem>& problems) const {
        const bool failed = !expected.Error.empty();
        if (failed ? errors != std::vector<std::string>{expected.Error} : !errors.empty())
            problems.push_back(
                {"text", "error boxes [" + Joined(errors) + "], expected [" + Shorten(expected.Error) + "]"});
        const int shown = form_.Notebook1.PageIndex();
        if (shown != (failed ? pageBefore : page))
            problems.push_back({"shown", "the notebook shows page " + std::to_string(shown)});
        for (const auto& show : expected.Shows) {
            std::string now = show.first->Shown(form_);
            if (now != show.second)
                problems.push_back({"shown", show.first->Place.Name + " shows \"" + Shorten(now) + "\", expected \"" +
                                                 Shorten(show.second) + "\""});
        }
        if (failed) VerifyNotLoaded(page, expected, problems);
        VerifyStored(page, expected.StopsAt, problems);
        if (expected.AlsoCheck) {
            std::string found = expected.AlsoCheck();
            if (!found.empty()) problems.push_back({"check", found});
        }
    }

private:
    static std::string Joined(const std::vector<std::string>& texts) {
        std::string joined;
        for (const std::string& text : texts) joined += (joined.empty() ? "" : " | ") + Shorten(text);
        return joined;
    }

    // A loader that fails leaves what it did not get to as it showed.
    void VerifyNotLoaded(int page, const TExpected& expected, std::vector<TProblem>& problems) const {
        for (size_t i = 0; i < items_.size(); ++i) {
            const TItem& item = items_[i];
            if (item.Page != page || !item.Shown) continue;
            if (item.Order < expected.StopsAt || (item.Order == expected.StopsAt && !expected.ReadFails)) continue;
            const std::string now = item.Shown(form_);
            if (now != shownBefore_[i])
                problems.push_back({"shown", item.Place.Name + " was not loaded but shows \"" + Shorten(now) +
                                                 "\" instead of \"" + Shorten(shownBefore_[i]) + "\""});
        }
    }

    // Each change must be a default its loader creates or what a flipped
    // control's handler stores.
    void VerifyStored(int page, int stopsAt, std::vector<TProblem>& problems) const {
        const TSnapshot after = Snapshot(items_);
        const std::vector<std::string> statesAfter = StatesOf(items_, &TItem::Control, form_);
        std::map<std::string, size_t> itemAt;
        for (size_t i = 0; i < items_.size(); ++i) itemAt[items_[i].Place.Id()] = i;
        std::map<std::string, bool> ids;
        for (const auto& entry : before_) ids[entry.first] = true;
        for (const auto& entry : after) ids[entry.first] = true;
        for (const auto& id : ids) {
            const TStored was = Find(before_, id.first);
            const TStored now = Find(after, id.first);
            if (was == now) continue;
            auto at = itemAt.find(id.first);
            if (at != itemAt.end() && Allowed(at->second, was, now, statesAfter, page, stopsAt)) continue;
            problems.push_back(
                {was.Exists ? "lost" : "unexpected", id.first + ": " + Describe(was) + " became " + Describe(now)});
        }
    }

    bool Allowed(size_t index, const TStored& was, const TStored& now, const std::vector<std::string>& statesAfter,
                 int page, int stopsAt) const {
        const TItem& item = items_[index];
        if (!was.Exists && item.CreatedIfMissing.Exists && now == item.CreatedIfMissing && item.Page == page &&
            item.Order < stopsAt)
            return true;
        return item.Control && statesAfter[index] != statesBefore_[index] && item.HandlerStores &&
               now == item.HandlerStores(form_);
    }

    static TStored Find(const TSnapshot& snapshot, const std::string& id) {
        auto found = snapshot.find(id);
        return found == snapshot.end() ? Absent() : found->second;
    }

    const std::vector<TItem>& items_;
    TForm1& form_;
    TSnapshot before_;
    std::vector<std::string> statesBefore_;
    std::vector<std::string> shownBefore_;
};

// ---- the sweep's log, written by the child run and read by the sweep

const char* const LogVariable = "TAVREL_SWEEP_LOG";
const char* const FromVariable = "TAVREL_SWEEP_FROM";

std::string OneLine(std::string text) {
    for (char& character : text)
        if (character == '\r' || character == '\n') character = ' ';
    return text;
}

}  // namespace

class BadInputSweep : public TFormTest {
protected:
    void SetUp() override {
        if (IsChildRun()) TFormTest::SetUp();
    }
    void TearDown() override {
        if (IsChildRun()) TFormTest::TearDown();
    }
    static bool IsChildRun() { return !EnvironmentVariable(LogVariable).empty(); }

    void RunCases(const std::vector<TItem>& items, const std::vector<TCase>& cases, size_t from);
    void RunCase(const std::vector<TItem>& items, const TCase& sweepCase, std::vector<TProblem>& problems);

    // A click through the section list as a user makes it, waiting only as
    // long as the window has messages to handle.
    void ClickRow(int row);
    void ShowDefaultPage(int section);
    void SelectPageQuickly(int page);
};

void BadInputSweep::ClickRow(int row) {
    TSectionListBox& list = form->optionlist1;
    POINT point = RowPoint(row);
    ClientToScreen(list.Handle(), &point);
    SetCursorPos(point.x, point.y);
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    Pump(5);
}

// Closing and opening the page's section shows the default page.
void BadInputSweep::ShowDefaultPage(int section) {
    const int header = RowOf(section);
    ClickRow(header);
    ClickRow(header);
}

void BadInputSweep::SelectPageQuickly(int page) {
    const POINT at = SectionAndItemOf(page);
    OpenSection(at.x);
    ClickRow(RowOf(at.x, at.y));
}

void BadInputSweep::RunCase(const std::vector<TItem>& items, const TCase& sweepCase, std::vector<TProblem>& problems) {
    const int section = SectionAndItemOf(sweepCase.Page).x;
    OpenSection(section);
    ShowDefaultPage(section);
    ResetMachine();
    if (sweepCase.Seed) sweepCase.Seed();
    sweepCase.Store();
    const TExpected expected = sweepCase.Expect();
    shell.Clear();
    {
        TLoadCheck check(items, *form);
        const int pageBefore = form->Notebook1.PageIndex();
        SelectPageQuickly(sweepCase.Page);
        check.Verify(sweepCase.Page, expected, shell.Errors(), pageBefore, problems);
    }

    // Once the bad input is gone the page loads and shows again.
    ResetMachine();
    if (sweepCase.Seed) sweepCase.Seed();
    shell.Clear();
    TLoadCheck check(items, *form);
    std::vector<TProblem> afterwards;
    SelectPageQuickly(sweepCase.Page);
    check.Verify(sweepCase.Page, TExpected{}, shell.Errors(), form->Notebook1.PageIndex(), afterwards);
    for (TProblem& problem : afterwards) {
        if (problem.Category == "text" || problem.Category == "shown") problem.Category = "recovery";
        problems.push_back(problem);
    }
}

namespace {
// A fault ends the child run at once with its exception code, instead of
// waiting in the platform's debugger; the sweep counts it against its case.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }
}  // namespace

void BadInputSweep::RunCases(const std::vector<TItem>& items, const std::vector<TCase>& cases, size_t from) {
    SetUnhandledExceptionFilter(&EndOnFault);
    std::ofstream log(EnvironmentVariable(LogVariable));
    int page = -1;
    for (size_t index = from; index < cases.size(); ++index) {
        const TCase& sweepCase = cases[index];
        log << "begin " << index << "\n" << std::flush;
        if (sweepCase.Page != page) {  // each page starts on a new window
            if (page != -1) {
                TFormTest::TearDown();
                TFormTest::SetUp();
            }
            page = sweepCase.Page;
        }
        std::vector<TProblem> problems;
        RunCase(items, sweepCase, problems);
        for (const TProblem& problem : problems)
            log << "problem " << index << " " << problem.Category << " " << OneLine(problem.Text) << "\n";
        log << "end " << index << "\n" << std::flush;
    }
    log << "done\n" << std::flush;
    ResetMachine();
}

namespace {

// What the child runs found, by category, with a few examples of each.
class TTally {
public:
    explicit TTally(const std::vector<TCase>& cases) : cases_(cases) {}

    void Report(size_t index, const std::string& category, const std::string& text) {
        ++counts_[category];
        std::vector<std::string>& examples = examples_[category];
        if (examples.size() < 8) examples.push_back(cases_[index].Label + ":" + text);
    }
    void Tried(size_t index) { tried_.insert(index); }
    size_t TriedCount() const { return tried_.size(); }
    int Count(const std::string& category) const {
        auto found = counts_.find(category);
        return found == counts_.end() ? 0 : found->second;
    }
    const std::map<std::string, int>& Counts() const { return counts_; }
    void PrintExamples() const {
        for (const auto& category : examples_)
            for (const std::string& example : category.second)
                std::printf("  %s: %s\n", category.first.c_str(), example.c_str());
    }

private:
    const std::vector<TCase>& cases_;
    std::set<size_t> tried_;
    std::map<std::string, int> counts_;
    std::map<std::string, std::vector<std::string>> examples_;
};

// Reads one child run's log into the tally; returns the case it began and
// did not end (-1: none), and whether it got to the end.
long ReadRunLog(const std::string& path, TTally& tally, bool& done) {
    std::ifstream log(path);
    std::string word;
    long begun = -1;
    done = false;
    while (log >> word) {
        if (word == "done") {
            done = true;
            continue;
        }
        size_t index = 0;
        log >> index;
        if (word == "begin") {
            begun = static_cast<long>(index);
            tally.Tried(index);
        } else if (word == "end") {
            begun = -1;
        } else if (word == "problem") {
            std::string category, text;
            log >> category;
            std::getline(log, text);
            tally.Report(index, category, text);
        }
    }
    return begun;
}

}  // namespace

TEST_F(BadInputSweep, EveryValueAndEntryWithEveryWrongKind) {
    const std::vector<TItem> items = Items();
    const std::vector<TCase> cases = Cases(items);
    if (IsChildRun()) {
        RunCases(items, cases, std::stoul(EnvironmentVariable(FromVariable)));
        return;
    }

    // A run that crashes or hangs is counted against the case it began, and
    // the next run goes on after it.
    TTally tally(cases);
    const std::string outputPath = TemporaryPath("sweep.out");
    size_t from = 0;
    for (int runs = 0; from < cases.size(); ++runs) {
        // A log of its own for each run: a killed run may still hold its file.
        const std::string logPath = TemporaryPath("sweep-" + std::to_string(runs) + ".log");
        const TChildRun run = RunChild({"BadInputSweep.*",
                                        {{LogVariable, logPath}, {FromVariable, std::to_string(from)}},
                                        outputPath,
                                        logPath,
                                        60000});
        bool done = false;
        const long begun = ReadRunLog(logPath, tally, done);
        DeleteFileA(logPath.c_str());
        if (done) {
            EXPECT_EQ(run.ExitCode, 0u) << "the child run's own checks failed:\n" << profile::ReadAll(outputPath);
            break;
        }
        if (begun < 0) {
            ADD_FAILURE() << "the child run ended outside any case, exit code " << run.ExitCode << ":\n"
                          << profile::ReadAll(outputPath);
            break;
        }
        tally.Report(static_cast<size_t>(begun), run.Stalled ? "hang" : "crash",
                     " exit code " + std::to_string(run.ExitCode));
        from = static_cast<size_t>(begun) + 1;
    }
    DeleteFileA(outputPath.c_str());

    std::printf(
        "bad-input sweep: %zu cases tried, %d crashes, %d hangs, %d values lost, %d unexpected writes, "
        "%d wrong error texts, %d wrong shows, %d failed checks, %d failed recoveries\n",
        tally.TriedCount(), tally.Count("crash"), tally.Count("hang"), tally.Count("lost"), tally.Count("unexpected"),
        tally.Count("text"), tally.Count("shown"), tally.Count("check"), tally.Count("recovery"));
    tally.PrintExamples();
    EXPECT_EQ(tally.TriedCount(), cases.size());
    for (const auto& count : tally.Counts()) EXPECT_EQ(count.second, 0) << count.first;
}
