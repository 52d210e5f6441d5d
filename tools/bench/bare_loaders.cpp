#include "bare_loaders.h"

#include "pages/control_panels.h"
#include "pages/desktop_access.h"
#include "pages/files_and_folders.h"
#include "pages/key_paths.h"
#include "pages/windows_logon.h"

#include <windows.h>

#include <cstring>

namespace bare {
namespace {

const REGSAM AllAccess = 0xF003F;
const DWORD EntryBufferSize = 2048;
const char* const BootSection = "options";

int calls = 0;

// Key paths are kept with a leading "\" (absolute); the platform takes them without.
HKEY CreateKey(HKEY root, const char* path) {
    ++calls;
    HKEY key = nullptr;
    RegCreateKeyExA(root, path + 1, 0, nullptr, REG_OPTION_NON_VOLATILE, AllAccess, nullptr, &key, nullptr);
    return key;
}

void CloseKey(HKEY key) {
    ++calls;
    RegCloseKey(key);
}

// As a loader moves on: the next key is opened before the last is closed.
HKEY MoveTo(HKEY root, HKEY last, const char* path) {
    HKEY key = CreateKey(root, path);
    CloseKey(last);
    return key;
}

bool Exists(HKEY key, const char* name) {
    ++calls;
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD ReadDword(HKEY key, const char* name) {
    ++calls;
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof(data);
    RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    return data;
}

void WriteDword(HKEY key, const char* name, DWORD value) {
    ++calls;
    RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
}

// The size first, then the data; the empty string when there is none.
void ReadString(HKEY key, const char* name, char* buffer, DWORD bufferSize) {
    buffer[0] = 0;
    DWORD type = REG_NONE;
    DWORD size = 0;
    ++calls;
    if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || size == 0) return;
    if (size > bufferSize - 1) size = bufferSize - 1;
    ++calls;
    RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    buffer[size] = 0;
}

void WriteString(HKEY key, const char* name, const char* value) {
    ++calls;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), static_cast<DWORD>(strlen(value) + 1));
}

// One option box: the stored value read, or the missing one created.
void Flag(HKEY key, const char* name, DWORD missingDefault = 0) {
    if (Exists(key, name))
        ReadDword(key, name);
    else
        WriteDword(key, name, missingDefault);
}

void TextFlag(HKEY key, const char* name) {
    char text[EntryBufferSize];
    if (Exists(key, name))
        ReadString(key, name, text, sizeof(text));
    else
        WriteString(key, name, "0");
}

void Profile(const char* file, const char* section, const char* entry, const char* defaultText) {
    ++calls;
    char text[EntryBufferSize];
    GetPrivateProfileStringA(section, entry, defaultText, text, EntryBufferSize, file);
}

void SetAttributes(const char* path, DWORD attributes) {
    ++calls;
    SetFileAttributesA(path, attributes);
}

}  // namespace

int CallCount() { return calls; }
void ResetCallCount() { calls = 0; }

void DesktopAccess() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoDesktop");
    Flag(key, "NoInternetIcon");
    Flag(key, "NoTrayContextMenu");
    Flag(key, "NoViewContextMenu");
    Flag(key, "NoSaveSettings");
    Flag(key, "NoChangingWallPaper");
    key = MoveTo(HKEY_CURRENT_USER, key, SystemPolicies);
    Flag(key, "NoDispBackgroundPage");
    Flag(key, "NoDispScrSavPage");
    Flag(key, "NoDispAppearancePage");
    Flag(key, "NoDispSettingsPage");
    key = MoveTo(HKEY_CURRENT_USER, key, ControlPanelDesktop);
    TextFlag(key, "PaintDesktopVersion");
    key = MoveTo(HKEY_CURRENT_USER, key, ExplorerAdvanced);
    Flag(key, "Hidden", 1);
    CloseKey(key);
}

void FilesAndFolders() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoFileMenu");
    Flag(key, "NoFolderOptions");
    Flag(key, "ClearRecentDocsOnExit");
    Flag(key, "NoRecentDocsHistory");
    Flag(key, "NoSetFolders");
    Flag(key, "EnforceShellExtensionSecurity");
    CloseKey(key);
}

void StartMenuOptions() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoClose");
    Flag(key, "NoLogoff");
    Flag(key, "NoRun");
    Flag(key, "NoFind");
    Flag(key, "NoWindowsUpdate");
    Flag(key, "NoSetTaskbar");
    Flag(key, "NoStartMenuSubFolders");
    Flag(key, "NoRecentDocsMenu");
    Flag(key, "NoFavoritesMenu");
    Flag(key, "NoCommonGroups");
    Flag(key, "NoWebMenu");
    Flag(key, "NoChangeStartMenu");
    CloseKey(key);
}

