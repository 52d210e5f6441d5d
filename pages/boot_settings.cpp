#include "pages/boot_settings.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"
#include "store/ini_file.h"
#include "widgets/integer_text.h"

namespace {

// Not notice B: "boot" with a lower-case b.
const char* const BootNotice = "Changes will take effect at next boot.";

const char* const BootSection = "options";
const DWORD ProtectedFile = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The file every handler writes.
std::string BootFile() { return std::string(BootDrive) + "msdos.sys"; }

// The directory Setup recorded. Without one, the boot drive: the loader
// must show the file the handlers write, and touch no other.
std::string BootDirectory() {
    TOpenedKey registry(HKEY_LOCAL_MACHINE, SetupKey);
    std::string directory = registry.ReadString("BootDir");
    return directory.empty() ? BootDrive : directory;
}

// The file as it is on the disk, its attributes free to change.
void UpdateBootFile(const std::string& fileName) {
    TIniFile file(fileName);
    file.UpdateFile();
}

void StoreBootEntry(const char* entry, const std::string& value) {
    TIniFile file(BootFile());
    file.WriteString(BootSection, entry, value);
}

void StoreBootFlag(const char* entry, const TFlatCheckBox& box, const char* ticked, const char* cleared) {
    StoreBootEntry(entry, box.Checked() ? ticked : cleared);
}

// A loader's step for one box: ticked exactly when the entry reads tickedWhen.
void LoadBootFlag(const TIniFile& file, const char* entry, const char* missingDefault,
                  const char* tickedWhen, TFlatCheckBox& box) {
    box.SetChecked(file.ReadString(BootSection, entry, missingDefault) == tickedWhen);
}

void LoadDelay(const TIniFile& file, const char* entry, const char* missingDefault, TSpinEdit& delay) {
    delay.SetValue(StrToInt(file.ReadString(BootSection, entry, missingDefault)));
}

// Only a whole number is stored: the empty or lone-sign text met while the
// user types would make every later load fail.
void StoreDelay(const char* entry, const TSpinEdit& delay) {
    const std::string shown = delay.Text();
    if (IsWholeNumber(shown)) StoreBootEntry(entry, shown);
}

void CreateDelay(TSpinEdit& delay, HWND parent, const std::string& hint, const TBounds& bounds, HFONT font,
                 std::function<void()> onChange) {
    delay.Create(parent, hint, bounds, font);
    delay.MinValue = 0;
    delay.MaxValue = 60;
    delay.OnChange = std::move(onChange);
}

}  // namespace

void TBootSettingsPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "Boot12", "Boot Settings", PageIcon(12));
    CreateBox(enabootgui,
              {"Enable Boot to Windows", "Enable/Disable Booting to Windows, Boot to MS-DOS instead.",
               {20, 12, 141, 17}},
              Handler(&TBootSettingsPage::enabootguiClick));
    CreateBox(enabootfkeys,
              {"Enable Boot Function Keys",
               "Enable/Disable the Funtion Keys when Booting.  Prevents Bypassing Security.", {20, 40, 153, 17}},
              Handler(&TBootSettingsPage::enabootfkeysClick));
    CreateBox(enabootmenu,
              {"Enable Boot Menu Options", "Enable/Disable the Boot Menu before Windows loads.", {20, 68, 149, 17}},
              Handler(&TBootSettingsPage::enabootmenuClick));
    CreateBox(dissafemode,
              {"Disable SafeMode Warning", "Disable/Enable the SafeMode Warning Message if any Errors occur.",
               {200, 12, 153, 17}},
              Handler(&TBootSettingsPage::dissafemodeClick));
    CreateBox(disbootlogo,
              {"Disable Windows Boot Logo", "Disable/Enable the Windows 95/98 Screen Logo when Windows loads.",
               {200, 40, 157, 17}},
              Handler(&TBootSettingsPage::disbootlogoClick));
    CreateBox(disscandisk,
              {"Disable Auto Scandisk", "Disable/Enable the Auto Scandisk when Errors occur.", {200, 68, 137, 17}},
              Handler(&TBootSettingsPage::disscandiskClick));
    CreateBox(moredosmem,
              {"More Memory for MS-DOS", "Preserve more Memory for MS-DOS Applications.", {20, 96, 149, 17}},
              Handler(&TBootSettingsPage::moredosmemClick));
    CreateBox(disbootlog,
              {"Disable Boot Log",
               "Disable/Enable the Boot Logging whilst Windows Loads.  See the Bootlog.txt File.", {200, 96, 121, 17}},
              Handler(&TBootSettingsPage::disbootlogClick));
    Label5.Create(Options(), "Boot Startup Delay", {24, 140, 105, 13}, Fonts().Regular);
    CreateDelay(bootdelay, Options(), "Sets the Bootup Delay in Seconds before Windows loads.", {136, 136, 41, 21},
                Fonts().Regular, Handler(&TBootSettingsPage::bootdelayChange));
    Label6.Create(Options(), "Boot Menu Delay", {200, 140, 100, 13}, Fonts().Regular);
    CreateDelay(menudelay, Options(), "Sets the Boot Menu Delay before Windows loads if an Option is not Selected.",
                {304, 136, 41, 21}, Fonts().Regular, Handler(&TBootSettingsPage::menudelayChange));
    CreateApplyButton(bapplyboot1, Handler(&TBootSettingsPage::bapplyboot1Click));
    // Last: it goes under every sibling, and those created after it would go under it.
    Bevel3.Create(Options(), {12, 120, 345, 54});
}

