// Setting up the host of a scenario: the registry the start-up asks (values
// of the script's own, or the host's), environment variables for this
// scenario only, and symbolic links.
#include <filesystem>
#include <system_error>

#include "platform/environment.h"
#include "scenario_run.h"

namespace stdfs = std::filesystem;

namespace vell::scenario {

namespace {

#ifdef _WIN32
constexpr bool kHostHasLinks = false;
#else
constexpr bool kHostHasLinks = true;
#endif

const char* const kNoLinks = "no symbolic links";

}  // namespace

EnvironmentChanges::~EnvironmentChanges() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it)
        setEnvironmentValue(it->first, it->second);
}

void EnvironmentChanges::set(const std::string& name, const std::string& value) {
    bool known = false;
    for (const auto& saved : saved_)
        if (saved.first == name) known = true;
    if (!known) saved_.emplace_back(name, environmentValue(name));
    setEnvironmentValue(name, value);
}

void ScenarioRun::registry(const ScriptLine& line) {
    const bool host = line.args.size() == 2 && isWord(line, 1, "host");
    if (!host)
        needArgs(line, 5, "registry HKLM|HKCU \"KEY\" \"VALUE NAME\" \"DATA\" or registry host");
    needNoBlock(line);
    if (started_) fail("registry must come before start");
    if (host ? scriptedRegistry_ : askHost_)
        fail("registry values and registry host exclude each other");
    if (host) {
        askHost_ = true;
        host_.registry = &hostRegistry_;
        return;
    }
    RegistryRoot root;
    if (isWord(line, 1, "HKLM"))
        root = RegistryRoot::LocalMachine;
    else if (isWord(line, 1, "HKCU"))
        root = RegistryRoot::CurrentUser;
    else
        fail("the registry root is HKLM or HKCU, not " + quote(line.args[1].text));
    scriptedRegistry_ = true;
    registry_.set(root, arg(line, 2), arg(line, 3), arg(line, 4));
}

void ScenarioRun::env(const ScriptLine& line) {
    needArgs(line, 3, "env NAME \"VALUE\"");
    needNoBlock(line);
    if (started_) fail("env must come before start");
    const std::string name = arg(line, 1);
    if (name.empty() || name.find('=') != std::string::npos)
        fail("an environment variable's name has no \"=\", not " + quote(name));
    environment_.set(name, arg(line, 2));
}

void ScenarioRun::link(const ScriptLine& line) {
    needArgs(line, 3, "link PATH \"TARGET\"");
    needNoBlock(line);
    if (!kHostHasLinks) throw ScenarioSkip(kNoLinks);
    const stdfs::path path(arg(line, 1));
    std::error_code ec;
    if (path.has_parent_path()) stdfs::create_directories(path.parent_path(), ec);
    if (ec)
        fail("cannot create the folder " + quote(path.parent_path().string()) + ": " +
             ec.message());
    stdfs::create_symlink(stdfs::path(arg(line, 2)), path, ec);
    // A file system without links refuses them so.
    if (ec == std::errc::operation_not_permitted || ec == std::errc::operation_not_supported)
        throw ScenarioSkip(kNoLinks);
    if (ec) fail("cannot make the link " + quote(path.string()) + ": " + ec.message());
}

void ScenarioRun::skipWithoutLinks(const std::vector<ScriptLine>& lines) const {
    if (kHostHasLinks) return;
    for (const ScriptLine& line : lines)
        if (!line.args.empty() && !line.args[0].quoted && line.args[0].text == "link")
            throw ScenarioSkip(kNoLinks);
}

}  // namespace vell::scenario
