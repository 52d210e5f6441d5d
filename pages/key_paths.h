#pragma once

// Key paths and names the option pages store their settings under.
inline const char* const ExplorerPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline const char* const NetworkPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
inline const char* const SystemPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
inline const char* const WinOldAppPolicies = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\WinOldApp";
inline const char* const DontLoadSection = "don't load";
inline const char* const SetupKey = "\\Software\\Microsoft\\Windows\\CurrentVersion\\Setup";
inline const char* const BootDrive = "C:\\";
