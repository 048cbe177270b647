// A window program gets no console from Windows. Started from a shell, it borrows
// the shell's; the shell does not wait for it, so the text follows the prompt.

#include "app/parent_console.h"

#include <cstdio>

#include <windows.h>

namespace pemrix::app {

void reachParentConsole() {
    const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE &&
        ::GetFileType(output) != FILE_TYPE_UNKNOWN)
        return; // redirected to a file or pipe
    if (!::AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from the desktop: there is no one to read it
    std::FILE* console = nullptr;
    (void)::freopen_s(&console, "CONOUT$", "w", stdout);
}

} // namespace pemrix::app
