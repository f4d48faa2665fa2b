#include "store/database_thread.h"

#include <mysql.h>
#include <pthread.h>
#include <signal.h>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// One task at a time: the asking thread hands it over and waits for its end.
class DatabaseThread {
 public:
  DatabaseThread() {
    sigset_t all;
    sigset_t previous;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &previous);
    std::thread thread([this] { Loop(); });
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    id_ = thread.get_id();
    // It lives as long as the process, idle between tasks; the end of the process ends it.
    thread.detach();
  }

  bool IsCurrent() const { return std::this_thread::get_id() == id_; }

  void Run(const std::function<void()>& work) {
    if (IsCurrent()) {
      work();
      return;
    }
    const std::lock_guard oneCaller(callers_);
    std::unique_lock lock(mutex_);
    failure_ = nullptr;
    done_.store(false, std::memory_order_relaxed);
    task_.store(&work, std::memory_order_release);
    wake_.notify_one();
    finished_.wait(lock, [this] { return done_.load(std::memory_order_acquire); });
    const std::exception_ptr failure = std::exchange(failure_, nullptr);
    lock.unlock();
    if (failure) std::rethrow_exception(failure);
  }

 private:
  void Loop() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return task_.load(std::memory_order_acquire) != nullptr; });
      const std::function<void()>& work = *task_.exchange(nullptr);
      lock.unlock();
      std::exception_ptr failure;
      try {
        // Once the library is set up (its first start runs here and sets this thread up
        // with it), this is a check that the thread is known to it.
        mysql_thread_init();
        work();
      } catch (...) {
        failure = std::current_exception();
      }
      lock.lock();
      failure_ = failure;
      done_.store(true, std::memory_order_release);
      finished_.notify_one();
    }
  }

  std::mutex callers_;  // one asking thread at a time
  std::mutex mutex_;
  std::condition_variable wake_;      // a task was handed over
  std::condition_variable finished_;  // the task ended
  std::atomic<const std::function<void()>*> task_{nullptr};
  std::atomic<bool> done_{false};
  std::exception_ptr failure_;
  std::thread::id id_;
};

DatabaseThread& TheThread() {
  // Never destroyed: the thread may be needed until the process ends.
  static DatabaseThread* thread = new DatabaseThread;
  return *thread;
}

}  // namespace

void RunOnDatabaseThread(const std::function<void()>& work) { TheThread().Run(work); }

bool OnDatabaseThread() { return TheThread().IsCurrent(); }
