#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

using TEnvironment = std::vector<std::pair<std::string, std::string>>;

// The value of an environment variable of this process; empty when unset.
std::string EnvironmentVariable(const char* name);

// Another process beside the caller: the caller goes on (and handles its
// messages) while the child works.
class TChildProcess {
public:
    // The child's standard output and error go to outputPath, if given.
    explicit TChildProcess(const std::string& commandLine, const TEnvironment& environment = {},
                           const std::string& outputPath = "");
    ~TChildProcess();  // a child still running is killed
    TChildProcess(const TChildProcess&) = delete;
    TChildProcess& operator=(const TChildProcess&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD StartError() const { return startError_; }
    // Whether the child has ended, waiting at most waitMs for it.
    bool Ended(DWORD waitMs = 0) const;
    void Kill();
    DWORD ExitCode() const;
    HANDLE Process() const { return process_.hProcess; }

private:
    PROCESS_INFORMATION process_{};
    DWORD startError_ = 0;
};

// The command line that runs this test program again with these arguments.
std::string ThisProgramWith(const std::string& arguments);

// Runs this test program again as a separate process, so that work which
// may crash or hang cannot take the calling test down with it.
struct TChildRun {
    DWORD ExitCode = 0;
    bool Stalled = false;  // killed for making no progress
};

struct TChildRequest {
    std::string GtestFilter;
    TEnvironment Environment;   // set for the child only
    std::string OutputPath;     // the child's standard output and error
    std::string ProgressPath;   // a file the child keeps growing while it works
    DWORD StallMs = 60000;      // no growth for this long: the child is killed
};

TChildRun RunChild(const TChildRequest& request);

// Runs another program and keeps handling this thread's messages through
// `pump` until it ends, for a program that talks to this thread's windows
// (a screen reader's questions arrive as sent messages and as calls into
// this thread). Killed, and Stalled, after timeoutMs.
TChildRun RunPumping(const std::string& commandLine, const std::function<void()>& pump, DWORD timeoutMs = 60000);

// A file in the directory of this test program.
std::string BesideThisProgram(const std::string& name);

// A file name in the temporary directory, unique to this process.
std::string TemporaryPath(const std::string& suffix);
