// Finding a model path on disk as the simulator's home system does: as
// written when it exists, else each component matched without regard to
// letter case (first match in listing order). Folder listings come from the
// read cache (file_cache.h) while the folder is unchanged. Used by the file
// routines of this folder only.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "platform/file_cache.h"

namespace vell::files {

// The host path of a model path: as written when it exists, else each
// component found without regard to case, as far as they exist.
std::filesystem::path resolve(const std::string& path);

// The folder's entries in listing order, from the cache while the folder is
// as it was; null when it cannot be listed.
cache::Listing listingOf(const std::filesystem::path& folder);

// The entry of folder whose name equals name without regard to case; the
// first one the listing gives.
std::optional<std::filesystem::path> findIgnoringCase(const std::filesystem::path& folder,
                                                      const std::string& name);

// Something (a link too) stands at p.
bool present(const std::filesystem::path& p);

}  // namespace vell::files
