// A scenario from start to end: its temporary folder, its lines, and the
// one outcome that the runner prints.
#include "runner.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "includes.h"
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

// A scenario that fails as a whole, before any of its lines runs.
Outcome failedWhole(const std::string& message) {
    Outcome out;
    out.message = message;
    return out;
}

// The failing line: its number, and for a line of an included file that
// file and the include lines that led to it.
void placeFailure(Outcome& out, int line, const LineSource& source,
                  const std::string& scenarioFile) {
    out.line = line;
    if (!source) return;
    out.file = source->path;
    for (const IncludedFile* f = source.get(); f != nullptr; f = f->includer.get()) {
        out.includedFrom += out.includedFrom.empty() ? "included from " : ", from ";
        if (f->includer || scenarioFile.empty())
            out.includedFrom += lineName(f->includer, f->includeLine);
        else
            out.includedFrom += scenarioFile + ":" + std::to_string(f->includeLine);
    }
}

Outcome runIn(const std::string& root, const std::string& text, const ExtraWiring& extra,
              const std::string& scenarioFile) {
    Outcome out;
    out.root = root;
    auto run = std::make_unique<ScenarioRun>(root, extra);
    try {
        run->run(putIncludesInPlace(parseScript(text), scenarioFile));
        out.passed = true;
    } catch (const ScenarioSkip& e) {
        out.skipped = true;
        out.message = e.what();
    } catch (const ScenarioFailure& e) {
        if (e.line() != 0)
            placeFailure(out, e.line(), e.source(), scenarioFile);
        else
            placeFailure(out, run->currentLine(), run->currentSource(), scenarioFile);
        out.message = e.what();
    } catch (const ScriptError& e) {
        placeFailure(out, e.line(), e.source(), scenarioFile);
        out.message = e.what();
    } catch (const std::exception& e) {
        placeFailure(out, run->currentLine(), run->currentSource(), scenarioFile);
        out.message = std::string("the program failed: ") + e.what();
    } catch (...) {
        placeFailure(out, run->currentLine(), run->currentSource(), scenarioFile);
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

Outcome runText(const std::string& text, bool keep, const ExtraWiring& extra,
                const std::string& scenarioFile) {
    stdfs::path root;
    try {
        root = makeScenarioFolder();
    } catch (const std::exception& e) {
        return failedWhole(e.what());
    }
    Outcome out = runIn(files::fromHostName(root), text, extra, scenarioFile);
    if (!keep) {
        std::error_code ec;
        stdfs::remove_all(root, ec);
    }
    return out;
}

}  // namespace

Outcome runScenario(const std::string& text, bool keep, const ExtraWiring& extra) {
    return runText(text, keep, extra, {});
}

Outcome runScenarioFile(const std::string& path, bool keep) {
    std::ifstream in(stdfs::path(path), std::ios::binary);
    if (!in) return failedWhole("cannot read the scenario file");
    std::ostringstream text;
    text << in.rdbuf();
    return runText(text.str(), keep, {}, path);
}

}  // namespace vell::scenario
