#pragma once

#include <algorithm>
#include <ctime>

namespace BenchClock {

/// Processor milliseconds of the calling thread: unlike the wall clock it
/// does not count the time other programs on a busy machine take from it.
inline double threadMs()
{
    timespec time{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
    return double(time.tv_sec) * 1e3 + double(time.tv_nsec) / 1e6;
}

/// The middle value of a list of timings (a copy is sorted).
template <typename Values> double median(Values values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace BenchClock
