// Independent tasks run side by side on the processor's cores.
#pragma once

#include <functional>

// Runs task(0) .. task(count - 1), each once, on up to `mostThreads` threads (the calling one among
// them), and returns when all have ended; the first exception a task throws is thrown again then. Each
// task must write only its own results.
void RunSideBySide(int count, const std::function<void(int)>& task, unsigned mostThreads = 8);
