// The one way the program replaces a file, for every file it writes: the
// new content goes into a temporary file beside the target, created anew
// (never one that exists), flushed to the disk and checked on close; it is
// then renamed over the target and the folder flushed. On any failure the
// temporary file is removed, the target is as it was, and the caller learns
// it; should only the last step fail (the folder's flush), the new content
// is in place but the caller learns it all the same. Used by files.cpp
// only; paths here are the host's.
#pragma once

#include <filesystem>
#include <string_view>

namespace vell::files::rule {

// The temporary file for target: "~vell" and eight hex digits drawn from
// the target's name, ".tmp", in the target's folder. It is short, so any
// name the folder can hold can be replaced, and the same for every write of
// one target, so that one left behind by a run that was killed is removed
// by the next write.
std::filesystem::path temporaryFor(const std::filesystem::path& target);

// Replaces target with bytes. A target that exists keeps its permissions.
bool replaceWithBytes(const std::filesystem::path& target, std::string_view bytes);
// Replaces target with a copy of source's bytes. A new target takes the
// source's permissions, one that exists keeps its own.
bool replaceWithCopy(const std::filesystem::path& source, const std::filesystem::path& target);

// A temporary file can be made beside target; the probe is removed again.
bool canCreateBeside(const std::filesystem::path& target);

}  // namespace vell::files::rule
