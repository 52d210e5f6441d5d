// Start-up benchmark: starts the baseline and the program in turn, several
// times, and measures the time from CreateProcess to the moment the main
// window is visible with no paint pending in it or in any visible child.
//
//   startup_launcher [--runs N] baseline.exe program.exe      (default 21 runs)
#include "launch.h"
#include "table.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

const DWORD SettleMs = 300;
const double RatioLimit = 1.1;

struct TProgram {
    explicit TProgram(std::string path) : Path(std::move(path)) {}

    std::string Path;
    std::vector<double> Times;
    bool SawPaintPending = false;

    void Measure() {
        TChildProcess child(Path);
        Times.push_back(child.WaitForFirstPaint());
        SawPaintPending = SawPaintPending || child.SawPaintPending();
    }
};

void PrintStartupRows(const TProgram& baseline, const TProgram& program) {
    const std::string runs = std::to_string(program.Times.size());
    PrintRatioRow("start-up to first paint, median of " + runs + " (ms)", Median(program.Times),
                  Median(baseline.Times), 1, RatioLimit);
    // Two second opinions on a busy machine: each run against the baseline
    // run just before it, which met the machine in much the same state; and
    // the fastest runs, as other work only ever adds time.
    std::vector<double> paired;
    for (size_t run = 0; run < program.Times.size(); ++run) paired.push_back(program.Times[run] / baseline.Times[run]);
    PrintRow("start-up to first paint, median of " + runs + " paired ratios", "-", "-", Fixed(Median(paired), 2),
             "ratio <= " + Limit(RatioLimit), Median(paired) <= RatioLimit ? "yes" : "NO");
    PrintComparisonRow("start-up to first paint, fastest of " + runs + " (ms)", Minimum(program.Times),
                       Minimum(baseline.Times), 1);
    for (const TProgram* checked : {&baseline, &program})
        if (!checked->SawPaintPending)
            std::fprintf(stderr, "startup_launcher: never saw a paint pending in %s; its times may be too short\n",
                         FileName(checked->Path).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 21;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else
            paths.push_back(argument);
    }
    if (paths.size() != 2 || runs < 1) {
        std::fprintf(stderr, "usage: startup_launcher [--runs N] baseline.exe program.exe\n");
        return 2;
    }
    TProgram baseline(paths[0]);
    TProgram program(paths[1]);
    try {
        // One start of each, not counted, so that neither pays alone for a
        // cold file cache.
        for (TProgram* each : {&baseline, &program}) {
            TChildProcess(each->Path).WaitForFirstPaint();
            Sleep(SettleMs);
        }
        // In turn, so that a slow spell of the machine falls on both alike.
        for (int run = 0; run < runs; ++run) {
            for (TProgram* each : {&baseline, &program}) {
                each->Measure();
                Sleep(SettleMs);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_launcher: %s\n", error.what());
        return 1;
    }
    PrintStartupRows(baseline, program);
    return 0;
}
