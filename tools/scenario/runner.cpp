// A scenario from start to end: its temporary folder, its lines, and the
// one outcome that the runner prints.
#include "runner.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "platform/host_names.h"
#include "scenario_run.h"

namespace stdfs = std::filesystem;

namespace vell::scenario {

namespace {

// A new, empty folder of our own under the system's temporary folder.
stdfs::path makeScenarioFolder() {
    std::random_device seed;
    std::mt19937_64 random(seed());
    const stdfs::path base = stdfs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "vellscn-" << std::hex << (random() & 0xffffffffffULL);
        stdfs::path p = base / name.str();
        std::error_code ec;
        if (stdfs::create_directory(p, ec)) return p;
    }
    throw std::runtime_error("cannot create a temporary folder in " + files::fromHostName(base));
}

Outcome runIn(const std::string& root, const std::string& text, const ExtraWiring& extra) {
    Outcome out;
    out.root = root;
    auto run = std::make_unique<ScenarioRun>(root, extra);
    try {
        run->run(parseScript(text));
        out.passed = true;
    } catch (const ScenarioSkip& e) {
        out.skipped = true;
        out.message = e.what();
    } catch (const ScenarioFailure& e) {
        out.line = e.line() != 0 ? e.line() : run->currentLine();
        out.message = e.what();
    } catch (const ScriptError& e) {
        out.line = e.line();
        out.message = e.what();
    } catch (const std::exception& e) {
        out.line = run->currentLine();
        out.message = std::string("the program failed: ") + e.what();
    } catch (...) {
        out.line = run->currentLine();
        out.message = "the program failed with an unknown error";
    }
    try {
        run.reset();  // the window goes before its folder does
    } catch (...) {
        if (out.passed || out.skipped) out.message = "closing the window failed";
        out.passed = false;
        out.skipped = false;
    }
    return out;
}

}  // namespace

Outcome runScenario(const std::string& text, bool keep, const ExtraWiring& extra) {
    stdfs::path root;
    try {
        root = makeScenarioFolder();
    } catch (const std::exception& e) {
        return Outcome{false, 0, e.what(), {}};
    }
    Outcome out = runIn(files::fromHostName(root), text, extra);
    if (!keep) {
        std::error_code ec;
        stdfs::remove_all(root, ec);
    }
    return out;
}

Outcome runScenarioFile(const std::string& path, bool keep) {
    std::ifstream in(stdfs::path(path), std::ios::binary);
    if (!in) return Outcome{false, 0, "cannot read the scenario file", {}};
    std::ostringstream text;
    text << in.rdbuf();
    return runScenario(text.str(), keep);
}

}  // namespace vell::scenario
