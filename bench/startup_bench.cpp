// Start-up: the window's load handler on a simulator with many aircraft,
// as the program runs it at every start (the settings file already made by
// an earlier start). Its floor lists the aircraft folders and reads each
// aircraft.cfg and the settings file once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_common.h"
#include "platform/host_names.h"
#include "window/own_files.h"

namespace vell::bench {

namespace {

std::string label(const WorldSize& size) {
    return std::to_string(size.aircraft) + "x" + std::to_string(size.variants);
}

void startup(benchmark::State& state, WorldSize size) {
    const World& world = sharedWorld(size);
    std::string failure;
    {
        Window first(world, failure);
        first.f->load();
    }
    int entries = 0;
    int messages = 0;
    for (auto _ : state) {
        state.PauseTiming();
        dropReadCache();
        auto w = std::make_unique<Window>(world, failure);
        state.ResumeTiming();
        w->f->load();
        state.PauseTiming();
        entries = w->f->Lst_ACFT.count();
        messages = w->ui.messages;
        w.reset();
        state.ResumeTiming();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (messages != 0) return state.SkipWithError("the start showed a message");
    if (entries != size.aircraft * size.variants)
        return state.SkipWithError(("the catalogue holds " + std::to_string(entries) +
                                    " entries, not " +
                                    std::to_string(size.aircraft * size.variants))
                                       .c_str());
    state.counters["entries"] = entries;
}

void startupFloor(benchmark::State& state, WorldSize size) {
    const World& world = sharedWorld(size);
    std::string failure;
    {
        Window first(world, failure);
        first.f->load();
    }
    const std::string settings = settingsFile(world.host());
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = plainRead(settings);
        for (const auto& entry :
             std::filesystem::directory_iterator(files::toHostName(world.aircraftFolder())))
            bytes += plainRead(files::fromHostName(entry.path() / "aircraft.cfg"));
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

}  // namespace

void registerStartup(bool smoke) {
    const WorldSize small{smoke ? 4 : 500, 3, 2, 0};
    const WorldSize large{smoke ? 16 : 2000, 3, 2, 0};
    for (const WorldSize& size : {small, large}) {
        const std::string name = "Startup/" + label(size);
        benchmark::RegisterBenchmark(name.c_str(), startup, size)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((name + "/floor").c_str(), startupFloor, size)
            ->Unit(benchmark::kMillisecond);
    }
    const double linear = static_cast<double>(large.aircraft) / small.aircraft;
    scalings().push_back({"Startup/" + label(large), "Startup/" + label(small), linear});
    scalings().push_back(
        {"Startup/" + label(large) + "/floor", "Startup/" + label(small) + "/floor", linear});
}

}  // namespace vell::bench
