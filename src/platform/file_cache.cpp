#include "platform/file_cache.h"

#include <atomic>
#include <list>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace vell::files::cache {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kContentsLimit = 4 * 1024 * 1024;  // bytes kept at most
constexpr std::size_t kFileLimit = 512 * 1024;           // larger files are not kept
constexpr std::size_t kListingsLimit = 64;               // folders kept at most

// Entries by path, the most recently used first.
template <typename Value>
class Recent {
  public:
    struct Item {
        fs::path::string_type key;
        Version version;
        Value value;
        std::size_t weight;
    };

    const Value* find(const fs::path::string_type& key, const Version& version) {
        const auto it = index_.find(key);
        if (it == index_.end()) return nullptr;
        if (!(it->second->version == version)) {
            erase(it);
            return nullptr;
        }
        order_.splice(order_.begin(), order_, it->second);
        return &it->second->value;
    }

    void keep(fs::path::string_type key, const Version& version, Value value, std::size_t weight,
              std::size_t limit) {
        if (const auto it = index_.find(key); it != index_.end()) erase(it);
        order_.push_front(Item{key, version, std::move(value), weight});
        index_.emplace(std::move(key), order_.begin());
        total_ += weight;
        while (total_ > limit && !order_.empty()) erase(index_.find(order_.back().key));
    }

    void forget(const fs::path::string_type& key) {
        if (const auto it = index_.find(key); it != index_.end()) erase(it);
    }

    void clear() {
        index_.clear();
        order_.clear();
        total_ = 0;
    }

  private:
    using Order = std::list<Item>;
    void erase(typename std::unordered_map<fs::path::string_type,
                                           typename Order::iterator>::iterator it) {
        total_ -= it->second->weight;
        order_.erase(it->second);
        index_.erase(it);
    }

    Order order_;
    std::unordered_map<fs::path::string_type, typename Order::iterator> index_;
    std::size_t total_ = 0;
};

struct State {
    std::mutex mutex;
    std::atomic<bool> enabled = true;
    std::chrono::nanoseconds settle = std::chrono::seconds(2);
    Recent<Bytes> contents;
    Recent<Listing> listings;
    Stats stats;
};

State& state() {
    static State s;
    return s;
}

// The change lies far enough back that a later change shows in the times.
bool settled(const Version& version, std::chrono::nanoseconds settle) {
    const auto now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const std::int64_t age = now - version.changedNs;
    return age >= settle.count();
}

}  // namespace

std::optional<Version> versionOf(const io::Info& info) {
    if (info.changedNs == 0) return std::nullopt;  // the host tells no change time
    return Version{info.device, info.inode, info.size, info.modifiedNs, info.changedNs};
}

std::optional<Version> versionOf(const fs::path& path) {
    if (!enabled()) return std::nullopt;
    const auto info = io::infoOf(path);
    if (!info) return std::nullopt;
    return versionOf(*info);
}

namespace {

// What kept holds for path at this version, or null; counted.
template <typename Value>
Value lookUp(Recent<Value> State::*kept, const fs::path& path, const Version& version) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    const Value* found = (s.*kept).find(path.native(), version);
    ++(found ? s.stats.hits : s.stats.misses);
    return found ? *found : nullptr;
}

}  // namespace

Bytes contents(const fs::path& path, const Version& version) {
    return lookUp(&State::contents, path, version);
}

void keepContents(const fs::path& path, const Version& version, Bytes bytes) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.enabled || !bytes || bytes->size() > kFileLimit || !settled(version, s.settle)) return;
    const std::size_t weight = bytes->size() + path.native().size() + 64;
    s.contents.keep(path.native(), version, std::move(bytes), weight, kContentsLimit);
}

Listing listing(const fs::path& folder, const Version& version) {
    return lookUp(&State::listings, folder, version);
}

void keepListing(const fs::path& folder, const Version& version, Listing entries) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.enabled || !entries || !settled(version, s.settle)) return;
    s.listings.keep(folder.native(), version, std::move(entries), 1, kListingsLimit);
}

void forget(const fs::path& path) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.contents.forget(path.native());
    s.listings.forget(path.native());
    s.listings.forget(path.parent_path().native());
}

void setEnabled(bool on) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.enabled = on;
    if (!on) {
        s.contents.clear();
        s.listings.clear();
    }
}

bool enabled() {
#ifdef _WIN32
    return false;
#else
    return state().enabled;
#endif
}

void setSettleTime(std::chrono::nanoseconds settle) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    s.settle = settle;
}

Stats stats() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    return s.stats;
}

}  // namespace vell::files::cache
