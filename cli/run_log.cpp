#include "cli/run_log.h"

#include <windows.h>

namespace {

std::string Digits(unsigned number, size_t width) {
    std::string digits = std::to_string(number);
    return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

std::string Now() {
    SYSTEMTIME time{};
    GetLocalTime(&time);
    return Digits(time.wYear, 4) + "-" + Digits(time.wMonth, 2) + "-" + Digits(time.wDay, 2) + " " +
           Digits(time.wHour, 2) + ":" + Digits(time.wMinute, 2) + ":" + Digits(time.wSecond, 2);
}

std::string MachineName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof(name);
    return GetComputerNameA(name, &size) ? name : "this machine";
}

}  // namespace

TRunLog::TRunLog(TConsole& shown, const std::string& file) : shown_(shown), file_(OpenFile(file, "ab")) {}

void TRunLog::Head(const std::string& commandLine) { Append("---- " + Now() + " " + MachineName() + ": " + commandLine); }

void TRunLog::Tail(int status) { Append("---- exit status " + std::to_string(status)); }

void TRunLog::Out(const std::string& line) {
    shown_.Out(line);
    Append(line);
}

void TRunLog::Err(const std::string& line) {
    shown_.Err(line);
    Append(line);
}

// Line by line in DOS's line ends, and at once: a machine may hang later.
void TRunLog::Append(const std::string& text) {
    std::string lines;
    for (char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    if (lines.empty() || lines.back() != '\n') lines += "\r\n";
    std::fwrite(lines.data(), 1, lines.size(), file_.get());
    std::fflush(file_.get());
}
