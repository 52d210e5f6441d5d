#pragma once

#include <windows.h>

// The platform calls of the settings store, in one table so that a test can
// make a single call fail and see what the store then does. The program
// never changes the table.
struct TStorePlatform {
    decltype(&RegCreateKeyExA) CreateKey = &RegCreateKeyExA;
    decltype(&RegOpenKeyExA) OpenKey = &RegOpenKeyExA;
    decltype(&RegQueryValueExA) QueryValue = &RegQueryValueExA;
    decltype(&RegSetValueExA) SetValue = &RegSetValueExA;
    decltype(&RegDeleteValueA) DeleteValue = &RegDeleteValueA;
    decltype(&RegCloseKey) CloseKey = &RegCloseKey;
    decltype(&GetPrivateProfileStringA) ReadProfileString = &GetPrivateProfileStringA;
    decltype(&WritePrivateProfileStringA) WriteProfileString = &WritePrivateProfileStringA;
    decltype(&SetFileAttributesA) SetAttributes = &SetFileAttributesA;
};

TStorePlatform& StorePlatform();
