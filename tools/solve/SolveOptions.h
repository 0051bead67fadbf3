#pragma once

#include <string>
#include <vector>

#include "Solver.h"

// What velmora-solve was asked to do.
struct SolveOptions {
    std::string level;
    std::string contentFolder;
    SolveLimits limits;
    bool help = false;
};

// Reads the command line; a bad argument throws UsageError (TraceOptions.h) with the reason.
SolveOptions ParseSolveOptions(const std::vector<std::string>& arguments,
                               const std::string& defaultContentFolder);

std::string SolveUsage();
