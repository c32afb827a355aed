// Running scenario files: each in a fresh temporary folder, stopping at the
// first failing line.
#pragma once

#include <string>

namespace vell::scenario {

struct Outcome {
    bool passed = false;
    int line = 0;         // the failing line (0: the file as a whole)
    std::string message;  // what failed, expected and actual quoted
    std::string root;     // the scenario's temporary folder (kept with --keep)
};

// Runs the scenario text in a new temporary folder, removed afterwards
// unless keep is set. Never throws.
Outcome runScenario(const std::string& text, bool keep);

// Reads the file and runs it.
Outcome runScenarioFile(const std::string& path, bool keep);

}  // namespace vell::scenario
