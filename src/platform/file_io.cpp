#include "platform/file_io.h"

#include <cerrno>

#include "platform/faults.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vell::files::io {

namespace {

// Asks the seam; a step it fails sets errno as the system would.
bool failed(faults::Step step) {
    if (const int error = faults::inject(step)) {
        errno = error;
        return true;
    }
    return false;
}

// At most this much per system call; Windows counts in 32 bits.
constexpr std::size_t kChunk = 1 << 20;

}  // namespace

#ifdef _WIN32

Handle openForReading(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_RDONLY | _O_BINARY);
}

Handle createExclusive(const std::filesystem::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}

namespace {
Info infoFrom(const struct _stat64& st) {
    Info info;
    info.regular = (st.st_mode & _S_IFMT) == _S_IFREG;
    info.folder = (st.st_mode & _S_IFMT) == _S_IFDIR;
    info.size = static_cast<std::uint64_t>(st.st_size);
    return info;
}
}  // namespace

std::optional<Info> infoOf(Handle h) {
    struct _stat64 st;
    if (_fstat64(h, &st) != 0) return std::nullopt;
    return infoFrom(st);
}

std::optional<Info> infoOf(const std::filesystem::path& path) {
    struct _stat64 st;
    if (_wstat64(path.c_str(), &st) != 0) return std::nullopt;
    return infoFrom(st);
}

long long readSome(Handle h, char* buffer, std::size_t size) {
    if (failed(faults::Step::Read)) return -1;
    return _read(h, buffer, static_cast<unsigned>(size < kChunk ? size : kChunk));
}

bool writeAll(Handle h, std::string_view bytes) {
    while (!bytes.empty()) {
        if (failed(faults::Step::Write)) return false;
        const unsigned n = static_cast<unsigned>(bytes.size() < kChunk ? bytes.size() : kChunk);
        const int written = _write(h, bytes.data(), n);
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

void setMode(Handle, unsigned) {}

bool flushToDisk(Handle h) { return !failed(faults::Step::Flush) && _commit(h) == 0; }

void closeRead(Handle h) { _close(h); }

bool closeWritten(Handle h) {
    const bool ok = _close(h) == 0;
    return !failed(faults::Step::Close) && ok;
}

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (failed(faults::Step::Rename)) return false;
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    errno = EACCES;
    return false;
}

// Windows has written the folder's entry with the rename (write-through).
bool syncFolder(const std::filesystem::path&) { return !failed(faults::Step::Sync); }

bool removeFile(const std::filesystem::path& path) {
    return !failed(faults::Step::Remove) && _wunlink(path.c_str()) == 0;
}

void discard(const std::filesystem::path& path) { _wunlink(path.c_str()); }

#else

Handle openForReading(const std::filesystem::path& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

Handle createExclusive(const std::filesystem::path& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

namespace {
std::int64_t nanoseconds(const struct timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

Info infoFrom(const struct stat& st) {
    Info info;
    info.regular = S_ISREG(st.st_mode);
    info.folder = S_ISDIR(st.st_mode);
    info.size = static_cast<std::uint64_t>(st.st_size);
    info.mode = static_cast<unsigned>(st.st_mode & 07777);
    info.device = static_cast<std::uint64_t>(st.st_dev);
    info.inode = static_cast<std::uint64_t>(st.st_ino);
    info.modifiedNs = nanoseconds(st.st_mtim);
    info.changedNs = nanoseconds(st.st_ctim);
    return info;
}
}  // namespace

std::optional<Info> infoOf(Handle h) {
    struct stat st;
    if (::fstat(h, &st) != 0) return std::nullopt;
    return infoFrom(st);
}

std::optional<Info> infoOf(const std::filesystem::path& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return infoFrom(st);
}

long long readSome(Handle h, char* buffer, std::size_t size) {
    if (failed(faults::Step::Read)) return -1;
    ssize_t n;
    do {
        n = ::read(h, buffer, size < kChunk ? size : kChunk);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool writeAll(Handle h, std::string_view bytes) {
    while (!bytes.empty()) {
        if (failed(faults::Step::Write)) return false;
        const ssize_t n = ::write(h, bytes.data(), bytes.size() < kChunk ? bytes.size() : kChunk);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void setMode(Handle h, unsigned mode) { ::fchmod(h, static_cast<mode_t>(mode)); }

bool flushToDisk(Handle h) { return !failed(faults::Step::Flush) && ::fsync(h) == 0; }

void closeRead(Handle h) { ::close(h); }

bool closeWritten(Handle h) {
    // A close that is interrupted has closed the file all the same.
    const bool ok = ::close(h) == 0 || errno == EINTR;
    return !failed(faults::Step::Close) && ok;
}

bool renameOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    return !failed(faults::Step::Rename) && ::rename(from.c_str(), to.c_str()) == 0;
}

bool syncFolder(const std::filesystem::path& folder) {
    if (failed(faults::Step::Sync)) return false;
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder and say so; their renames are
    // as durable as they get.
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return ok;
}

bool removeFile(const std::filesystem::path& path) {
    return !failed(faults::Step::Remove) && ::unlink(path.c_str()) == 0;
}

void discard(const std::filesystem::path& path) { ::unlink(path.c_str()); }

#endif

}  // namespace vell::files::io
