#include "platform/files.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/file_cache.h"
#include "platform/file_io.h"
#include "platform/host_names.h"
#include "platform/path_lookup.h"
#include "platform/write_rule.h"
#include "text/strings.h"

namespace fs = std::filesystem;

namespace vell::files {

namespace {

// A symbolic link that is written through keeps being a link.
fs::path followLinks(const fs::path& p) {
    std::error_code ec;
    if (fs::is_symlink(fs::symlink_status(p, ec))) {
        const fs::path real = fs::weakly_canonical(p, ec);
        if (!ec) return real;
    }
    return p;
}

// Windows finds a file under any letter case of its name; a file that is
// replaced keeps the name it has on disk rather than taking the spelling of
// the path (on POSIX the path found is the name on disk already).
fs::path asOnDisk(const fs::path& p) {
#ifdef _WIN32
    if (present(p) && p.has_filename()) {
        if (auto match = findIgnoringCase(p.parent_path(), fromHostName(p.filename()))) {
            return *match;
        }
    }
#endif
    return p;
}

bool writable(const fs::path& target) {
    std::error_code ec;
    const fs::file_status st = fs::status(target, ec);
    if (ec || !fs::exists(st)) return true;
    if (!fs::is_regular_file(st)) return false;
    return (st.permissions() & fs::perms::owner_write) != fs::perms::none;
}

}  // namespace

std::string hostPath(const std::string& path) {
    const std::u8string name = resolve(path).u8string();
    return std::string(name.begin(), name.end());
}

bool fileExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_regular_file(resolve(path), ec);
}

bool folderExists(const std::string& path) {
    if (path.empty()) return false;
    std::error_code ec;
    return fs::is_directory(resolve(path), ec);
}

bool createFolder(const std::string& path) {
    if (path.empty()) return false;
    const fs::path p = resolve(path);
    std::error_code ec;
    fs::create_directory(p, ec);
    cache::forget(p);
    return !ec && fs::is_directory(p, ec);
}

bool copyFile(const std::string& from, const std::string& to) {
    const fs::path source = resolve(from);
    const fs::path target = asOnDisk(followLinks(resolve(to)));
    std::error_code ec;
    if (source.empty() || target.empty() || !fs::is_regular_file(source, ec)) return false;
    if (!writable(target)) return false;
    cache::forget(target);
    return rule::replaceWithCopy(source, target);
}

bool deleteFile(const std::string& path) {
    const fs::path p = resolve(path);
    std::error_code ec;
    if (p.empty() || fs::is_directory(p, ec)) return false;
    cache::forget(p);
    return io::removeFile(p);
}

bool sameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    const bool same = fs::equivalent(resolve(a), resolve(b), ec);
    return !ec && same;
}

namespace {

ReadFailures& failures() {
    static ReadFailures record;
    return record;
}

void countFailure(const std::string& path) {
    ++failures().count;
    failures().lastPath = path;
}

// Reads the open regular file whole into bytes, whose memory is used again,
// after the first `have` bytes read already. A file that grows while it is
// read is read to its end all the same. False when a read fails, which is
// kept in the record.
bool readAll(io::Handle h, const io::Info& info, const std::string& path, std::string& bytes,
             std::size_t have = 0) {
    // One byte more than the size to see the end at once.
    bytes.resize(std::max(have, static_cast<std::size_t>(info.size)) + 1);
    for (;;) {
        if (have == bytes.size()) bytes.resize(bytes.size() * 2);
        const std::size_t wanted = bytes.size() - have;
        const long long n = io::readSome(h, bytes.data() + have, wanted);
        if (n < 0) {
            countFailure(path);
            return false;
        }
        have += static_cast<std::size_t>(n);
        // A regular file reads short only at its end.
        if (n == 0 || (static_cast<std::size_t>(n) < wanted && have >= info.size)) break;
    }
    bytes.resize(have);
    return true;
}

// Opens p for reading; when it cannot, missing tells whether nothing is
// there at all.
io::Handle openReading(const fs::path& p, bool* missing) {
    const io::Handle h = io::openForReading(p);
    if (h < 0 && missing) *missing = errno == ENOENT || errno == ENOTDIR;
    return h;
}

// The bytes of a regular file as it is now; null when it is missing or
// not a file. known is what a stat told of it just before, if anything; what
// was read is kept in the cache with that version, or with the open file's.
cache::Bytes readFile(const fs::path& p, const std::string& path,
                      const std::optional<io::Info>& known = std::nullopt,
                      bool* missing = nullptr) {
    const io::Handle h = openReading(p, missing);
    if (h < 0) return nullptr;
    const std::optional<io::Info> info = known ? known : io::infoOf(h);
    if (!info || !info->regular) {
        io::closeRead(h);
        return nullptr;
    }
    auto bytes = std::make_shared<std::string>();
    const bool read = readAll(h, *info, path, *bytes);
    io::closeRead(h);
    if (!read) return nullptr;
    if (const auto version = cache::versionOf(*info); version && bytes->size() == info->size) {
        cache::keepContents(p, *version, bytes);
    }
    return bytes;
}

// readFile into the caller's memory, past the cache. A file up to twice as
// long as the last one read into the string is read without asking what it
// is: a regular file reads short only at its end, a folder fails to be read,
// and nothing waits on a pipe (it is opened without blocking; what it holds
// is read as it comes). A read that fills that room asks, and goes on to
// the file's end only when it is a regular file.
bool readFileInto(const fs::path& p, const std::string& path, std::string& bytes,
                  bool* missing = nullptr) {
    const io::Handle h = openReading(p, missing);
    if (h < 0) return false;
    constexpr std::size_t kLeastRoom = 4096;
    bytes.resize(std::max(kLeastRoom, 2 * bytes.size()));
    const long long n = io::readSome(h, bytes.data(), bytes.size());
    bool read = n >= 0 && static_cast<std::size_t>(n) < bytes.size();
    if (read) {
        bytes.resize(static_cast<std::size_t>(n));
    } else if (n < 0) {
        if (errno != EISDIR && errno != EAGAIN) countFailure(path);
    } else if (const auto info = io::infoOf(h); info && info->regular) {
        read = readAll(h, *info, path, bytes, static_cast<std::size_t>(n));
    }
    io::closeRead(h);
    return read;
}

// Opens the file at once, as written, and looks it up without regard to
// case only when nothing is there: read(p, missing) gives what it read, or
// a result that converts to false.
template <class Read>
auto readAsWrittenElseFound(const std::string& path, const fs::path& asWritten, Read read) {
    bool missing = false;
    auto result = read(asWritten, &missing);
    if (result || !missing) return result;
    const fs::path found = resolve(path);
    return found == asWritten ? decltype(result){} : read(found, nullptr);
}

}  // namespace

