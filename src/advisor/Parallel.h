#pragma once
// Long work shared among threads: the advisor's tables are solved level by level, and the
// states of one level do not depend on each other.

#include <cstddef>
#include <functional>

namespace brisvane::advisor {

// Runs work(i, thread) for every i in 0..count-1 on `threads` threads (the calling one, number
// 0, included; new threads take the calling thread's priority). Only the calling thread calls
// `tick` (with the number of items done), after each item it does. An exception from `work` or
// `tick` stops the others after their current item and is thrown again once they are done.
void parallelFor(std::size_t count, int threads,
                 const std::function<void(std::size_t item, int thread)>& work,
                 const std::function<void(std::size_t done)>& tick);

// The threads long work may take: every core.
int workThreads();

} // namespace brisvane::advisor
