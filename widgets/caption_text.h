#pragma once

#include <string>

// A caption as it reads aloud: the '&' that marks the accelerator is not
// said, and "&&", which draws one '&', reads as one.
std::string WithoutAccelerator(const std::string& caption);
