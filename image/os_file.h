#pragma once
// The few file calls that differ between operating systems: one implementation each.

#include <cstdio>
#include <filesystem>

namespace pemrix::image {

// Creates `path` for binary writing; fails (nullptr) if it already exists.
std::FILE* createNewFile(const std::filesystem::path& path);

// Flushes the stream and asks the system to put the file's data on the disk.
bool syncFileToDisk(std::FILE* file);

// Makes a rename inside `folder` durable where the system needs that; best effort.
void syncFolder(const std::filesystem::path& folder);

} // namespace pemrix::image
