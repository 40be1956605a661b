#include "files/background_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <latch>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace korvane {
namespace {

using ThreadId = std::thread::id;

// Keeps the thread busy until released, so that tasks offered after it wait.
struct Blocker {
    std::promise<void> started;
    std::promise<void> release;
};

OfferedTask<ThreadId> OfferBlocker(BackgroundThread& worker, Blocker& blocker) {
    return worker.Offer<ThreadId>([&blocker] {
        blocker.started.set_value();
        blocker.release.get_future().wait();
        return std::this_thread::get_id();
    });
}

TEST(BackgroundThread, TheCallerDoesATaskTheThreadHasNotBegun) {
    BackgroundThread worker;
    Blocker blocker;
    OfferedTask<ThreadId> busy = OfferBlocker(worker, blocker);
    blocker.started.get_future().wait();

    std::atomic<int> runs{0};
    OfferedTask<ThreadId> waiting = worker.Offer<ThreadId>([&runs] {
        ++runs;
        return std::this_thread::get_id();
    });
    EXPECT_EQ(waiting.Take(), std::this_thread::get_id());

    blocker.release.set_value();
    EXPECT_NE(busy.Take(), std::this_thread::get_id()) << "begun by the thread, awaited";
    // Once the thread begins a later task it has passed the taken one.
    Blocker later;
    OfferedTask<ThreadId> next = OfferBlocker(worker, later);
    later.started.get_future().wait();
    later.release.set_value();
    next.Take();
    EXPECT_EQ(runs, 1) << "a task runs once";
}

TEST(BackgroundThread, ATaskTheThreadBeganIsAwaitedWithItsResultOrException) {
    BackgroundThread worker;
    Blocker blocker;
    OfferedTask<ThreadId> busy = OfferBlocker(worker, blocker);
    blocker.started.get_future().wait();
    blocker.release.set_value();
    EXPECT_NE(busy.Take(), std::this_thread::get_id());

    std::latch begun(1);
    OfferedTask<int> failing = worker.Offer<int>([&begun]() -> int {
        begun.count_down();
        throw std::runtime_error("out of memory");
    });
    begun.wait();
    EXPECT_THROW(failing.Take(), std::runtime_error);
    EXPECT_EQ(worker.Offer<std::string>([] { return std::string("next"); }).Take(), "next");
}

TEST(BackgroundThread, TheThreadTakesUpTasksAfterItHasGoneToSleep) {
    BackgroundThread worker;
    for (int pause = 0; pause < 3; ++pause) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));  // long past watching for more
        Blocker blocker;
        OfferedTask<ThreadId> task = OfferBlocker(worker, blocker);
        blocker.started.get_future().wait();  // begun by the thread, not by this one
        blocker.release.set_value();
        EXPECT_NE(task.Take(), std::this_thread::get_id());
    }
}

TEST(BackgroundThread, AnOfferedTaskNotTakenIsWithdrawn) {
    std::atomic<int> runs{0};
    {
        BackgroundThread worker;
        Blocker blocker;
        OfferedTask<ThreadId> busy = OfferBlocker(worker, blocker);
        blocker.started.get_future().wait();
        for (int i = 0; i < 10; ++i) {
            worker.Offer<int>([&runs] { return ++runs; });  // dropped at once
        }
        blocker.release.set_value();
        busy.Take();
    }
    EXPECT_EQ(runs, 0);
}

}  // namespace
}  // namespace korvane
