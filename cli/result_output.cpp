#include "cli/result_output.h"

#include "link/system_reason.h"

#include <cerrno>

namespace pemrix::cli {

std::optional<std::string> FileOutput::write(std::string_view text) {
    if (unusableError_ != 0)
        return os::errnoReason(unusableError_);
    errno = 0;
    // The flush is part of the write: a full disk shows only when the buffer goes out.
    const bool written =
        std::fwrite(text.data(), 1, text.size(), file_) == text.size() && std::fflush(file_) == 0;
    if (written)
        return std::nullopt;
    const int error = errno != 0 ? errno : EIO;
    std::clearerr(file_);
    return os::errnoReason(error);
}

} // namespace pemrix::cli
