#include "files/background_thread.h"

#include <chrono>
#include <utility>

namespace korvane {

BackgroundThread::BackgroundThread() : thread_([this] { Loop(); }) {}

BackgroundThread::~BackgroundThread() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void BackgroundThread::Post(std::function<void()> task) {
    bool asleep = false;
    {
        const std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
        pending_.store(true, std::memory_order_release);
        asleep = asleep_;
    }
    if (asleep) {
        wake_.notify_one();
    }
}

void BackgroundThread::Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
        if (tasks_.empty() && !stopping_) {
            // Saves come in runs (a batch saves a folder): waking a sleeping
            // thread costs more than looking out for the next task a while.
            lock.unlock();
            const auto give_up = std::chrono::steady_clock::now() + kWatchForMore;
            while (!pending_.load(std::memory_order_acquire) &&
                   std::chrono::steady_clock::now() < give_up) {
                std::this_thread::yield();
            }
            lock.lock();
        }
        asleep_ = true;
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        asleep_ = false;
        if (tasks_.empty()) {
            return;
        }
        std::function<void()> task = std::move(tasks_.front());
        tasks_.pop_front();
        pending_.store(!tasks_.empty(), std::memory_order_release);
        lock.unlock();
        task();
        lock.lock();
    }
}

BackgroundThread& ReportThread() {
    static BackgroundThread thread;
    return thread;
}

}  // namespace korvane
