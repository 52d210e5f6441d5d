#pragma once

#include <string>
#include <vector>

// Where the companion writes: its report, and its errors.
class TConsole {
public:
    virtual ~TConsole() = default;
    virtual void Out(const std::string& line) = 0;
    virtual void Err(const std::string& line) = 0;
};

// Exit statuses of tavrelctl.
const int ExitStored = 0;       // everything was stored (or shown)
const int ExitNotStored = 1;    // a value could not be stored or read; the rest was
const int ExitBadProfile = 2;   // a bad profile or command line; nothing was stored
const int ExitDiffers = 3;      // check: the machine is not as the profile says

// Runs one command line of tavrelctl, its arguments after the program's
// name: show, export, apply, apply --dry-run or --help, each with --log
// LOG. Every error is printed, none raised.
int RunCompanion(const std::vector<std::string>& arguments, TConsole& console);
