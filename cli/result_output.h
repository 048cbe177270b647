#pragma once
// Where a command's result goes (the kind linked, the configuration file, the key
// code): standard output. A result that does not arrive whole is a failure with the
// system's reason, so that a script never takes a cut or missing result for a good
// one.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace pemrix::cli {

class ResultOutput {
  public:
    virtual ~ResultOutput() = default;
    // Writes `text` and flushes it. Nothing when all of it went out; else the
    // system's reason ("на диске нет места").
    virtual std::optional<std::string> write(std::string_view text) = 0;
};

// A C stream. `unusableError`, when not 0, is the error number that fails every
// write: standard output was closed when the program started (its descriptor is
// then held by a stand-in, so that nothing written here can reach a port or file
// opened later under the same number).
class FileOutput final : public ResultOutput {
  public:
    explicit FileOutput(std::FILE* file, int unusableError = 0)
        : file_(file), unusableError_(unusableError) {}

    std::optional<std::string> write(std::string_view text) override;

  private:
    std::FILE* file_;
    int unusableError_;
};

} // namespace pemrix::cli
