#include "cli/console_target.h"

namespace pemrix::cli {

void ConsoleTarget::showStatus(const std::string& text) {
    writeLine(text);
}

void ConsoleTarget::showMessage(const std::string& text) {
    writeLine(text);
}

// Flushed at once: a script watching the stream sees each report as it happens.
void ConsoleTarget::writeLine(const std::string& text) {
    err_ << text << std::endl;
}

} // namespace pemrix::cli
