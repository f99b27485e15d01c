#pragma once
// The world table's pages as last read, so that a busy table is not counted and read from the
// database at every view. An entry this instance adds clears it at once; entries that other
// instances add (several behind a proxy on one PostgreSQL) show within MaxAge.

#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>

#include "server/Pages.h"

namespace brisvane::server {

class TableCache {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr auto MaxAge = std::chrono::seconds(2);

    // The generation to hand back to `keep`: a read that began before a `clear` is not kept.
    std::uint64_t generation();
    std::optional<TableView> find(const TableQuery& query, Clock::time_point now);
    void keep(const TableView& view, std::uint64_t readAt, Clock::time_point now);
    void clear();

private:
    struct Kept {
        Clock::time_point at;
        TableView view;
    };
    static std::string keyOf(const TableQuery& query);

    std::mutex mutex_;
    std::uint64_t generation_ = 0;
    std::unordered_map<std::string, Kept> pages_;
};

} // namespace brisvane::server
