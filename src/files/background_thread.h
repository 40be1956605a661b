#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>

namespace korvane {

// One thread that runs the tasks handed to it in turn, for work that goes on
// beside the caller's own: a save makes its reports there while it writes the
// design file. The thread is started once and kept, since starting a thread
// costs about as much as making a report.
class BackgroundThread {
public:
    BackgroundThread();
    // Runs the tasks already handed in, then ends the thread.
    ~BackgroundThread();
    BackgroundThread(const BackgroundThread&) = delete;
    BackgroundThread& operator=(const BackgroundThread&) = delete;

    // The task's result, or the exception it threw, reaches the future.
    template <typename Task>
    std::future<std::invoke_result_t<Task>> Run(Task task) {
        auto packaged =
            std::make_shared<std::packaged_task<std::invoke_result_t<Task>()>>(std::move(task));
        auto result = packaged->get_future();
        Post([packaged] { (*packaged)(); });
        return result;
    }

private:
    void Post(std::function<void()> task);
    void Loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::thread thread_;
};

// The thread saves make their reports on.
BackgroundThread& ReportThread();

}  // namespace korvane
