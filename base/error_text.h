#pragma once

#include <string>

// The text of the error box: a message whose last character sorts above "."
// (a letter or a digit, say) gets a full stop; any other is shown unchanged.
std::string ErrorBoxText(const std::string& message);
