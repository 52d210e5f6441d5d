#include "cli/nearest_name.h"

#include <algorithm>
#include <cctype>

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

size_t Distance(const std::string& from, const std::string& to) {
    std::vector<size_t> row(to.size() + 1);
    for (size_t j = 0; j <= to.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= from.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= to.size(); ++j) {
            size_t above = row[j];
            size_t change = diagonal + (Lower(from[i - 1]) == Lower(to[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[to.size()];
}

}  // namespace

bool SameName(const std::string& left, const std::string& right) {
    return left.size() == right.size() &&
           std::equal(left.begin(), left.end(), right.begin(), [](char a, char b) { return Lower(a) == Lower(b); });
}

std::string NearestName(const std::string& name, const std::vector<std::string>& names) {
    std::string nearest;
    size_t best = 0;
    for (const std::string& candidate : names) {
        size_t distance = Distance(name, candidate);
        if (nearest.empty() || distance < best) {
            nearest = candidate;
            best = distance;
        }
    }
    return nearest;
}
