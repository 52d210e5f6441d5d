#include "pages/windows_logon.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TWindowsLogonPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "Boot13", "Windows Logon", PageIcon(13));
    CreateBox(validlogon,
              {"Logon Must be Validated", "Logon must be Validated by a Domain before Access is allowed.",
               {20, 12, 153, 17}},
              Handler(&TWindowsLogonPage::validlogonClick));
    CreateBox(alphapass, {"Force Alpha Passwords", "Force Alphanumeric Passwords eg. 123ABC", {20, 40, 145, 17}},
              Handler(&TWindowsLogonPage::alphapassClick));
    CreateBox(dispasscache,
              {"Disable Password Caching", "Disable/Enable Caching of Passwords. More Secure System.",
               {204, 12, 157, 17}},
              Handler(&TWindowsLogonPage::dispasscacheClick));
    CreateBox(logondialog,
              {"Display Notice Dialog At Logon",
               "Display a Custom Dialog before a User is presented with the Logon Prompt.", {20, 76, 177, 17}},
              Handler(&TWindowsLogonPage::logondialogClick));
    Label7.Create(Options(), "Caption:", {24, 112, 41, 13}, Fonts().Regular);
    dialogcaption.Create(Options(),
                         {"Warning - This is a Protected System.", "Enter the Caption to be displayed for the Dialog.",
                          {80, 108, 261, 19}},
                         Fonts().Regular);
    dialogcaption.SetMaxLength(128);
    Label8.Create(Options(), "Text:", {40, 144, 25, 13}, Fonts().Regular);
    dialogtext.Create(Options(),
                      {"You must be an Authorized User to access.",
                       "Enter the Text to be displayed within the Dialog.  256 Characters Only.", {80, 140, 261, 19}},
                      Fonts().Regular);
    dialogtext.SetMaxLength(256);
    CreateApplyButton(bapplyboot2, Handler(&TWindowsLogonPage::bapplyboot2Click));
    // Last, so that it goes under the edits and labels it surrounds.
    Bevel4.Create(Options(), {16, 96, 337, 76});
}

// The edits are filled before logondialog is set, so a box that turns ticked
// here writes back exactly the notice that is stored.
void TWindowsLogonPage::PageLoader() {
    TOpenedKey registry(HKEY_LOCAL_MACHINE, NetworkLogon);
    LoadFlag(registry, "MustBeValidated", validlogon);
    registry.OpenKey(NetworkPolicies, true);
    LoadFlag(registry, "AlphanumPwds", alphapass);
    registry.OpenKey(NetworkPolicies, true);
    LoadFlag(registry, "DisablePwdCaching", dispasscache);
    registry.OpenKey(Winlogon, true);
    if (registry.ValueExists("LegalNoticeCaption")) {
        const std::string caption = registry.ReadString("LegalNoticeCaption");
        dialogcaption.SetText(caption);
        dialogtext.SetText(registry.ReadString("LegalNoticeText"));
        logondialog.SetChecked(!caption.empty());
    } else {
        logondialog.SetChecked(false);
    }
    bapplyboot2.Disable();
}

void TWindowsLogonPage::validlogonClick() {
    StoreFlag(HKEY_LOCAL_MACHINE, NetworkLogon, "MustBeValidated", validlogon);
    bapplyboot2.Enable();
}

void TWindowsLogonPage::alphapassClick() {
    StoreFlag(HKEY_LOCAL_MACHINE, NetworkPolicies, "AlphanumPwds", alphapass);
    bapplyboot2.Enable();
}

void TWindowsLogonPage::dispasscacheClick() {
    StoreFlag(HKEY_LOCAL_MACHINE, NetworkPoliciesInCapitals, "DisablePwdCaching", dispasscache);
    bapplyboot2.Enable();
}

// Cleared, the notice is deleted; the edits keep their texts.
void TWindowsLogonPage::logondialogClick() {
    TOpenedKey registry(HKEY_LOCAL_MACHINE, Winlogon);
    if (logondialog.Checked()) {
        registry.WriteString("LegalNoticeCaption", dialogcaption.Text());
        registry.WriteString("LegalNoticeText", dialogtext.Text());
    } else {
        registry.DeleteValue("LegalNoticeCaption");
        registry.DeleteValue("LegalNoticeText");
    }
    bapplyboot2.Enable();
}

void TWindowsLogonPage::bapplyboot2Click() { ApplyChanges(bapplyboot2, NoticeB); }
