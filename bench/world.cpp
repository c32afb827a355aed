#include "world.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>

#include "aircraft_cfg.h"
#include "flight_files.h"
#include "platform/files.h"
#include "platform/host_names.h"
#include "window/registry_path.h"

namespace stdfs = std::filesystem;

namespace vell::bench {

namespace {

std::string freshFolderIn(const std::string& parent) {
    std::random_device rd;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const stdfs::path p = stdfs::path(files::toHostName(parent)) /
                              ("vell-world-" + std::to_string(rd()) + std::to_string(rd()));
        std::error_code ec;
        if (stdfs::create_directory(p, ec)) return files::fromHostName(p);
    }
    throw std::runtime_error("cannot create a folder in " + parent);
}

}  // namespace

std::string worldParentFolder() {
    if (const char* dir = std::getenv("VELL_BENCH_DIR"); dir != nullptr && *dir != '\0') return dir;
    std::error_code ec;
    if (stdfs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return files::fromHostName(stdfs::temp_directory_path());
}

World::World(const WorldSize& size)
    : size_(size), root_(freshFolderIn(worldParentFolder())), temporary_(true) {
    write();
}

World::World(const WorldSize& size, const std::string& folder)
    : size_(size), root_(folder), temporary_(false) {
    stdfs::create_directories(files::toHostName(root_));
    write();
}

World::~World() {
    if (!temporary_) return;
    std::error_code ec;
    stdfs::remove_all(files::toHostName(root_), ec);
}

std::string World::programFolder() const {
    return root_ + SEP + "prog";
}
std::string World::fs9Folder() const {
    return root_ + SEP + "FS9";
}
std::string World::aircraftFolder() const {
    return fs9Folder() + SEP + "Aircraft";
}
std::string World::documentsFolder() const {
    return root_ + SEP + "Docs";
}
std::string World::userFlightsFolder() const {
    return documentsFolder() + SEP + "Flight Simulator Files";
}
std::string World::savedFlight() const {
    return userFlightsFolder() + SEP + "Long route.FLT";
}
std::string World::savedPlan() const {
    return userFlightsFolder() + SEP + "Long route.PLN";
}
std::string World::flightsFolder() const {
    return fs9Folder() + SEP + "flights" + SEP + "Bench";
}

Host World::host() const {
    Host h;
    h.registry = &registry_;
    h.programFolder = programFolder();
    return h;
}

void World::writeFile(const std::string& path, const std::string& bytes) {
    const stdfs::path p = files::toHostName(path);
    stdfs::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
    bytes_ += bytes.size();
}

void World::write() {
    registry_.set(RegistryRoot::LocalMachine, kFs9RegistryKey, kExePathValue, fs9Folder());
    registry_.set(RegistryRoot::CurrentUser, kShellFoldersKey, kPersonalValue,
                  documentsFolder());
    stdfs::create_directories(files::toHostName(programFolder()));
    writeFile(fs9Folder() + SEP + "fs9.exe", "");

    for (int i = 0; i < size_.aircraft; ++i)
        writeFile(aircraftFolder() + SEP + aircraftFolderName(i) + SEP + "aircraft.cfg",
                  aircraftCfgText(i, size_.variants));

    const auto catalogueTitle = [this](int i) {
        const int count = size_.aircraft > 0 ? size_.aircraft : 1;
        return aircraftTitle(i % count, size_.variants > 0 ? i % size_.variants : 0);
    };

    FlightText saved;
    saved.title = "Long route";
    saved.description = "A long route across the map, one waypoint after the other";
    saved.aircraft = catalogueTitle(size_.aircraft / 2);
    saved.planWithoutExtension = userFlightsFolder() + SEP + "Long route";
    saved.waypoints = size_.waypoints;
    saved.hours = 9;
    saved.minutes = 40;
    writeFile(savedFlight(), savedFlightText(saved));
    writeFile(savedPlan(), flightPlanText(size_.waypoints, 1));

    stdfs::create_directories(files::toHostName(flightsFolder()));
    for (int i = 0; i < size_.flights; ++i) {
        const std::string name = "Flight " + std::to_string(10000 + i).substr(1);
        const int waypoints = 4 + i % 17;
        FlightText fl;
        fl.title = "Vellair " + std::to_string(100 + i) + " scheduled service";
        fl.description = "Leg " + std::to_string(i) + " of the bench timetable";
        fl.aircraft = catalogueTitle(i * 7);
        fl.planWithoutExtension = flightsFolder() + SEP + name;
        fl.waypoints = waypoints;
        fl.hours = i % 24;
        fl.minutes = (i * 13) % 60;
        fl.seed = i;
        writeFile(flightsFolder() + SEP + name + ".FLT", savedFlightText(fl));
        writeFile(flightsFolder() + SEP + name + ".PLN", flightPlanText(waypoints, i + 2));
    }
}

}  // namespace vell::bench
