// One GET_INI_ITEM on a large profile file: the first key, a key in the
// middle, the last key and a key the last section lacks, each with the
// program's read cache and without it. Its floor reads the file once.
#include <benchmark/benchmark.h>

#include <fstream>

#include "bench_common.h"
#include "flight_files.h"
#include "platform/files.h"
#include "platform/host_names.h"
#include "profile/profile.h"

namespace vell::bench {

namespace {

constexpr std::size_t kProfileBytes = 30 * 1024;
const std::string kPrefix = "IniItem/30KB";

// The profile file, written once into the shared world's folder.
std::string profileFile() {
    const World& world = sharedWorld(WorldSize{0, 0, 2, 0});
    const std::string path = world.root() + SEP + "large.ini";
    if (!files::fileExists(path)) {
        std::ofstream out(files::toHostName(path), std::ios::binary);
        out << largeProfileText(kProfileBytes);
    }
    return path;
}

enum class Which { First, Middle, Last, Missing };

ProfileKey keyOf(Which which) {
    const std::string text = largeProfileText(kProfileBytes);
    switch (which) {
        case Which::First:
            return firstProfileKey();
        case Which::Middle:
            return middleProfileKey(text);
        case Which::Last:
            return lastProfileKey(text);
        case Which::Missing:
            return {lastProfileKey(text).section, "no_such_key"};
    }
    return {};
}

void iniItem(benchmark::State& state, Which which, bool cache) {
    const std::string file = profileFile();
    const ProfileKey key = keyOf(which);
    files::useCache(cache);
    std::string value;
    for (auto _ : state) {
        value = GET_INI_ITEM(file, key.section, key.key);
        benchmark::DoNotOptimize(value);
    }
    files::useCache(true);
    const bool found = value.rfind("value ", 0) == 0;
    if (found != (which != Which::Missing))
        state.SkipWithError(("unexpected value: " + value).c_str());
}

void iniItemFloor(benchmark::State& state) {
    const std::string file = profileFile();
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = plainRead(file);
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes) * state.iterations());
}

}  // namespace

void registerIniItem(bool) {
    const std::pair<const char*, Which> keys[] = {{"first", Which::First},
                                                  {"middle", Which::Middle},
                                                  {"last", Which::Last},
                                                  {"missing", Which::Missing}};
    for (const auto& [name, which] : keys) {
        for (bool cache : {true, false}) {
            const std::string label = kPrefix + "/" + name + (cache ? "/cache" : "/nocache");
            benchmark::RegisterBenchmark(label.c_str(), iniItem, which, cache)
                ->Unit(benchmark::kMicrosecond);
        }
        scalings().push_back(
            {kPrefix + "/" + name + "/nocache", kPrefix + "/" + name + "/cache", 0});
    }
    scalings().push_back({kPrefix + "/last/nocache", kPrefix + "/first/nocache", 0});
    benchmark::RegisterBenchmark((kPrefix + "/floor").c_str(), iniItemFloor)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace vell::bench
