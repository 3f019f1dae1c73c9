// Parts done side by side: each once, never two at once by one worker, and a failure comes
// back to the caller.
#include "whatif/WorkInParts.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <vector>

namespace kesta::whatif {
namespace {

TEST(WorkInParts, EveryPartOnceAndEachWorkerOnOnePartAtATime) {
    for (const std::size_t parts : {0u, 1u, 2u, 7u, 64u}) {
        const std::size_t workers = WorkersFor(parts);
        EXPECT_GE(workers, 1u);
        EXPECT_LE(workers, std::max<std::size_t>(parts, 1));
        std::vector<std::atomic<int>> done(parts);
        std::vector<std::atomic<int>> busy(workers);
        std::atomic<bool> overlapped{false};
        std::atomic<bool> badWorker{false};
        WorkInParts(parts, [&](std::size_t part, std::size_t worker) {
            if (worker >= workers) {
                badWorker = true;
                return;
            }
            if (busy[worker]++ != 0) overlapped = true;
            volatile double work = 0;
            for (int i = 0; i < 20000; ++i)
                work = work + i;
            ++done[part];
            --busy[worker];
        });
        for (std::size_t part = 0; part < parts; ++part)
            EXPECT_EQ(done[part], 1) << "part " << part << " of " << parts;
        EXPECT_FALSE(overlapped) << parts;
        EXPECT_FALSE(badWorker) << parts;
    }
}

// The last part fails, whichever worker takes it (with cores to spare, often another thread).
TEST(WorkInParts, AFailingPartIsThrownToTheCaller) {
    for (int round = 0; round < 20; ++round) {
        try {
            WorkInParts(40, [&](std::size_t part, std::size_t) {
                if (part == 39) throw std::runtime_error("part " + std::to_string(part));
            });
            ADD_FAILURE() << "nothing thrown";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "part 39");
        }
    }
}

} // namespace
} // namespace kesta::whatif
