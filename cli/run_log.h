#pragma once

#include "cli/companion.h"
#include "cli/text_file.h"

#include <string>

// Everything the companion prints, errors included, shown as ever and
// appended to a file: a logon script's one record on Windows 9x, whose
// COMMAND.COM cannot redirect standard error. Each run starts with the date,
// the machine's name and the command line, and ends with its exit status.
class TRunLog : public TConsole {
public:
    TRunLog(TConsole& shown, const std::string& file);
    bool Opened() const { return file_ != nullptr; }

    void Head(const std::string& commandLine);
    void Tail(int status);
    void Out(const std::string& line) override;
    void Err(const std::string& line) override;

private:
    void Append(const std::string& line);

    TConsole& shown_;
    TFile file_;
};