ReadFailures readFailures() { return failures(); }

void useCache(bool on) { cache::setEnabled(on); }

std::shared_ptr<const std::string> readShared(const std::string& path) {
    if (path.empty()) return nullptr;
    const fs::path asWritten = toHostName(path);
    if (!cache::enabled()) {
        return readAsWrittenElseFound(path, asWritten, [&path](const fs::path& p, bool* missing) {
            return readFile(p, path, std::nullopt, missing);
        });
    }
    // One stat finds the file as written and tells its version.
    fs::path p = asWritten;
    auto info = io::infoOf(p);
    if (!info) {
        p = resolve(path);
        info = io::infoOf(p);
    }
    if (!info || !info->regular) return nullptr;
    if (const auto version = cache::versionOf(*info)) {
        if (auto kept = cache::contents(p, *version)) return kept;
    }
    return readFile(p, path, info);
}

bool readInto(const std::string& path, std::string& bytes) {
    if (path.empty()) return false;
    return readAsWrittenElseFound(path, toHostName(path),
                                  [&path, &bytes](const fs::path& p, bool* missing) {
                                      return readFileInto(p, path, bytes, missing);
                                  });
}

std::optional<std::string> readWhole(const std::string& path) {
    const auto bytes = readShared(path);
    if (!bytes) return std::nullopt;
    return *bytes;
}

std::optional<std::vector<std::string>> readLines(const std::string& path) {
    const auto bytes = readShared(path);
    if (!bytes) return std::nullopt;
    return splitLines(*bytes);
}

bool writeWhole(const std::string& path, const std::string& bytes) {
    const fs::path target = asOnDisk(followLinks(resolve(path)));
    if (target.empty() || !writable(target)) return false;
    cache::forget(target);
    return rule::replaceWithBytes(target, bytes);
}

bool canReplace(const std::string& path) {
    const fs::path target = followLinks(resolve(path));
    if (target.empty() || !writable(target)) return false;
    return rule::canCreateBeside(target);
}

namespace {

bool wildcard(std::string_view name, std::string_view pattern) {
    // Greedy match with a single back-track point for the last star.
    std::size_t n = 0;
    std::size_t p = 0;
    std::size_t starP = std::string_view::npos;
    std::size_t starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

// matchesPattern of a name and a pattern both upper-cased by upperCp1252.
bool matchesFolded(std::string_view name, std::string_view pattern) {
    if (wildcard(name, pattern)) return true;
    // As on the simulator's home system, a closing ".*" also matches a name
    // without an extension: "*.*" lists every file.
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*") {
        return name.find('.') == std::string_view::npos &&
               wildcard(name, pattern.substr(0, pattern.size() - 2));
    }
    return false;
}

// Names of the folder's entries of a kind (that match a folded pattern, if
// one is given), ascending with case ignored.
std::vector<std::string> listEntries(const std::string& folder, cache::Entry::Kind kind,
                                     const std::string* foldedPattern = nullptr) {
    std::vector<std::string> names;
    if (folder.empty()) return names;
    const cache::Listing entries = listingOf(resolve(folder));
    if (!entries) return names;
    // Sorted on the folded names; names that differ only in case keep a
    // fixed order among themselves.
    std::vector<std::pair<std::string_view, std::string>> sorted;
    for (const cache::Entry& entry : *entries) {
        if (entry.kind != kind) continue;
        if (foldedPattern && !matchesFolded(entry.folded, *foldedPattern)) continue;
        sorted.emplace_back(entry.folded, fromHostName(entry.name));
    }
    std::sort(sorted.begin(), sorted.end());
    names.reserve(sorted.size());
    for (auto& entry : sorted) names.push_back(std::move(entry.second));
    return names;
}

}  // namespace

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    const std::string folded = upperCp1252(pattern);
    return listEntries(folder, cache::Entry::Kind::File, &folded);
}

std::vector<std::string> listFolders(const std::string& folder) {
    return listEntries(folder, cache::Entry::Kind::Folder);
}

bool matchesPattern(const std::string& name, const std::string& pattern) {
    return matchesFolded(upperCp1252(name), upperCp1252(pattern));
}

}  // namespace vell::files
