#include "server/TableCache.h"

namespace brisvane::server {

namespace {
// Past this many pages all are dropped: a crawler walking every page cannot fill the memory.
constexpr std::size_t PagesKept = 512;
} // namespace

std::string TableCache::keyOf(const TableQuery& q) {
    return std::to_string(q.period == Period::Month ? q.month : 0) + '|' + std::to_string(q.page) +
           '|' + q.lan;
}

std::uint64_t TableCache::generation() {
    const std::lock_guard lock(mutex_);
    return generation_;
}

std::optional<TableView> TableCache::find(const TableQuery& query, Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    const auto found = pages_.find(keyOf(query));
    if (found == pages_.end() || now - found->second.at > MaxAge) {
        return std::nullopt;
    }
    return found->second.view;
}

void TableCache::keep(const TableView& view, std::uint64_t readAt, Clock::time_point now) {
    const std::lock_guard lock(mutex_);
    if (readAt != generation_) {
        return;
    }
    if (pages_.size() >= PagesKept) {
        pages_.clear();
    }
    pages_.insert_or_assign(keyOf(view.query), Kept{now, view});
}

void TableCache::clear() {
    const std::lock_guard lock(mutex_);
    ++generation_;
    pages_.clear();
}

} // namespace brisvane::server
