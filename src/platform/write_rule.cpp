#include "platform/write_rule.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "platform/faults.h"
#include "platform/file_io.h"

namespace vell::files::rule {

namespace {

namespace fs = std::filesystem;

// FNV-1a over the name's characters, ASCII letters upper-cased: on Windows
// one file has many spellings.
std::uint32_t nameHash(const fs::path::string_type& name) {
    std::uint32_t h = 2166136261u;
    for (auto c : name) {
        auto unit = static_cast<std::uint32_t>(c);
        if (unit >= 'a' && unit <= 'z') unit -= 'a' - 'A';
        h = (h ^ unit) * 16777619u;
    }
    return h;
}

// Where the new content is written: a fresh temporary file, a stale one of
// an earlier run removed first.
io::Handle createTemporary(const fs::path& tmp) {
    io::discard(tmp);
    return io::createExclusive(tmp);
}

// Finishes a temporary file whose content has been written (written tells
// whether that went well): flushed, closed, renamed over target, the folder
// flushed. The temporary file is gone afterwards in every case.
bool complete(io::Handle h, bool written, const fs::path& tmp, const fs::path& target) {
    const bool flushed = written && io::flushToDisk(h);
    const bool closed = io::closeWritten(h);
    if (!flushed || !closed || !io::renameOver(tmp, target)) {
        io::discard(tmp);
        return false;
    }
    return io::syncFolder(target.parent_path());
}

}  // namespace

fs::path temporaryFor(const fs::path& target) {
    char name[20];
    std::snprintf(name, sizeof name, "~vell%08x.tmp",
                  static_cast<unsigned>(nameHash(target.filename().native())));
    return target.parent_path() / name;
}

bool replaceWithBytes(const fs::path& target, std::string_view bytes) {
    const std::optional<io::Info> old = io::infoOf(target);
    const fs::path tmp = temporaryFor(target);
    const io::Handle h = createTemporary(tmp);
    if (h < 0) return false;
    if (old) io::setMode(h, old->mode);
    return complete(h, io::writeAll(h, bytes), tmp, target);
}

bool replaceWithCopy(const fs::path& source, const fs::path& target) {
    if (faults::inject(faults::Step::Copy) != 0) return false;
    const io::Handle in = io::openForReading(source);
    if (in < 0) return false;
    const std::optional<io::Info> from = io::infoOf(in);
    if (!from || !from->regular) {
        io::closeRead(in);
        return false;
    }
    const std::optional<io::Info> old = io::infoOf(target);
    const fs::path tmp = temporaryFor(target);
    const io::Handle out = createTemporary(tmp);
    if (out < 0) {
        io::closeRead(in);
        return false;
    }
    io::setMode(out, old ? old->mode : from->mode);

    std::vector<char> buffer(64 * 1024);
    bool written = true;
    for (;;) {
        const long long n = io::readSome(in, buffer.data(), buffer.size());
        if (n == 0) break;
        if (n < 0 || !io::writeAll(out, std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
            written = false;
            break;
        }
    }
    io::closeRead(in);
    return complete(out, written, tmp, target);
}

bool canCreateBeside(const fs::path& target) {
    const fs::path tmp = temporaryFor(target);
    const io::Handle h = createTemporary(tmp);
    if (h < 0) return false;
    io::closeRead(h);
    io::discard(tmp);
    return true;
}

}  // namespace vell::files::rule
