#pragma once
// What the link's report routines show for a report, taken from the routines
// themselves: the command line must print exactly these lines.

#include "link/report_target.h"
#include "link/reports.h"

#include <string>
#include <vector>

namespace pemrix::cli::testing {

class TextRecorder : public link::ReportTarget {
  public:
    explicit TextRecorder(int kind) : kind_(kind) {}
    int moduleKind() const override { return kind_; }
    void showStatus(const std::string& text) override { lines.push_back(text); }
    void showMessage(const std::string& text) override { lines.push_back(text); }
    void setButtonEnabled(link::LinkButton, bool) override {}
    void applyImage(const std::vector<int>&) override {}
    void setLinkPending() override {}
    void setLinkDown() override {}
    void closeWindow() override {}

    std::vector<std::string> lines;

  private:
    int kind_;
};

// The lines of report `code` for a window of `kind`, each ended by a line feed.
inline std::string reportText(int kind, int code, int attemptNumber = 0) {
    TextRecorder recorder(kind);
    link::ShowReport(recorder, code, attemptNumber);
    std::string text;
    for (const auto& line : recorder.lines)
        text += line + "\n";
    return text;
}

} // namespace pemrix::cli::testing
