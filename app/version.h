#pragma once

// The program's version, in the two forms a version resource takes: keep
// them equal (the program file test compares them).
#define TAVREL_VERSION 1,0,0,0
#define TAVREL_VERSION_TEXT "1.0.0.0"
