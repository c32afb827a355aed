// The file system as the handlers see it. Paths are the model's 8-bit texts
// (Windows-1252) joined with kSep; they become the host's names only in
// src/platform (host_names.h). A path that does not exist as written is
// looked up component by component without regard to letter case, as on the
// simulator's home system (first match in listing order wins); doubled
// separators count as one, and on Windows "/" separates as "\" does.
// Files that are replaced are written by one rule (write_rule.h): a
// temporary file beside them, flushed to the disk, renamed over the old one.
// No routine here throws; each tells its caller when it failed.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vell {

#ifdef _WIN32
inline constexpr char kSep = '\\';
#else
inline constexpr char kSep = '/';
#endif
// The separator as a text, for building paths: folder + SEP + "flights".
inline const std::string SEP(1, kSep);

namespace files {

// The host path that a model path names on disk (found case-insensitively),
// or the path converted as written when nothing matches; as UTF-8 text (on
// POSIX the name's own bytes), for the front end.
std::string hostPath(const std::string& path);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Creates one folder (its parent exists). False when it could not.
bool createFolder(const std::string& path);
// Copies, overwriting the target by the write rule. False when it could
// not; the target is then as it was.
bool copyFile(const std::string& from, const std::string& to);
bool deleteFile(const std::string& path);
// True when both paths name one existing file on disk, also when they spell
// it differently (letter case, doubled separators, links). False when either
// does not exist.
bool sameFile(const std::string& a, const std::string& b);

// The whole file's bytes; nothing when it is missing, not a file, or
// cannot be read.
std::optional<std::string> readWhole(const std::string& path);
// The same bytes without a copy, shared with the read cache; null when
// readWhole gives nothing.
std::shared_ptr<const std::string> readShared(const std::string& path);
// The same bytes read into the caller's string, whose memory serves again
// for the next file, straight from the disk: the read cache is neither asked
// nor filled. For a pass over many files read once each (the aircraft
// catalogue, the content list), which would only push out of the cache what
// it keeps for later. False when readWhole would give nothing.
bool readInto(const std::string& path, std::string& bytes);

// The reads of files that were there but failed (an error of the disk, not
// a missing file), counted since the program started, and the path of the
// last one. A caller that must not go on with what a failed read left out
// compares the count before and after its work.
struct ReadFailures {
    unsigned long long count = 0;
    std::string lastPath;
};
ReadFailures readFailures();
// The lines without their ends (CR LF, LF or CR); nothing when unreadable.
std::optional<std::vector<std::string>> readLines(const std::string& path);
// Writes the bytes by the write rule. False on failure, and the old file
// is then untouched.
bool writeWhole(const std::string& path, const std::string& bytes);

// Reads go through a small cache of file contents and folder listings,
// checked against the file's identity and version at every lookup and
// dropped for every path the program itself writes, renames or deletes.
// Off, every read goes to the disk (for measurements and tests).
void useCache(bool on);

// True when path can be replaced by writeWhole: it is not read-only, and a
// file can be created beside it. Probes with a file of its own.
bool canReplace(const std::string& path);

// Names (no folder) of the files in folder matching pattern ("*.FLT",
// "*_E.pln", "*.*"), case ignored, in ascending order with case ignored.
std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern);
// Names of the sub-folders, ascending with case ignored.
std::vector<std::string> listFolders(const std::string& folder);

// Wildcard match of a file name with * and ?, case ignored.
bool matchesPattern(const std::string& name, const std::string& pattern);

}  // namespace files
}  // namespace vell
