#pragma once
// At program end a worker may still be inside an exchange: once stopped and with its
// port closed it ends at its next checkpoint, so the program lets it run out instead
// of tearing the thread down under it.

#include <chrono>

namespace pemrix::app {

// Handles events (a worker's last reports find their window gone) until every worker
// has ended, or `limit` has passed. Returns true when none is left.
bool letWorkersRunOut(std::chrono::milliseconds limit);

} // namespace pemrix::app
