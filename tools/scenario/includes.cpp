#include "includes.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/files.h"
#include "platform/host_names.h"

namespace stdfs = std::filesystem;

namespace vell::scenario {

namespace {

// One file being read, with the files that include it before it.
struct OpenFile {
    stdfs::path identity;  // the same for every name of the same file
    std::string name;      // as messages name it
};

stdfs::path identityOf(const stdfs::path& file) {
    std::error_code ec;
    stdfs::path absolute = stdfs::absolute(file, ec);
    if (ec) return file.lexically_normal();
    stdfs::path canonical = stdfs::weakly_canonical(absolute, ec);
    return ec ? absolute.lexically_normal() : canonical;
}

std::string readIncluded(const stdfs::path& file, const std::string& name, const ScriptLine& at) {
    std::error_code ec;
    const stdfs::file_status status = stdfs::status(file, ec);
    if (!stdfs::exists(status))
        throw ScriptError(at.number, "the included file " + quote(name) + " does not exist",
                          at.source);
    if (stdfs::is_directory(status))
        throw ScriptError(at.number, "the included file " + quote(name) + " is a folder",
                          at.source);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    if (!in || in.bad())
        throw ScriptError(at.number, "cannot read the included file " + quote(name), at.source);
    return text.str();
}

void putInPlace(const std::vector<ScriptLine>& lines, const stdfs::path& folder,
                std::vector<OpenFile>& open, std::vector<ScriptLine>& out) {
    for (const ScriptLine& line : lines) {
        if (line.args.empty() || line.args[0].quoted || line.args[0].text != "include") {
            out.push_back(line);
            continue;
        }
        if (line.hasBlock || line.args.size() != 2 || line.args[1].text.empty())
            throw ScriptError(line.number, "usage: include PATH", line.source);
        const std::string& written = line.args[1].text;
        if (written.find("$ROOT") != std::string::npos)
            throw ScriptError(line.number,
                              "include cannot name a file in $ROOT: included files are read "
                              "before the scenario runs",
                              line.source);
        stdfs::path file = folder / files::toHostName(expand(written, "", SEP));
        file.make_preferred();
        const std::string name = files::fromHostName(file.lexically_normal());

        const stdfs::path identity = identityOf(file);
        for (std::size_t i = 0; i < open.size(); ++i) {
            if (open[i].identity != identity) continue;
            std::string circle;
            for (std::size_t j = i; j < open.size(); ++j) circle += open[j].name + " -> ";
            throw ScriptError(line.number,
                              quote(open[i].name) + " includes itself: " + circle + name,
                              line.source);
        }

        const std::string text = readIncluded(file, name, line);
        auto source = std::make_shared<IncludedFile>();
        source->path = name;
        source->includeLine = line.number;
        source->includer = line.source;
        open.push_back({identity, name});
        putInPlace(parseScript(text, 1, source), file.parent_path(), open, out);
        open.pop_back();
    }
}

}  // namespace

std::vector<ScriptLine> putIncludesInPlace(const std::vector<ScriptLine>& lines,
                                           const std::string& scenarioFile) {
    std::vector<OpenFile> open;
    stdfs::path folder;
    if (!scenarioFile.empty()) {
        const stdfs::path file = files::toHostName(scenarioFile);
        open.push_back({identityOf(file), scenarioFile});
        folder = file.parent_path();
    }
    std::vector<ScriptLine> out;
    putInPlace(lines, folder, open, out);
    return out;
}

}  // namespace vell::scenario
