#include "pages/key_paths.h"
#include "pages/network_access.h"
#include "registry_page_checks.h"

namespace {

// Rows in the loader's order: the three Explorer policies first, whatever
// their places on the page.
TRegistryPageTable NetworkAccess() {
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.System6.bapplysystem2; };
    auto row = [&](const char* control, TFlatCheckBox TNetworkAccessPage::*member, const char* key, const char* name) {
        TBoxOf box = [member](TForm1& form) -> TFlatCheckBox& { return form.System6.*member; };
        return FlagRow(control, box, button, HKEY_CURRENT_USER, key, name);
    };

    TRegistryPageTable table;
    table.Name = "NetworkAccess";
    table.Page = 6;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("hideneighbour", &TNetworkAccessPage::hideneighbour, ExplorerPolicies, "NoNetHood"),
        row("disnetconnect", &TNetworkAccessPage::disnetconnect, ExplorerPolicies, "NoNetConnectDisconnect"),
        row("disdocsnet", &TNetworkAccessPage::disdocsnet, ExplorerPolicies, "MyDocsOnNet"),
        row("hideidpage", &TNetworkAccessPage::hideidpage, NetworkPolicies, "NoNetSetupIDPage"),
        row("Hidenetaccesspage", &TNetworkAccessPage::Hidenetaccesspage, NetworkPolicies, "NoNetSetupSecurityPage"),
        row("disfileshare", &TNetworkAccessPage::disfileshare, NetworkPolicies, "NoFileSharingControl"),
        row("disprintershare", &TNetworkAccessPage::disprintershare, NetworkPolicies, "NoPrintSharing"),
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(NetworkAccess, RegistryPage, testing::Values(NetworkAccess()),
                         [](const auto& info) { return info.param.Name; });

class NetworkAccessPage : public TFormTest {};

TEST_F(NetworkAccessPage, ShowsItsOptionsTable) {
    TNetworkAccessPage& page = form->System6;
    EXPECT_EQ(page.ProLabel.Text(), "Network Access");
    ExpectOptionsTable(page.optionsPanel.Handle(),
                       {
                           {&page.hideneighbour, "Hide Network NeighbourHood",
                            "Hide/Show the Network NeighbourHood and Access to it.", {16, 12, 165, 17}},
                           {&page.hideidpage, "Hide Network ID Page",
                            "Hide/Show the Network Identification Page within Network Control Panel.",
                            {16, 44, 137, 17}},
                           {&page.Hidenetaccesspage, "Hide Network Access Page",
                            "Hide/Show the Access Control Page within Network Control Panel.", {16, 76, 157, 17}},
                           {&page.disnetconnect, "Disable Network Connect/Disconnect",
                            "Disable/Enable Network Connection Options to Other Computers.", {16, 108, 205, 17}},
                           {&page.disfileshare, "Disable File Shareing Options",
                            "Disable/Enable All File Sharing Options with Windows.", {200, 12, 157, 17}},
                           {&page.disprintershare, "Disable Printer Sharing",
                            "Disable/Enable All Printer Sharing Options within Windows.", {200, 44, 137, 17}},
                           {&page.disdocsnet, "Disable Docs on Network", "Disable/Enable Documents over the Network.",
                            {200, 76, 153, 17}},
                           {&page.bapplysystem2, "Apply Changes", "", {136, 184, 89, 25}},
                       });
}
