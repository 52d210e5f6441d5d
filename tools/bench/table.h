#pragma once

// The rows the benchmark programs print, one line each, tab separated:
// measure, Tavrel, baseline, ratio, target, met. tools/bench.sh lays them
// out as one table.
#include <string>
#include <vector>

double Median(std::vector<double> values);
double Minimum(const std::vector<double>& values);
double Maximum(const std::vector<double>& values);

// A measure against a baseline whose ratio must stay at or below a limit.
void PrintRatioRow(const std::string& measure, double value, double baseline, int decimals, double ratioLimit);
// A measure that must stay at or below a limit of its own.
void PrintLimitRow(const std::string& measure, double value, int decimals, double limit);
// A measure that must stay at or below a limit and within a ratio of its baseline.
void PrintLimitAndRatioRow(const std::string& measure, double value, double baseline, int decimals, double limit,
                           const std::string& unit, double ratioLimit);
// A measure shown beside a baseline, with no target.
void PrintComparisonRow(const std::string& measure, double value, double baseline, int decimals);
// A row whose cells the caller words itself.
void PrintRow(const std::string& measure, const std::string& value, const std::string& baseline,
              const std::string& ratio, const std::string& target, const std::string& met);

std::string Fixed(double value, int decimals);
// A target's number as it is written: 1.15, 16, 350.
std::string Limit(double value);