// Boxes and delays that change run their handlers on the way, which write
// C:\msdos.sys; the button ends disabled whatever they did.
void TBootSettingsPage::PageLoader() {
    const std::string fileName = BootDirectory() + "msdos.sys";
    UpdateBootFile(fileName);
    FileSetAttr(fileName, 0);
    TIniFile file(fileName);
    LoadBootFlag(file, "BootGui", "1", "1", enabootgui);
    LoadBootFlag(file, "BootKeys", "1", "1", enabootfkeys);
    LoadBootFlag(file, "BootMenu", "0", "1", enabootmenu);
    LoadBootFlag(file, "LoadTop", "1", "1", moredosmem);
    LoadBootFlag(file, "BootWarn", "1", "0", dissafemode);
    LoadBootFlag(file, "Logo", "1", "0", disbootlogo);
    LoadBootFlag(file, "AutoScan", "1", "0", disscandisk);
    LoadBootFlag(file, "DisableLog", "0", "1", disbootlog);
    LoadDelay(file, "BootDelay", "2", bootdelay);
    LoadDelay(file, "BootMenuDelay", "30", menudelay);
    bapplyboot1.Disable();
}

void TBootSettingsPage::enabootguiClick() {
    StoreBootFlag("BootGui", enabootgui, "1", "0");
    bapplyboot1.Enable();
}

void TBootSettingsPage::enabootfkeysClick() {
    StoreBootFlag("BootKeys", enabootfkeys, "1", "0");
    bapplyboot1.Enable();
}

void TBootSettingsPage::enabootmenuClick() {
    StoreBootFlag("BootMenu", enabootmenu, "1", "0");
    bapplyboot1.Enable();
}

void TBootSettingsPage::moredosmemClick() {
    StoreBootFlag("LoadTop", moredosmem, "1", "0");
    bapplyboot1.Enable();
}

// The next three run the other way: ticked, meaning disable, stores "0".
void TBootSettingsPage::dissafemodeClick() {
    StoreBootFlag("BootWarn", dissafemode, "0", "1");
    bapplyboot1.Enable();
}

void TBootSettingsPage::disbootlogoClick() {
    StoreBootFlag("Logo", disbootlogo, "0", "1");
    bapplyboot1.Enable();
}

void TBootSettingsPage::disscandiskClick() {
    StoreBootFlag("AutoScan", disscandisk, "0", "1");
    bapplyboot1.Enable();
}

void TBootSettingsPage::disbootlogClick() {
    StoreBootFlag("DisableLog", disbootlog, "1", "0");
    bapplyboot1.Enable();
}

void TBootSettingsPage::bootdelayChange() {
    StoreDelay("BootDelay", bootdelay);
    bapplyboot1.Enable();
}

void TBootSettingsPage::menudelayChange() {
    StoreDelay("BootMenuDelay", menudelay);
    bapplyboot1.Enable();
}

// No broadcast: the boot loader reads the file at the next start.
void TBootSettingsPage::bapplyboot1Click() {
    bapplyboot1.Disable();
    UpdateBootFile(BootFile());
    FileSetAttr(BootFile(), ProtectedFile);
    ShowRebootNotice(BootNotice);
}
