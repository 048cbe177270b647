#pragma once
// The file of pemrix-cli --trace: one line per byte of the exchanges, written and
// flushed as it comes, so that a run that hangs or is killed leaves its trace up to
// that moment.

#include "image/result.h"
#include "link/text_trace.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace pemrix::cli {

class TraceFile {
  public:
    // Creates or empties the file; fails with the reason for the user when it cannot.
    static image::Result<std::unique_ptr<TraceFile>> open(const std::filesystem::path& path);

    link::ByteTrace& trace() { return trace_; }
    // Why the trace is not complete, once a line could not be written.
    const std::optional<std::string>& failure() const { return failure_; }

  private:
    explicit TraceFile(const std::filesystem::path& path);
    void writeLine(const std::string& line);

    std::filesystem::path path_;
    std::ofstream file_;
    std::optional<std::string> failure_;
    link::TextTrace trace_;
};

} // namespace pemrix::cli
