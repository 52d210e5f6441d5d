#pragma once

#include "store/registry.h"
#include "widgets/flat_check_box.h"

#include <cstdint>
#include <string>

// The steps every registry option shares. The order of values stays in each
// page's loader and handlers, one line per value.

// An option handler's store: a registry object on the root, the key opened
// (created when missing), one REG_DWORD written, the object freed.
void StoreInteger(HKEY root, const char* key, const char* name, int32_t value);

// 1 when the box is ticked, 0 when it is cleared.
inline void StoreFlag(HKEY root, const char* key, const char* name, const TFlatCheckBox& box) {
    StoreInteger(root, key, name, box.Checked() ? 1 : 0);
}

// A page loader's step for one REG_DWORD option on the loader's open key: a
// stored value ticks the box exactly when it equals tickedWhen (a change of
// the box runs its handler at once); a missing value is created as
// missingDefault and the box keeps what it shows.
void LoadFlag(TRegistry& registry, const char* name, TFlatCheckBox& box, int32_t tickedWhen = 1,
              int32_t missingDefault = 0);

// A registry object on the root with the key opened, creating it when missing.
class TOpenedKey : public TRegistry {
public:
    TOpenedKey(HKEY root, const std::string& key) {
        SetRootKey(root);
        OpenKey(key, true);
    }
};
