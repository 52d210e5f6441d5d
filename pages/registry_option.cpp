#include "pages/registry_option.h"

void StoreInteger(HKEY root, const char* key, const char* name, int32_t value) {
    TOpenedKey registry(root, key);
    registry.WriteInteger(name, value);
}

void LoadFlag(TRegistry& registry, const char* name, TFlatCheckBox& box, int32_t tickedWhen,
              int32_t missingDefault) {
    if (registry.ValueExists(name))
        box.SetChecked(registry.ReadInteger(name) == tickedWhen);
    else
        registry.WriteInteger(name, missingDefault);
}
