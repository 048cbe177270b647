#pragma once
// What a module window needs of the main window: the shared port, the current
// worker, the link start and the function-key routing.

#include "link/module_profile.h"
#include "link/serial_port.h"

#include <string>
#include <vector>

namespace pemrix::forms {

class ModuleWindow;

class ModuleHost {
  public:
    virtual ~ModuleHost() = default;

    // Closes the shared port; closing a port that is not open does nothing.
    virtual void closePort() = 0;
    // Opens the chosen port and starts the link worker for the open window's module kind.
    virtual void StartLink() = 0;
    // Asks the current worker, if one still runs, to stop. Never waits.
    virtual void stopWorker() = 0;
    // Starts one exchange for the open window (kind, operation, data).
    // Returns false, doing nothing, while another worker still runs.
    virtual bool startWorker(link::ModuleKind moduleKind, link::Operation operation,
                             std::vector<int> data) = 0;

    // The line of the shared port failed under an exchange of the open window (the
    // device gone): the host's view of the port says so until a new link.
    virtual void lineLost(const link::PortError& error) = 0;

    // The chosen port and its device, as the main window names them: "COM1 (/dev/ttyS0)".
    virtual std::string portDescription() const = 0;

    // The window's creation switches the main window's function keys off;
    // its closing switches them on again.
    virtual void moduleWindowCreated(ModuleWindow* window) = 0;
    virtual void moduleWindowClosed(ModuleWindow* window) = 0;
};

} // namespace pemrix::forms
