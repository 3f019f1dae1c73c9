// Time limits in tests count the processor time of the test's own thread: other programs'
// load stretches the wall clock, not this, so a limit holds on a busy machine too.
#pragma once

#include <ctime>

namespace kesta::test {

// Time limits are for the optimised build: a debug or sanitizer build runs many times slower.
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
inline constexpr bool kTimeLimitsApply = true;
#else
inline constexpr bool kTimeLimitsApply = false;
#endif

// Seconds of processor time this thread has used so far.
inline double ThreadSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Seconds of processor time the whole process has used so far, every thread's: for work that
// is spread over threads.
inline double ProcessSeconds() {
    timespec now = {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

} // namespace kesta::test
