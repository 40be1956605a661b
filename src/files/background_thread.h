#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace korvane {

// A task handed to a BackgroundThread that the caller may still do itself:
// whoever comes to it first runs it. A save offers its reports this way while
// it writes the design file; when the file is written before the thread has
// begun them, waiting for the thread would cost more than making them.
template <typename Result>
class OfferedTask {
public:
    OfferedTask(OfferedTask&&) noexcept = default;
    OfferedTask& operator=(OfferedTask&&) = delete;
    // A task never taken is withdrawn, unless the thread is at it already.
    ~OfferedTask() {
        if (state_) {
            state_->claimed.exchange(true);
        }
    }

    // The task's result (or its exception): made here when the thread has not
    // begun the task, otherwise awaited.
    Result Take() {
        std::shared_ptr<State> state = std::move(state_);
        if (!state->claimed.exchange(true)) {
            return state->task();
        }
        // The thread is at it and will be done shortly: going to sleep and
        // being woken would take longer than the wait.
        const auto give_up = std::chrono::steady_clock::now() + kLongestSpin;
        while (!state->done.load(std::memory_order_acquire) &&
               std::chrono::steady_clock::now() < give_up) {
            std::this_thread::yield();
        }
        return state->result.get_future().get();
    }

private:
    friend class BackgroundThread;

    struct State {
        explicit State(std::function<Result()> work) : task(std::move(work)) {}
        std::atomic<bool> claimed{false};
        std::atomic<bool> done{false};
        std::function<Result()> task;
        std::promise<Result> result;
    };

    explicit OfferedTask(std::shared_ptr<State> state) : state_(std::move(state)) {}

    static constexpr std::chrono::microseconds kLongestSpin{500};

    std::shared_ptr<State> state_;
};

// One thread that runs the tasks offered to it in turn. It is started once and
// kept, since starting a thread costs about as much as making a report.
class BackgroundThread {
public:
    BackgroundThread();
    // Ends the thread once the tasks offered so far are done or withdrawn.
    ~BackgroundThread();
    BackgroundThread(const BackgroundThread&) = delete;
    BackgroundThread& operator=(const BackgroundThread&) = delete;

    template <typename Result>
    OfferedTask<Result> Offer(std::function<Result()> task) {
        using State = typename OfferedTask<Result>::State;
        auto state = std::make_shared<State>(std::move(task));
        Post([state] {
            if (state->claimed.exchange(true)) {
                return;
            }
            try {
                state->result.set_value(state->task());
            } catch (...) {
                state->result.set_exception(std::current_exception());
            }
            state->done.store(true, std::memory_order_release);
        });
        return OfferedTask<Result>(std::move(state));
    }

private:
    static constexpr std::chrono::microseconds kWatchForMore{2000};

    void Post(std::function<void()> task);
    void Loop();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::atomic<bool> pending_{false};  // tasks_ is not empty
    bool asleep_ = false;               // waiting on wake_
    bool stopping_ = false;
    std::thread thread_;
};

// The thread saves offer their reports to.
BackgroundThread& ReportThread();

}  // namespace korvane
