#include "harness.h"

class Smoke : public TFormTest {};

TEST_F(Smoke, ClickingAHeaderOpensItsSectionAndASubItemShowsItsPage) {
    ClickSubItem(1, 2);  // Internet Access
    EXPECT_EQ(form->Notebook1.PageIndex(), 7);
    EXPECT_EQ(shell.Beeps, 1);
}
