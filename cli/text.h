#pragma once

#include <string>

// The text without the spaces and tabs around it.
std::string Trimmed(const std::string& text);

// The text in lower case, for comparing names as the platform does.
std::string LowerCase(std::string text);
