#pragma once

// The program's controls as the option table names them: found among the
// page's windows by their caption (an edit's by its hint), so that the tests
// need no list of the program's members.

#include "harness.h"
#include "option_root.h"

#include <map>
#include <string>
#include <vector>

TWindow& ControlNamed(TForm1& form, const std::string& name);
TFlatCheckBox& BoxNamed(TForm1& form, const std::string& name);
TFlatButton& ButtonNamed(TForm1& form, const std::string& name);
// The Apply Changes button of a page.
TFlatButton& ButtonOfPage(TForm1& form, int page);

using options::RootOf;

// What the spin edits and edits show before their page is first loaded, by
// control name.
const std::map<std::string, std::string>& TextsShownAtStart();

// The table's rows of a page's options panel, or of a group on it, for
// ExpectOptionsTable. A spin edit or edit shows its value where a box shows
// its caption: shownTexts gives those values by control name.
std::vector<TOptionRow> OptionRows(TForm1& form, int page, const std::string& group = "",
                                   const std::map<std::string, std::string>& shownTexts = {});
