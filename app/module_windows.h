#pragma once
// The module windows the program offers, registered with the main window.

namespace pemrix::app {

class TMainForm;

void registerModuleWindows(TMainForm& form);

} // namespace pemrix::app
