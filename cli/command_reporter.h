#pragma once
// Takes the outcomes of the exchanges of one command: shows every report through the
// link's report routines on a ConsoleTarget (but one that it is told to hold back
// until the command has delivered its result), and keeps what the command needs
// afterwards (the deciding outcome, the kind the module answered, the image or key
// just read).

#include "cli/console_target.h"
#include "link/reporter.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pemrix::cli {

class CommandReporter : public link::Reporter {
  public:
    explicit CommandReporter(ConsoleTarget& target) : target_(target) {}

    void report(int code, int attemptNumber) override;
    void linkAnswered(link::ModuleKind kind) override;
    void linkUp() override;
    void enableTransferButtons() override;
    void deliverImage(const std::vector<int>& image) override;
    void deliverKey(std::uint64_t keyCode, int slot) override;
    void lineFailed(link::Operation operation, const link::PortError& error) override;

    // A report of `code` is not shown when it comes, only by showHeldReport (it
    // still decides the exit code).
    void holdReport(int code) { heldCode_ = code; }
    void showHeldReport();

    // The exit code of the last report that decides one, if any has.
    std::optional<int> decidedExitCode() const { return decided_; }
    // The kind the link answer named: the module's own, or one of its models.
    std::optional<link::ModuleKind> answeredKind() const { return answeredKind_; }
    const std::optional<std::vector<int>>& image() const { return image_; }
    std::optional<std::uint64_t> keyCode() const { return keyCode_; }

  private:
    ConsoleTarget& target_;
    std::optional<int> heldCode_;
    std::optional<int> held_; // the attempt number of the report held back
    std::optional<int> decided_;
    std::optional<link::ModuleKind> answeredKind_;
    std::optional<std::vector<int>> image_;
    std::optional<std::uint64_t> keyCode_;
};

} // namespace pemrix::cli
