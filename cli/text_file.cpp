#include "cli/text_file.h"

#include <cerrno>

namespace {
const size_t LargestFile = 16 * 1024 * 1024;
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& file, std::string& why) {
    TFile stream = OpenFile(file, "rb");
    if (!stream) {
        why = errno == ENOENT ? "no such file" : "the file cannot be read";
        return std::nullopt;
    }
    std::string text;
    char buffer[4096];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof(buffer), stream.get())) > 0) {
        text.append(buffer, read);
        if (text.size() > LargestFile) {
            why = "the file is larger than a profile can be (16 MiB)";
            return std::nullopt;
        }
    }
    if (std::ferror(stream.get())) {
        why = "the file cannot be read";
        return std::nullopt;
    }
    return text;
}
