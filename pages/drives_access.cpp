#include "pages/drives_access.h"

#include "base/program_services.h"
#include "pages/apply_changes.h"
#include "pages/key_paths.h"
#include "pages/registry_option.h"

void TDrivesAccessPage::Create(TNotebook& notebook, const TPageFonts& fonts) {
    CreateFrame(notebook, fonts, "User11", "Drives Access", PageIcon(11));
    hidealldrives.Create(Options(),
                         {"Hide All Drives on Computer", "Hide/Show All Drives on My Computer and within Explorer.",
                          {28, 8, 181, 17}},
                         Fonts().Bold, clMaroon);
    hidealldrives.OnClick = Handler(&TDrivesAccessPage::hidealldrivesClick);
    gbdrives.Create(Options(),
                    {"Hide Selected Drives", "Hide/Show Selected Drives on My Computer and Explorer.",
                     {16, 32, 337, 145}},
                    Fonts().Regular, clMaroon);
    CreateDriveLetters();
    CreateApplyButton(bapplyuser2, Handler(&TDrivesAccessPage::bapplyuser2Click));
}

void TDrivesAccessPage::CreateDriveLetter(TGroupBox& group, TFlatCheckBox& box, const char* letter, int left, int top,
                                          std::function<void()> onClick) {
    CreateBox(group.Handle(), box, {letter, "", {left, top, 40, 17}}, std::move(onClick));
}

// Five columns of six rows, placed relative to the group box. The boxes
// have no hints: the group's hint shows over them.
void TDrivesAccessPage::CreateDriveLetters() {
    CreateDriveLetter(gbdrives, ba, "A", 12, 20, Handler(&TDrivesAccessPage::baClick));
    CreateDriveLetter(gbdrives, bb, "B", 12, 40, Handler(&TDrivesAccessPage::bbClick));
    CreateDriveLetter(gbdrives, bc, "C", 12, 60, Handler(&TDrivesAccessPage::bcClick));
    CreateDriveLetter(gbdrives, bd, "D", 12, 80, Handler(&TDrivesAccessPage::bdClick));
    CreateDriveLetter(gbdrives, be, "E", 12, 100, Handler(&TDrivesAccessPage::beClick));
    CreateDriveLetter(gbdrives, bf, "F", 12, 120, Handler(&TDrivesAccessPage::bfClick));
    CreateDriveLetter(gbdrives, bg, "G", 84, 20, Handler(&TDrivesAccessPage::bgClick));
    CreateDriveLetter(gbdrives, bh, "H", 84, 40, Handler(&TDrivesAccessPage::bhClick));
    CreateDriveLetter(gbdrives, bi, "I", 84, 60, Handler(&TDrivesAccessPage::biClick));
    CreateDriveLetter(gbdrives, bj, "J", 84, 80, Handler(&TDrivesAccessPage::bjClick));
    CreateDriveLetter(gbdrives, bk, "K", 84, 120, Handler(&TDrivesAccessPage::bkClick));  // below L
    CreateDriveLetter(gbdrives, bl, "L", 84, 100, Handler(&TDrivesAccessPage::blClick));
    CreateDriveLetter(gbdrives, bm, "M", 156, 20, Handler(&TDrivesAccessPage::bmClick));
    CreateDriveLetter(gbdrives, bn, "N", 156, 40, Handler(&TDrivesAccessPage::bnClick));
    CreateDriveLetter(gbdrives, bo, "O", 156, 60, Handler(&TDrivesAccessPage::boClick));
    CreateDriveLetter(gbdrives, bp, "P", 156, 80, Handler(&TDrivesAccessPage::bpClick));
    CreateDriveLetter(gbdrives, bq, "Q", 156, 100, Handler(&TDrivesAccessPage::bqClick));
    CreateDriveLetter(gbdrives, br, "R", 156, 120, Handler(&TDrivesAccessPage::brClick));
    CreateDriveLetter(gbdrives, bs, "S", 228, 20, Handler(&TDrivesAccessPage::bsClick));
    CreateDriveLetter(gbdrives, bt, "T", 228, 40, Handler(&TDrivesAccessPage::btClick));
    CreateDriveLetter(gbdrives, bu, "U", 228, 60, Handler(&TDrivesAccessPage::buClick));
    CreateDriveLetter(gbdrives, bv, "V", 228, 80, Handler(&TDrivesAccessPage::bvClick));
    CreateDriveLetter(gbdrives, bw, "W", 228, 120, Handler(&TDrivesAccessPage::bwClick));  // below X
    CreateDriveLetter(gbdrives, bx, "X", 228, 100, Handler(&TDrivesAccessPage::bxClick));
    CreateDriveLetter(gbdrives, by, "Y", 288, 20, Handler(&TDrivesAccessPage::byClick));
    CreateDriveLetter(gbdrives, bz, "Z", 288, 40, Handler(&TDrivesAccessPage::bzClick));
}

