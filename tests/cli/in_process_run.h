#pragma once
// pemrix-cli run in-process: its standard output and error stream as the test sees them.

#include "cli/commands.h"

#include <sstream>
#include <string>
#include <vector>

namespace pemrix::cli::testing {

class CollectedOutput : public ResultOutput {
  public:
    std::optional<std::string> write(std::string_view text) override {
        text_ += text;
        return std::nullopt;
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

struct InProcessRun {
    int exitCode;
    std::string out;
    std::string err;
};

inline InProcessRun runInProcess(const std::vector<std::string_view>& args,
                                 const link::StopFlag& stop,
                                 PortOpener opener = systemPortOpener()) {
    CollectedOutput out;
    std::ostringstream err;
    const CommandContext context{out, err, stop, std::move(opener)};
    const int exitCode = runProgram(args, context);
    return {exitCode, out.text(), err.str()};
}

} // namespace pemrix::cli::testing
