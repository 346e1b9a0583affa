// Independent tasks shared out over the processor's cores.
#pragma once

#include <cstddef>
#include <functional>

// Runs task(0) .. task(count − 1), each once, on up to eight threads (the caller's among them), and
// returns when all have ended. Tasks must not depend on each other and should write only their own
// results. The first exception a task throws is thrown again once all threads have ended; when no
// thread can be started the caller runs every task itself.
void RunSideBySide(std::size_t count, const std::function<void(std::size_t)>& task);
