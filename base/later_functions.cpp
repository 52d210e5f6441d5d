#include "base/later_functions.h"

#include <set>

namespace {

std::set<std::string>& MissingNames() {
    static std::set<std::string> names;
    return names;
}

}  // namespace

FARPROC FindLaterFunction(const char* module, const char* name) {
    if (MissingNames().count(name)) return nullptr;
    HMODULE library = GetModuleHandleA(module);
    if (!library) library = LoadLibraryA(module);
    return library ? GetProcAddress(library, name) : nullptr;
}

void TreatAsMissing(const std::string& name) { MissingNames().insert(name); }
