#pragma once

#include "cli/companion.h"

#include <string>

// What is done with a profile: stored; tried with every write kept in
// memory (a dry run); or compared with what is stored, printing only the
// controls that differ.
enum class TApplyMode { Store, DryRun, Check };

// Applies a profile page by page, through the pages' controls, as the mode
// says. Returns the exit status.
int Apply(const std::string& file, TApplyMode mode, TConsole& console);
