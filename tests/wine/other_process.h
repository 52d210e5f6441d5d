#pragma once

#include <string>

// The parts this test program plays when a test runs it as another process:
// another program's window, or a tool that reads our windows from outside.
//
//   --foreign-window <title>  a top-level window at the screen's top left
//                             whose user data is no object of ours; it stays
//                             until closed
//   --read-status-bar <hwnd>  prints the bar's WM_GETTEXT and SB_GETTEXT
//                             texts, one per line
//
// Returns whether the arguments asked for one of them, and its exit code.
bool PlayOtherProcess(int argc, char** argv, int& exitCode);

const char* const ForeignWindowArgument = "--foreign-window";
const char* const ReadStatusBarArgument = "--read-status-bar";

// A user-data value that points at nothing of ours, as another program's
// own object pointer would.
const long long ForeignUserData = 0x5EED0000;
