#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

using TFile = std::unique_ptr<FILE, int (*)(FILE*)>;

inline TFile OpenFile(const std::string& file, const char* mode) {
    return TFile(std::fopen(file.c_str(), mode), &std::fclose);
}

// A whole file of at most 16 MiB; none, and why, when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& file, std::string& why);
