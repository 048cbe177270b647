#include "app/parent_console.h"

namespace pemrix::app {

// Standard output is the terminal, file or pipe the program was started with.
void reachParentConsole() {}

} // namespace pemrix::app
