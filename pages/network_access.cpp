#include "pages/network_access.h"

#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TNetworkAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "System6", "Network Access", PageIcon(6));
    CreateBox(hideneighbour,
              {"Hide Network NeighbourHood", "Hide/Show the Network NeighbourHood and Access to it.",
               {16, 12, 165, 17}},
              Handler(&TNetworkAccessPage::hideneighbourClick));
    CreateBox(hideidpage,
              {"Hide Network ID Page", "Hide/Show the Network Identification Page within Network Control Panel.",
               {16, 44, 137, 17}},
              Handler(&TNetworkAccessPage::hideidpageClick));
    CreateBox(Hidenetaccesspage,
              {"Hide Network Access Page", "Hide/Show the Access Control Page within Network Control Panel.",
               {16, 76, 157, 17}},
              Handler(&TNetworkAccessPage::HidenetaccesspageClick));
    CreateBox(disnetconnect,
              {"Disable Network Connect/Disconnect", "Disable/Enable Network Connection Options to Other Computers.",
               {16, 108, 205, 17}},
              Handler(&TNetworkAccessPage::disnetconnectClick));
    CreateBox(disfileshare,
              {"Disable File Shareing Options", "Disable/Enable All File Sharing Options with Windows.",
               {200, 12, 157, 17}},
              Handler(&TNetworkAccessPage::disfileshareClick));
    CreateBox(disprintershare,
              {"Disable Printer Sharing", "Disable/Enable All Printer Sharing Options within Windows.",
               {200, 44, 137, 17}},
              Handler(&TNetworkAccessPage::disprintershareClick));
    CreateBox(disdocsnet,
              {"Disable Docs on Network", "Disable/Enable Documents over the Network.", {200, 76, 153, 17}},
              Handler(&TNetworkAccessPage::disdocsnetClick));
    CreateApplyButton(bapplysystem2, Handler(&TNetworkAccessPage::bapplysystem2Click));
}

// The three Explorer policies first, then the Network ones, whatever their
// places on the page.
void TNetworkAccessPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    LoadFlag(registry, "NoNetHood", hideneighbour);
    LoadFlag(registry, "NoNetConnectDisconnect", disnetconnect);
    LoadFlag(registry, "MyDocsOnNet", disdocsnet);
    registry.OpenKey(NetworkPolicies, true);
    LoadFlag(registry, "NoNetSetupIDPage", hideidpage);
    LoadFlag(registry, "NoNetSetupSecurityPage", Hidenetaccesspage);
    LoadFlag(registry, "NoFileSharingControl", disfileshare);
    LoadFlag(registry, "NoPrintSharing", disprintershare);
}

void TNetworkAccessPage::hideneighbourClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoNetHood", hideneighbour);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::hideidpageClick() {
    StoreFlag(HKEY_CURRENT_USER, NetworkPolicies, "NoNetSetupIDPage", hideidpage);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::HidenetaccesspageClick() {
    StoreFlag(HKEY_CURRENT_USER, NetworkPolicies, "NoNetSetupSecurityPage", Hidenetaccesspage);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::disnetconnectClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "NoNetConnectDisconnect", disnetconnect);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::disfileshareClick() {
    StoreFlag(HKEY_CURRENT_USER, NetworkPolicies, "NoFileSharingControl", disfileshare);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::disprintershareClick() {
    StoreFlag(HKEY_CURRENT_USER, NetworkPolicies, "NoPrintSharing", disprintershare);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::disdocsnetClick() {
    StoreFlag(HKEY_CURRENT_USER, ExplorerPolicies, "MyDocsOnNet", disdocsnet);
    bapplysystem2.Enable();
}

void TNetworkAccessPage::bapplysystem2Click() { ApplyChanges(bapplysystem2, NoticeA); }
