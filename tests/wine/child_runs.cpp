#include "child_runs.h"

namespace {

// A handle closed on scope exit.
class THandle {
public:
    explicit THandle(HANDLE handle = nullptr) : handle_(handle) {}
    ~THandle() {
        if (handle_ && handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    THandle(const THandle&) = delete;
    THandle& operator=(const THandle&) = delete;
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

// Sets environment variables while in scope; the child inherits them.
class TScopedEnvironment {
public:
    explicit TScopedEnvironment(const TEnvironment& variables)
        : variables_(variables) {
        for (const auto& variable : variables_)
            SetEnvironmentVariableA(variable.first.c_str(), variable.second.c_str());
    }
    ~TScopedEnvironment() {
        for (const auto& variable : variables_) SetEnvironmentVariableA(variable.first.c_str(), nullptr);
    }

private:
    TEnvironment variables_;
};

LONGLONG SizeOf(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::string ThisProgram() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

}  // namespace

TChildProcess::TChildProcess(const std::string& commandLine, const TEnvironment& environment,
                             const std::string& outputPath) {
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    THandle output(outputPath.empty() ? nullptr
                                      : CreateFileA(outputPath.c_str(), GENERIC_WRITE,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (output.Get()) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output.Get();
        startup.hStdError = output.Get();
    }
    std::string command = commandLine;
    TScopedEnvironment scoped(environment);
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, output.Get() ? TRUE : FALSE, 0, nullptr, nullptr,
                        &startup, &process_)) {
        startError_ = GetLastError();
        process_ = {};
    }
}

TChildProcess::~TChildProcess() {
    if (!Started()) return;
    Kill();
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool TChildProcess::Ended(DWORD waitMs) const {
    return !Started() || WaitForSingleObject(process_.hProcess, waitMs) != WAIT_TIMEOUT;
}

void TChildProcess::Kill() {
    if (Ended()) return;
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, INFINITE);
}

DWORD TChildProcess::ExitCode() const {
    DWORD code = startError_;
    if (Started()) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

TChildRun RunChild(const TChildRequest& request) {
    TChildProcess child(ThisProgramWith("--gtest_filter=" + request.GtestFilter), request.Environment,
                        request.OutputPath);
    if (!child.Started()) return {child.StartError(), false};

    TChildRun run;
    LONGLONG lastSize = SizeOf(request.ProgressPath);
    DWORD lastProgress = GetTickCount();
    while (!child.Ended(500)) {
        LONGLONG size = SizeOf(request.ProgressPath);
        if (size != lastSize) {
            lastSize = size;
            lastProgress = GetTickCount();
        } else if (GetTickCount() - lastProgress > request.StallMs) {
            child.Kill();
            run.Stalled = true;
            break;
        }
    }
    run.ExitCode = child.ExitCode();
    return run;
}

TChildRun RunPumping(const std::string& commandLine, const std::function<void()>& pump, DWORD timeoutMs) {
    TChildProcess child(commandLine);
    if (!child.Started()) return {child.StartError(), false};
    TChildRun run;
    const DWORD started = GetTickCount();
    HANDLE process = child.Process();
    while (MsgWaitForMultipleObjects(1, &process, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0) {
        pump();
        if (GetTickCount() - started > timeoutMs) {
            child.Kill();
            run.Stalled = true;
            break;
        }
    }
    run.ExitCode = child.ExitCode();
    return run;
}

std::string ThisProgramWith(const std::string& arguments) { return "\"" + ThisProgram() + "\" " + arguments; }

std::string BesideThisProgram(const std::string& name) {
    const std::string program = ThisProgram();
    return program.substr(0, program.find_last_of("\\/") + 1) + name;
}

std::string TemporaryPath(const std::string& suffix) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    return std::string(directory) + "tavrel-" + std::to_string(GetCurrentProcessId()) + "-" + suffix;
}

std::string EnvironmentVariable(const char* name) {
    std::vector<char> value(1024);
    DWORD length = GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
    if (length >= value.size()) {
        value.resize(length + 1);
        length = GetEnvironmentVariableA(name, value.data(), static_cast<DWORD>(value.size()));
    }
    return length < value.size() ? std::string(value.data(), length) : "";
}
