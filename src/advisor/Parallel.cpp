#include "advisor/Parallel.h"

#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace brisvane::advisor {

void parallelFor(std::size_t count, int threads,
                 const std::function<void(std::size_t item, int thread)>& work,
                 const std::function<void(std::size_t done)>& tick) {
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stop{false};
    std::mutex failureLock;
    std::exception_ptr failure;
    const auto run = [&](int thread) {
        try {
            for (std::size_t i = next++; i < count && !stop; i = next++) {
                work(i, thread);
                const std::size_t finished = ++done;
                if (thread == 0 && tick) {
                    tick(finished);
                }
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureLock);
            if (!failure) {
                failure = std::current_exception();
            }
            stop = true;
        }
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads && static_cast<std::size_t>(t) < count; ++t) {
        helpers.emplace_back(run, t);
    }
    run(0);
    for (std::thread& helper : helpers) {
        helper.join();
    }
    if (failure) {
        std::rethrow_exception(failure);
    }
}

int workThreads() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : static_cast<int>(cores);
}

} // namespace brisvane::advisor
