#pragma once

#include "cli/companion.h"

#include <string>

// Applies a profile page by page, through the pages' controls; a dry run
// keeps every write in memory. Returns the exit status.
int Apply(const std::string& file, bool dryRun, TConsole& console);
