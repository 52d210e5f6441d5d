#include "pages/control_panels.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"
#include "store/ini_file.h"

namespace {

// Ticked writes the applet's entry as "no"; cleared deletes it, whatever it held.
void StoreApplet(const char* applet, const TFlatCheckBox& box) {
    TIniFile file(ControlIni);
    if (box.Checked())
        file.WriteString(DontLoadSection, applet, "no");
    else
        file.DeleteKey(DontLoadSection, applet);
}

// Exactly "no" ticks the box; anything else, a missing entry included, clears it.
void LoadApplet(const TIniFile& file, const char* applet, TFlatCheckBox& box) {
    box.SetChecked(file.ReadString(DontLoadSection, applet, "error") == "no");
}

}  // namespace

void TControlPanelsPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "System9", "Control Panels", PageIcon(9));
    CreateBox(disdisplaycpl,
              {"Disable Display Settings", "Disable/Enable Access to Display Settings.", {16, 8, 137, 17}},
              Handler(&TControlPanelsPage::disdisplaycplClick));
    CreateBox(dispasswordcpl,
              {"Disable Password Options", "Disable/Enable Access to Password Settings.", {16, 32, 145, 17}},
              Handler(&TControlPanelsPage::dispasswordcplClick));
    CreateBox(disnetworkcpl,
              {"Disable Network Settings", "Disable/Enable Access to the Network Settings.", {16, 56, 145, 17}},
              Handler(&TControlPanelsPage::disnetworkcplClick));
    CreateBox(dishardwarecpl,
              {"Hide Hardware Wizard", "Hide/Show Hardware Wizard Control Panel.", {16, 80, 145, 17}},
              Handler(&TControlPanelsPage::dishardwarecplClick));
    CreateBox(disaddremcpl,
              {"Hide Add/Remove Programs", "Hide/Show Add/Remove Programs Control Panel.", {16, 104, 173, 17}},
              Handler(&TControlPanelsPage::disaddremcplClick));
    CreateBox(disintercpl,
              {"Hide International Options", "Hide/Show Regional/International Settings Control Panel.",
               {16, 128, 157, 17}},
              Handler(&TControlPanelsPage::disintercplClick));
    CreateBox(dismousecpl,
              {"Hide Mouse/Keyboard Settings", "Hide/Show Mouse & Keyboard Control Panels.", {16, 152, 185, 17}},
              Handler(&TControlPanelsPage::dismousecplClick));
    CreateBox(dismediacpl,
              {"Hide Multimedia Options", "Hide/Show Multimedia & Sounds Control Panels.", {208, 8, 153, 17}},
              Handler(&TControlPanelsPage::dismediacplClick));
    CreateBox(disinetcpl,
              {"Hide Internet Options", "Hide/Show Internet Options Control Panel.", {208, 32, 145, 17}},
              Handler(&TControlPanelsPage::disinetcplClick));
    CreateBox(disthemescpl,
              {"Hide Desktop Themes", "Hide/Show Desktop Themes Control Panel.", {208, 56, 149, 17}},
              Handler(&TControlPanelsPage::disthemescplClick));
    CreateBox(dispowercpl,
              {"Hide Power Settings", "Hide/Show Power Management Control Panel.", {208, 80, 145, 17}},
              Handler(&TControlPanelsPage::dispowercplClick));
    CreateBox(dismodemcpl, {"Hide Modem Settings", "Hide/Show Modems Control Panel.", {208, 104, 141, 17}},
              Handler(&TControlPanelsPage::dismodemcplClick));
    CreateBox(distimecpl,
              {"Hide Time/Date Settings", "Hide/Show Date/Time Control Panel.", {208, 128, 153, 17}},
              Handler(&TControlPanelsPage::distimecplClick));
    CreateApplyButton(bapplysystem5, Handler(&TControlPanelsPage::bapplysystem5Click));
}

// The policy values first, the applet entries last: a box of the first
// three ends as its entry says, and a change there brings its policy value
// in line. The button ends disabled whatever the handlers did.
void TControlPanelsPage::PageLoader() {
    {
        TOpenedKey registry(HKEY_CURRENT_USER, SystemPolicies);
        LoadFlag(registry, "NoDispCPL", disdisplaycpl);
        LoadFlag(registry, "NoSecCPL", dispasswordcpl);
        registry.OpenKey(NetworkPolicies, true);
        LoadFlag(registry, "NoNetSetup", disnetworkcpl);
    }
    TIniFile file(ControlIni);
    file.UpdateFile();  // what is on the disk, not a copy 9x kept
    LoadApplet(file, "desk.cpl", disdisplaycpl);
    LoadApplet(file, "password.cpl", dispasswordcpl);
    LoadApplet(file, "netcpl.cpl", disnetworkcpl);
    LoadApplet(file, "sysdm.cpl", dishardwarecpl);
    LoadApplet(file, "appwiz.cpl", disaddremcpl);
    LoadApplet(file, "intl.cpl", disintercpl);
    LoadApplet(file, "main.cpl", dismousecpl);
    LoadApplet(file, "mmsys.cpl", dismediacpl);
    LoadApplet(file, "inetcpl.cpl", disinetcpl);
    LoadApplet(file, "themes.cpl", disthemescpl);
    LoadApplet(file, "powercfg.cpl", dispowercpl);
    LoadApplet(file, "modem.cpl", dismodemcpl);
    LoadApplet(file, "timedate.cpl", distimecpl);
    bapplysystem5.Disable();
}

void TControlPanelsPage::disdisplaycplClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoDispCPL", disdisplaycpl);
    StoreApplet("desk.cpl", disdisplaycpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dispasswordcplClick() {
    StoreFlag(HKEY_CURRENT_USER, SystemPolicies, "NoSecCPL", dispasswordcpl);
    StoreApplet("password.cpl", dispasswordcpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::disnetworkcplClick() {
    StoreFlag(HKEY_CURRENT_USER, NetworkPolicies, "NoNetSetup", disnetworkcpl);
    StoreApplet("netcpl.cpl", disnetworkcpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dishardwarecplClick() {
    StoreApplet("sysdm.cpl", dishardwarecpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::disaddremcplClick() {
    StoreApplet("appwiz.cpl", disaddremcpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::disintercplClick() {
    StoreApplet("intl.cpl", disintercpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dismousecplClick() {
    StoreApplet("main.cpl", dismousecpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dismediacplClick() {
    StoreApplet("mmsys.cpl", dismediacpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::disinetcplClick() {
    StoreApplet("inetcpl.cpl", disinetcpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::disthemescplClick() {
    StoreApplet("themes.cpl", disthemescpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dispowercplClick() {
    StoreApplet("powercfg.cpl", dispowercpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::dismodemcplClick() {
    StoreApplet("modem.cpl", dismodemcpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::distimecplClick() {
    StoreApplet("timedate.cpl", distimecpl);
    bapplysystem5.Enable();
}

void TControlPanelsPage::bapplysystem5Click() { ApplyChanges(bapplysystem5, NoticeA); }
