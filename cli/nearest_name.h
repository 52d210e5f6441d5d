#pragma once

#include <string>
#include <vector>

// The name of a list nearest to a name that is not in it, ignoring case, by
// the fewest letters added, removed or changed; "" for an empty list.
std::string NearestName(const std::string& name, const std::vector<std::string>& names);

// Whether two names are the same but for case.
bool SameName(const std::string& left, const std::string& right);
