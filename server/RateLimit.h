#pragma once
// At most `perMinute` attempts a minute for each address and each account, refilled evenly
// (a bucket of `perMinute` tokens). The buckets live in the instance's memory.

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace brisvane::server {

class RateLimit {
public:
    using Clock = std::chrono::steady_clock;

    // 0 switches the limit off.
    explicit RateLimit(int perMinute);
    // Takes one attempt from `who`'s bucket; false when it is empty.
    bool allow(const std::string& who, Clock::time_point now = Clock::now());

private:
    struct Bucket {
        double tokens;
        Clock::time_point last;
    };
    double refill(Bucket& bucket, Clock::time_point now) const;
    void forgetFull(Clock::time_point now);

    int perMinute_;
    std::mutex mutex_;
    std::unordered_map<std::string, Bucket> buckets_;
};

} // namespace brisvane::server
