#include "image/os_file.h"

#include <fcntl.h>
#include <unistd.h>

namespace pemrix::image {

std::FILE* createNewFile(const std::filesystem::path& path) {
    return std::fopen(path.c_str(), "wbx");
}

bool syncFileToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && ::fsync(::fileno(file)) == 0;
}

void syncFolder(const std::filesystem::path& folder) {
    const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(where.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace pemrix::image
