// Start-up under Wine with many prefixes: the user's home holds two Steam
// libraries with Proton prefixes of other games (the registry of a real
// prefix, without the simulators' keys), FS 2004 is kept in the settings and
// FS 2002 is installed nowhere, so every start asks every prefix's registry
// for it. Measured beside the same start-up with a home without prefixes:
// the difference is what the search for prefixes costs a start.
#ifndef _WIN32

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "bench_common.h"
#include "platform/environment.h"
#include "platform/host_names.h"

namespace vell::bench {

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& file, const std::string& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

// The real prefix's system.reg without the keys of the simulators, as the
// prefix of another game has it.
std::string otherGamesRegistry() {
    const std::string real = readFile(fs::path(VELL_BENCH_WINE_PREFIX) / "system.reg");
    std::string out;
    bool skipping = false;
    std::size_t start = 0;
    while (start < real.size()) {
        std::size_t end = real.find('\n', start);
        end = end == std::string::npos ? real.size() : end + 1;
        const std::string_view line(real.data() + start, end - start);
        if (!line.empty() && line.front() == '[')
            skipping = line.find("Flight Simulator") != std::string_view::npos;
        if (!skipping) out.append(line);
        start = end;
    }
    return out;
}

// A home with `count` Proton prefixes, half in Steam's own library and half
// in a second one that libraryfolders.vdf names.
class WineHome {
  public:
    explicit WineHome(int count) : root_(fs::path(worldParentFolder()) / ("vell-wine-" + std::to_string(count))) {
        fs::remove_all(root_);
        const fs::path steam = root_ / "home/.local/share/Steam";
        const fs::path second = root_ / "SteamLibrary";
        fs::create_directories(root_ / "home");
        if (count == 0) return;
        writeFile(steam / "steamapps/libraryfolders.vdf",
                  "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + steam.string() +
                      "\"\n\t}\n\t\"1\"\n\t{\n\t\t\"path\"\t\t\"" + second.string() + "\"\n\t}\n}\n");
        const std::string system = otherGamesRegistry();
        const std::string user = readFile(fs::path(VELL_BENCH_WINE_PREFIX) / "user.reg");
        for (int i = 0; i < count; ++i) {
            const fs::path pfx = (i % 2 == 0 ? steam : second) / "steamapps/compatdata" /
                                 std::to_string(1000000 + i) / "pfx";
            writeFile(pfx / "system.reg", system);
            writeFile(pfx / "user.reg", user);
            fs::create_directories(pfx / "drive_c/users/steamuser");
            fs::create_directories(pfx / "dosdevices");
            fs::create_directory_symlink("../drive_c", pfx / "dosdevices/c:");
        }
    }
    ~WineHome() {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }
    std::string home() const { return (root_ / "home").string(); }

  private:
    fs::path root_;
};

// HOME, WINEPREFIX and STEAM_DIR as the measurement sets them, put back after.
class Environment {
  public:
    explicit Environment(const std::string& home) {
        setEnvironmentValue("HOME", home);
        setEnvironmentValue("WINEPREFIX", std::nullopt);
        setEnvironmentValue("STEAM_DIR", std::nullopt);
    }
    ~Environment() {
        setEnvironmentValue("HOME", home_);
        setEnvironmentValue("WINEPREFIX", prefix_);
        setEnvironmentValue("STEAM_DIR", steam_);
    }

  private:
    std::optional<std::string> home_ = environmentValue("HOME");
    std::optional<std::string> prefix_ = environmentValue("WINEPREFIX");
    std::optional<std::string> steam_ = environmentValue("STEAM_DIR");
};

void startupUnderWine(benchmark::State& state, WorldSize size, int prefixes) {
    const World& world = sharedWorld(size);
    std::string failure;
    {
        Window first(world, failure);  // the settings file, FS 2004 stored in it
        first.f->load();
    }
    const WineHome home(prefixes);
    const Environment env(home.home());
    std::size_t found = 0;
    bool fs9 = false;
    for (auto _ : state) {
        state.PauseTiming();
        dropReadCache();
        auto w = std::make_unique<Window>(world, failure);
        auto registry = std::make_unique<HostRegistry>();  // finds the prefixes anew
        w->host.registry = registry.get();
        state.ResumeTiming();
        w->f->load();
        state.PauseTiming();
        found = registry->sourceCount();
        fs9 = w->f->mnu_fs9.checked() && !w->f->mnu_fs8.checked();
        w.reset();
        state.ResumeTiming();
    }
    if (!failure.empty()) return state.SkipWithError(failure.c_str());
    if (found != static_cast<std::size_t>(prefixes))
        return state.SkipWithError(("found " + std::to_string(found) + " prefixes").c_str());
    if (!fs9) return state.SkipWithError("FS 2004 alone should have been found");
    state.counters["prefixes"] = static_cast<double>(found);
}

}  // namespace

void registerWinePrefixes(bool smoke) {
    const WorldSize size{smoke ? 4 : 500, 3, 2, 0};
    const int many = smoke ? 4 : 50;
    const std::string none = "Startup/Wine/0 prefixes";
    const std::string some = "Startup/Wine/" + std::to_string(many) + " prefixes";
    benchmark::RegisterBenchmark(none.c_str(), startupUnderWine, size, 0)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(some.c_str(), startupUnderWine, size, many)->Unit(benchmark::kMillisecond);
    scalings().push_back({some, none, 0});
}

}  // namespace vell::bench

#else

namespace vell::bench {
void registerWinePrefixes(bool) {}
}  // namespace vell::bench

#endif
