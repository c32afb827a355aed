// The content list of a folder of flights: the menu command with its list
// identifier answered, in a started window whose folder list points at the
// flights. It writes FLIST.TXT each time. Its floor lists the folder and
// reads every flight and plan once.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_common.h"
#include "platform/files.h"
#include "platform/host_names.h"

namespace vell::bench {

namespace {

std::string label(int flights) {
    return "ContentList/" + std::to_string(flights) + "flights";
}

WorldSize worldOf(int flights) {
    return WorldSize{50, 3, 2, flights};
}

void contentList(benchmark::State& state, int flights) {
    const World& world = sharedWorld(worldOf(flights));
    std::string failure;
    Window w(world, failure);
    w.f->load();
    w.f->Dir1.setPath(world.flightsFolder());
    if (w.f->File1.count() != flights)
        return state.SkipWithError("the file list does not show the flights");
    for (auto _ : state) {
        state.PauseTiming();
        dropReadCache();
        w.ui.inputAnswers.push_back("BENCH");
        state.ResumeTiming();
        w.f->mnu_datalist.click();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (w.ui.lastMessage != "Contents List processed!   ")
        return state.SkipWithError(("the list was not written: " + w.ui.lastMessage).c_str());
    const auto lines = files::readLines(world.flightsFolder() + SEP + "FLIST.TXT");
    if (!lines || static_cast<int>(lines->size()) != flights + 1)
        return state.SkipWithError("the list does not have a line for each flight");
    state.counters["flights"] = flights;
}

void contentListFloor(benchmark::State& state, int flights) {
    const World& world = sharedWorld(worldOf(flights));
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const auto& entry :
             std::filesystem::directory_iterator(files::toHostName(world.flightsFolder()))) {
            const std::string ext = entry.path().extension().string();
            if (ext == ".FLT" || ext == ".PLN")
                bytes += plainRead(files::fromHostName(entry.path()));
        }
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

}  // namespace

void registerContentList(bool smoke) {
    const int flights = smoke ? 10 : 1000;
    benchmark::RegisterBenchmark(label(flights).c_str(), contentList, flights)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((label(flights) + "/floor").c_str(), contentListFloor, flights)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace vell::bench
