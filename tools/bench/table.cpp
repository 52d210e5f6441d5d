#include "table.h"

#include <algorithm>
#include <cstdio>

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) return values[middle];
    return (values[middle - 1] + values[middle]) / 2;
}

double Minimum(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

double Maximum(const std::vector<double>& values) { return *std::max_element(values.begin(), values.end()); }

std::string Fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f", decimals, value);
    return text;
}

std::string Limit(double value) {
    char text[64];
    std::snprintf(text, sizeof(text), "%g", value);
    return text;
}

void PrintRow(const std::string& measure, const std::string& value, const std::string& baseline,
              const std::string& ratio, const std::string& target, const std::string& met) {
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", measure.c_str(), value.c_str(), baseline.c_str(), ratio.c_str(),
                target.c_str(), met.c_str());
    std::fflush(stdout);
}

void PrintRatioRow(const std::string& measure, double value, double baseline, int decimals, double ratioLimit) {
    double ratio = value / baseline;
    PrintRow(measure, Fixed(value, decimals), Fixed(baseline, decimals), Fixed(ratio, 2),
             "ratio <= " + Limit(ratioLimit), ratio <= ratioLimit ? "yes" : "NO");
}

void PrintLimitRow(const std::string& measure, double value, int decimals, double limit) {
    PrintRow(measure, Fixed(value, decimals), "-", "-", "<= " + Limit(limit), value <= limit ? "yes" : "NO");
}

void PrintLimitAndRatioRow(const std::string& measure, double value, double baseline, int decimals, double limit,
                           const std::string& unit, double ratioLimit) {
    double ratio = value / baseline;
    bool met = value <= limit && ratio <= ratioLimit;
    PrintRow(measure, Fixed(value, decimals), Fixed(baseline, decimals), Fixed(ratio, 2),
             "<= " + Limit(limit) + " " + unit + ", ratio <= " + Limit(ratioLimit), met ? "yes" : "NO");
}

void PrintComparisonRow(const std::string& measure, double value, double baseline, int decimals) {
    PrintRow(measure, Fixed(value, decimals), Fixed(baseline, decimals), Fixed(value / baseline, 2), "-", "-");
}
