#pragma once

#include "pages/drive_mask.h"
#include "pages/option_page.h"
#include "widgets/group_box.h"

#include <array>

// Notebook page 11: hides drives from My Computer and Explorer through the
// drive mask NoDrives, all at once with hidealldrives (stored at once), or
// letter by letter in gbdrives (stored by Apply Changes).
class TDrivesAccessPage : public TOptionPage {
public:
    void Create(TNotebook& notebook, const TPageFonts& fonts) override;
    void PageLoader() override;

    void hidealldrivesClick();
    void baClick();
    void bbClick();
    void bcClick();
    void bdClick();
    void beClick();
    void bfClick();
    void bgClick();
    void bhClick();
    void biClick();
    void bjClick();
    void bkClick();
    void blClick();
    void bmClick();
    void bnClick();
    void boClick();
    void bpClick();
    void bqClick();
    void brClick();
    void bsClick();
    void btClick();
    void buClick();
    void bvClick();
    void bwClick();
    void bxClick();
    void byClick();
    void bzClick();
    void bapplyuser2Click();

    // The drive-letter boxes from A to Z, which is their bit order.
    std::array<TFlatCheckBox*, DriveLetterCount> DriveLetters();

    TFlatCheckBox hidealldrives;
    TGroupBox gbdrives;
    TFlatCheckBox ba, bb, bc, bd, be, bf, bg, bh, bi, bj, bk, bl, bm;
    TFlatCheckBox bn, bo, bp, bq, br, bs, bt, bu, bv, bw, bx, by, bz;
    TFlatButton bapplyuser2;

private:
    void CreateDriveLetters();
    TDriveLetters TickedLetters();
};
