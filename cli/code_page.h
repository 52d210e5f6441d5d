#pragma once

#include "cli/profile.h"

#include <string>

// Texts are stored as the platform's ANSI functions take them: in the
// machine's ANSI code page, which is also what every Notepad opens.

unsigned AnsiCodePage();

// A profile's text in the ANSI code page: one read as UTF-8 is converted
// line by line, its byte-order mark dropped; another is taken as it is.
// Raises EProfileError with the line of a character the code page cannot
// hold, or of bytes that are not UTF-8 after the mark.
std::string ProfileInAnsi(const std::string& text);

// What export writes: the ANSI text, its first line naming the code page;
// UTF-8 with its mark where those bytes would read back as UTF-8.
std::string ProfileFileText(const TProfile& profile, const std::string& ourVersion);
