#pragma once
// What the windows need before Qt starts. On Linux Qt shows them on an X11 or
// Wayland display and keeps its sockets in the user's runtime folder; without a
// display Qt aborts with its own English advice, and without the runtime folder (a
// root shell has none) it warns about it on every start.

#include <functional>
#include <optional>
#include <string>

namespace pemrix::app {

// An environment variable's value, or nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The text to print before ending when Qt would find no display for the windows:
// no platform chosen (QT_QPA_PLATFORM, -platform NAME), no -display and neither
// DISPLAY nor WAYLAND_DISPLAY set. Nothing where the windows can start, and on systems whose
// windows need no display server.
std::optional<std::string> missingDisplayText(int argc, const char* const* argv,
                                              const EnvironmentLookup& environment);

// A folder only this user can enter, for XDG_RUNTIME_DIR: "runtime-<uid>" in
// `tempFolder`, made with mode 0700 or taken when it is already a folder of this
// user's with that mode; otherwise a fresh one beside it. Nothing when neither can
// be made.
std::optional<std::string> privateRuntimeFolder(const std::string& tempFolder);

// Under Wine, chooses Qt's FreeType font engine (QT_QPA_PLATFORM) unless the user
// chose a platform; does nothing elsewhere.
void chooseFontEngine(int argc, const char* const* argv, const EnvironmentLookup& environment);

// Sets XDG_RUNTIME_DIR to a private runtime folder under TMPDIR (or /tmp) when it is
// not set; does nothing on Windows.
void provideRuntimeFolder();

} // namespace pemrix::app
