#include "cli/trace_file.h"

#include "image/error_texts.h"
#include "image/file_access.h"

#include <cerrno>
#include <system_error>

namespace pemrix::cli {
namespace {

image::FileFailure lastFailure(const std::filesystem::path& path) {
    return image::creationFailureOf(std::error_code(errno, std::generic_category()), path);
}

} // namespace

TraceFile::TraceFile(const std::filesystem::path& path)
    : path_(path), trace_([this](const std::string& line) { writeLine(line); }) {}

image::Result<std::unique_ptr<TraceFile>> TraceFile::open(const std::filesystem::path& path) {
    std::unique_ptr<TraceFile> traceFile(new TraceFile(path));
    errno = 0;
    // Binary: the same line ends on every system.
    traceFile->file_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    if (!traceFile->file_.is_open())
        return image::Error{image::ErrorKind::CannotCreateFile,
                            image::cannotWriteFileText(image::pathToUtf8(path), lastFailure(path))};
    return traceFile;
}

void TraceFile::writeLine(const std::string& line) {
    if (failure_)
        return;
    errno = 0;
    file_ << line << '\n' << std::flush;
    if (!file_)
        failure_ = image::cannotWriteFileText(image::pathToUtf8(path_), lastFailure(path_));
}

} // namespace pemrix::cli