void ActiveDesktop() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoActiveDesktop");
    Flag(key, "NoActiveDesktopChanges");
    Flag(key, "NoSetActiveDesktop");
    Flag(key, "NoCustomizeWebView");
    Flag(key, "ClassicShell");
    Flag(key, "NoHTMLWallPaper");
    CloseKey(key);
}

void SystemAccess() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, SystemPolicies);
    Flag(key, "NoDevMgrPage");
    Flag(key, "NoConfigPage");
    Flag(key, "NoFileSysPage");
    Flag(key, "NoVirtMemPage");
    Flag(key, "NoPwdPage");
    Flag(key, "NoAdminPage");
    Flag(key, "NoProfilePage");
    key = MoveTo(HKEY_CURRENT_USER, key, ExplorerPolicies);
    Flag(key, "NoSettingsWizards");
    CloseKey(key);
}

void NetworkAccess() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoNetHood");
    Flag(key, "NoNetConnectDisconnect");
    Flag(key, "MyDocsOnNet");
    key = MoveTo(HKEY_CURRENT_USER, key, NetworkPolicies);
    Flag(key, "NoNetSetupIDPage");
    Flag(key, "NoNetSetupSecurityPage");
    Flag(key, "NoFileSharingControl");
    Flag(key, "NoPrintSharing");
    CloseKey(key);
}

// Its loader only beeps: no registry or profile call at all.
void InternetAccess() {}

void PrinterOptions() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoAddPrinter");
    Flag(key, "NoDeletePrinter");
    Flag(key, "NoPrinterTabs");
    CloseKey(key);
}

void ControlPanels() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, SystemPolicies);
    Flag(key, "NoDispCPL");
    Flag(key, "NoSecCPL");
    key = MoveTo(HKEY_CURRENT_USER, key, NetworkPolicies);
    Flag(key, "NoNetSetup");
    CloseKey(key);
    const char* const applets[] = {"desk.cpl",  "password.cpl", "netcpl.cpl",  "sysdm.cpl",  "appwiz.cpl",
                                   "intl.cpl",  "main.cpl",     "mmsys.cpl",   "inetcpl.cpl", "themes.cpl",
                                   "powercfg.cpl", "modem.cpl", "timedate.cpl"};
    for (const char* applet : applets) Profile(ControlIni, DontLoadSection, applet, "error");
}

void ProgramAccess() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "RestrictRun");
    Flag(key, "DisableRegistryTools");
    key = MoveTo(HKEY_CURRENT_USER, key, WinOldAppPolicies);
    Flag(key, "Disabled");
    Flag(key, "NoRealMode");
    CloseKey(key);
}

void DrivesAccess() {
    HKEY key = CreateKey(HKEY_CURRENT_USER, ExplorerPolicies);
    Flag(key, "NoDrives");
    CloseKey(key);
}

void BootSettings() {
    char file[MAX_PATH + 16];
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, SetupKey);
    ReadString(key, "BootDir", file, MAX_PATH);
    CloseKey(key);
    if (file[0] == 0) strcpy(file, BootDrive);
    strcat(file, "msdos.sys");
    SetAttributes(file, 0);
    Profile(file, BootSection, "BootGui", "1");
    Profile(file, BootSection, "BootKeys", "1");
    Profile(file, BootSection, "BootMenu", "0");
    Profile(file, BootSection, "LoadTop", "1");
    Profile(file, BootSection, "BootWarn", "1");
    Profile(file, BootSection, "Logo", "1");
    Profile(file, BootSection, "AutoScan", "1");
    Profile(file, BootSection, "DisableLog", "0");
    Profile(file, BootSection, "BootDelay", "2");
    Profile(file, BootSection, "BootMenuDelay", "30");
}

void WindowsLogon() {
    char text[EntryBufferSize];
    HKEY key = CreateKey(HKEY_LOCAL_MACHINE, NetworkLogon);
    Flag(key, "MustBeValidated");
    key = MoveTo(HKEY_LOCAL_MACHINE, key, NetworkPolicies);
    Flag(key, "AlphanumPwds");
    key = MoveTo(HKEY_LOCAL_MACHINE, key, NetworkPolicies);
    Flag(key, "DisablePwdCaching");
    key = MoveTo(HKEY_LOCAL_MACHINE, key, Winlogon);
    if (Exists(key, "LegalNoticeCaption")) {
        ReadString(key, "LegalNoticeCaption", text, sizeof(text));
        ReadString(key, "LegalNoticeText", text, sizeof(text));
    }
    CloseKey(key);
}

}  // namespace bare
