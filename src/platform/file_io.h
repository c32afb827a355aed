// The operating system's file calls that the file routines build on, one
// per step, each asking the fault seam first (faults.h). Every call reports
// failure by its result and leaves the reason in errno; none throws.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vell::files::io {

// An open file. -1 is none.
using Handle = int;

struct Info {
    bool regular = false;
    bool folder = false;
    std::uint64_t size = 0;
    unsigned mode = 0;  // permission bits (POSIX); 0 on Windows
    // Which file it is and which version of it: device and inode, and the
    // times of the last change of its bytes and of anything about it, in
    // nanoseconds. Zero on Windows, which tells no change time.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
};

Handle openForReading(const std::filesystem::path& path);
// Creates a new file for writing; fails when the name exists already.
Handle createExclusive(const std::filesystem::path& path);
std::optional<Info> infoOf(Handle h);
std::optional<Info> infoOf(const std::filesystem::path& path);

// Reads up to size bytes: how many (0 at the end), or -1. A Read step.
long long readSome(Handle h, char* buffer, std::size_t size);
// Writes all bytes, in as many calls as the system needs: Write steps.
bool writeAll(Handle h, std::string_view bytes);
// Gives the file the permission bits (POSIX; nothing on Windows).
void setMode(Handle h, unsigned mode);
// The file's bytes on the disk: a Flush step.
bool flushToDisk(Handle h);
// Closes a file that was read; its result is of no interest.
void closeRead(Handle h);
// Closes a written file: false when the system reports an error, which may
// be a write that failed late. A Close step.
bool closeWritten(Handle h);

// Renames from over to, replacing it in one step: a Rename step.
bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to);
// The folder's entries on the disk, after a rename in it: a Sync step.
bool syncFolder(const std::filesystem::path& folder);
// Deletes a file: a Remove step.
bool removeFile(const std::filesystem::path& path);
// Deletes a file of the program's own (a temporary one); not a step.
void discard(const std::filesystem::path& path);

}  // namespace vell::files::io
