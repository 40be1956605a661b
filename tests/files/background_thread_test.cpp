#include "files/background_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace korvane {
namespace {

TEST(BackgroundThread, RunsTasksInTurnOnItsOwnThread) {
    BackgroundThread worker;
    std::vector<int> order;  // only the worker touches it until the last future is ready
    std::vector<std::future<std::thread::id>> ran;
    for (int i = 0; i < 20; ++i) {
        ran.push_back(worker.Run([&order, i] {
            order.push_back(i);
            return std::this_thread::get_id();
        }));
    }
    for (auto& id : ran) {
        EXPECT_NE(id.get(), std::this_thread::get_id());
    }
    std::vector<int> expected(20);
    for (int i = 0; i < 20; ++i) {
        expected[i] = i;
    }
    EXPECT_EQ(order, expected);
}

TEST(BackgroundThread, AFailingTaskReachesItsFutureAndTheThreadGoesOn) {
    BackgroundThread worker;
    auto failing = worker.Run([]() -> int { throw std::runtime_error("out of memory"); });
    EXPECT_THROW(failing.get(), std::runtime_error);
    EXPECT_EQ(worker.Run([] { return std::string("next"); }).get(), "next");
}

TEST(BackgroundThread, EndingRunsTheTasksAlreadyHandedIn) {
    std::atomic<int> done{0};
    {
        BackgroundThread worker;
        for (int i = 0; i < 50; ++i) {
            worker.Run([&done] { ++done; });
        }
    }
    EXPECT_EQ(done, 50);
}

}  // namespace
}  // namespace korvane
