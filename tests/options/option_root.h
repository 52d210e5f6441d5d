#pragma once

// The registry root of a value of the option table, for the programs that
// read the table on Windows; the table itself needs no <windows.h>.

#include "option_table.h"

#include <windows.h>

#include <stdexcept>

namespace options {

inline HKEY RootOf(const TStore& store) {
    if (store.Where == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
    if (store.Where == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
    throw std::runtime_error(store.Name + " is not a registry value");
}

}  // namespace options
