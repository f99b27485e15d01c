#include "server/RateLimit.h"

#include <algorithm>

namespace brisvane::server {

namespace {
// Past this many buckets the full ones are forgotten, so the map cannot grow without bound.
constexpr std::size_t BucketsKept = 10000;
} // namespace

RateLimit::RateLimit(int perMinute) : perMinute_(perMinute) {}

double RateLimit::refill(Bucket& bucket, Clock::time_point now) const {
    const double minutes = std::chrono::duration<double, std::ratio<60>>(now - bucket.last).count();
    bucket.tokens = std::min(static_cast<double>(perMinute_), bucket.tokens + minutes * perMinute_);
    bucket.last = now;
    return bucket.tokens;
}

void RateLimit::forgetFull(Clock::time_point now) {
    for (auto it = buckets_.begin(); it != buckets_.end();) {
        it = refill(it->second, now) >= perMinute_ ? buckets_.erase(it) : std::next(it);
    }
}

bool RateLimit::allow(const std::string& who, Clock::time_point now) {
    if (perMinute_ <= 0) {
        return true;
    }
    const std::lock_guard lock(mutex_);
    if (buckets_.size() >= BucketsKept) {
        forgetFull(now);
    }
    auto [it, added] = buckets_.try_emplace(who, Bucket{static_cast<double>(perMinute_), now});
    if (refill(it->second, now) < 1.0) {
        return false;
    }
    it->second.tokens -= 1.0;
    return true;
}

} // namespace brisvane::server
