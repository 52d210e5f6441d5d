#pragma once

#include <string>

// UTF-8, as Notepad of Windows 10 and later saves a text by default. A
// profile is read as UTF-8 when it starts with the byte-order mark or when
// every byte of it is well-formed UTF-8; otherwise it is in the machine's
// ANSI code page.

extern const char* const Utf8Mark;  // the byte-order mark, EF BB BF

bool StartsWithUtf8Mark(const std::string& text);

// Whether every byte belongs to a well-formed sequence: no overlong forms,
// no surrogates, nothing above U+10FFFF.
bool IsUtf8(const std::string& text);

bool IsAscii(const std::string& text);

// Whether a profile's text is read as UTF-8.
bool ReadsAsUtf8(const std::string& text);

// The UTF-16 of a text IsUtf8 accepts; the other way round, any UTF-16 text,
// a lone surrogate as U+FFFD.
std::u16string Utf16FromUtf8(const std::string& text);
std::string Utf8FromUtf16(const std::u16string& text);
