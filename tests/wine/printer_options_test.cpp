#include "pages/key_paths.h"
#include "pages/printer_options.h"
#include "registry_page_checks.h"

namespace {

TRegistryPageTable PrinterOptions() {
    TButtonOf button = [](TForm1& form) -> TFlatButton& { return form.System8.bapplysystem4; };
    auto row = [&](const char* control, TFlatCheckBox TPrinterOptionsPage::*member, const char* name) {
        TBoxOf box = [member](TForm1& form) -> TFlatCheckBox& { return form.System8.*member; };
        return FlagRow(control, box, button, HKEY_CURRENT_USER, ExplorerPolicies, name);
    };

    TRegistryPageTable table;
    table.Name = "PrinterOptions";
    table.Page = 8;
    table.Button = button;
    table.Notice = NoticeA;
    table.Rows = {
        row("disaddprinters", &TPrinterOptionsPage::disaddprinters, "NoAddPrinter"),
        row("disdelprinters", &TPrinterOptionsPage::disdelprinters, "NoDeletePrinter"),
        row("hideprinteroptions", &TPrinterOptionsPage::hideprinteroptions, "NoPrinterTabs"),
    };
    return table;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(PrinterOptions, RegistryPage, testing::Values(PrinterOptions()),
                         [](const auto& info) { return info.param.Name; });

class PrinterOptionsPage : public TFormTest {};

TEST_F(PrinterOptionsPage, ShowsItsOptionsTable) {
    TPrinterOptionsPage& page = form->System8;
    EXPECT_EQ(page.ProLabel.Text(), "Printer Options");
    ExpectOptionsTable(page.optionsPanel.Handle(),
                       {
                           {&page.disaddprinters, "Disable Add Printers",
                            "Disable/Enable Adding Printers to the Computer.", {20, 16, 121, 17}},
                           {&page.disdelprinters, "Disable Delete Printers",
                            "Disable/Enable Deleting Printers from the Computer.", {20, 52, 137, 17}},
                           {&page.hideprinteroptions, "Hide Printer Page Options",
                            "Hide/Show All Printer Page Options and Settings.", {20, 88, 145, 17}},
                           {&page.bapplysystem4, "Apply Changes", "", {136, 184, 89, 25}},
                       });
}
