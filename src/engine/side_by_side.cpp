// A pool of threads for one batch of independent tasks, ended before it returns.
#include "engine/side_by_side.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

void RunSideBySide(int count, const std::function<void(int)>& task, unsigned mostThreads) {
  std::atomic<int> next{0};
  std::mutex failedLock;
  std::exception_ptr failed;
  const auto work = [&] {
    try {
      for (int i; (i = next++) < count;) task(i);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(failedLock);
      if (!failed) failed = std::current_exception();
    }
  };
  const unsigned wanted = std::min({std::max(std::thread::hardware_concurrency(), 1u), std::max(mostThreads, 1u),
                                    static_cast<unsigned>(std::max(count, 1))});
  std::vector<std::thread> helpers;
  for (unsigned t = 1; t < wanted; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads take longer, with the same results
    }
  }
  work();
  for (std::thread& t : helpers) t.join();
  if (failed) std::rethrow_exception(failed);
}
