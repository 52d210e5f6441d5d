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

// Five columns of six rows, placed relative to the group box. The boxes
// have no hints: the group's hint shows over them. One loop over the
// letters: a call each made 2 KB of the program file.
void TDrivesAccessPage::CreateDriveLetters() {
    struct TLetter {
        TFlatCheckBox TDrivesAccessPage::*Box;
        const char* Caption;
        int Left, Top;
        void (TDrivesAccessPage::*OnClick)();
    };
    static const TLetter letters[] = {
        {&TDrivesAccessPage::ba, "A", 12, 20, &TDrivesAccessPage::baClick},
        {&TDrivesAccessPage::bb, "B", 12, 40, &TDrivesAccessPage::bbClick},
        {&TDrivesAccessPage::bc, "C", 12, 60, &TDrivesAccessPage::bcClick},
        {&TDrivesAccessPage::bd, "D", 12, 80, &TDrivesAccessPage::bdClick},
        {&TDrivesAccessPage::be, "E", 12, 100, &TDrivesAccessPage::beClick},
        {&TDrivesAccessPage::bf, "F", 12, 120, &TDrivesAccessPage::bfClick},
        {&TDrivesAccessPage::bg, "G", 84, 20, &TDrivesAccessPage::bgClick},
        {&TDrivesAccessPage::bh, "H", 84, 40, &TDrivesAccessPage::bhClick},
        {&TDrivesAccessPage::bi, "I", 84, 60, &TDrivesAccessPage::biClick},
        {&TDrivesAccessPage::bj, "J", 84, 80, &TDrivesAccessPage::bjClick},
        {&TDrivesAccessPage::bk, "K", 84, 120, &TDrivesAccessPage::bkClick},  // below L
        {&TDrivesAccessPage::bl, "L", 84, 100, &TDrivesAccessPage::blClick},
        {&TDrivesAccessPage::bm, "M", 156, 20, &TDrivesAccessPage::bmClick},
        {&TDrivesAccessPage::bn, "N", 156, 40, &TDrivesAccessPage::bnClick},
        {&TDrivesAccessPage::bo, "O", 156, 60, &TDrivesAccessPage::boClick},
        {&TDrivesAccessPage::bp, "P", 156, 80, &TDrivesAccessPage::bpClick},
        {&TDrivesAccessPage::bq, "Q", 156, 100, &TDrivesAccessPage::bqClick},
        {&TDrivesAccessPage::br, "R", 156, 120, &TDrivesAccessPage::brClick},
        {&TDrivesAccessPage::bs, "S", 228, 20, &TDrivesAccessPage::bsClick},
        {&TDrivesAccessPage::bt, "T", 228, 40, &TDrivesAccessPage::btClick},
        {&TDrivesAccessPage::bu, "U", 228, 60, &TDrivesAccessPage::buClick},
        {&TDrivesAccessPage::bv, "V", 228, 80, &TDrivesAccessPage::bvClick},
        {&TDrivesAccessPage::bw, "W", 228, 120, &TDrivesAccessPage::bwClick},  // below X
        {&TDrivesAccessPage::bx, "X", 228, 100, &TDrivesAccessPage::bxClick},
        {&TDrivesAccessPage::by, "Y", 288, 20, &TDrivesAccessPage::byClick},
        {&TDrivesAccessPage::bz, "Z", 288, 40, &TDrivesAccessPage::bzClick},
    };
    for (const TLetter& letter : letters)
        CreateBox(gbdrives.Handle(), this->*letter.Box, {letter.Caption, "", {letter.Left, letter.Top, 40, 17}},
                  Handler(letter.OnClick));
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
