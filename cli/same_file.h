#pragma once
// Whether two names given on the command line lead to one file, so that a run never
// writes one of its files over another.

#include <filesystem>

namespace pemrix::cli {

// Two existing names are the same file when the system says so (a link, another
// spelling of the path); names not yet created compare as absolute paths with links
// in their folders resolved. An existing name and a missing one are never the same.
bool namesSameFile(const std::filesystem::path& first, const std::filesystem::path& second);

} // namespace pemrix::cli
