// Running scenario files: each in a fresh temporary folder, stopping at the
// first failing line.
#pragma once

#include <functional>
#include <string>

namespace vell {
class Frm_Vell13;
}

namespace vell::scenario {

struct Outcome {
    bool passed = false;
    int line = 0;          // the failing line (0: the file as a whole)
    std::string message;   // what failed, expected and actual quoted
    std::string root;      // the scenario's temporary folder (kept with --keep)
    bool skipped = false;  // the host cannot run it; message says why
    // The file that holds the failing line when it is an included one
    // (empty: the scenario itself), and the include lines that led there,
    // innermost first: "included from worlds/a.inc:2, from x.scn:5".
    std::string file;
    std::string includedFrom;
};

// Handlers added to the window after the program's own (tests of the runner).
using ExtraWiring = std::function<void(Frm_Vell13&)>;

// Runs the scenario text in a new temporary folder, removed afterwards
// unless keep is set. Its include lines name files relative to the current
// folder. Never throws.
Outcome runScenario(const std::string& text, bool keep, const ExtraWiring& extra = {});

// Reads the file and runs it; its include lines name files relative to its
// folder.
Outcome runScenarioFile(const std::string& path, bool keep);

}  // namespace vell::scenario
