// Independent tasks on the processor's cores, taken one at a time by each thread.
#include "engine/side_by_side.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kMostThreads = 8;

}  // namespace

void RunSideBySide(std::size_t count, const std::function<void(std::size_t)>& task) {
  std::atomic<std::size_t> next{0};
  std::mutex failedLock;
  std::exception_ptr failed;  // the first exception of a thread, raised again once all have ended
  const auto work = [&] {
    try {
      for (std::size_t i; (i = next++) < count;) task(i);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failedLock);
      if (!failed) failed = std::current_exception();
    }
  };
  const unsigned cores = std::min(std::max(std::thread::hardware_concurrency(), 1u), kMostThreads);
  const std::size_t helpers = std::min<std::size_t>(cores - 1, count > 0 ? count - 1 : 0);
  std::vector<std::thread> threads;
  for (std::size_t t = 0; t < helpers; ++t) {
    try {
      threads.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads take longer, with the same results
    }
  }
  work();
  for (std::thread& t : threads) t.join();
  if (failed) std::rethrow_exception(failed);
}
