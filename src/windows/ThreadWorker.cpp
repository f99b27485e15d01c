#include "windows/ThreadWorker.h"

#include <sys/resource.h>
#include <unistd.h>

#include <utility>

namespace brisvane {

void ThreadWorker::start(std::function<void()> work) {
    wait();
    thread_ = std::thread([work = std::move(work)] {
        // On Linux a priority set for the calling thread's own id applies to that thread only.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19);
        work();
    });
}

void ThreadWorker::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace brisvane
