// Opening a saved flight: the flight chooser's command with the open dialog
// answered, in a window that has started already, so the figure is the CPU
// beyond start-up. The plan has many waypoints and the flight a height for
// each. Its floor reads the flight and the plan once.
#include <benchmark/benchmark.h>

#include "bench_common.h"

namespace vell::bench {

namespace {

std::string label(int waypoints) {
    return "OpenFlight/" + std::to_string(waypoints) + "wp";
}

WorldSize worldOf(int waypoints) {
    return WorldSize{20, 3, waypoints, 0};
}

void openFlight(benchmark::State& state, int waypoints) {
    const World& world = sharedWorld(worldOf(waypoints));
    std::string failure;
    Window w(world, failure);
    w.f->load();
    for (auto _ : state) {
        state.PauseTiming();
        dropReadCache();
        w.ui.openAnswers.push_back(world.savedFlight());
        state.ResumeTiming();
        w.f->Cmd_Sel_FSFLT.click();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (w.ui.messages != 0) return state.SkipWithError(w.ui.lastMessage.c_str());
    if (w.f->planReadingStopped || w.f->Txt_Sel_Flightplan.text().empty())
        return state.SkipWithError(("the plan was not read: " + w.f->Txt_Status.text()).c_str());
    // The briefing: its header lines, then a line for each waypoint.
    int rows = 0;
    for (const std::string& item : w.f->Lst_BRF.items()) rows += item.rfind("Waypoint ", 0) == 0;
    if (rows != waypoints)
        return state.SkipWithError(
            ("the briefing has " + std::to_string(rows) + " waypoints").c_str());
    state.counters["waypoints"] = waypoints;
}

void openFlightFloor(benchmark::State& state, int waypoints) {
    const World& world = sharedWorld(worldOf(waypoints));
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = plainRead(world.savedFlight()) + plainRead(world.savedPlan());
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

}  // namespace

void registerOpenFlight(bool smoke) {
    const std::vector<int> sizes =
        smoke ? std::vector<int>{20, 80} : std::vector<int>{200, 800, 2000, 10000};
    for (int waypoints : sizes) {
        benchmark::RegisterBenchmark(label(waypoints).c_str(), openFlight, waypoints)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((label(waypoints) + "/floor").c_str(), openFlightFloor,
                                     waypoints)
            ->Unit(benchmark::kMillisecond);
    }
    for (std::size_t i = 1; i < sizes.size(); ++i) {
        const double linear = static_cast<double>(sizes[i]) / sizes[0];
        scalings().push_back({label(sizes[i]), label(sizes[0]), linear});
        scalings().push_back({label(sizes[i]) + "/floor", label(sizes[0]) + "/floor", linear});
    }
}

}  // namespace vell::bench
