#pragma once
// The report routines: what each outcome of an exchange does to the module window
// that started it. They run on the user-interface thread while the worker waits.
// The texts live here once, with the words of each module from its profile; a window
// that follows the link's state more closely overrides the events of ReportTarget.

#include "link/report_target.h"
#include "link/reporter.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace pemrix::link {

// Status texts, message boxes and layouts of report `code` (1..14; others do
// nothing). attemptNumber is read by ReportCode::LinkAttempt only.
void ShowReport(ReportTarget& target, int code, int attemptNumber);
// The line failed under `operation`: the status names the operation that did not
// complete and the port's reason, the window takes the layout of no link, and the
// window hears that its line is gone.
void ShowLineFailure(ReportTarget& target, Operation operation, const PortError& error);
// After LinkEstablished: ReadButton, then WriteButton enabled. Also used after a finished
// write or read.
void LinkUp(ReportTarget& target);
// Hands an image just read to the window; the window copies what it keeps.
void DeliverImage(ReportTarget& target, const std::vector<int>& image);
// Puts a key code just read into identifier slot `slot` (1..8), unless some slot
// already holds it (ReportCode::KeyExists). The "no key" code and a slot out of range change
// nothing; the relay window has no identifier slots.
void ShowKeyId(ReportTarget& target, std::uint64_t keyCode, int slot);
// The two button layouts, as the open window defines them.
void SetLinkPending(ReportTarget& target);
void SetLinkDown(ReportTarget& target);

// Drives the routines above from an exchange. The window is looked up for every
// call, so that a window closed meanwhile is simply skipped; the runner of the
// exchange decides on which thread the calls land.
class TargetReporter : public Reporter {
  public:
    using WindowLookup = std::function<ReportTarget*()>;
    explicit TargetReporter(WindowLookup window) : window_(std::move(window)) {}

    void report(int code, int attemptNumber) override;
    void linkAnswered(ModuleKind kind) override;
    void linkUp() override;
    void enableTransferButtons() override;
    void deliverImage(const std::vector<int>& image) override;
    void deliverKey(std::uint64_t keyCode, int slot) override;
    void lineFailed(Operation operation, const PortError& error) override;

  private:
    WindowLookup window_;
};

} // namespace pemrix::link
