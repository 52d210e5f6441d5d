#include "app/application.h"
#include "cli/companion.h"

#include <cstdio>

namespace {

class TStandardConsole : public TConsole {
public:
    void Out(const std::string& line) override { Write(stdout, line); }
    void Err(const std::string& line) override {
        std::fflush(stdout);  // keeps the two in order where both go to one place
        Write(stderr, line);
    }

private:
    static void Write(FILE* stream, const std::string& line) {
        std::fputs(line.c_str(), stream);
        if (line.empty() || line.back() != '\n') std::fputc('\n', stream);
        std::fflush(stream);
    }
};

}  // namespace

int main(int argc, char** argv) {
    Application().SetTitle("Tavrel");
    TStandardConsole console;
    return RunCompanion(std::vector<std::string>(argv + 1, argv + argc), console);
}
