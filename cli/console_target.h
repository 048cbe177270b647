#pragma once
// The "window" of the command line: the report routines of the link write their
// status texts and message texts here, one line each, to the error stream, as they
// happen. Buttons, layouts and closing mean nothing without a window.

#include "link/report_target.h"

#include <ostream>

namespace pemrix::cli {

class ConsoleTarget : public link::ReportTarget {
  public:
    ConsoleTarget(link::ModuleKind moduleKind, std::ostream& err)
        : moduleKind_(moduleKind), err_(err) {}

    link::ModuleKind moduleKind() const override { return moduleKind_; }
    void showStatus(const std::string& text) override;
    void showMessage(const std::string& text) override;
    void setButtonEnabled(link::LinkButton, bool) override {}
    // Images and keys are taken by the command's reporter itself.
    void applyImage(const std::vector<int>&) override {}
    void setLinkPending() override {}
    void setLinkDown() override {}
    void closeWindow() override {}

  private:
    void writeLine(const std::string& text);

    link::ModuleKind moduleKind_;
    std::ostream& err_;
};

} // namespace pemrix::cli
