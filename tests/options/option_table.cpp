#include "option_table.h"

#include <sstream>
#include <stdexcept>

namespace options {

// The table's text, made from options.tsv by the build.
extern const char* const TableText;

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::string field;
    std::istringstream in(line);
    while (std::getline(in, field, '\t')) fields.push_back(field == "-" ? "" : field);
    return fields;
}

int Integer(const std::string& text, int line) {
    try {
        size_t used = 0;
        int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw std::runtime_error("options.tsv line " + std::to_string(line) + ": '" + text + "' is not a number");
}

void Need(const std::vector<std::string>& fields, size_t count, int line) {
    if (fields.size() != count)
        throw std::runtime_error("options.tsv line " + std::to_string(line) + ": " + std::to_string(fields.size()) +
                                 " fields, not " + std::to_string(count));
}

template <class TRow>
const TRow& Find(const std::vector<TRow>& rows, bool (*matches)(const TRow&, const std::string&),
                 const std::string& key) {
    for (const TRow& row : rows)
        if (matches(row, key)) return row;
    throw std::runtime_error("options.tsv has no row for '" + key + "'");
}

const TTable& Table() {
    static const TTable table = Parse(TableText);
    return table;
}

}  // namespace

TTable Parse(const std::string& text) {
    TTable table;
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> f = Fields(line);
        if (f[0] == "page") {
            Need(f, 4, number);
            table.Pages.push_back({Integer(f[1], number), f[2], f[3]});
        } else if (f[0] == "control") {
            Need(f, 11, number);
            table.Controls.push_back({Integer(f[1], number), f[2], f[3], f[4], f[5], f[6], Integer(f[7], number),
                                      Integer(f[8], number), Integer(f[9], number), Integer(f[10], number)});
        } else if (f[0] == "store") {
            Need(f, 13, number);
            TStore store{Integer(f[1], number), f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11], f[12]};
            if (store.LoaderName.empty()) store.LoaderName = store.Name;
            table.Stores.push_back(store);
        } else {
            throw std::runtime_error("options.tsv line " + std::to_string(number) + ": unknown row '" + f[0] + "'");
        }
    }
    return table;
}

const std::vector<TPage>& Pages() { return Table().Pages; }
const std::vector<TControl>& Controls() { return Table().Controls; }
const std::vector<TStore>& Stores() { return Table().Stores; }

const TPage& Page(int number) {
    return Find<TPage>(
        Pages(), [](const TPage& page, const std::string& key) { return std::to_string(page.Number) == key; },
        std::to_string(number));
}

const TControl& Control(const std::string& name) {
    return Find<TControl>(
        Controls(), [](const TControl& control, const std::string& key) { return control.Name == key; }, name);
}

std::vector<TControl> ControlsOn(int page, const std::string& parent) {
    std::vector<TControl> on;
    for (const TControl& control : Controls())
        if (control.Page == page && control.Parent == parent) on.push_back(control);
    return on;
}

std::vector<TStore> StoresReadBy(int page) {
    std::vector<TStore> read;
    for (const TStore& store : Stores())
        if (store.Page == page) read.push_back(store);
    return read;
}

std::vector<TStore> StoresOf(const std::string& control) {
    std::vector<TStore> of;
    for (const TStore& store : Stores())
        if (store.Control == control) of.push_back(store);
    return of;
}

unsigned long Number(const std::string& text) { return std::stoul(text, nullptr, 0); }

}  // namespace options
