#pragma once
// A test that gives a FIFO to code that must not wait on it: if the code is
// still busy after a while, the watch keeps opening the other end whenever
// someone waits on the FIFO, so that the code comes back, and says it hung;
// the test fails instead of hanging.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace velmora::testing {

class FifoWatch {
public:
    explicit FifoWatch(std::string fifo, std::chrono::seconds patience = std::chrono::seconds{10})
        : fifo_(std::move(fifo)), watcher_([this, patience] {
              std::unique_lock lock(mutex_);
              if (done_.wait_for(lock, patience, [this] { return finished_; })) return;
              hung_ = true;
              do {
                  // Opens only when a reader waits, and so lets it read an end of file.
                  const int writer = ::open(fifo_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                  if (writer >= 0) ::close(writer);
              } while (!done_.wait_for(lock, std::chrono::milliseconds{20}, [this] { return finished_; }));
          }) {}
    ~FifoWatch() { Finish(); }
    FifoWatch(const FifoWatch&) = delete;
    FifoWatch& operator=(const FifoWatch&) = delete;

    // Call when the code under test has come back; true when it had hung.
    bool Hung() {
        Finish();
        return hung_;
    }

private:
    void Finish() {
        {
            std::lock_guard lock(mutex_);
            finished_ = true;
        }
        done_.notify_all();
        if (watcher_.joinable()) watcher_.join();
    }

    std::string fifo_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    bool hung_ = false;
    std::thread watcher_;
};

}  // namespace velmora::testing
