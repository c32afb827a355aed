// Whole processes, as a user's machine runs them: the scenario runner
// starting the window on a world (and, for the content list, choosing the
// folder of flights and listing it), beside the floor reader reading the
// same files once. Each is paired with its own run on a world without them
// (no aircraft; the start alone; an empty folder), so that what a process
// spends to begin and to end drops out:
//   work  = median(program on the world) - median(program without)
//   floor = median(floor reader on the files) - median(floor reader on none)
// A round runs the four commands in turn, so that a drift of the machine's
// speed touches them alike; a time is the child's own user + system time.
// POSIX only.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>

#include "bench_common.h"
#include "child_process.h"
#include "window/registry_path.h"

namespace vell::bench {

namespace {

// The commands of a round: the program with and without the work, the
// floor reader with and without the files.
enum Command { kWork, kWorkBase, kFloor, kFloorBase, kCommands };

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

// A scenario that starts the window on the world: its program folder (the
// settings of an earlier start) and the registry values that lead to it.
std::string startScenario(const World& world) {
    return "program " + quoted(world.programFolder()) + "\nregistry HKLM " +
           quoted(kFs9RegistryKey) + " " + quoted(kExePathValue) + " " + quoted(world.fs9Folder()) +
           "\nregistry HKCU " + quoted(kShellFoldersKey) + " " + quoted(kPersonalValue) + " " +
           quoted(world.documentsFolder()) + "\nstart\n";
}

std::string writeScenario(const World& world, const std::string& name, const std::string& text) {
    const std::string path = world.root() + "/" + name + ".scn";
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

// Runs each command once unmeasured (the first start writes the settings),
// then the measured rounds; reports the figures as counters.
void measure(benchmark::State& state,
             const std::array<std::vector<std::string>, kCommands>& commands) {
    for (const auto& command : commands) {
        if (runChild(command).status != 0)
            return state.SkipWithError(("failed: " + command[0] + " " + command.back()).c_str());
    }
    std::array<std::vector<double>, kCommands> times;
    for (auto _ : state) {
        for (int c = 0; c < kCommands; ++c) {
            const ChildRun run = runChild(commands[c]);
            if (run.status != 0) return state.SkipWithError(("failed: " + commands[c][0]).c_str());
            times[c].push_back(run.cpuSeconds);
        }
        state.SetIterationTime(times[kWork].back());
    }
    const double work = median(times[kWork]) - median(times[kWorkBase]);
    const double floor = median(times[kFloor]) - median(times[kFloorBase]);
    state.counters["work_ms"] = work * 1e3;
    state.counters["floor_ms"] = floor * 1e3;
    state.counters["base_ms"] = median(times[kWorkBase]) * 1e3;
    if (floor > 0) state.counters["work/floor"] = work / floor;
}

void wholeStartup(benchmark::State& state, WorldSize size) {
    const World& world = sharedWorld(size);
    const World empty(WorldSize{0, size.variants, 2, 0});
    std::filesystem::create_directories(empty.aircraftFolder());
    const std::string runner = VELL_BENCH_RUNNER;
    const std::string floor = VELL_BENCH_FLOOR;
    const std::string entries = std::to_string(size.aircraft * size.variants);
    measure(
        state,
        {{
            {runner, writeScenario(world, "start",
                                   startScenario(world) + "expect Lst_ACFT.count " +
                                       quoted(entries) + "\nexpect dialogs 0\n")},
            {runner, writeScenario(empty, "start", startScenario(empty) + "expect dialogs 0\n")},
            {floor, "aircraft", world.aircraftFolder()},
            {floor, "aircraft", empty.aircraftFolder()},
        }});
}

void wholeContentList(benchmark::State& state, WorldSize size) {
    const World& world = sharedWorld(size);
    const std::string runner = VELL_BENCH_RUNNER;
    const std::string floor = VELL_BENCH_FLOOR;
    const std::string none = world.root() + "/none";
    std::filesystem::create_directories(none);
    const std::string list = "set Dir1 " + quoted(world.flightsFolder()) +
                             "\nanswer input \"BENCH\"\nclick mnu_datalist\n"
                             "expect dialogs 2\nexpect file " +
                             quoted(world.flightsFolder() + "/FLIST.TXT") + " contains \"Leg " +
                             std::to_string(size.flights - 1) + " of\"\n";
    measure(state, {{
                       {runner, writeScenario(world, "list", startScenario(world) + list)},
                       {runner, writeScenario(world, "start", startScenario(world))},
                       {floor, "flights", world.flightsFolder()},
                       {floor, "flights", none},
                   }});
}

}  // namespace

void registerWholeProcess(bool smoke) {
    const WorldSize aircraft{smoke ? 4 : 500, 3, 2, 0};
    const WorldSize flights{smoke ? 4 : 50, 3, 2, smoke ? 10 : 1000};
    const int rounds = smoke ? 1 : 11;
    benchmark::RegisterBenchmark(
        ("WholeProcess/Startup/" + std::to_string(aircraft.aircraft) + "x3").c_str(), wholeStartup,
        aircraft)
        ->Iterations(rounds)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        ("WholeProcess/ContentList/" + std::to_string(flights.flights) + "flights").c_str(),
        wholeContentList, flights)
        ->Iterations(rounds)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace vell::bench