std::array<TFlatCheckBox*, DriveLetterCount> TDrivesAccessPage::DriveLetters() {
    return {&ba, &bb, &bc, &bd, &be, &bf, &bg, &bh, &bi, &bj, &bk, &bl, &bm,
            &bn, &bo, &bp, &bq, &br, &bs, &bt, &bu, &bv, &bw, &bx, &by, &bz};
}

TDriveLetters TDrivesAccessPage::TickedLetters() {
    TDriveLetters ticked{};
    auto boxes = DriveLetters();
    for (int letter = 0; letter < DriveLetterCount; ++letter) ticked[letter] = boxes[letter]->Checked();
    return ticked;
}

void TDrivesAccessPage::PageLoader() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    if (registry.ValueExists("NoDrives")) {
        const int32_t stored = registry.ReadInteger("NoDrives");
        if (HidesAllDrives(stored)) {
            hidealldrives.SetChecked(true);
            gbdrives.Disable();  // the letters keep the ticks they showed
        } else {
            const bool wasHidingAll = hidealldrives.Checked();
            hidealldrives.SetChecked(false);
            // Clearing the box stored 0; the selection read from outside is kept.
            if (wasHidingAll) registry.WriteInteger("NoDrives", stored);
            gbdrives.Enable();
            const TDriveLetters hidden = LettersOf(stored);
            auto boxes = DriveLetters();
            for (int letter = 0; letter < DriveLetterCount; ++letter) boxes[letter]->SetChecked(hidden[letter]);
        }
    } else {
        registry.WriteInteger("NoDrives", 0);
    }
    bapplyuser2.Disable();
}

// Stores at once; the letters are stored by Apply Changes only.
void TDrivesAccessPage::hidealldrivesClick() {
    TOpenedKey registry(HKEY_CURRENT_USER, ExplorerPolicies);
    if (hidealldrives.Checked()) {
        gbdrives.Disable();
        registry.WriteInteger("NoDrives", AllDrivesMask);
    } else {
        gbdrives.Enable();
        registry.WriteInteger("NoDrives", 0);
    }
    bapplyuser2.Enable();
}

void TDrivesAccessPage::baClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bbClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bcClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bdClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::beClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bfClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bgClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bhClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::biClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bjClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bkClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::blClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bmClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bnClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::boClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bpClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bqClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::brClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bsClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::btClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::buClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bvClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bwClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bxClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::byClick() { bapplyuser2.Enable(); }
void TDrivesAccessPage::bzClick() { bapplyuser2.Enable(); }

// While every drive is hidden there is no selection to store: beep instead.
void TDrivesAccessPage::bapplyuser2Click() {
    bapplyuser2.Disable();
    if (hidealldrives.Checked())
        ProgramServices().Shell().Beep();
    else
        StoreInteger(HKEY_CURRENT_USER, ExplorerPolicies, "NoDrives", MaskOf(TickedLetters()));
    ApplyChanges(bapplyuser2, NoticeA);
}
