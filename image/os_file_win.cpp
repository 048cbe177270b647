#include "image/os_file.h"

#include <io.h>
#include <stdio.h>

namespace pemrix::image {

// Wide names: the ANSI code page cannot spell every file name.
std::FILE* createNewFile(const std::filesystem::path& path) {
    return ::_wfopen(path.c_str(), L"wbx");
}

bool syncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && ::_commit(::_fileno(file)) == 0;
}

// NTFS journals the rename itself; there is no folder handle to flush.
void syncFolder(const std::filesystem::path&) {}

} // namespace pemrix::image
