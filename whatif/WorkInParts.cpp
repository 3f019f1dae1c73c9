#include "whatif/WorkInParts.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <thread>
#include <vector>

namespace kesta::whatif {

namespace {

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool kThreads = false;
#else
constexpr bool kThreads = true;
#endif

// More workers than this gain little on the tables the program makes.
constexpr std::size_t kMostWorkers = 8;

} // namespace

std::size_t WorkersFor(std::size_t parts) {
    if (!kThreads || parts <= 1) return 1;
    const std::size_t cores = std::max<std::size_t>(1, std::thread::hardware_concurrency());
    return std::min({parts, cores, kMostWorkers});
}

void WorkInParts(std::size_t parts,
                const std::function<void(std::size_t part, std::size_t worker)>& work) {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    const auto worker = [&](std::size_t number) {
        try {
            for (std::size_t part = next++; part < parts && !failed; part = next++)
                work(part, number);
        } catch (...) {
            failed = true;
            throw;
        }
    };
    const std::size_t workers = WorkersFor(parts);
    std::vector<std::future<void>> others;
    others.reserve(workers - 1);
    std::exception_ptr first;
    try {
        for (std::size_t number = 1; number < workers; ++number)
            others.push_back(std::async(std::launch::async, worker, number));
    } catch (const std::system_error&) {
        // No thread to be had: the workers started so far and this one do every part.
    }
    try {
        worker(0);
    } catch (...) {
        first = std::current_exception();
    }
    for (std::future<void>& other : others) {
        try {
            other.get();
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

} // namespace kesta::whatif
