#pragma once
// The worker port on a thread of its own, at the lowest priority, so long work (the advisor's
// first solve) never takes the processor from the game or the desktop.

#include <thread>

#include "common/Ports.h"

namespace brisvane {

class ThreadWorker : public Worker {
public:
    ThreadWorker() = default;
    ~ThreadWorker() override { wait(); }
    ThreadWorker(const ThreadWorker&) = delete;
    ThreadWorker& operator=(const ThreadWorker&) = delete;

    void start(std::function<void()> work) override;
    void wait() override;

private:
    std::thread thread_;
};

} // namespace brisvane
