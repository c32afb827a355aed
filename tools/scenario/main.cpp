// vellmaster-scenario FILE.scn... [--keep]: runs each scenario file and
// prints "PASS name", "FAIL name: file:line: what" or "SKIP name: why", then
// "N passed, M failed" (", K skipped" when K is not 0). With
// VELLMASTER_FAULT=KIND:N[:ERROR] set ("write:3:ENOSPC"), the Nth file step
// of that kind the program takes in each scenario fails with that error.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/faults.h"
#include "runner.h"

int main(int argc, char** argv) {
    bool keep = false;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--keep")
            keep = true;
        else
            paths.push_back(a);
    }
    if (paths.empty()) {
        std::fprintf(stderr, "usage: vellmaster-scenario [--keep] FILE.scn...\n");
        return 2;
    }
    std::optional<vell::faults::Fault> fault;
    if (const char* text = std::getenv("VELLMASTER_FAULT"); text && *text) {
        fault = vell::faults::parse(text);
        if (!fault) {
            std::fprintf(stderr, "VELLMASTER_FAULT: not KIND:N[:ERROR]: %s\n", text);
            return 2;
        }
    }
    int passed = 0;
    int failed = 0;
    int skipped = 0;
    for (const std::string& path : paths) {
        const std::string name = std::filesystem::path(path).stem().string();
        if (fault) vell::faults::arm(*fault);
        vell::scenario::Outcome out = vell::scenario::runScenarioFile(path, keep);
        if (out.passed) {
            ++passed;
            std::printf("PASS %s\n", name.c_str());
        } else if (out.skipped) {
            ++skipped;
            std::printf("SKIP %s: %s\n", name.c_str(), out.message.c_str());
        } else {
            ++failed;
            // A line of an included file is named in its own file, followed
            // by the include lines that led there.
            const std::string& file = out.file.empty() ? path : out.file;
            std::printf("FAIL %s: %s:%d: %s", name.c_str(), file.c_str(), out.line,
                        out.message.c_str());
            if (!out.includedFrom.empty()) std::printf(" (%s)", out.includedFrom.c_str());
            std::printf("\n");
        }
        std::fflush(stdout);
        if (keep && !out.root.empty())
            std::fprintf(stderr, "%s: kept %s\n", name.c_str(), out.root.c_str());
    }
    std::printf("%d passed, %d failed", passed, failed);
    if (skipped != 0) std::printf(", %d skipped", skipped);
    std::printf("\n");
    return failed == 0 ? 0 : 1;
}
