#pragma once
// A configuration described in words, for show and diff: every field its window
// shows, grouped as the window groups it, as text for a person or as JSON for a
// script. The layouts are documented in the --help text and the manual page.

#include "link/module_profile.h"

#include <string>
#include <vector>

namespace pemrix::cli {

// One configuration: a file's or a module's image.
struct ShownConfig {
    link::ModuleKind module{};  // the --module kind: its field table
    link::ModuleKind variant{}; // the file's kind line, or the kind the module answered
    std::vector<int> cells;     // the image, without the kind line
    std::string source;         // the file's name, or "модуль на <device>"
};

std::string showText(const ShownConfig& config);
std::string showJson(const ShownConfig& config);

// Whether the two (of one module) show differently: a field, or the relay variant.
bool configsDiffer(const ShownConfig& a, const ShownConfig& b);
std::string diffText(const ShownConfig& a, const ShownConfig& b);
std::string diffJson(const ShownConfig& a, const ShownConfig& b);

} // namespace pemrix::cli
