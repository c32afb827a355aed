// What the program has read lately, kept so that reading a file again, or
// looking a name up in a folder again, costs one stat: the bytes of small
// files and the listings of folders, each with the version it was read at
// (device, inode, size, modification and change time in nanoseconds). An
// entry serves only while a stat shows the same version; anything that
// changes a file, another program included, changes its change time. An
// entry is kept only when its change time lies some seconds back, so that
// two changes within one tick of the file system's clock cannot look like
// one. The cache is bounded (least recently used out) and forgets every
// path the program itself writes, renames or deletes. On Windows, which
// tells no change time, it keeps nothing. Used by files.cpp only.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_io.h"
#include "platform/folder_entries.h"

namespace vell::files::cache {

struct Version {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    bool operator==(const Version&) const = default;
};

// The version of what path names now (one stat), when the cache is on and
// the host tells change times; nothing otherwise or when it does not exist.
std::optional<Version> versionOf(const std::filesystem::path& path);
std::optional<Version> versionOf(const io::Info& info);

using Bytes = std::shared_ptr<const std::string>;
// The bytes kept for path at this version, or null.
Bytes contents(const std::filesystem::path& path, const Version& version);
void keepContents(const std::filesystem::path& path, const Version& version, Bytes bytes);

// A folder's entries in listing order: the host's name, the model's name
// in upper case (upperCp1252) for lookups without regard to case, and what
// the entry is (a link: what it leads to).
struct Entry {
    using Kind = io::FolderEntry::Kind;
    std::filesystem::path name;
    std::string folded;
    Kind kind = Kind::Other;
};
using Listing = std::shared_ptr<const std::vector<Entry>>;
Listing listing(const std::filesystem::path& folder, const Version& version);
void keepListing(const std::filesystem::path& folder, const Version& version, Listing entries);

// The program changed path: its bytes and its folder's listing go.
void forget(const std::filesystem::path& path);

void setEnabled(bool on);
// The cache is on and the host tells change times.
bool enabled();
// How long ago a change must lie before its file is kept (2 s; tests make
// it shorter).
void setSettleTime(std::chrono::nanoseconds settle);

struct Stats {
    unsigned long long hits = 0;
    unsigned long long misses = 0;
};
Stats stats();

}  // namespace vell::files::cache
