#include "cli/command_reporter.h"

#include "cli/exit_codes.h"
#include "link/reports.h"

namespace pemrix::cli {

void CommandReporter::report(int code, int attemptNumber) {
    if (code == heldCode_)
        held_ = attemptNumber;
    else
        link::ShowReport(target_, code, attemptNumber);
    if (const auto exitCode = exitCodeForReport(code))
        decided_ = exitCode;
}

void CommandReporter::showHeldReport() {
    if (held_ && heldCode_)
        link::ShowReport(target_, *heldCode_, *held_);
    held_.reset();
}

void CommandReporter::lineFailed(link::Operation operation, const link::PortError& error) {
    link::ShowLineFailure(target_, operation, error);
    decided_ = exitCodeForReport(link::ReportCode::LineFailed);
}

void CommandReporter::linkAnswered(link::ModuleKind kind) {
    answeredKind_ = kind;
}

void CommandReporter::linkUp() {
    link::LinkUp(target_);
}

void CommandReporter::enableTransferButtons() {
    link::LinkUp(target_);
}

void CommandReporter::deliverImage(const std::vector<int>& image) {
    link::DeliverImage(target_, image);
    image_ = image;
}

// Nothing to compare with: the command line has no identifier slots, so the key is
// simply kept for printing.
void CommandReporter::deliverKey(std::uint64_t keyCode, int) {
    keyCode_ = keyCode;
}

} // namespace pemrix::cli
